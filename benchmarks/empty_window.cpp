// The yardstick of the start-up probes: an empty Qt Widgets window, started the way the programs
// start theirs (the application, then the window, shown maximised).
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.showMaximized();
  return QApplication::exec();
}

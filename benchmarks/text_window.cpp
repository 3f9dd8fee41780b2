// A floor for the start-up probes: the empty window with one line of text, so the fonts are
// found and loaded, which every program with text pays and the empty window never does.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("Informações"));
  window.showMaximized();
  return QApplication::exec();
}

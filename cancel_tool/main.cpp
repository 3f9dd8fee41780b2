#include <QApplication>

#include "cancel_tool/cancel_tool.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::unique_ptr<QWidget> window = cancel_tool::MakeTarvelWindow();
  window->showMaximized();
  return QApplication::exec();
}

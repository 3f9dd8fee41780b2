#include <QApplication>
#include <QIcon>

#include "cancel_tool/cancel_tool.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(":/icons/tarvel.svg"));
  const std::unique_ptr<QWidget> window = cancel_tool::MakeTarvelWindow();
  window->showMaximized();
  return QApplication::exec();
}

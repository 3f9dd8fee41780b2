#include <QApplication>
#include <QIcon>

#include "query_tool/query_tool.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(":/icons/orvane.svg"));
  const std::unique_ptr<QWidget> window = query_tool::MakeOrvaneWindow();
  window->showMaximized();
  return QApplication::exec();
}

#include <QApplication>

#include "query_tool/query_tool.h"
#include "window_shell/first_event.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::unique_ptr<QWidget> window = query_tool::MakeOrvaneWindow();
  window->showMaximized();
  window_shell::SetWindowIconAfterFirstFrame(*window, QStringLiteral(":/icons/orvane.svg"));
  return QApplication::exec();
}

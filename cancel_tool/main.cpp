#include <QApplication>

#include "cancel_tool/cancel_tool.h"
#include "window_shell/first_event.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::unique_ptr<QWidget> window = cancel_tool::MakeTarvelWindow();
  window->showMaximized();
  window_shell::SetWindowIconAfterFirstFrame(*window, QStringLiteral(":/icons/tarvel.svg"));
  return QApplication::exec();
}

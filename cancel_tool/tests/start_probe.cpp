// Tarvel's start-up as the user sees it, for timing from outside: starts exactly as tarvel does,
// and quits once the maximised window has been painted for the first time.

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "cancel_tool/cancel_tool.h"

namespace {

class QuitOnFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::unique_ptr<QWidget> window = cancel_tool::MakeTarvelWindow();
  QuitOnFirstPaint quit;
  window->installEventFilter(&quit);
  window->showMaximized();
  return QApplication::exec();
}

// Linked beside a program's own main() to make a start-up probe: the process ends the moment
// the first frame has been painted, without tearing anything down, so its run time is the time
// from launch to the first painted frame of exactly what the user starts.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>

namespace {

class ExitOnFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A frame's widgets are painted in one pass and then flushed; the zero timer runs after both.
    if (event->type() == QEvent::Paint && !exiting_) {
      exiting_ = true;
      QTimer::singleShot(0, [] { std::_Exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool exiting_ = false;
};

// Runs as the application object is made, before main() makes its window.
void WatchForFirstPaint() {
  QCoreApplication::instance()->installEventFilter(new ExitOnFirstPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)

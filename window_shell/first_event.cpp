#include "window_shell/first_event.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace window_shell {

namespace {

class FirstEventHook : public QObject {
 public:
  FirstEventHook(QObject& watched, QEvent::Type type, std::function<void()> action)
      : QObject(&watched), type_(type), action_(std::move(action)) {
    watched.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_ && action_) {
      watched->removeEventFilter(this);
      std::exchange(action_, nullptr)();
      deleteLater();
    }
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> action_;
};

}  // namespace

void OnFirstEvent(QObject& watched, QEvent::Type type, std::function<void()> action) {
  new FirstEventHook(watched, type, std::move(action));  // owned by `watched`
}

void SetWindowIconAfterFirstFrame(QWidget& window, const QString& iconPath) {
  OnFirstEvent(window, QEvent::Paint, [iconPath] {
    // After the frame has been flushed, which happens once the paint pass is over.
    QTimer::singleShot(0, qApp, [iconPath] { QApplication::setWindowIcon(QIcon(iconPath)); });
  });
}

}  // namespace window_shell

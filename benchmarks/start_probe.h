#pragma once

// A program's start-up as the user sees it, for timing from outside: starts as the program does
// (the application, then the window, shown maximised) and ends the process the moment the window
// has been painted for the first time, without tearing anything down, so the process's run time
// is the time from launch to the first painted frame.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <memory>

namespace start_probe {

class ExitOnFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The frame is on screen once the paint event has been handled and flushed.
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return QObject::eventFilter(watched, event);
  }
};

inline int Run(int argc, char* argv[], std::unique_ptr<QWidget> (*makeWindow)()) {
  QApplication app(argc, argv);
  const std::unique_ptr<QWidget> window = makeWindow();
  ExitOnFirstPaint exit;
  window->installEventFilter(&exit);
  window->showMaximized();
  return QApplication::exec();
}

}  // namespace start_probe

#pragma once

// Answering a window's file dialog from a test while its exec() runs, the one way every window
// test does it.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace window_shell::fixture {

// Answers the next exec() of the window's file dialog named `name`: chooses `file` and accepts,
// or cancels when `file` is empty. Until then, any other modal window still open after a few
// seconds is closed and fails the test, so a stray dialog cannot hang the suite.
class DialogAnswer {
 public:
  DialogAnswer(const QWidget& window, const char* name, QString file);
  DialogAnswer(const DialogAnswer&) = delete;
  DialogAnswer& operator=(const DialogAnswer&) = delete;

  bool shown() const { return shown_; }
  // The file name (without folder) the dialog proposed when it was shown.
  const QString& proposed() const { return proposed_; }

 private:
  void Poll();

  const QWidget& window_;
  QString name_;
  QString file_;
  bool shown_ = false;
  QString proposed_;
  QTimer timer_;
  QElapsedTimer clock_;
};

}  // namespace window_shell::fixture

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtMessageHandler>
#include <memory>
#include <ostream>

#include "test_support/temp_folder.h"
#include "window_shell/window_shell.h"

// Readable failure output for Qt text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace window_shell::fixture {

// Catches, while it lives, what the handlers tell of their failures on FailureLog; any other
// message goes on to the handler installed before.
class FailureReasons {
 public:
  FailureReasons();
  ~FailureReasons();
  FailureReasons(const FailureReasons&) = delete;
  FailureReasons& operator=(const FailureReasons&) = delete;

  // Each failure as told: "<handler> failed: <reason>".
  const QStringList& told() const { return told_; }

 private:
  static void Catch(QtMsgType type, const QMessageLogContext& context, const QString& message);

  QtMessageHandler previous_;
  FailureReasons* outer_;
  QStringList told_;
};

// Drives one program window in a test, the way a user would: clicks its buttons by name,
// answers its file dialogs by name and reads its log. It gives the window a fixed clock and a
// folder of its own for the files it reads and writes, and catches the reasons its handlers
// give for their failures. The window is never shown.
class WindowDriver {
 public:
  explicit WindowDriver(std::unique_ptr<QWidget> window);

  TForm1& form() const { return *form_; }
  QString Path(const QString& name) const;
  // Writes `content` to a file of the test folder and returns its path.
  QString Write(const QString& name, const QByteArray& content) const;
  // The bytes of a file, or an empty array when it cannot be read.
  QByteArray Read(const QString& path) const;

  void Click(const char* button);
  // Clicks `button` and answers the file dialog `dialog` it shows: chooses `file`, or cancels
  // when it is empty. Returns the file name the dialog proposed.
  QString ClickAnswering(const char* button, const char* dialog, const QString& file);

  QStringList LogMessages() const;  // the log box's lines without their time stamps
  // The reasons the handlers gave for their failures so far, as told on FailureLog.
  const QStringList& FailuresTold() const { return reasons_.told(); }
  QStringList Lines(const TMemo& memo) const;
  // Whether a line of the preview pane holds `text`.
  bool Previews(const QString& text) const;
  int Tab() const;

 private:
  test_support::TempFolder dir_;
  FailureReasons reasons_;
  std::unique_ptr<QWidget> window_;
  TForm1* form_;
};

// The time stamp every driven window reads unless a test sets its own clock: an afternoon.
QDateTime FixedNow();

// An XML file as a compact outline: "Root{Child[Attr=v]{Leaf=text}}".
QString Outline(const QString& path);

// The log messages both programs write, as the user reads them; `title` is the document title.
QString NewSucceeded(const QString& title);
QString NewFailed(const QString& title);
QString OpenSucceeded(const QString& title);
QString OpenFailed(const QString& title);
QString SaveSucceeded(const QString& path);
extern const QString kSaveFailed;

}  // namespace window_shell::fixture

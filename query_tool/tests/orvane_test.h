#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "cancel_tool/window_shell.h"

// Lets test failures show text as text.
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
  *out << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace query_tool::fixture {

// An Orvane window made for one test, with a folder of its own for the files it reads and
// writes. The window is never shown; its dialogs are answered through Answer().
class OrvaneTest {
 public:
  OrvaneTest();

  cancel_tool::TForm1& form() const { return *form_; }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  // Writes `content` to a file of the test folder and returns its path.
  QString Write(const QString& name, const QByteArray& content) const;
  // The bytes of a file, or an empty array when it cannot be read.
  QByteArray Read(const QString& path) const;

  void Click(const char* button);
  // Answers the next showing of the dialog `dialog`: chooses `file`, or cancels when it is
  // empty. Returns the file name the dialog proposed when it was shown.
  std::shared_ptr<QString> Answer(const char* dialog, const QString& file);
  // Clicks `button` and answers the dialog it shows.
  void ClickAnswering(const char* button, const char* dialog, const QString& file);

  QStringList LogMessages() const;  // Memo1's lines without their time stamps
  int Tab() const;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<QWidget> window_;
  cancel_tool::TForm1* form_;
};

// The time stamp of every window under test unless a test sets its own clock.
QDateTime FixedNow();

// Orvane's log messages, as the user reads them.
extern const QString kNewSucceeded;
extern const QString kNewFailed;
extern const QString kOpenSucceeded;
extern const QString kOpenFailed;
extern const QString kSaveFailed;
QString SaveSucceeded(const QString& path);

}  // namespace query_tool::fixture

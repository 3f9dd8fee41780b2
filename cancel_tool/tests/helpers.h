#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "cancel_tool/cancel_tool.h"

// Readable failure output for Qt text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace cancel_tool::fixture {

// A Tarvel window made for one test, with a folder of its own for the files it reads and
// writes. The window is never shown; its dialogs are answered through Answer().
class TarvelTest {
 public:
  TarvelTest();

  TForm1& form() const { return *form_; }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  // Writes `content` to a file of the test folder and returns its path.
  QString Write(const QString& name, const QByteArray& content) const;

  void Click(const char* button);
  // Answers the next showing of the dialog `dialog`: chooses `file`, or cancels when it is
  // empty. Returns the file name the dialog proposed when it was shown.
  std::shared_ptr<QString> Answer(const char* dialog, const QString& file);
  // Clicks `button` and answers the dialog it shows.
  void ClickAnswering(const char* button, const char* dialog, const QString& file);

  QStringList LogMessages();  // Memo1's lines without their time stamps
  QStringList Lines(const TMemo& memo) const;
  int Tab() const;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<QWidget> window_;
  TForm1* form_;
};

// The time stamp every window under test reads: a fixed afternoon.
QDateTime FixedNow();

// An XML file as a compact outline: "Root{Child[Attr=v]{Leaf=text}}".
QString Outline(const QString& path);

// The log messages of this program, as the user reads them.
extern const QString kNewSucceeded;
extern const QString kNewFailed;
extern const QString kOpenSucceeded;
extern const QString kOpenFailed;
extern const QString kSaveFailed;
QString SaveSucceeded(const QString& path);

}  // namespace cancel_tool::fixture

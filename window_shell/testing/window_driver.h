#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtMessageHandler>
#include <functional>
#include <memory>
#include <ostream>

#include "test_support/temp_folder.h"
#include "window_shell/testing/settings_folder.h"
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
// answers its file dialogs by name and reads its log. It gives the window a fixed clock, a
// folder of its own for the files it reads and writes and settings of its own (so the layout
// choice starts off), and catches the reasons its handlers give for their failures. The window
// is never shown.
class WindowDriver {
 public:
  // Makes the window with `make` once the settings folder is in place. A window the test makes
  // while the driver lives shares those settings.
  explicit WindowDriver(const std::function<std::unique_ptr<QWidget>()>& make);

  TForm1& form() const { return *form_; }
  QString Path(const QString& name) const;
  // Writes `content` to a file of the test folder and returns its path.
  QString Write(const QString& name, const QByteArray& content) const;
  // The bytes of a file, or an empty array when it cannot be read.
  QByteArray Read(const QString& path) const;

  void Click(const char* button);
  // Checks or unchecks the window's choice of the service layout.
  void ChooseServiceLayout(bool on);
  // Presses "2.Salvar" answering the file `name` of the test folder; returns its path.
  QString Save(const QString& name);
  // Presses "Abrir" on the request tab, answering `path`.
  void OpenRequest(const QString& path);
  // Brings the response tab to the front and presses its "Abrir", answering `path`.
  void OpenResponse(const QString& path);
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
  SettingsFolder settings_;
  FailureReasons reasons_;
  std::unique_ptr<QWidget> window_;
  TForm1* form_;
};

// The time stamp every driven window reads unless a test sets its own clock: an afternoon.
QDateTime FixedNow();

// An XML file as a compact outline: "Root{Child[Attr=v]{Leaf=text}}".
QString Outline(const QString& path);
// The elements of an XML file in document order, each as its name, ":" and the alias `aliases`
// gives its namespace URI (nothing for no namespace, "?" for a URI without an alias):
// "Root:e Child: Leaf:t".
QString Namespaces(const QString& path, const QMap<QString, QString>& aliases);

// The log messages both programs write, as the user reads them; `title` is the document title.
QString NewSucceeded(const QString& title);
QString NewFailed(const QString& title);
QString OpenSucceeded(const QString& title);
QString OpenFailed(const QString& title);
QString SaveSucceeded(const QString& path);
extern const QString kSaveFailed;
// `message` as an action under the service layout logs it.
QString UnderService(const QString& message);
// The reason line after a failed Open of a file in the specified layout under the service layout.
extern const QString kFileInSpecifiedLayout;

}  // namespace window_shell::fixture

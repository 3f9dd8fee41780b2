// Driving a program window headless: controls by object name, grids by key, the log and the
// file dialogs answered while their exec() runs.
#pragma once

#include <QAction>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "acceptance/bindings_support.h"
#include "test_support/temp_folder.h"
#include "window_shell/testing/settings_folder.h"

#include <ostream>

// Shows Qt text in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace acceptance {

// The named child of `window`, of class T; throws (failing the test) when there is none.
template <class T>
T* Child(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr)
    throw std::runtime_error(std::string("no control of that class named ") + name);
  return child;
}

void Click(const QWidget& window, const char* button);
QString PathText(const std::filesystem::path& path);
int CurrentTab(const QWidget& window);
QString Previewed(const QWidget& window);  // the path WebBrowser1 shows
QStringList Lines(const QWidget& window, const char* memo);

QStringList Keys(const QWidget& window, const char* grid);
QString Value(const QWidget& window, const char* grid, const QString& key);
void SetValue(const QWidget& window, const char* grid, const QString& key, const QString& value);

// Passes when the last line of the log Memo1 is a log line (today's short date first) carrying
// `message`.
testing::AssertionResult LastLogLineIs(const QWidget& window, const QString& message);

// Log messages the programs share; `title` is the program's document title.
QString NewSucceeded(const QString& title);
QString NewFailed(const QString& title);
QString OpenSucceeded(const QString& title);
QString OpenFailed(const QString& title);
QString SaveSucceeded(const QString& path);
QString SaveFailed();

using window_shell::fixture::SettingsFolder;

// A fresh window of the program `Make` builds, a folder of its own and settings of its own (so
// the layout choice starts off), for each test.
template <std::unique_ptr<QWidget> (*Make)()>
class WindowTest : public testing::Test {
 protected:
  test_support::TempFolder dir_;
  SettingsFolder settings_;
  std::unique_ptr<QWidget> window_ = Make();
};

// The window's choice of the service layout, the action named ServiceLayout.
QAction& ServiceLayout(const QWidget& window);
// The log's lines after the first `from`, each without its time stamp.
QStringList LogMessagesFrom(const QWidget& window, qsizetype from);
// `message` as an action under the service layout logs it.
QString UnderService(const QString& message);

// Presses `button` while the window's file dialog `dialog` is answered with `file` (empty: cancel);
// expects the dialog to be shown and returns the file name it proposed.
QString PressAnswering(const QWidget& window, const char* button, const char* dialog,
                       const std::filesystem::path& file);

}  // namespace acceptance

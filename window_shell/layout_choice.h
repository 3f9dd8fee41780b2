#pragma once

#include <QString>

class QAction;
class QToolButton;
class QWidget;

// The window's choice of the namespace layout its New, Open and Save use: the specified one, or
// the service layout of the files the real service sends and takes. The choice is the user's,
// made in the window and kept in the program's settings file between runs.
namespace window_shell {

// The file a program's settings are kept in: "nfse-tools/<program>.conf" in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config, on Linux; the local application data
// folder on Windows). Looked up anew on every call: QSettings' own default paths are fixed the
// first time any QSettings is made in a process.
QString SettingsFile(const QString& program);

// The choice as the checkable action "Layout do serviço", a child of `window` named
// ServiceLayout. It starts as `settingsFile` remembers it (off when the file holds no choice)
// and writes every change of it there at once, so a window made later finds it.
QAction* MakeServiceLayoutChoice(QWidget& window, const QString& settingsFile);

// A flat button bound to `action`: a check box and the action's text, checked with it; pressing
// it toggles the action.
QToolButton* MakeChoiceButton(QAction& action);

}  // namespace window_shell

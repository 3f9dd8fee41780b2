#pragma once

// Work put off until a widget first needs it, so a window starts with only what its first frame
// shows: the content of a tab the user has not opened yet, or the program's icon.

#include <QEvent>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace window_shell {

// Runs `action` once, just before `watched` handles its first event of `type`; the hook then
// removes itself.
void OnFirstEvent(QObject& watched, QEvent::Type type, std::function<void()> action);

// Sets the program's window icon once `window` has painted its first frame. Icons are drawn by a
// plugin library of their own; loading it before the window would make the user wait for it.
void SetWindowIconAfterFirstFrame(QWidget& window, const QString& iconPath);

}  // namespace window_shell

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace window_shell {

// A log line: the date in the locale's short format, then, unless the time is exactly 00:00:00
// (to the second), a space and the time in the locale's long format without its time-zone
// part; then the message, which starts with " - ".
QString LogLine(const QDateTime& when, const QString& message,
                const QLocale& locale = QLocale::system());

// A time format with its time-zone fields ("t" runs outside quotes) and the blanks they leave
// behind removed: "h:mm:ss AP t" gives "h:mm:ss AP".
QString WithoutTimeZone(const QString& timeFormat);

}  // namespace window_shell

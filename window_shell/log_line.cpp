#include "window_shell/log_line.h"

namespace window_shell {

QString WithoutTimeZone(const QString& timeFormat) {
  QString out;
  bool quoted = false;
  for (qsizetype i = 0; i < timeFormat.size(); ++i) {
    const QChar c = timeFormat[i];
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (quoted || c != QLatin1Char('t')) {
      out += c;
      continue;
    }
    // Drop the run of "t" and one blank beside it, so no double or edge blank is left.
    while (i + 1 < timeFormat.size() && timeFormat[i + 1] == QLatin1Char('t')) ++i;
    if (i + 1 < timeFormat.size() && timeFormat[i + 1] == QLatin1Char(' ')) {
      ++i;
    } else if (out.endsWith(QLatin1Char(' '))) {
      out.chop(1);
    }
  }
  return out.trimmed();
}

QString LogLine(const QDateTime& when, const QString& message, const QLocale& locale) {
  QString stamp = locale.toString(when.date(), QLocale::ShortFormat);
  const QTime time = when.time();
  if (time.hour() != 0 || time.minute() != 0 || time.second() != 0) {
    stamp += QLatin1Char(' ') +
             locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
  }
  return stamp + message;
}

}  // namespace window_shell

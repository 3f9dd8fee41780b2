#include "window_shell/memo.h"

#include <QTextDocument>

using namespace window_shell;

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) { setReadOnly(true); }

void TMemo::AddLine(const QString& line) { AddLines(QStringList{line}); }

void TMemo::AddLines(const QStringList& lines) {
  if (lines.isEmpty()) return;
  QString text = lines.join(QLatin1Char('\n'));
  // appendPlainText writes into the first block of an empty document; when that block already
  // is a line (an empty one), the new text must start a block of its own.
  if (lines_ > 0 && document()->isEmpty()) text.prepend(QLatin1Char('\n'));
  appendPlainText(text);
  lines_ += lines.size();
}

void TMemo::AddLines(const std::vector<std::string>& lines) {
  QStringList converted;
  converted.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) converted.append(QString::fromStdString(line));
  AddLines(converted);
}

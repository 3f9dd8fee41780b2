#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>
#include <vector>

namespace window_shell {}  // namespace window_shell

// A read-only multi-line text box that only grows: lines are appended at the end, one at a time
// or many in one edit. It counts its lines so that an empty first line stays a line of its own.
class TMemo : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TMemo(QWidget* parent = nullptr);

  void AddLine(const QString& line);
  // Appends all lines in one edit (one call per line is slow for large listings).
  void AddLines(const QStringList& lines);
  // The same for lines in UTF-8, as the listings give them.
  void AddLines(const std::vector<std::string>& lines);

  qsizetype LineCount() const { return lines_; }

 private:
  qsizetype lines_ = 0;
};

namespace window_shell {
using ::TMemo;
}  // namespace window_shell

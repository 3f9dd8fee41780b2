#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <functional>
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
  // Lines in the user's 8-bit code page, as the bindings hand them over.
  void AddLines(const std::vector<std::string>& lines);
  // Runs `read`, then appends every line it gathered, also when it fails part-way; the failure
  // goes on to the caller.
  void List(const std::function<void(std::vector<std::string>& lines)>& read);

  qsizetype LineCount() const { return lines_; }

 private:
  qsizetype lines_ = 0;
};

namespace window_shell {
using ::TMemo;
}  // namespace window_shell

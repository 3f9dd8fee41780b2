#pragma once

#include <QString>
#include <QTableWidget>

// A key/value grid: the header is the title row ("Key", "Value"), each further row one fixed key
// and its editable value. Rows count from the title row, as the handlers count them: data rows
// are 1 to RowCount() - 1.
class TValueListEditor : public QTableWidget {
  Q_OBJECT

 public:
  explicit TValueListEditor(QWidget* parent = nullptr);

  // The value of the first row whose key equals `key` ignoring letter case; empty when none.
  QString Value(const QString& key) const;
  // Sets the value of the first row whose key equals `key` ignoring letter case, appending a
  // row with that key when there is none.
  void SetValue(const QString& key, const QString& value);
  // The number of rows including the title row.
  int RowCount() const;
  // The key of data row `row` (1 to RowCount() - 1).
  QString KeyAt(int row) const;

 private:
  int FindRow(const QString& key) const;  // table row, or -1
};

namespace window_shell {
using ::TValueListEditor;
}  // namespace window_shell

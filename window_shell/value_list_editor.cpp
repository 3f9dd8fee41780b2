#include "window_shell/value_list_editor.h"

#include <QHeaderView>

using namespace window_shell;

namespace {
constexpr int kKeyColumnWidth = 150;
}

TValueListEditor::TValueListEditor(QWidget* parent) : QTableWidget(0, 2, parent) {
  setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("Value")});
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionsClickable(false);
  setColumnWidth(0, kKeyColumnWidth);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

int TValueListEditor::FindRow(const QString& key) const {
  for (int row = 0; row < rowCount(); ++row) {
    if (item(row, 0)->text().compare(key, Qt::CaseInsensitive) == 0) return row;
  }
  return -1;
}

QString TValueListEditor::Value(const QString& key) const {
  const int row = FindRow(key);
  return row < 0 ? QString() : item(row, 1)->text();
}

void TValueListEditor::SetValue(const QString& key, const QString& value) {
  int row = FindRow(key);
  if (row < 0) {
    row = rowCount();
    insertRow(row);
    auto* keyItem = new QTableWidgetItem(key);
    keyItem->setFlags(keyItem->flags() & ~Qt::ItemIsEditable);
    setItem(row, 0, keyItem);
    setItem(row, 1, new QTableWidgetItem(value));
    return;
  }
  item(row, 1)->setText(value);
}

int TValueListEditor::RowCount() const { return rowCount() + 1; }

QString TValueListEditor::KeyAt(int row) const {
  const QTableWidgetItem* keyItem = item(row - 1, 0);
  return keyItem ? keyItem->text() : QString();
}

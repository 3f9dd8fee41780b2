// The frames of the handlers: dialogs, tabs, the one failure guard, the preview and the log.

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QTabWidget>

#include "binding/document.h"
#include "binding/errors.h"
#include "binding/node.h"
#include "window_shell/form.h"

using namespace window_shell;

std::filesystem::path window_shell::FilePath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

void TForm1::SelectTab(int index) { pages_->setCurrentIndex(index); }

std::optional<QString> TForm1::Ask(QFileDialog& dialog) {
  const int answer = dialog.exec();
  // Enter accepts the dialog while the file name's completer may still list a match. That list
  // is a popup window of its own: left open, it would stay over the form and take the next click.
  for (const QCompleter* completer : dialog.findChildren<QCompleter*>()) completer->popup()->hide();
  if (answer != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(files.first());
}

TValueListEditor& TForm1::GridOf(Grid grid) const {
  return grid == Grid::Upper ? *upperGrid_ : *lowerGrid_;
}

QStringList TForm1::FieldValues() const {
  QStringList values;
  for (const GridField& field : fields_) values.append(GridOf(field.grid).Value(field.key));
  return values;
}

void TForm1::ShowFieldValues(const std::vector<std::string>& values) {
  for (std::size_t i = 0; i < values.size() && i < fields_.size(); ++i) {
    GridOf(fields_[i].grid).SetValue(fields_[i].key, QString::fromStdString(values[i]));
  }
}

void TForm1::ShowOpenedFile(const QString& path) {
  lastOpenedPath_ = path;
  preview_->Navigate(path);
}

void TForm1::Log(const QString& message) { log_->AddLine(LogLine(Now(), message)); }

void TForm1::Guarded(const QString& failedMessage, const std::function<void()>& steps) {
  try {
    steps();
  } catch (...) {
    Log(failedMessage);
  }
}

void TForm1::NewRequest(const std::function<void()>& build) {
  Guarded(messages::NewFailed(title_), [&] {
    build();
    Log(messages::NewSucceeded(title_));
  });
}

void TForm1::OpenFile(const std::function<void(const QString& path)>& read) {
  const std::optional<QString> path = Ask(OpenDialog1());
  if (!path) return;
  SelectTab(kInformationTab);
  Guarded(messages::OpenFailed(title_), [&] {
    read(*path);
    ShowOpenedFile(*path);
    Log(messages::OpenSucceeded(title_));
  });
}

void TForm1::SaveRequest(const QString& name, const binding::TXMLNode* request,
                         const std::function<void(const std::filesystem::path& file)>& adjust) {
  SaveDialog1().selectFile(name);
  const std::optional<QString> path = Ask(SaveDialog1());
  if (!path) return;
  SelectTab(kInformationTab);
  Guarded(messages::SaveFailed(), [&] {
    if (request == nullptr) throw binding::Error("there is no request to save yet");
    const std::filesystem::path file = FilePath(*path);
    request->OwnerDocument()->SaveToFile(file);
    if (adjust) adjust(file);
    preview_->Navigate(*path);
    Log(messages::SaveSucceeded(*path));
  });
}

void TForm1::Button5Click() {
  SelectTab(kRequestTab);
  for (TValueListEditor* grid : findChildren<TValueListEditor*>()) {
    for (int row = 1; row < grid->RowCount(); ++row) {
      grid->SetValue(grid->KeyAt(row), QStringLiteral("0"));
    }
  }
}

// The frames of the handlers: dialogs, tabs, the one failure guard, the preview and the log.

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QTabWidget>

#include <exception>

#include "window_shell/form.h"

using namespace window_shell;

Q_LOGGING_CATEGORY(window_shell::FailureLog, "nfse.handlers", QtWarningMsg)

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

void TForm1::LogMessage(const QString& message) { log_->AddLine(LogLine(Now(), message)); }

bool TForm1::ServiceLayoutChosen() const { return serviceLayout_->isChecked(); }

QString TForm1::LayoutMark() const {
  return ServiceLayoutChosen() ? messages::ServiceLayoutMark() : QString();
}

namespace {

// The failure being handled: its reason, as its error tells it, and the message it shows the
// user, if it is a ShownFailure.
struct Failure {
  QString reason;
  std::optional<QString> shown;
};

Failure CurrentFailure() {
  try {
    throw;
  } catch (const ShownFailure& e) {
    return {QString::fromUtf8(e.what()), e.message()};
  } catch (const std::exception& e) {
    return {QString::fromUtf8(e.what()), std::nullopt};
  } catch (...) {
    return {QStringLiteral("a failure that gives no reason"), std::nullopt};
  }
}

}  // namespace

void TForm1::Guarded(const char* handler, const QString& failedMessage, const QString& mark,
                     const std::function<void()>& steps) {
  try {
    steps();
  } catch (...) {
    const Failure failure = CurrentFailure();
    qCWarning(FailureLog).noquote() << handler << "failed:" << failure.reason;
    LogMessage(failedMessage + mark);
    if (failure.shown) LogMessage(*failure.shown + mark);
  }
}

// Each frame takes the layout mark once, when its action starts (after its dialog): the steps
// ask for the choice at that same moment.
void TForm1::NewRequest(const std::function<void()>& build) {
  const QString mark = LayoutMark();
  Guarded("New", messages::NewFailed(title_), mark, [&] {
    build();
    LogMessage(messages::NewSucceeded(title_) + mark);
  });
}

void TForm1::OpenFile(const std::function<void(const QString& path)>& read) {
  const std::optional<QString> path = Ask(OpenDialog());
  if (!path) return;
  SelectTab(kInformationTab);
  const QString mark = LayoutMark();
  Guarded("Open", messages::OpenFailed(title_), mark, [&] {
    read(*path);
    ShowOpenedFile(*path);
    LogMessage(messages::OpenSucceeded(title_) + mark);
  });
}

void TForm1::SaveRequest(const QString& name,
                         const std::function<void(const std::filesystem::path& file)>& save) {
  SaveDialog().selectFile(name);
  const std::optional<QString> path = Ask(SaveDialog());
  if (!path) return;
  SelectTab(kInformationTab);
  const QString mark = LayoutMark();
  Guarded("Save", messages::SaveFailed(), mark, [&] {
    save(FilePath(*path));
    preview_->Navigate(*path);
    LogMessage(messages::SaveSucceeded(*path) + mark);
  });
}

void TForm1::OnClear() {
  SelectTab(kRequestTab);
  for (TValueListEditor* grid : findChildren<TValueListEditor*>()) {
    for (int row = 1; row < grid->RowCount(); ++row) {
      grid->SetValue(grid->KeyAt(row), QStringLiteral("0"));
    }
  }
}

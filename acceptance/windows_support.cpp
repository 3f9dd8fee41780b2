#include "acceptance/windows_support.h"

#include "window_shell/testing/dialog_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVariant>

#include <memory>

namespace acceptance {
namespace {

// One QApplication for the whole run, made before the first test and gone after the last.
class QtApplication : public testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[20] = "acceptance_windows";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const kQt =
    testing::AddGlobalTestEnvironment(new QtApplication);

int RowOf(const QTableWidget& grid, const QString& key) {
  for (int row = 0; row < grid.rowCount(); ++row) {
    const QTableWidgetItem* cell = grid.item(row, 0);
    if (cell != nullptr && cell->text().compare(key, Qt::CaseInsensitive) == 0) return row;
  }
  throw std::runtime_error("no grid row with the key " + key.toStdString());
}

}  // namespace

void Click(const QWidget& window, const char* button) {
  Child<QAbstractButton>(window, button)->click();
}

QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

int CurrentTab(const QWidget& window) {
  return Child<QTabWidget>(window, "PageControl25")->currentIndex();
}

QString Previewed(const QWidget& window) {
  return Child<QWidget>(window, "WebBrowser1")->property("path").toString();
}

QStringList Lines(const QWidget& window, const char* memo) {
  const QString text = Child<QPlainTextEdit>(window, memo)->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList Keys(const QWidget& window, const char* grid) {
  const auto* table = Child<QTableWidget>(window, grid);
  QStringList keys;
  for (int row = 0; row < table->rowCount(); ++row) {
    keys << (table->item(row, 0) != nullptr ? table->item(row, 0)->text() : QString());
  }
  return keys;
}

QString Value(const QWidget& window, const char* grid, const QString& key) {
  const auto* table = Child<QTableWidget>(window, grid);
  const QTableWidgetItem* cell = table->item(RowOf(*table, key), 1);
  return cell != nullptr ? cell->text() : QString();
}

void SetValue(const QWidget& window, const char* grid, const QString& key, const QString& value) {
  auto* table = Child<QTableWidget>(window, grid);
  const int row = RowOf(*table, key);
  if (table->item(row, 1) == nullptr) table->setItem(row, 1, new QTableWidgetItem);
  table->item(row, 1)->setText(value);
}

testing::AssertionResult LastLogLineIs(const QWidget& window, const QString& message) {
  const QStringList log = Lines(window, "Memo1");
  if (log.isEmpty()) return testing::AssertionFailure() << "the log is empty";
  const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
  const QString& last = log.last();
  if (last.startsWith(date + QLatin1Char(' ')) && last.endsWith(message) &&
      last.size() >= date.size() + message.size()) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "last log line \"" << last.toStdString() << "\" is not today's line with \""
         << message.toStdString() << "\"";
}

QString NewSucceeded(const QString& title) {
  return " - " + title +
         " Gerado com Sucesso! Clique em \"Salvar\" para gerar o arquivo XML referente ao " +
         title + " criado";
}

QString NewFailed(const QString& title) { return " - Erro ao tentar gerar " + title + "!"; }

QString OpenSucceeded(const QString& title) {
  return " - Arquivo de " + title + " carregado com sucesso!";
}

QString OpenFailed(const QString& title) {
  return " - Erro ao tentar carregar arquivo de " + title +
         QString::fromUtf8("! Selecione a opção \"Validar\" para mais informações");
}

QString SaveSucceeded(const QString& path) {
  return " - Arquivo de Nota Fiscal Eletronica (" + path + ") salvo com sucesso!";
}

QString SaveFailed() { return " - Erro ao tentar Salvar Nota Fiscal Eletronica!"; }

QAction& ServiceLayout(const QWidget& window) { return *Child<QAction>(window, "ServiceLayout"); }

QStringList LogMessagesFrom(const QWidget& window, qsizetype from) {
  QStringList messages;
  for (const QString& line : Lines(window, "Memo1").mid(from))
    messages << line.mid(line.indexOf(QStringLiteral(" - ")));
  return messages;
}

QString UnderService(const QString& message) {
  return message + QString::fromUtf8(" [layout do serviço]");
}

QString PressAnswering(const QWidget& window, const char* button, const char* dialog,
                       const std::filesystem::path& file) {
  const window_shell::fixture::DialogAnswer answer(window, dialog,
                                                   file.empty() ? QString() : PathText(file));
  Click(window, button);
  EXPECT_TRUE(answer.shown()) << dialog << " was not shown by " << button;
  return answer.proposed();
}

}  // namespace acceptance

#include "query_tool/tests/orvane_test.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "query_tool/orvane_window.h"

namespace query_tool::fixture {

namespace {

// One application for the whole test program, made before the first test runs.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "query_tool_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

const QString kNewSucceeded = QStringLiteral(
    " - Consulta de NFS-e Gerado com Sucesso! Clique em \"Salvar\" para gerar o arquivo XML "
    "referente ao Consulta de NFS-e criado");
const QString kNewFailed = QStringLiteral(" - Erro ao tentar gerar Consulta de NFS-e!");
const QString kOpenSucceeded =
    QStringLiteral(" - Arquivo de Consulta de NFS-e carregado com sucesso!");
const QString kOpenFailed = QStringLiteral(
    " - Erro ao tentar carregar arquivo de Consulta de NFS-e! Selecione a opção \"Validar\" "
    "para mais informações");
const QString kSaveFailed = QStringLiteral(" - Erro ao tentar Salvar Nota Fiscal Eletronica!");
QString SaveSucceeded(const QString& path) {
  return QStringLiteral(" - Arquivo de Nota Fiscal Eletronica (") + path +
         QStringLiteral(") salvo com sucesso!");
}

QDateTime FixedNow() { return QDateTime(QDate(2015, 2, 4), QTime(14, 30, 5)); }

OrvaneTest::OrvaneTest() : window_(MakeOrvaneWindow()) {
  form_ = qobject_cast<cancel_tool::TForm1*>(window_.get());
  form_->SetClock(FixedNow);
}

QString OrvaneTest::Write(const QString& name, const QByteArray& content) const {
  const QString path = Path(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
    ADD_FAILURE() << "cannot write " << path.toStdString();
  }
  return path;
}

QByteArray OrvaneTest::Read(const QString& path) const {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void OrvaneTest::Click(const char* button) {
  auto* control = form_->findChild<QPushButton*>(QLatin1String(button));
  ASSERT_NE(control, nullptr) << button;
  control->click();
}

std::shared_ptr<QString> OrvaneTest::Answer(const char* dialog, const QString& file) {
  auto proposal = std::make_shared<QString>();
  QTimer::singleShot(0, form_, [this, dialog, file, proposal] {
    auto* shown = form_->findChild<QFileDialog*>(QLatin1String(dialog));
    if (!shown || !shown->isVisible()) {
      ADD_FAILURE() << dialog << " is not showing";
      return;
    }
    const QStringList selected = shown->selectedFiles();
    if (!selected.isEmpty()) *proposal = QFileInfo(selected.first()).fileName();
    if (file.isEmpty()) {
      shown->reject();
      return;
    }
    // selectFile leaves the name field alone while it has the focus, as it has from the
    // second showing on.
    if (QWidget* focused = shown->focusWidget()) focused->clearFocus();
    shown->selectFile(file);
    static_cast<QDialog*>(shown)->accept();  // QFileDialog hides accept()
  });
  return proposal;
}

void OrvaneTest::ClickAnswering(const char* button, const char* dialog, const QString& file) {
  Answer(dialog, file);
  Click(button);
}

QStringList OrvaneTest::LogMessages() const {
  QStringList messages;
  if (form_->Memo1().LineCount() == 0) return messages;
  for (const QString& line : form_->Memo1().toPlainText().split(QLatin1Char('\n'))) {
    const QString stamp = cancel_tool::LogLine(form_->Now(), {});
    EXPECT_TRUE(line.startsWith(stamp)) << line.toStdString();
    messages.append(line.mid(stamp.size()));
  }
  return messages;
}

int OrvaneTest::Tab() const { return form_->PageControl25().currentIndex(); }

}  // namespace query_tool::fixture

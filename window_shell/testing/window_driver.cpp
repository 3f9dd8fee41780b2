#include "window_shell/testing/window_driver.h"

#include "window_shell/testing/dialog_answer.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace window_shell::fixture {

namespace {

// One application for the whole test program, made before the first test runs.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "window_tests";
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

QString NewSucceeded(const QString& title) {
  return QStringLiteral(" - ") + title +
         QStringLiteral(
             " Gerado com Sucesso! Clique em \"Salvar\" para gerar o arquivo XML "
             "referente ao ") +
         title + QStringLiteral(" criado");
}
QString NewFailed(const QString& title) {
  return QStringLiteral(" - Erro ao tentar gerar ") + title + QStringLiteral("!");
}
QString OpenSucceeded(const QString& title) {
  return QStringLiteral(" - Arquivo de ") + title + QStringLiteral(" carregado com sucesso!");
}
QString OpenFailed(const QString& title) {
  return QStringLiteral(" - Erro ao tentar carregar arquivo de ") + title +
         QStringLiteral("! Selecione a opção \"Validar\" para mais informações");
}
QString SaveSucceeded(const QString& path) {
  return QStringLiteral(" - Arquivo de Nota Fiscal Eletronica (") + path +
         QStringLiteral(") salvo com sucesso!");
}
const QString kSaveFailed = QStringLiteral(" - Erro ao tentar Salvar Nota Fiscal Eletronica!");
QString UnderService(const QString& message) {
  return message + QStringLiteral(" [layout do serviço]");
}
const QString kFileInSpecifiedLayout = UnderService(QStringLiteral(
    " - O arquivo está no layout especificado; desmarque \"Layout do serviço\" para abri-lo"));

QDateTime FixedNow() { return QDateTime(QDate(2015, 2, 4), QTime(14, 30, 5)); }

namespace {
FailureReasons* catching = nullptr;  // the innermost catcher alive
}  // namespace

// The outermost catcher installs the handler and keeps the one it replaced; inner ones (a test
// may drive a second window) only take its place until they go.
FailureReasons::FailureReasons()
    : previous_(catching != nullptr ? catching->previous_
                                    : qInstallMessageHandler(&FailureReasons::Catch)),
      outer_(catching) {
  catching = this;
}

FailureReasons::~FailureReasons() {
  catching = outer_;
  if (outer_ == nullptr) qInstallMessageHandler(previous_);
}

void FailureReasons::Catch(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (qstrcmp(context.category, FailureLog().categoryName()) == 0) {
    catching->told_.append(message);
  } else if (catching->previous_ != nullptr) {
    catching->previous_(type, context, message);
  }
}

WindowDriver::WindowDriver(const std::function<std::unique_ptr<QWidget>()>& make)
    : window_(make()) {
  form_ = qobject_cast<TForm1*>(window_.get());
  form_->SetClock(FixedNow);
}

QString WindowDriver::Path(const QString& name) const {
  return QString::fromStdU16String((dir_ / name.toStdU16String()).u16string());
}

QString WindowDriver::Write(const QString& name, const QByteArray& content) const {
  const auto file = dir_.Write(name.toStdU16String(), content.toStdString());
  return QString::fromStdU16String(file.u16string());
}

QByteArray WindowDriver::Read(const QString& path) const {
  return QByteArray::fromStdString(test_support::ReadBytes(path.toStdU16String()));
}

void WindowDriver::Click(const char* button) {
  auto* control = form_->findChild<QPushButton*>(QLatin1String(button));
  ASSERT_NE(control, nullptr) << button;
  control->click();
}

void WindowDriver::ChooseServiceLayout(bool on) { form_->ServiceLayout().setChecked(on); }

QString WindowDriver::Save(const QString& name) {
  const QString path = Path(name);
  ClickAnswering("Button11", "SaveDialog1", path);
  return path;
}

void WindowDriver::OpenRequest(const QString& path) {
  ClickAnswering("Button12", "OpenDialog1", path);
}

void WindowDriver::OpenResponse(const QString& path) {
  form_->SelectTab(kResponseTab);
  ClickAnswering("Button3", "OpenDialog1", path);
}

QString WindowDriver::ClickAnswering(const char* button, const char* dialog, const QString& file) {
  const DialogAnswer answer(*form_, dialog, file);
  Click(button);
  EXPECT_TRUE(answer.shown()) << dialog << " was not shown by " << button;
  return answer.proposed();
}

QStringList WindowDriver::LogMessages() const {
  QStringList messages;
  for (const QString& line : Lines(form_->Log())) {
    const QString stamp = LogLine(FixedNow(), {});
    EXPECT_TRUE(line.startsWith(stamp)) << line.toStdString();
    messages.append(line.mid(stamp.size()));
  }
  return messages;
}

QStringList WindowDriver::Lines(const TMemo& memo) const {
  if (memo.LineCount() == 0) return {};
  return memo.toPlainText().split(QLatin1Char('\n'));
}

bool WindowDriver::Previews(const QString& text) const {
  return !form_->Preview().Tree().findItems(text, Qt::MatchContains | Qt::MatchRecursive).isEmpty();
}

int WindowDriver::Tab() const { return form_->Pages().currentIndex(); }

QString Outline(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<no file>");
  QXmlStreamReader xml(&file);
  QString out;
  QList<bool> hasChildren;  // per open element
  QString text;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement:
        if (!hasChildren.isEmpty()) {
          out += hasChildren.back() ? QStringLiteral(" ") : QStringLiteral("{");
          hasChildren.back() = true;
        }
        out += xml.name().toString();
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
          out += QStringLiteral("[%1=%2]").arg(attribute.name(), attribute.value());
        }
        hasChildren.append(false);
        text.clear();
        break;
      case QXmlStreamReader::Characters:
        text += xml.text();
        break;
      case QXmlStreamReader::EndElement:
        if (hasChildren.back()) {
          out += QStringLiteral("}");
        } else if (!text.isEmpty()) {
          out += QStringLiteral("=") + text;
        }
        hasChildren.removeLast();
        text.clear();
        break;
      default:
        break;
    }
  }
  if (xml.hasError()) out += QStringLiteral(" <error: %1>").arg(xml.errorString());
  return out;
}

QString Namespaces(const QString& path, const QMap<QString, QString>& aliases) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<no file>");
  QXmlStreamReader xml(&file);
  QStringList elements;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString uri = xml.namespaceUri().toString();
    elements.append(xml.name().toString() + QLatin1Char(':') +
                    (uri.isEmpty() ? QString() : aliases.value(uri, QStringLiteral("?"))));
  }
  if (xml.hasError()) elements.append(QStringLiteral("<error: %1>").arg(xml.errorString()));
  return elements.join(QLatin1Char(' '));
}

}  // namespace window_shell::fixture

// Tarvel's request side driven through its window: New, Save, Open and their failures.

#include <gtest/gtest.h>

#include <QFileInfo>

#include "cancel_documents/namespaces.h"
#include "cancel_tool/tests/tarvel_test.h"
#include "files/tests/hostile_paths.h"

namespace cancel_tool {
namespace {

using namespace fixture;

const QString kStartRequest = QStringLiteral(
    "CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=1]{IdentificacaoNfse{Numero=1 "
    "Cnpj=11222333000181 InscricaoMunicipal=Isento CodigoMunicipio=2927408} "
    "CodigoCancelamento=1}}}");

class RequestTest : public TarvelTest, public ::testing::Test {
 protected:
  void SetUpper(const char* key, const char* value) {
    form().UpperGrid().SetValue(QLatin1String(key), QString::fromUtf8(value));
  }
  void SetLower(const char* key, const char* value) {
    form().LowerGrid().SetValue(QLatin1String(key), QString::fromUtf8(value));
  }
  QString Upper(const char* key) { return form().UpperGrid().Value(QLatin1String(key)); }
  QString Lower(const char* key) { return form().LowerGrid().Value(QLatin1String(key)); }

  // Saves the current request and returns its outline.
  QString SaveAs(const QString& name) {
    const QString path = Path(name);
    ClickAnswering("Button11", "SaveDialog1", path);
    return Outline(path);
  }

  QByteArray RequestFile(const QByteArray& body, const QByteArray& root = "CancelarNfseEnvio") {
    return "<" + root + " xmlns=\"" +
           QByteArray::fromStdString(cancel_documents::request::TargetNamespace) + "\">" + body +
           "</" + root + ">";
  }
};

TEST_F(RequestTest, NewThenSaveWritesTheStartValuesInOrder) {
  Click("Button10");
  const QString path = Path(QStringLiteral("start.xml"));
  const QString proposal = ClickAnswering("Button11", "SaveDialog1", path);

  EXPECT_EQ(proposal, QStringLiteral("-CancelarNfseEnvio.xml"));
  EXPECT_EQ(Outline(path), kStartRequest);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
  EXPECT_EQ(LogMessages(), (QStringList{kNewSucceeded, SaveSucceeded(path)}));
  EXPECT_EQ(Tab(), kInformationTab);
  EXPECT_EQ(form().Preview().path(), path);
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());  // only Open records it
}

TEST_F(RequestTest, SaveProposesCharacters4To47OfTheId) {
  const QString fifty = QStringLiteral("ABC12345678901234567890123456789012345678901234567");
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("ABC"), QString()},
      {QStringLiteral("ABCD"), QStringLiteral("D")},
      {fifty, fifty.mid(3, 44)},
      {QStringLiteral("NFSção12"), QStringLiteral("ção12")},  // letters, not bytes
      {QStringLiteral("NFS../../x\\y"), QStringLiteral(".._.._x_y")},
  };
  for (const auto& [id, kept] : cases) {
    form().UpperGrid().SetValue(QStringLiteral("id"), id);
    const QString proposal = ClickAnswering("Button11", "SaveDialog1", {});
    EXPECT_EQ(proposal, kept + QStringLiteral("-CancelarNfseEnvio.xml")) << id.toStdString();
  }
  EXPECT_TRUE(LogMessages().isEmpty());  // every dialog was cancelled
  EXPECT_EQ(Tab(), kRequestTab);
}

TEST_F(RequestTest, NewStopsAtAValueItCannotWriteAndSaveWritesWhatWasBuilt) {
  const struct {
    const char* key;
    const char* value;
    const char* saved;
    const char* reason;  // as told beside the log line
  } cases[] = {
      {"numero", "abc", "CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=1]{IdentificacaoNfse}}}",
       "Could not convert variant of type (String) into type (Integer)"},
      {"codigoMunicipio", "29z",
       "CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=1]{IdentificacaoNfse{Numero=1 "
       "Cnpj=11222333000181 InscricaoMunicipal=Isento}}}}",
       "Could not convert variant of type (String) into type (Integer)"},
      // XML cannot hold a control character: the write fails instead of storing nothing.
      {"cnpj",
       "a\x01"
       "b",
       "CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=1]{IdentificacaoNfse{Numero=1 "
       "Cnpj}}}}",
       "The text cannot be written to the document: it holds the character U+0001, which XML "
       "cannot hold"},
  };
  for (const auto& c : cases) {
    TarvelTest test;
    test.form().LowerGrid().SetValue(QLatin1String(c.key), QLatin1String(c.value));
    test.Click("Button10");
    EXPECT_EQ(test.LogMessages(), QStringList{kNewFailed}) << c.key;
    EXPECT_EQ(test.FailuresTold(), QStringList{QStringLiteral("New failed: ") + c.reason});
    EXPECT_EQ(test.form().LowerGrid().Value(QLatin1String(c.key)), QLatin1String(c.value));
    const QString path = Path(QLatin1String(c.key) + QStringLiteral(".xml"));
    test.ClickAnswering("Button11", "SaveDialog1", path);
    EXPECT_EQ(Outline(path), QLatin1String(c.saved)) << c.key;
  }
}

TEST_F(RequestTest, NumbersAreParsedLikeTheGridsAndStoredAsInt32) {
  const std::pair<const char*, const char*> cases[] = {
      {"$10", "16"}, {" +7", "7"}, {"-1", "-1"}, {"x7FFFFFFF", "2147483647"}};
  for (const auto& [typed, stored] : cases) {
    SetLower("numero", typed);
    SetLower("codigoMunicipio", typed);
    Click("Button10");
    const QString outline = SaveAs(QStringLiteral("n.xml"));
    EXPECT_TRUE(outline.contains(QStringLiteral("Numero=%1 ").arg(QLatin1String(stored))))
        << typed << ": " << outline.toStdString();
    EXPECT_TRUE(outline.contains(QStringLiteral("CodigoMunicipio=%1}").arg(QLatin1String(stored))))
        << typed << ": " << outline.toStdString();
  }
}

TEST_F(RequestTest, CancelledDialogsChangeNothing) {
  Click("Button10");
  const QStringList logged = LogMessages();
  ClickAnswering("Button11", "SaveDialog1", {});
  ClickAnswering("Button12", "OpenDialog1", {});
  form().SelectTab(kResponseTab);
  ClickAnswering("Button3", "OpenDialog1", {});
  EXPECT_EQ(Tab(), kResponseTab);
  EXPECT_EQ(LogMessages(), logged);
  EXPECT_EQ(form().LowerListing().LineCount(), 0);
  EXPECT_TRUE(form().Preview().path().isEmpty());
}

TEST_F(RequestTest, OpenRefillsTheGridsFromASavedRequest) {
  SetUpper("id", "NFS00000000000000000000000000000000000000000042");
  SetUpper("codigoCancelamento", "E001");
  SetLower("numero", "-1");
  SetLower("cnpj", "99888777000166");
  SetLower("inscricaoMunicipal", "Inscrição 7");
  SetLower("codigoMunicipio", "-3550308");
  Click("Button10");
  const QString path = Path(QStringLiteral("round.xml"));
  ClickAnswering("Button11", "SaveDialog1", path);
  Click("Button14");

  ClickAnswering("Button12", "OpenDialog1", path);
  EXPECT_EQ(Upper("id"), QStringLiteral("NFS00000000000000000000000000000000000000000042"));
  EXPECT_EQ(Upper("codigoCancelamento"), QStringLiteral("E001"));
  EXPECT_EQ(Lower("numero"), QStringLiteral("4294967295"));  // Numero is unsigned
  EXPECT_EQ(Lower("cnpj"), QStringLiteral("99888777000166"));
  EXPECT_EQ(Lower("inscricaoMunicipal"), QStringLiteral("Inscrição 7"));
  EXPECT_EQ(Lower("codigoMunicipio"), QStringLiteral("-3550308"));
  EXPECT_EQ(LogMessages().back(), kOpenSucceeded);
  EXPECT_EQ(form().LastOpenedPath(), path);
  EXPECT_EQ(form().Preview().path(), path);
  EXPECT_EQ(Tab(), kInformationTab);
}

TEST_F(RequestTest, OpenOfAFileThatIsNoRequestKeepsThePreviousOne) {
  Click("Button10");
  const QString wrongRoot = Write(QStringLiteral("wrong.xml"), RequestFile({}, "Outro"));
  const QString missing = Path(QStringLiteral("missing.xml"));
  const QString broken = Write(QStringLiteral("broken.xml"), "<CancelarNfseEnvio>");
  QStringList paths = {wrongRoot, missing, broken};
  // Nor may the platform's devices, FIFOs or pipes block the window or read for ever.
  std::vector<std::shared_ptr<void>> keep;
  for (const auto& hostile : files::test::PlatformHostilePaths(
           std::filesystem::path(Path(QString()).toStdU16String()), keep))
    paths << QString::fromStdU16String(hostile.path.u16string());
  for (const QString& path : paths) {
    form().SelectTab(kRequestTab);
    SetUpper("id", "typed");
    ClickAnswering("Button12", "OpenDialog1", path);
    EXPECT_EQ(LogMessages().back(), kOpenFailed) << path.toStdString();
    EXPECT_EQ(Tab(), kInformationTab);
    EXPECT_EQ(Upper("id"), QStringLiteral("typed"));
    EXPECT_TRUE(form().LastOpenedPath().isEmpty());
    EXPECT_TRUE(form().Preview().path().isEmpty());
  }
  // The request made by New is still the current one.
  EXPECT_EQ(SaveAs(QStringLiteral("kept.xml")), kStartRequest);
}

TEST_F(RequestTest, OpenStoppedByAValueFillsTheRowsBeforeIt) {
  const QString path = Write(
      QStringLiteral("partial.xml"),
      RequestFile("<Pedido><InfPedidoCancelamento Id=\"ID9\"><IdentificacaoNfse><Numero>12"
                  "</Numero><Cnpj>1</Cnpj></IdentificacaoNfse></InfPedidoCancelamento></Pedido>"));
  ClickAnswering("Button12", "OpenDialog1", path);
  EXPECT_EQ(LogMessages(), QStringList{kOpenFailed});
  EXPECT_EQ(Upper("id"), QStringLiteral("ID9"));
  EXPECT_EQ(Lower("numero"), QStringLiteral("12"));
  EXPECT_EQ(Lower("cnpj"), QStringLiteral("1"));
  EXPECT_EQ(Lower("inscricaoMunicipal"), QString());               // absent: read as empty
  EXPECT_EQ(Lower("codigoMunicipio"), QStringLiteral("2927408"));  // its read failed
  EXPECT_EQ(Upper("codigoCancelamento"), QStringLiteral("1"));
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());
  EXPECT_TRUE(form().Preview().path().isEmpty());

  // The opened request is current, with the elements its reads created.
  EXPECT_EQ(SaveAs(QStringLiteral("after.xml")),
            QStringLiteral("CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=ID9]{"
                           "IdentificacaoNfse{Numero=12 Cnpj=1 InscricaoMunicipal CodigoMunicipio}"
                           "}}}"));
}

TEST_F(RequestTest, ALineLoggedExactlyAtMidnightShowsTheDateOnly) {
  const QDateTime midnight(QDate(2015, 2, 4), QTime(0, 0));
  form().SetClock([midnight] { return midnight; });
  Click("Button10");
  EXPECT_EQ(form().Log().toPlainText(),
            QLocale::system().toString(midnight.date(), QLocale::ShortFormat) + kNewSucceeded);
}

}  // namespace
}  // namespace cancel_tool

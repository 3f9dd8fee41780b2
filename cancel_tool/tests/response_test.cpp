// Tarvel's response listing driven through its window.

#include <gtest/gtest.h>

#include "binding/platform.h"
#include "cancel_documents/namespaces.h"
#include "cancel_tool/tests/tarvel_test.h"

namespace cancel_tool {
namespace {

using namespace fixture;

QByteArray Message(int n) {
  const QByteArray i = QByteArray::number(n);
  return "<MensagemRetorno><Codigo>E" + i + "</Codigo><Mensagem>Mensagem " + i +
         "</Mensagem><Correcao>Corrija " + i + "</Correcao></MensagemRetorno>";
}

QByteArray Cancelamento(const QByteArray& sucesso, const QByteArray& ns = {}) {
  const QByteArray declaration = ns.isEmpty() ? QByteArray() : " xmlns=\"" + ns + "\"";
  return "<Cancelamento" + declaration +
         "><Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\"><IdentificacaoNfse>"
         "<Numero>123</Numero><Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento"
         "</InscricaoMunicipal><CodigoMunicipio>-5</CodigoMunicipio></IdentificacaoNfse>"
         "<CodigoCancelamento>2</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
         "<InfConfirmacaoCancelamento><Sucesso>" +
         sucesso +
         "</Sucesso><DataHora>2015-02-04T14:30:05</DataHora></InfConfirmacaoCancelamento>"
         "</Confirmacao></Cancelamento>";
}

QByteArray Response(const QByteArray& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CancelarNfseResposta xmlns=\"" +
         QByteArray::fromStdString(cancel_documents::response::TargetNamespace) + "\">" + body +
         "</CancelarNfseResposta>";
}

const QStringList kNineLines = {QStringLiteral("C1"),
                                QStringLiteral("P1"),
                                QStringLiteral("123"),
                                QStringLiteral("11222333000181"),
                                QStringLiteral("Isento"),
                                QStringLiteral("-5"),
                                QStringLiteral("2"),
                                QStringLiteral("-1"),
                                QStringLiteral("2015-02-04T14:30:05")};

class ResponseTest : public TarvelTest, public ::testing::Test {
 protected:
  // Opens a response file from the response tab.
  void OpenResponse(const QString& path) {
    form().SelectTab(kResponseTab);
    ClickAnswering("Button3", "OpenDialog1", path);
  }
  QStringList Listing() const { return Lines(form().LowerListing()); }
};

TEST_F(ResponseTest, ACompleteConfirmationListsNineLines) {
  const QString path = Write(QStringLiteral("r.xml"), Response(Cancelamento("true")));
  OpenResponse(path);
  EXPECT_EQ(Listing(), kNineLines);
  EXPECT_EQ(LogMessages(), QStringList{kOpenSucceeded});
  EXPECT_EQ(Tab(), kInformationTab);
  EXPECT_EQ(form().LastOpenedPath(), path);
  EXPECT_EQ(form().Preview().path(), path);
  EXPECT_EQ(form().UpperListing().LineCount(), 0);
  EXPECT_EQ(form().LowerGrid().Value(QStringLiteral("numero")), QStringLiteral("1"));
}

TEST_F(ResponseTest, SucessoListsAsMinusOneOrZero) {
  const std::pair<const char*, const char*> cases[] = {
      {"true", "-1"}, {"false", "0"}, {"TRUE", "-1"}, {"0", "0"}, {"2", "-1"}};
  for (const auto& [stored, listed] : cases) {
    TarvelTest test;
    test.form().SelectTab(kResponseTab);
    test.ClickAnswering("Button3", "OpenDialog1",
                        Write(QStringLiteral("s.xml"), Response(Cancelamento(stored))));
    const QStringList lines = test.Lines(test.form().LowerListing());
    ASSERT_EQ(lines.size(), 9) << stored;
    EXPECT_EQ(lines[7], QLatin1String(listed)) << stored;
  }
}

TEST_F(ResponseTest, ReturnMessagesFollowTheConfirmationThreeLinesEach) {
  OpenResponse(Write(QStringLiteral("m.xml"),
                     Response(Cancelamento("true") + "<ListaMensagemRetorno>" + Message(1) +
                              Message(2) + "</ListaMensagemRetorno>")));
  const QStringList messages = {QStringLiteral("E1"),         QStringLiteral("Mensagem 1"),
                                QStringLiteral("Corrija 1"),  QStringLiteral("E2"),
                                QStringLiteral("Mensagem 2"), QStringLiteral("Corrija 2")};
  EXPECT_EQ(Listing(), kNineLines + messages);
  EXPECT_EQ(LogMessages(), QStringList{kOpenSucceeded});
}

TEST_F(ResponseTest, AListingStoppedByAValueKeepsTheLinesReadBeforeIt) {
  const QByteArray messagesOnly =
      Response("<ListaMensagemRetorno>" + Message(1) + "</ListaMensagemRetorno>");
  const QByteArray otherNamespace = Response(Cancelamento(
      "true", "http://" + QByteArray::fromStdString(std::string(binding::PlatformSchemaHost)) +
                  "/tipos_v03.xsd"));
  const struct {
    const char* name;
    QByteArray content;
    QStringList lines;
  } cases[] = {
      {"messages-only", messagesOnly, {QString(), QString()}},
      {"other-namespace", otherNamespace, {QString(), QString()}},
      {"empty-sucesso", Response(Cancelamento("")), kNineLines.mid(0, 7)},
  };
  for (const auto& c : cases) {
    TarvelTest test;
    test.form().SelectTab(kResponseTab);
    test.ClickAnswering("Button3", "OpenDialog1", Write(QLatin1String(c.name), c.content));
    EXPECT_EQ(test.Lines(test.form().LowerListing()), c.lines) << c.name;
    EXPECT_EQ(test.LogMessages(), QStringList{kOpenFailed}) << c.name;
    EXPECT_TRUE(test.form().LastOpenedPath().isEmpty()) << c.name;
    EXPECT_TRUE(test.form().Preview().path().isEmpty()) << c.name;
  }
}

// A value holding line breaks stays on its line of the listing, its breaks shown as marks, so
// every later value keeps its line; the preview shows the file's text as it is.
TEST_F(ResponseTest, AValueWithLineBreaksStaysOnOneLine) {
  const QString path = Write(
      QStringLiteral("breaks.xml"),
      Response(Cancelamento("true") +
               "<ListaMensagemRetorno><MensagemRetorno><Codigo>E1</Codigo><Mensagem>Linha 1\n"
               "Linha 2&#13;\nLinha 3</Mensagem><Correcao>Corrija</Correcao></MensagemRetorno>"
               "</ListaMensagemRetorno>"));
  OpenResponse(path);
  const QStringList message = {QStringLiteral("E1"), QStringLiteral("Linha 1⏎Linha 2⏎Linha 3"),
                               QStringLiteral("Corrija")};
  EXPECT_EQ(Listing(), kNineLines + message);
  EXPECT_TRUE(Previews(QStringLiteral("Linha 1\nLinha 2\r\nLinha 3")));
}

TEST_F(ResponseTest, ListingsOnlyGrow) {
  const QString path = Write(QStringLiteral("twice.xml"), Response(Cancelamento("true")));
  OpenResponse(path);
  OpenResponse(path);
  EXPECT_EQ(Listing(), kNineLines + kNineLines);

  // A file that is no response adds nothing and keeps the last opened path.
  OpenResponse(Write(QStringLiteral("request.xml"), "<CancelarNfseEnvio/>"));
  EXPECT_EQ(Listing().size(), 18);
  EXPECT_EQ(LogMessages(), (QStringList{kOpenSucceeded, kOpenSucceeded, kOpenFailed}));
  EXPECT_EQ(form().LastOpenedPath(), path);
  EXPECT_EQ(form().UpperListing().LineCount(), 0);
}

}  // namespace
}  // namespace cancel_tool

// Orvane's request side end to end: New, Save with its time-stamped name and namespace patch,
// and Open.
#include <QDateTime>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

#include "acceptance/bindings_support.h"
#include "acceptance/query_response_sample.h"
#include "acceptance/windows_support.h"
#include "query_documents/query_documents.h"
#include "query_tool/query_tool.h"

namespace {

using namespace acceptance;

const QString kTitle = QStringLiteral("Consulta de NFS-e");
constexpr int kInformacoes = 0;
constexpr int kResponseTab = 2;

std::string QueryWith(std::string_view inner) {
  return Document("ConsultarNfseRpsEnvio", query_documents::RequestNamespace, inner);
}

// `<tag xmlns="types">value</tag>`, the form Save gives the five patched elements.
std::string Patched(const std::string& tag, const std::string& value) {
  return "<" + tag + " xmlns=\"" + query_documents::TypesNamespace + "\">" + value + "</" + tag +
         ">";
}

// Every line break of `bytes` is CR LF; returns the text with LF line breaks.
std::string WithoutCarriageReturns(const std::string& bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
    }
    if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
      continue;
    }
    text += bytes[i];
  }
  return text;
}

// A response whose invoice has no cancellation record, with the one return message E9.
std::string ResponseWithoutCancellation() {
  return QueryResponseXml("<CompNfse><Nfse>" + kQueryInvoice +
                          "</Nfse></CompNfse><ListaMensagemRetorno>" + ReturnMessage("E9", "") +
                          "</ListaMensagemRetorno>");
}

using Orvane = WindowTest<query_tool::MakeOrvaneWindow>;

TEST_F(Orvane, StartsOnTheResponseTabWithTheStartValues) {
  EXPECT_EQ(CurrentTab(*window_), kResponseTab);
  EXPECT_EQ(Keys(*window_, "ValueListEditor77"), (QStringList{"Numero", "Serie", "Tipo"}));
  EXPECT_EQ(Keys(*window_, "ValueListEditor3"), (QStringList{"Cnpj", "InscricaoMunicipal"}));
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Numero"), "4");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "InscricaoMunicipal"), "552190");
}

TEST_F(Orvane, NewThenSaveWritesTheRequestWithTheFiveTagsPatched) {
  Click(*window_, "Button10");
  EXPECT_TRUE(LastLogLineIs(*window_, NewSucceeded(kTitle)));

  const fs::path file = dir_ / "consulta.xml";
  const QDateTime before = QDateTime::currentDateTime();
  const QString proposed = PressAnswering(*window_, "Button11", "SaveDialog1", file);
  const QDateTime after = QDateTime::currentDateTime();
  const auto stamp = QRegularExpression("^(\\d{14})-ConsultarNfseRpsEnvio\\.xml$").match(proposed);
  ASSERT_TRUE(stamp.hasMatch()) << proposed.toStdString();
  const QDateTime at = QDateTime::fromString(stamp.captured(1), "ddMMyyyyHHmmss");
  EXPECT_GE(at.secsTo(after), 0) << stamp.captured(1).toStdString();
  EXPECT_LE(at.secsTo(before), 0) << stamp.captured(1).toStdString();

  EXPECT_EQ(Canonical(WithoutCarriageReturns(ReadFile(file))),
            QueryWith("<IdentificacaoRps>" + Patched("Numero", "4") + Patched("Serie", "1") +
                      Patched("Tipo", "1") + "</IdentificacaoRps><Prestador>" +
                      Patched("Cnpj", "99888777000166") + Patched("InscricaoMunicipal", "552190") +
                      "</Prestador>"));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(file));
  EXPECT_TRUE(LastLogLineIs(*window_, SaveSucceeded(PathText(file))));

  // The patched elements are in another namespace now, so the file does not reopen.
  SetValue(*window_, "ValueListEditor77", "Serie", "kept");
  PressAnswering(*window_, "Button12", "OpenDialog1", file);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenFailed(kTitle)));
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Serie"), "kept");
}

TEST_F(Orvane, TypedNumbersWrapAsTheirFieldsDo) {
  SetValue(*window_, "ValueListEditor77", "Numero", "-1");
  SetValue(*window_, "ValueListEditor77", "Tipo", "256");
  Click(*window_, "Button10");
  const fs::path file = dir_ / "wrapped.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", file);
  const std::string saved = ReadFile(file);
  EXPECT_NE(saved.find(Patched("Numero", "-1")), std::string::npos) << saved;
  EXPECT_NE(saved.find(Patched("Tipo", "0")), std::string::npos) << saved;
}

TEST_F(Orvane, NewWithABadNumberSavesOnlyTheRoot) {
  SetValue(*window_, "ValueListEditor77", "Numero", "abc");
  Click(*window_, "Button10");
  EXPECT_TRUE(LastLogLineIs(*window_, NewFailed(kTitle)));
  const fs::path file = dir_ / "root.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", file);
  EXPECT_EQ(Canonical(WithoutCarriageReturns(ReadFile(file))),
            kDeclaration + "<ConsultarNfseRpsEnvio xmlns=\"" + query_documents::RequestNamespace +
                "\"/>");
}

TEST_F(Orvane, SaveBeforeAnyRequestOrCancelledWritesNothing) {
  PressAnswering(*window_, "Button11", "SaveDialog1", {});
  EXPECT_EQ(CurrentTab(*window_), kResponseTab);
  EXPECT_TRUE(Lines(*window_, "Memo1").isEmpty());

  PressAnswering(*window_, "Button11", "SaveDialog1", dir_ / "nothing.xml");
  EXPECT_TRUE(LastLogLineIs(*window_, SaveFailed()));
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(Orvane, OpenFillsTheGridsFromARequestInTheRequestNamespace) {
  const fs::path file = dir_ / "pedido \xc3\xa7.xml";
  WriteFile(file, QueryWith("<IdentificacaoRps><Numero>-1</Numero><Serie>S\xc3\xa9rie</Serie>"
                            "<Tipo>200</Tipo></IdentificacaoRps><Prestador><Cnpj>1</Cnpj>"
                            "<InscricaoMunicipal>Isen\xc3\xa7\xc3\xa3o</InscricaoMunicipal>"
                            "</Prestador>"));
  PressAnswering(*window_, "Button12", "OpenDialog1", file);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenSucceeded(kTitle)));
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Numero"), "4294967295");
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Serie"), QString::fromUtf8("S\xc3\xa9rie"));
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Tipo"), "-56");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "Cnpj"), "1");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "InscricaoMunicipal"),
            QString::fromUtf8("Isen\xc3\xa7\xc3\xa3o"));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(file));
}

// The response tab's Abrir lists the invoice into Memo4 (80 lines, one bare value a line) and
// three lines per return message into Memo5, each opening below the last.
TEST_F(Orvane, ResponseOpenListsTheInvoiceAndTheReturnMessages) {
  const fs::path file = dir_ / "resposta \xc3\xa7.xml";
  WriteFile(file, CompleteQueryResponse());
  PressAnswering(*window_, "Button3", "OpenDialog1", file);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenSucceeded(kTitle)));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(file));

  const QStringList nfse = Lines(*window_, "Memo4");
  ASSERT_EQ(nfse.size(), 80);
  const struct {
    int line;  // from 1
    const char* value;
  } values[] = {
      {1, "N1"},          {2, "7"},   {5, "31"},       {7, "1"},  {15, "Obs \xc3\xa7"},
      {28, "0.0500"},     {41, ""},   {48, "1234567"}, {52, ""},  {61, "40140000"},
      {72, "C1"},         {73, "P1"}, {74, "7"},       {78, "2"}, {79, "S1"},
      {80, "2147483648"},
  };
  for (const auto& v : values) EXPECT_EQ(nfse[v.line - 1], QString::fromUtf8(v.value)) << v.line;
  EXPECT_EQ(Lines(*window_, "Memo5"),
            (QStringList{"E1", "mE1", "c1", "E2", "mE2", "c2", "E3", "mE3", ""}));

  SetValue(*window_, "ValueListEditor77", "Numero", "kept");
  PressAnswering(*window_, "Button3", "OpenDialog1", file);
  EXPECT_EQ(Lines(*window_, "Memo4").size(), 160);
  EXPECT_EQ(Lines(*window_, "Memo5").size(), 18);
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Numero"), "kept");
}

// Under the service layout Save writes the request as the node layer wrote it, without the
// five-tag adjustment, and Abrir reads it back. A captured response lists completely: the
// integers it leaves out give empty lines, as its texts do.
TEST_F(Orvane, UnderTheServiceLayoutSavesUnadjustedReopensAndListsCapturedResponses) {
  ServiceLayout(*window_).setChecked(true);
  Click(*window_, "Button10");
  const fs::path request = dir_ / "pedido.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", request);
  EXPECT_EQ(ReadFile(request).find('\r'), std::string::npos);
  const auto saved =
      query_documents::OpenConsultarNfseRpsEnvio(request.u16string(), binding::Layout::Service);
  EXPECT_EQ(saved->IdentificacaoRps()->ChildNodes().at(0)->NamespaceURI(),
            query_documents::TypesNamespace);
  SetValue(*window_, "ValueListEditor77", "Numero", "typed");
  PressAnswering(*window_, "Button12", "OpenDialog1", request);
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "Numero"), "4");

  // The response without a cancellation record that stops a listing under the specified layout at
  // line 74, as the service writes it.
  const fs::path partial = dir_ / "sem cancelamento.xml";
  WriteFile(partial, ResponseWithoutCancellation());
  const fs::path captured = dir_ / "capturada.xml";
  binding::ConvertLayout(*query_documents::OpenConsultarNfseRpsResposta(partial.u16string()),
                         binding::Layout::Service)
      ->SaveToFile(captured);
  PressAnswering(*window_, "Button3", "OpenDialog1", captured);
  EXPECT_TRUE(Lines(*window_, "Memo1").last().endsWith(UnderService(OpenSucceeded(kTitle))));
  const QStringList nfse = Lines(*window_, "Memo4");
  ASSERT_EQ(nfse.size(), 80);
  EXPECT_EQ(nfse[1], "7");
  EXPECT_EQ(nfse[47], "1234567");
  EXPECT_EQ(nfse.mid(71), QStringList(9, QString()));
  EXPECT_EQ(Lines(*window_, "Memo5"), (QStringList{"E9", "mE9", ""}));
  EXPECT_EQ(Previewed(*window_), PathText(captured));
}

// Without a cancellation record the listing stops at its first integer (line 74): lines 72 and
// 73 come out empty, no message is listed and the preview keeps the file opened before.
TEST_F(Orvane, ResponseOpenStopsAtAValueThatCannotBeRead) {
  const fs::path complete = dir_ / "completa.xml";
  WriteFile(complete, CompleteQueryResponse());
  PressAnswering(*window_, "Button3", "OpenDialog1", complete);

  const fs::path partial = dir_ / "sem cancelamento.xml";
  WriteFile(partial, ResponseWithoutCancellation());
  PressAnswering(*window_, "Button3", "OpenDialog1", partial);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenFailed(kTitle)));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(complete));
  const QStringList nfse = Lines(*window_, "Memo4");
  ASSERT_EQ(nfse.size(), 80 + 73);
  EXPECT_EQ(nfse.mid(80, 71), nfse.mid(0, 71));
  EXPECT_EQ(nfse.mid(151), (QStringList{"", ""}));
  EXPECT_EQ(Lines(*window_, "Memo5").size(), 9);

  // A cancelled dialog lists and logs nothing.
  const QStringList log = Lines(*window_, "Memo1");
  PressAnswering(*window_, "Button3", "OpenDialog1", {});
  EXPECT_EQ(Lines(*window_, "Memo1"), log);
  EXPECT_EQ(Lines(*window_, "Memo4").size(), 153);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "binding/binding.h"
#include "query_documents/query_documents.h"

namespace query_documents {
namespace {

template <class T>
std::shared_ptr<T> Bind(const std::string& tag, const std::string& body) {
  return binding::BindDocument<T>(
      binding::ParseDocument("<" + tag + " xmlns=\"" + ResponseNamespace + "\" xmlns:dsig=\"" +
                             ResponseNamespace + "\">" + body + "</" + tag + ">"),
      tag, ResponseNamespace);
}

std::string Body(const std::shared_ptr<binding::TXMLNode>& node) {
  return node->OwnerDocument()->XmlBytes();
}

TEST(CancellationRecord, ReadsEveryFieldDownToTheIdentification) {
  auto record = Bind<TXMLTcCancelamentoNfse>(
      "NfseCancelamento",
      "<Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\"><IdentificacaoNfse>"
      "<Numero>-1</Numero><Cnpj> 0011 </Cnpj><InscricaoMunicipal>Isento</InscricaoMunicipal>"
      "<CodigoMunicipio>-2927408</CodigoMunicipio></IdentificacaoNfse>"
      "<CodigoCancelamento>E02</CodigoCancelamento></InfPedidoCancelamento>"
      "<dsig:Signature>pedido \xC3\xA7</dsig:Signature></Pedido>"
      "<InfConfirmacaoCancelamento><Sucesso>TRUE</Sucesso><DataHora>16/03/2024 08:00</DataHora>"
      "</InfConfirmacaoCancelamento></Confirmacao><dsig:Signature>registro</dsig:Signature>");
  auto confirmacao = record->Confirmacao();
  auto inf = confirmacao->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(confirmacao->Id(), u"C1");
  EXPECT_EQ(inf->Id(), u"P1");
  EXPECT_EQ(inf->IdentificacaoNfse()->Numero(), 4294967295u);
  EXPECT_EQ(inf->IdentificacaoNfse()->Cnpj(), u" 0011 ");
  EXPECT_EQ(inf->IdentificacaoNfse()->InscricaoMunicipal(), u"Isento");
  EXPECT_EQ(inf->IdentificacaoNfse()->CodigoMunicipio(), -2927408);
  EXPECT_EQ(inf->CodigoCancelamento(), u"E02");
  EXPECT_EQ(confirmacao->Pedido()->Signature(), u"pedido \u00E7");
  EXPECT_TRUE(confirmacao->InfConfirmacaoCancelamento()->Sucesso());
  EXPECT_EQ(confirmacao->InfConfirmacaoCancelamento()->DataHora(), u"16/03/2024 08:00");
  EXPECT_EQ(record->Signature(), u"registro");
}

// Writes land in the record's own namespace under the names read back; integers as signed
// 32-bit text.
TEST(CancellationRecord, WritesReadBackAndSignaturesStayPrefixed) {
  auto record = Bind<TXMLTcCancelamentoNfse>("NfseCancelamento", "");
  auto pedido = record->Confirmacao()->Pedido();
  pedido->InfPedidoCancelamento()->IdentificacaoNfse()->SetNumero(4294967295u);
  pedido->SetSignature(u"assinatura");
  record->Confirmacao()->InfConfirmacaoCancelamento()->SetSucesso(false);
  record->SetSignature(u"<x/>");
  EXPECT_EQ(pedido->InfPedidoCancelamento()->IdentificacaoNfse()->Numero(), 4294967295u);
  EXPECT_EQ(pedido->Signature(), u"assinatura");
  EXPECT_EQ(record->Signature(), u"<x/>");
  const std::string body = Body(record);
  EXPECT_NE(body.find("<Numero>-1</Numero>"), std::string::npos);
  EXPECT_NE(body.find("<dsig:Signature>assinatura</dsig:Signature></Pedido>"), std::string::npos);
  EXPECT_NE(body.find("<Sucesso>false</Sucesso>"), std::string::npos);
  EXPECT_NE(body.find("<dsig:Signature>&lt;x/&gt;</dsig:Signature></NfseCancelamento>"),
            std::string::npos);
}

TEST(SubstitutionRecord, NfseSubstituidoraIsUnsigned32BitWithWrapping) {
  const struct {
    const char* text;
    std::uint32_t value;
  } cases[] = {{"124", 124u},       {"2147483648", 2147483648u}, {"4294967295", 4294967295u},
               {"-1", 4294967295u}, {"4294967297", 1u},          {" 7 ", 7u}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto inf = Bind<TXMLTcSubstituicaoNfse>("NfseSubstituicao",
                                            std::string("<SubstituicaoNfse><NfseSubstituidora>") +
                                                c.text + "</NfseSubstituidora></SubstituicaoNfse>")
                   ->SubstituicaoNfse();
    EXPECT_EQ(inf->NfseSubstituidora(), c.value);
  }
  auto inf = Bind<TXMLTcSubstituicaoNfse>("NfseSubstituicao", "")->SubstituicaoNfse();
  inf->SetNfseSubstituidora(2147483648u);
  EXPECT_EQ(inf->ElementText("NfseSubstituidora"), "-2147483648");
  EXPECT_EQ(inf->NfseSubstituidora(), 2147483648u);
}

// Failures of the node layer reach the caller unchanged, and the element read stays created.
TEST(Records, IntegerAndTruthReadsFailOnAbsentEmptyOrWrongText) {
  for (const char* body : {"", "<NfseSubstituidora/>", "<NfseSubstituidora>abc</NfseSubstituidora>",
                           "<NfseSubstituidora>99999999999999999999</NfseSubstituidora>"}) {
    SCOPED_TRACE(body);
    auto inf = Bind<TXMLTcInfSubstituicaoNfse>("SubstituicaoNfse", body);
    EXPECT_THROW(inf->NfseSubstituidora(), binding::ConversionError);
    EXPECT_EQ(inf->ChildNodes().size(), 1u);
  }
  auto confirmacao = Bind<TXMLTcConfirmacaoCancelamento>("Confirmacao", "");
  EXPECT_THROW(confirmacao->InfConfirmacaoCancelamento()->Sucesso(), binding::ConversionError);
  EXPECT_THROW(confirmacao->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->Numero(),
               binding::ConversionError);
  EXPECT_EQ(confirmacao->Id(), u"");
  auto pedido = Bind<TXMLTcPedidoCancelamento>("Pedido", "<dsig:Signature><a/></dsig:Signature>");
  try {
    pedido->Signature();
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Element does not contain a single text node");
  }
}

TEST(SubstitutionRecord, SignaturesAreTheQualifiedChildrenInOrderAndAppendAtTheEnd) {
  auto record = Bind<TXMLTcSubstituicaoNfse>(
      "NfseSubstituicao",
      "<SubstituicaoNfse Id=\"S\"/><dsig:Signature>um</dsig:Signature><Signature>x</Signature>"
      "<dsig:Signature>dois</dsig:Signature>");
  auto signatures = record->Signature();
  EXPECT_EQ(signatures, record->Signature());
  ASSERT_EQ(signatures->Count(), 2);
  EXPECT_EQ(signatures->ItemAt(0), u"um");
  EXPECT_EQ(signatures->ItemAt(1), u"dois");
  signatures->AddItem(u"abc");
  EXPECT_EQ(signatures->Count(), 3);
  EXPECT_EQ(signatures->ItemAt(2), u"abc");
  EXPECT_NE(Body(record).find("<dsig:Signature>dois</dsig:Signature>"
                              "<dsig:Signature>abc</dsig:Signature></NfseSubstituicao>"),
            std::string::npos);

  auto empty = Bind<TXMLTcSubstituicaoNfse>("NfseSubstituicao", "")->Signature();
  EXPECT_EQ(empty->Count(), 0);
  EXPECT_THROW(empty->ItemAt(0), binding::IndexError);
}

}  // namespace
}  // namespace query_documents

// The query response: a realistic file opened through its entry function and read through the
// typed readers, the integer widths, absent elements, signature lists and the failures.
#include <cstdint>
#include <string>

#include "acceptance/bindings_support.h"
#include "acceptance/query_response_sample.h"
#include "binding/binding.h"
#include "query_documents/query_documents.h"

namespace {

using namespace acceptance;
using query_documents::OpenConsultarNfseRpsResposta;
using query_documents::ResponseNamespace;

class QueryResponse : public testing::Test {
 protected:
  std::shared_ptr<query_documents::TXMLConsultarNfseRpsResposta> Open(const std::string& xml) {
    const fs::path file = dir_ / fs::path(u"resposta \u00e7.xml");
    WriteFile(file, xml);
    return OpenConsultarNfseRpsResposta(file.u16string());
  }
  TempDir dir_;
};

TEST_F(QueryResponse, CompleteResponseReadsThroughTheTypedReaders) {
  auto root = Open(CompleteQueryResponse());
  auto inf = root->CompNfse()->Nfse()->InfNfse();
  EXPECT_EQ(inf->Id(), u"N1");
  EXPECT_EQ(inf->Numero(), 7u);
  EXPECT_EQ(inf->CodigoVerificacao(), u"AB12");
  EXPECT_EQ(inf->DataEmissao(), u"2024-05-02T09:30:00");
  EXPECT_EQ(inf->IdentificacaoRps()->Serie(), u"A");
  EXPECT_EQ(inf->RegimeEspecialTributacao(), 3);
  EXPECT_EQ(inf->Competencia(), u"2024-05");
  EXPECT_EQ(inf->NfseSubstituida(), 6u);
  EXPECT_EQ(inf->OutrasInformacoes(), u"Obs \u00e7");
  EXPECT_EQ(inf->Servico()->Valores()->Aliquota(), u"0.0500");
  EXPECT_EQ(inf->Servico()->Valores()->IssRetido(), 2);
  EXPECT_EQ(inf->Servico()->CodigoCnae(), 6201500);
  EXPECT_EQ(inf->PrestadorServico()->IdentificacaoPrestador()->Cnpj(), u"11222333000181");
  EXPECT_EQ(inf->PrestadorServico()->Endereco()->Numero(), u"S/N");
  EXPECT_EQ(inf->PrestadorServico()->Endereco()->Cep(), 1234567);
  EXPECT_EQ(inf->PrestadorServico()->Contato()->Email(), u"p@example.com");
  EXPECT_EQ(inf->TomadorServico()->IdentificacaoTomador()->CpfCnpj()->Cpf(), u"12345678909");
  EXPECT_EQ(inf->TomadorServico()->IdentificacaoTomador()->CpfCnpj()->Cnpj(), u"");
  EXPECT_EQ(inf->OrgaoGerador()->CodigoMunicipio(), 2927408);

  auto signatures = root->CompNfse()->Nfse()->Signature();
  ASSERT_EQ(signatures->Count(), 2);
  EXPECT_EQ(signatures->ItemAt(0), u"um");
  EXPECT_EQ(signatures->ItemAt(1), u"dois");

  auto confirmacao = root->CompNfse()->NfseCancelamento()->Confirmacao();
  EXPECT_EQ(confirmacao->Id(), u"C1");
  auto pedido = confirmacao->Pedido();
  EXPECT_EQ(pedido->InfPedidoCancelamento()->Id(), u"P1");
  EXPECT_EQ(pedido->InfPedidoCancelamento()->IdentificacaoNfse()->Numero(), 7u);
  EXPECT_EQ(pedido->InfPedidoCancelamento()->IdentificacaoNfse()->CodigoMunicipio(), 2927408);
  EXPECT_EQ(pedido->InfPedidoCancelamento()->CodigoCancelamento(), u"2");
  EXPECT_EQ(pedido->Signature(), u"ped");
  EXPECT_TRUE(confirmacao->InfConfirmacaoCancelamento()->Sucesso());
  EXPECT_EQ(confirmacao->InfConfirmacaoCancelamento()->DataHora(), u"2024-05-03T10:00:00");
  EXPECT_EQ(root->CompNfse()->NfseCancelamento()->Signature(), u"canc");

  auto substituicao = root->CompNfse()->NfseSubstituicao();
  EXPECT_EQ(substituicao->SubstituicaoNfse()->Id(), u"S1");
  EXPECT_EQ(substituicao->SubstituicaoNfse()->NfseSubstituidora(), 2147483648u);
  EXPECT_EQ(substituicao->Signature()->Count(), 1);

  auto messages = root->ListaMensagemRetorno();
  ASSERT_EQ(messages->Count(), 3);
  EXPECT_EQ(messages->ItemAt(1)->Codigo(), u"E2");
  EXPECT_EQ(messages->ItemAt(1)->Mensagem(), u"mE2");
  EXPECT_EQ(messages->ItemAt(1)->Correcao(), u"c2");
  EXPECT_EQ(messages->ItemAt(2)->Correcao(), u"");
  EXPECT_EQ(ErrorOf([&] { messages->ItemAt(3); }), "List index out of bounds (3)");
}

// Integer widths wrap as the node layer converts them; text stays exactly as stored.
TEST_F(QueryResponse, IntegerWidthsWrapAndTextIsKept) {
  const struct {
    const char* inner;
    std::int64_t numero, tipo, natureza;
  } rows[] = {
      {"<Numero>-1</Numero><IdentificacaoRps><Tipo>200</Tipo></IdentificacaoRps>"
       "<NaturezaOperacao>300</NaturezaOperacao>",
       4294967295, -56, 44},
      {"<Numero>4294967297</Numero><IdentificacaoRps><Tipo>-1</Tipo></IdentificacaoRps>"
       "<NaturezaOperacao> 12 </NaturezaOperacao>",
       1, -1, 12},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.inner);
    auto inf = Open(QueryResponseXml(std::string("<CompNfse><Nfse><InfNfse>") + row.inner +
                                     "</InfNfse></Nfse></CompNfse>"))
                   ->CompNfse()
                   ->Nfse()
                   ->InfNfse();
    EXPECT_EQ(inf->Numero(), row.numero);
    EXPECT_EQ(inf->IdentificacaoRps()->Tipo(), row.tipo);
    EXPECT_EQ(inf->NaturezaOperacao(), row.natureza);
  }
}

TEST_F(QueryResponse, AbsentElementsAreCreatedEmptyWhereTheyAreRead) {
  auto root = Open(QueryResponseXml(""));
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 0);
  EXPECT_EQ(root->CompNfse()->Nfse()->InfNfse()->Id(), u"");
  EXPECT_EQ(root->CompNfse()->Nfse()->Signature()->Count(), 0);
  EXPECT_TRUE(ErrorOf([&] {
                root->CompNfse()->NfseSubstituicao()->SubstituicaoNfse()->NfseSubstituidora();
              }).starts_with(kConversionError));
  EXPECT_EQ(
      Saved(root, dir_),
      QueryResponseXml("<ListaMensagemRetorno/><CompNfse><Nfse><InfNfse Id=\"\"/></Nfse>"
                       "<NfseSubstituicao><SubstituicaoNfse><NfseSubstituidora/></SubstituicaoNfse>"
                       "</NfseSubstituicao></CompNfse>"));
}

// Services write the inner elements in the shared types namespace: the file opens, and the
// readers below the root find nothing there.
TEST_F(QueryResponse, InnerElementsInTheTypesNamespaceAreNotFound) {
  auto root = Open(CompleteQueryResponse(query_documents::TypesNamespace));
  EXPECT_EQ(root->CompNfse()->Nfse()->InfNfse()->Id(), u"");
  EXPECT_TRUE(ErrorOf([&] {
                root->CompNfse()->Nfse()->InfNfse()->Numero();
              }).starts_with(kConversionError));
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 0);
}

TEST_F(QueryResponse, SignatureAddedThroughTheListIsAnItemAndSurvivesSaving) {
  auto root = Open(CompleteQueryResponse());
  root->CompNfse()->Nfse()->Signature()->AddItem(u"tr\u00eas");
  EXPECT_EQ(root->CompNfse()->Nfse()->Signature()->Count(), 3);
  const fs::path file = dir_ / "saved.xml";
  root->OwnerDocument()->SaveToFile(file);
  auto reopened = OpenConsultarNfseRpsResposta(file.u16string());
  auto signatures = reopened->CompNfse()->Nfse()->Signature();
  ASSERT_EQ(signatures->Count(), 3);
  EXPECT_EQ(signatures->ItemAt(0), u"um");
  EXPECT_EQ(signatures->ItemAt(2), u"tr\u00eas");
}

TEST_F(QueryResponse, FilesThatCannotBeBoundFail) {
  EXPECT_FALSE(ErrorOf([&] {
                 OpenConsultarNfseRpsResposta((dir_ / "none.xml").u16string());
               }).starts_with(kNoException));
  EXPECT_NE(ErrorOf([&] { Open("<ConsultarNfseRpsResposta>"); }), kNoException);
  EXPECT_EQ(ErrorOf([&] {
              Open(Document("ConsultarNfseRpsResposta", query_documents::TypesNamespace, ""));
            }),
            "Interface not supported");
  EXPECT_EQ(ErrorOf([&] { Open(Document("ConsultarNfseRpsEnvio", ResponseNamespace, "")); }),
            "Interface not supported");
}

}  // namespace

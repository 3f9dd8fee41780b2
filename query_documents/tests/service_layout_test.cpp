#include <gtest/gtest.h>

#include <string>

#include "query_documents/query_documents.h"
#include "query_documents/tests/complete_response.h"
#include "query_documents/tests/service_samples.h"

namespace query_documents {
namespace {

using binding::Layout;
using binding::Utf16ToUtf8;
using testing::Style;

std::shared_ptr<TXMLConsultarNfseRpsEnvio> ServiceRequest(const std::string& xml) {
  return binding::BindDocument<TXMLConsultarNfseRpsEnvio>(
      binding::ParseDocument(xml, Layout::Service), RequestRootName, RequestNamespace);
}

std::string Values(TXMLConsultarNfseRpsEnvio& root) {
  auto rps = root.IdentificacaoRps();
  return std::to_string(rps->Numero()) + "|" + Utf16ToUtf8(rps->Serie()) + "|" +
         std::to_string(rps->Tipo()) + "|" + Utf16ToUtf8(root.Prestador()->Cnpj()) + "|" +
         Utf16ToUtf8(root.Prestador()->InscricaoMunicipal());
}

class Styles : public ::testing::TestWithParam<Style> {};

TEST_P(Styles, RequestReadsEveryValueAndChangesNothing) {
  auto root = ServiceRequest(testing::ServiceRequest(GetParam()));
  const std::string before = root->OwnerDocument()->XmlBytes();
  EXPECT_EQ(Values(*root), "45|UNICA|1|11222333000181|123456");
  EXPECT_EQ(root->Signature(), u"c2ln");
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(), before);
}

TEST_P(Styles, ResponseReadsEveryValueAndChangesNothing) {
  auto root = testing::ParseResponse(testing::ServiceResponse(GetParam()), Layout::Service);
  const std::string before = root->OwnerDocument()->XmlBytes();
  auto nfse = root->CompNfse()->Nfse();
  EXPECT_EQ(nfse->InfNfse()->Id(), u"N1");
  EXPECT_EQ(nfse->InfNfse()->Numero(), 123u);
  EXPECT_EQ(nfse->InfNfse()->IdentificacaoRps()->Serie(), u"UNICA");
  EXPECT_EQ(nfse->InfNfse()->PrestadorServico()->IdentificacaoPrestador()->Cnpj(),
            u"11222333000181");
  ASSERT_EQ(nfse->Signature()->Count(), 2);
  EXPECT_EQ(nfse->Signature()->ItemAt(1), u"dois");
  auto cancelamento = root->CompNfse()->NfseCancelamento();
  EXPECT_EQ(cancelamento->Signature(), u"cancelamento");
  EXPECT_EQ(cancelamento->Confirmacao()->Pedido()->Signature(), u"pedido");
  EXPECT_EQ(cancelamento->Confirmacao()->Pedido()->InfPedidoCancelamento()->CodigoCancelamento(),
            u"2");
  auto substituicao = root->CompNfse()->NfseSubstituicao();
  EXPECT_EQ(substituicao->SubstituicaoNfse()->NfseSubstituidora(), 124u);
  EXPECT_EQ(substituicao->Signature()->Count(), 2);
  ASSERT_EQ(root->ListaMensagemRetorno()->Count(), 1);
  EXPECT_EQ(root->ListaMensagemRetorno()->ItemAt(0)->Mensagem(), u"Aviso");
  // What the file leaves out reads empty, or fails as a missing value, and is not added.
  EXPECT_EQ(nfse->InfNfse()->Servico()->Valores()->ValorServicos(), u"");
  EXPECT_EQ(nfse->InfNfse()->TomadorServico()->Endereco()->Uf(), u"");
  EXPECT_THROW(nfse->InfNfse()->TomadorServico()->Endereco()->Cep(), binding::MissingValueError);
  EXPECT_EQ(root->ListaMensagemRetorno()->ItemAt(0)->Correcao(), u"");
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Query, Styles,
                         ::testing::Values(Style::TypesByDefault, Style::TiposPrefix));

TEST(ServiceLayout, ARequestWrittenInAnyOrderHasTheSchemasOrder) {
  auto root = NewConsultarNfseRpsEnvio(Layout::Service);
  root->Prestador()->SetInscricaoMunicipal(u"552190");
  root->IdentificacaoRps()->SetTipo(1);
  root->Prestador()->SetCnpj(u"99888777000166");
  root->IdentificacaoRps()->SetSerie(u"1");
  root->IdentificacaoRps()->SetNumero(4);
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(),
            "<?xml version=\"1.0\"?>\n<ConsultarNfseRpsEnvio xmlns=\"" + RequestNamespace +
                "\" xmlns:tipos=\"" + TypesNamespace +
                "\"><IdentificacaoRps><tipos:Numero>4</tipos:Numero><tipos:Serie>1</tipos:Serie>"
                "<tipos:Tipo>1</tipos:Tipo></IdentificacaoRps><Prestador><tipos:Cnpj>"
                "99888777000166</tipos:Cnpj><tipos:InscricaoMunicipal>552190"
                "</tipos:InscricaoMunicipal></Prestador></ConsultarNfseRpsEnvio>\n");
  EXPECT_EQ(Values(*ServiceRequest(root->OwnerDocument()->XmlBytes())),
            "4|1|1|99888777000166|552190");
}

TEST(ServiceLayout, ACompleteResponseReadsAsTheSpecifiedOneDoes) {
  auto root = testing::ParseResponse(testing::CompleteServiceResponseXml(), Layout::Service);
  const std::string before = root->OwnerDocument()->XmlBytes();
  EXPECT_EQ(binding::DetectLayout(*root->OwnerDocument()), Layout::Service);
  EXPECT_EQ(testing::InvoiceListing(*root), testing::CompleteInvoiceListing());
  EXPECT_EQ(root->CompNfse()->Nfse()->Signature()->Count(), 2);
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 3);
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(), before);
}

}  // namespace
}  // namespace query_documents

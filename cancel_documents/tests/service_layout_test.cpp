#include <gtest/gtest.h>

#include <string>

#include "cancel_documents/cancel_documents.h"
#include "cancel_documents/tests/service_samples.h"

namespace cancel_documents {
namespace {

using binding::Layout;
using testing::Style;

std::shared_ptr<request::TXMLCancelarNfseEnvio> ServiceRequest(const std::string& xml) {
  return binding::BindDocument<request::TXMLCancelarNfseEnvio>(
      binding::ParseDocument(xml, Layout::Service), request::RootName, request::TargetNamespace);
}

std::shared_ptr<response::TXMLCancelarNfseResposta> ServiceResponse(const std::string& xml) {
  return binding::BindDocument<response::TXMLCancelarNfseResposta>(
      binding::ParseDocument(xml, Layout::Service), response::RootName, response::TargetNamespace);
}

// Every value of a request, as text, in document order.
std::string Values(request::TXMLCancelarNfseEnvio& root) {
  auto inf = root.Pedido()->InfPedidoCancelamento();
  auto id = inf->IdentificacaoNfse();
  return inf->Id() + "|" + std::to_string(id->Numero()) + "|" + id->Cnpj() + "|" +
         id->InscricaoMunicipal() + "|" + std::to_string(id->CodigoMunicipio()) + "|" +
         inf->CodigoCancelamento();
}

class Styles : public ::testing::TestWithParam<Style> {};

TEST_P(Styles, RequestReadsEveryValueAndChangesNothing) {
  auto root = ServiceRequest(testing::ServiceRequest(GetParam()));
  const std::string before = root->OwnerDocument()->XmlBytes();
  EXPECT_EQ(Values(*root), "ID1|12|11222333000181|Isento|2927408|2");
  auto signature = root->Pedido()->Signature();
  EXPECT_EQ(signature->SignedInfo()->Reference()->ItemAt(0)->URI(), "#ID1");
  EXPECT_EQ(signature->SignedInfo()->Reference()->ItemAt(0)->DigestValue(), "ZGln");
  EXPECT_EQ(signature->SignatureValue()->NodeText(), "c2ln");
  EXPECT_EQ(signature->KeyInfo()->X509Data()->ItemAt(0)->X509Certificate()->ItemAt(0), "Y2VydA==");
  // What the file leaves out reads empty, or fails as a missing value, and is not added.
  EXPECT_EQ(root->Signature()->SignedInfo()->Id(), "");
  EXPECT_EQ(signature->KeyInfo()->KeyName()->Count(), 0);
  EXPECT_THROW(signature->SignedInfo()->SignatureMethod()->HMACOutputLength(),
               binding::MissingValueError);
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(), before);
}

TEST_P(Styles, ResponseReadsEveryValueAndChangesNothing) {
  auto root = ServiceResponse(testing::ServiceResponse(GetParam()));
  const std::string before = root->OwnerDocument()->XmlBytes();
  auto confirmacao = root->Cancelamento()->Confirmacao();
  EXPECT_EQ(confirmacao->Id(), "C1");
  auto inf = confirmacao->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(inf->Id(), "P1");
  EXPECT_EQ(inf->IdentificacaoNfse()->Numero(), 12u);
  EXPECT_EQ(inf->IdentificacaoNfse()->CodigoMunicipio(), 2927408);
  EXPECT_EQ(inf->CodigoCancelamento(), "2");
  EXPECT_TRUE(confirmacao->InfConfirmacaoCancelamento()->Sucesso());
  EXPECT_EQ(confirmacao->InfConfirmacaoCancelamento()->DataHora(), "2024-03-15T10:21:37");
  EXPECT_EQ(root->Cancelamento()->Signature()->SignatureValue()->NodeText(), "c2ln");
  auto messages = root->ListaMensagemRetorno();
  ASSERT_EQ(messages->Count(), 2);
  EXPECT_EQ(messages->ItemAt(1)->Codigo() + messages->ItemAt(1)->Mensagem(), "A2Outro");
  EXPECT_EQ(messages->ItemAt(1)->Correcao(), "");
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Cancellation, Styles,
                         ::testing::Values(Style::TypesByDefault, Style::TiposPrefix));

TEST(ServiceLayout, ARequestWrittenInAnyOrderHasTheSchemasOrder) {
  auto root = request::NewCancelarNfseEnvio(Layout::Service);
  root->OwnerDocument()->SetEncoding("UTF-8");
  auto inf = root->Pedido()->InfPedidoCancelamento();
  inf->SetCodigoCancelamento("1");
  inf->IdentificacaoNfse()->SetCodigoMunicipio(2927408);
  inf->IdentificacaoNfse()->SetInscricaoMunicipal("Isento");
  inf->IdentificacaoNfse()->SetCnpj("11222333000181");
  inf->IdentificacaoNfse()->SetNumero(1);
  inf->SetId("1");
  EXPECT_EQ(
      root->OwnerDocument()->XmlBytes(),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p1:CancelarNfseEnvio xmlns:p1=\"" +
          request::TargetNamespace + "\" xmlns:tipos=\"" + TypesNamespace +
          "\"><Pedido><tipos:InfPedidoCancelamento Id=\"1\"><tipos:IdentificacaoNfse>"
          "<tipos:Numero>1</tipos:Numero><tipos:Cnpj>11222333000181</tipos:Cnpj>"
          "<tipos:InscricaoMunicipal>Isento</tipos:InscricaoMunicipal><tipos:CodigoMunicipio>"
          "2927408</tipos:CodigoMunicipio></tipos:IdentificacaoNfse><tipos:CodigoCancelamento>"
          "1</tipos:CodigoCancelamento></tipos:InfPedidoCancelamento></Pedido>"
          "</p1:CancelarNfseEnvio>\n");
  EXPECT_EQ(Values(*ServiceRequest(root->OwnerDocument()->XmlBytes())),
            "1|1|11222333000181|Isento|2927408|1");
}

// A signed request opened, changed and saved again keeps its signature's elements, attributes
// and text exactly.
TEST(ServiceLayout, ASignatureSavesAgainAsItCame) {
  for (Style style : {Style::TypesByDefault, Style::TiposPrefix}) {
    const std::string xml = testing::ServiceRequest(style);
    const auto start = xml.find("<Signature");
    const std::string signature =
        xml.substr(start == std::string::npos ? xml.find("<ds:Signature") : start);
    auto root = ServiceRequest(xml);
    Values(*root);
    root->Pedido()->InfPedidoCancelamento()->SetCodigoCancelamento("3");
    const std::string saved = root->OwnerDocument()->XmlBytes();
    EXPECT_NE(saved.find(signature.substr(0, signature.find("</Pedido>"))), std::string::npos)
        << saved;
    EXPECT_EQ(Values(*ServiceRequest(saved)), "ID1|12|11222333000181|Isento|2927408|3");
  }
}

}  // namespace
}  // namespace cancel_documents

#include <gtest/gtest.h>

#include "cancel_documents/cancel_documents.h"

namespace cancel_documents::response {
namespace {

std::shared_ptr<TXMLCancelarNfseResposta> Parse(const std::string& inner,
                                                const std::string& ns = TargetNamespace) {
  return binding::BindDocument<TXMLCancelarNfseResposta>(
      binding::ParseDocument("<CancelarNfseResposta xmlns=\"" + ns + "\">" + inner +
                             "</CancelarNfseResposta>"),
      "CancelarNfseResposta", TargetNamespace);
}

std::string Confirmation(const std::string& sucesso) {
  return "<Cancelamento><Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\">"
         "<IdentificacaoNfse><Numero>-1</Numero><Cnpj>1</Cnpj><InscricaoMunicipal>2"
         "</InscricaoMunicipal><CodigoMunicipio>-5</CodigoMunicipio></IdentificacaoNfse>"
         "<CodigoCancelamento>9</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
         "<InfConfirmacaoCancelamento><Sucesso>" +
         sucesso +
         "</Sucesso><DataHora>2009-08-07T06:05:04 </DataHora></InfConfirmacaoCancelamento>"
         "</Confirmacao></Cancelamento>";
}

TEST(Response, ConfirmationBranchReadsEveryValue) {
  auto confirmacao = Parse(Confirmation("true"))->Cancelamento()->Confirmacao();
  EXPECT_EQ(confirmacao->Id(), "C1");
  auto inf = confirmacao->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(inf->Id(), "P1");
  EXPECT_EQ(inf->IdentificacaoNfse()->Numero(), 4294967295u);
  EXPECT_EQ(inf->IdentificacaoNfse()->CodigoMunicipio(), -5);
  EXPECT_EQ(inf->CodigoCancelamento(), "9");
  EXPECT_TRUE(confirmacao->InfConfirmacaoCancelamento()->Sucesso());
  EXPECT_EQ(confirmacao->InfConfirmacaoCancelamento()->DataHora(), "2009-08-07T06:05:04 ");
}

TEST(Response, SucessoConvertsAndAnEmptyOneFails) {
  EXPECT_FALSE(Parse(Confirmation("false"))
                   ->Cancelamento()
                   ->Confirmacao()
                   ->InfConfirmacaoCancelamento()
                   ->Sucesso());
  EXPECT_THROW(Parse(Confirmation(""))
                   ->Cancelamento()
                   ->Confirmacao()
                   ->InfConfirmacaoCancelamento()
                   ->Sucesso(),
               binding::ConversionError);
}

TEST(Response, ReturnMessagesAreItemsInDocumentOrder) {
  auto root = Parse(
      "<ListaMensagemRetorno><MensagemRetorno><Codigo>E1</Codigo><Mensagem>m1</Mensagem>"
      "<Correcao>c1</Correcao></MensagemRetorno><MensagemRetorno><Codigo>E2</Codigo>"
      "<Mensagem>m2</Mensagem></MensagemRetorno></ListaMensagemRetorno>");
  auto list = root->ListaMensagemRetorno();
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->ItemAt(0)->Codigo() + list->ItemAt(0)->Mensagem() + list->ItemAt(0)->Correcao(),
            "E1m1c1");
  EXPECT_EQ(list->ItemAt(1)->Correcao(), "");
  EXPECT_NE(root->OwnerDocument()->XmlBytes().find("<Mensagem>m2</Mensagem><Correcao></Correcao>"),
            std::string::npos);
  EXPECT_THROW(list->ItemAt(2), binding::IndexError);
  // Only messages: the confirmation branch fails at its first integer.
  EXPECT_EQ(root->Cancelamento()->Confirmacao()->Id(), "");
  EXPECT_THROW(root->Cancelamento()
                   ->Confirmacao()
                   ->Pedido()
                   ->InfPedidoCancelamento()
                   ->IdentificacaoNfse()
                   ->Numero(),
               binding::ConversionError);
}

TEST(Response, AbsentMessageListIsCreatedEmpty) {
  auto root = Parse(Confirmation("true"));
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 0);
  auto added = root->ListaMensagemRetorno()->AddItem();
  added->SetCodigo("X");
  EXPECT_EQ(root->ListaMensagemRetorno()->ItemAt(0)->Codigo(), "X");
}

TEST(Response, ElementsInTheTypesNamespaceBelowTheRootAreNotRead) {
  const std::string tipos = "http://" + std::string(binding::PlatformSchemaHost) + "/tipos_v03.xsd";
  auto doc = binding::ParseDocument("<r:CancelarNfseResposta xmlns:r=\"" + TargetNamespace +
                                    "\" xmlns=\"" + tipos + "\">" + Confirmation("true") +
                                    "</r:CancelarNfseResposta>");
  auto root =
      binding::BindDocument<TXMLCancelarNfseResposta>(doc, "CancelarNfseResposta", TargetNamespace);
  EXPECT_EQ(root->Cancelamento()->Confirmacao()->Id(), "");
  EXPECT_THROW(root->Cancelamento()->Confirmacao()->InfConfirmacaoCancelamento()->Sucesso(),
               binding::ConversionError);
}

}  // namespace
}  // namespace cancel_documents::response

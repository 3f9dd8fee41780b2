// The cancellation response: its confirmation branch, the return-message collection and how long
// handles keep a document alive.
#include <string>
#include <vector>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

std::string ResponseWith(std::string_view inner) {
  return Document("CancelarNfseResposta", response::TargetNamespace, inner);
}

TEST(CancelResponse, ReadsTheConfirmationBranchAsWritten) {
  TempDir dir;
  const fs::path file = dir / "response.xml";
  WriteFile(file,
            ResponseWith("<Cancelamento><Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento "
                         "Id=\"P1\"><IdentificacaoNfse><Numero>4294967295</Numero><Cnpj>1</Cnpj>"
                         "<InscricaoMunicipal>Isento</InscricaoMunicipal><CodigoMunicipio>-3"
                         "</CodigoMunicipio></IdentificacaoNfse><CodigoCancelamento>2"
                         "</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
                         "<InfConfirmacaoCancelamento><Sucesso>false</Sucesso><DataHora> "
                         "2015-02-04T14:30:05 </DataHora></InfConfirmacaoCancelamento>"
                         "</Confirmacao></Cancelamento>"));
  auto confirmacao =
      response::OpenCancelarNfseResposta(file.string())->Cancelamento()->Confirmacao();
  auto inf = confirmacao->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(confirmacao->Id(), "C1");
  EXPECT_EQ(inf->Id(), "P1");
  EXPECT_EQ(inf->IdentificacaoNfse()->Numero(), 4294967295u);
  EXPECT_EQ(inf->IdentificacaoNfse()->Cnpj(), "1");
  EXPECT_EQ(inf->IdentificacaoNfse()->InscricaoMunicipal(), "Isento");
  EXPECT_EQ(inf->IdentificacaoNfse()->CodigoMunicipio(), -3);
  EXPECT_EQ(inf->CodigoCancelamento(), "2");
  EXPECT_FALSE(confirmacao->InfConfirmacaoCancelamento()->Sucesso());
  EXPECT_EQ(confirmacao->InfConfirmacaoCancelamento()->DataHora(), " 2015-02-04T14:30:05 ");
}

TEST(CancelResponse, AbsentListIsCreatedEmpty) {
  TempDir dir;
  const fs::path file = dir / "response.xml";
  WriteFile(file, ResponseWith(""));
  auto root = response::OpenCancelarNfseResposta(file.string());
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 0);
  EXPECT_EQ(Saved(root, dir), ResponseWith("<ListaMensagemRetorno/>"));
}

// A response whose list holds A, B and C; C has no Correcao.
class ResponseList : public testing::Test {
 protected:
  void SetUp() override {
    WriteFile(file_, ResponseWith("<ListaMensagemRetorno>" +
                                  ReturnMessage("A", "<Correcao>cA</Correcao>") +
                                  ReturnMessage("B", "<Correcao>cB</Correcao>") +
                                  ReturnMessage("C", "") + "</ListaMensagemRetorno>"));
    root_ = response::OpenCancelarNfseResposta(file_.string());
    list_ = root_->ListaMensagemRetorno();
  }

  std::vector<std::string> Codes() const {
    std::vector<std::string> codes;
    for (int32_t i = 0; i < list_->Count(); ++i) codes.push_back(list_->ItemAt(i)->Codigo());
    return codes;
  }

  TempDir dir_;
  fs::path file_ = dir_ / "response.xml";
  decltype(response::OpenCancelarNfseResposta("")) root_;
  decltype(root_->ListaMensagemRetorno()) list_;
};

TEST_F(ResponseList, ReadsItemsInDocumentOrder) {
  ASSERT_EQ(list_->Count(), 3);
  EXPECT_EQ(Codes(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(list_->ItemAt(1)->Mensagem(), "mB");
  EXPECT_EQ(list_->ItemAt(1)->Correcao(), "cB");
  EXPECT_EQ(list_->ItemAt(2)->Correcao(), "");
  EXPECT_NE(list_->Nodes(2), nullptr);
  // The absent Correcao is now an empty element at the end of its item.
  EXPECT_NE(Saved(root_, dir_).find(ReturnMessage("C", "<Correcao/>")), std::string::npos);
}

TEST_F(ResponseList, IndexOutsideTheItemsFails) {
  EXPECT_EQ(ErrorOf([&] { list_->ItemAt(3); }), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list_->Nodes(3); }), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list_->ItemAt(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { list_->Delete(3); }), "List index out of bounds (3)");
  EXPECT_EQ(list_->Count(), 3);
}

TEST_F(ResponseList, AddAndInsertPlaceNewItemsAmongTheChildren) {
  list_->AddItem()->SetCodigo("D");
  list_->InsertItem(0)->SetCodigo("Z");
  list_->InsertItem(2)->SetCodigo("Y");
  EXPECT_EQ(Codes(), (std::vector<std::string>{"Z", "A", "Y", "B", "C", "D"}));
  const std::string saved = Saved(root_, dir_);
  EXPECT_NE(
      saved.find("<ListaMensagemRetorno><MensagemRetorno><Codigo>Z</Codigo></MensagemRetorno>"),
      std::string::npos)
      << saved;
  EXPECT_NE(
      saved.find("<MensagemRetorno><Codigo>D</Codigo></MensagemRetorno></ListaMensagemRetorno>"),
      std::string::npos)
      << saved;
}

TEST_F(ResponseList, DeleteRemoveAndClearTakeItemsOutOfTheDocument) {
  list_->Delete(0);
  EXPECT_EQ(Codes(), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(list_->Remove(list_->ItemAt(1)), 1);
  EXPECT_EQ(Codes(), (std::vector<std::string>{"B"}));
  EXPECT_EQ(Saved(root_, dir_),
            ResponseWith("<ListaMensagemRetorno>" + ReturnMessage("B", "<Correcao>cB</Correcao>") +
                         "</ListaMensagemRetorno>"));
  list_->Clear();
  EXPECT_EQ(list_->Count(), 0);
  EXPECT_EQ(Saved(root_, dir_), ResponseWith("<ListaMensagemRetorno/>"));
}

// A caller may still hold an item the collection dropped: using it must not touch freed memory.
TEST_F(ResponseList, RemovedItemStaysSafeToHold) {
  auto deleted = list_->ItemAt(0);
  auto removed = list_->ItemAt(1);
  list_->Delete(0);
  list_->Remove(removed);
  list_->Clear();
  root_.reset();
  list_.reset();
  for (const auto& item : {deleted, removed}) {
    // Failing is allowed, working on the detached element too; the sanitizer build catches the
    // rest.
    ErrorOf([&] {
      item->SetCodigo("kept");
      EXPECT_EQ(item->Codigo(), "kept");
    });
  }
}

TEST(DocumentLifetime, AnyHandleKeepsItsDocumentAlive) {
  TempDir dir;
  auto ident =
      request::NewCancelarNfseEnvio()->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse();
  ident->SetCnpj("1");
  EXPECT_EQ(Saved(ident, dir),
            R"(<?xml version="1.0"?>)"
            "<CancelarNfseEnvio xmlns=\"" +
                request::TargetNamespace +
                "\"><Pedido><InfPedidoCancelamento><IdentificacaoNfse><Cnpj>1</Cnpj>"
                "</IdentificacaoNfse></InfPedidoCancelamento></Pedido></CancelarNfseEnvio>");

  auto document = request::NewCancelarNfseEnvio()->OwnerDocument();
  const fs::path file = dir / "document.xml";
  document->SaveToFile(file);
  EXPECT_NE(ReadFile(file).find("<CancelarNfseEnvio"), std::string::npos);

  WriteFile(file, ResponseWith("<ListaMensagemRetorno>" + ReturnMessage("A", "") +
                               "</ListaMensagemRetorno>"));
  auto item = response::OpenCancelarNfseResposta(file.string())->ListaMensagemRetorno()->ItemAt(0);
  EXPECT_EQ(item->Mensagem(), "mA");
}

}  // namespace

// Opens a query response, lists it as Orvane's response handler does, reads its invoice's own
// values and return messages through their typed readers one by one, then visits every element
// below the root through the bound child lists, so each registered type down the tree is made
// and every text is read.

#include "fuzz/fuzz_support.h"
#include "listings/query.h"
#include "query_documents/response.h"

using query_documents::TXMLConsultarNfseRpsResposta;

namespace {

constexpr int kMaxDepth = 64;

void Visit(binding::TXMLNode& node, int depth) {
  if (depth > kMaxDepth) return;
  fuzz::Try([&] { (void)node.AttributeNodes(); });
  std::vector<std::shared_ptr<binding::TXMLNode>> children;
  fuzz::Try([&] { children = node.ChildNodes(); });
  if (children.empty()) fuzz::Try([&] { (void)node.NodeText(); });
  for (const auto& child : children)
    if (child->IsElement()) Visit(*child, depth + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::OpenWalkSave<TXMLConsultarNfseRpsResposta>(
      fuzz::Bytes(data, size), "ConsultarNfseRpsResposta", query_documents::ResponseNamespace,
      [](TXMLConsultarNfseRpsResposta& root) {
        (void)listings::ListQueryResponse(root);
        Visit(root, 0);
        const auto inf = [&] { return root.CompNfse()->Nfse()->InfNfse(); };
        fuzz::Try([&] { (void)inf()->Id(); });
        fuzz::Try([&] { (void)inf()->Numero(); });
        fuzz::Try([&] { (void)inf()->CodigoVerificacao(); });
        fuzz::Try([&] { (void)inf()->NaturezaOperacao(); });
        fuzz::Try([&] { (void)inf()->NfseSubstituida(); });
        fuzz::Try([&] { (void)inf()->IdentificacaoRps()->Numero(); });
        fuzz::Try([&] { (void)root.CompNfse()->Nfse()->Signature()->Count(); });
        fuzz::Try([&] {
          (void)root.CompNfse()->NfseSubstituicao()->SubstituicaoNfse()->NfseSubstituidora();
        });
        fuzz::Try([&] {
          const auto list = root.ListaMensagemRetorno();
          for (std::int32_t i = 0; i < list->Count(); ++i) {
            (void)list->ItemAt(i)->Codigo();
            (void)list->ItemAt(i)->Mensagem();
            (void)list->ItemAt(i)->Correcao();
          }
        });
      });
  return 0;
}

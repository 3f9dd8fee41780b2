// Opens a cancellation response and lists it, as Tarvel's response handler does, then reads
// every field on its own so that one failing value does not hide the readers after it.

#include "cancel_documents/response.h"
#include "fuzz/fuzz_support.h"
#include "listings/cancel.h"

using cancel_documents::response::TXMLCancelarNfseResposta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::OpenWalkSave<TXMLCancelarNfseResposta>(
      fuzz::Bytes(data, size), "CancelarNfseResposta", cancel_documents::response::TargetNamespace,
      [](TXMLCancelarNfseResposta& root) {
        (void)listings::ListCancelResponse(root);
        const auto confirmacao = [&] { return root.Cancelamento()->Confirmacao(); };
        const auto identificacao = [&] {
          return confirmacao()->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse();
        };
        fuzz::Try([&] { (void)identificacao()->Numero(); });
        fuzz::Try([&] { (void)identificacao()->CodigoMunicipio(); });
        fuzz::Try([&] { (void)confirmacao()->InfConfirmacaoCancelamento()->Sucesso(); });
        fuzz::Try([&] {
          const auto list = root.ListaMensagemRetorno();
          for (std::int32_t i = 0; i < list->Count(); ++i) (void)list->ItemAt(i)->Codigo();
        });
      });
  return 0;
}

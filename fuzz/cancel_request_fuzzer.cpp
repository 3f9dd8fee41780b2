// Opens a cancellation request, reads every field, as Tarvel's Open handler does, then writes
// each one back in reverse order, which puts new elements among whatever the file holds.

#include "cancel_documents/request.h"
#include "fuzz/fuzz_support.h"

using cancel_documents::request::TXMLCancelarNfseEnvio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::OpenWalkSave<TXMLCancelarNfseEnvio>(
      fuzz::Bytes(data, size), "CancelarNfseEnvio", cancel_documents::request::TargetNamespace,
      [](TXMLCancelarNfseEnvio& root) {
        const auto inf = [&] { return root.Pedido()->InfPedidoCancelamento(); };
        const auto identificacao = [&] { return inf()->IdentificacaoNfse(); };
        fuzz::Try([&] { (void)inf()->Id(); });
        fuzz::Try([&] { (void)identificacao()->Numero(); });
        fuzz::Try([&] { (void)identificacao()->Cnpj(); });
        fuzz::Try([&] { (void)identificacao()->InscricaoMunicipal(); });
        fuzz::Try([&] { (void)identificacao()->CodigoMunicipio(); });
        fuzz::Try([&] { (void)inf()->CodigoCancelamento(); });
        fuzz::Try([&] { inf()->SetCodigoCancelamento("1"); });
        fuzz::Try([&] { identificacao()->SetCodigoMunicipio(2927408); });
        fuzz::Try([&] { identificacao()->SetInscricaoMunicipal("Isento"); });
        fuzz::Try([&] { identificacao()->SetCnpj("11222333000181"); });
        fuzz::Try([&] { identificacao()->SetNumero(1); });
        fuzz::Try([&] { inf()->SetId("1"); });
        fuzz::Try([&] { root.Signature()->SignatureValue()->SetNodeText("v"); });
      });
  return 0;
}

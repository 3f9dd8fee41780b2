// Opens a query request and reads every field, as Orvane's Open handler does.

#include "fuzz/fuzz_support.h"
#include "query_documents/request.h"

using query_documents::TXMLConsultarNfseRpsEnvio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::OpenWalkSave<TXMLConsultarNfseRpsEnvio>(
      fuzz::Bytes(data, size), "ConsultarNfseRpsEnvio", query_documents::RequestNamespace,
      [](TXMLConsultarNfseRpsEnvio& root) {
        fuzz::Try([&] { (void)root.IdentificacaoRps()->Numero(); });
        fuzz::Try([&] { (void)root.IdentificacaoRps()->Serie(); });
        fuzz::Try([&] { (void)root.IdentificacaoRps()->Tipo(); });
        fuzz::Try([&] { (void)root.Prestador()->Cnpj(); });
        fuzz::Try([&] { (void)root.Prestador()->InscricaoMunicipal(); });
        fuzz::Try([&] { (void)root.Signature(); });
      });
  return 0;
}

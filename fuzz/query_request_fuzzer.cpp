// Opens a query request, reads every field, as Orvane's Open handler does, then writes each one
// back in reverse order, which puts new elements among whatever the file holds.

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
        fuzz::Try([&] { root.SetSignature(u"s"); });
        fuzz::Try([&] { root.Prestador()->SetInscricaoMunicipal(u"552190"); });
        fuzz::Try([&] { root.Prestador()->SetCnpj(u"99888777000166"); });
        fuzz::Try([&] { root.IdentificacaoRps()->SetTipo(1); });
        fuzz::Try([&] { root.IdentificacaoRps()->SetSerie(u"1"); });
        fuzz::Try([&] { root.IdentificacaoRps()->SetNumero(4); });
      });
  return 0;
}

#include "query_documents/request.h"

#include <filesystem>

namespace query_documents {

namespace {
constexpr const char* kRoot = "ConsultarNfseRpsEnvio";
}

std::shared_ptr<TXMLConsultarNfseRpsEnvio> NewConsultarNfseRpsEnvio() {
  return binding::NewBoundDocument<TXMLConsultarNfseRpsEnvio>(kRoot, RequestNamespace);
}

std::shared_ptr<TXMLConsultarNfseRpsEnvio> OpenConsultarNfseRpsEnvio(const std::u16string& path) {
  return binding::OpenBoundDocument<TXMLConsultarNfseRpsEnvio>(std::filesystem::path(path), kRoot,
                                                               RequestNamespace);
}

}  // namespace query_documents

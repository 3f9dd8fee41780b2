#include "query_documents/request.h"

#include <filesystem>

namespace query_documents {

std::shared_ptr<TXMLConsultarNfseRpsEnvio> NewConsultarNfseRpsEnvio(binding::Layout layout) {
  return binding::NewBoundDocument<TXMLConsultarNfseRpsEnvio>(RequestRootName, RequestNamespace,
                                                              layout);
}

std::shared_ptr<TXMLConsultarNfseRpsEnvio> OpenConsultarNfseRpsEnvio(const std::u16string& path,
                                                                     binding::Layout layout) {
  return binding::OpenBoundDocument<TXMLConsultarNfseRpsEnvio>(
      std::filesystem::path(path), RequestRootName, RequestNamespace, layout);
}

}  // namespace query_documents

#include "query_documents/response.h"

#include <filesystem>

namespace query_documents {

std::shared_ptr<TXMLConsultarNfseRpsResposta> OpenConsultarNfseRpsResposta(
    const std::u16string& path) {
  return binding::OpenBoundDocument<TXMLConsultarNfseRpsResposta>(
      std::filesystem::path(path), "ConsultarNfseRpsResposta", ResponseNamespace);
}

}  // namespace query_documents

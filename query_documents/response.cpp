#include "query_documents/response.h"

#include <filesystem>

namespace query_documents {

std::shared_ptr<TXMLConsultarNfseRpsResposta> OpenConsultarNfseRpsResposta(
    const std::u16string& path, binding::Layout layout) {
  return binding::OpenBoundDocument<TXMLConsultarNfseRpsResposta>(
      std::filesystem::path(path), ResponseRootName, ResponseNamespace, layout);
}

}  // namespace query_documents

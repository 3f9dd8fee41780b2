#include "cancel_documents/response.h"

namespace cancel_documents::response {

std::shared_ptr<TXMLCancelarNfseResposta> OpenCancelarNfseResposta(const std::string& path) {
  return binding::OpenBoundDocument<TXMLCancelarNfseResposta>(
      binding::Local8BitPath(path), "CancelarNfseResposta", TargetNamespace);
}

}  // namespace cancel_documents::response

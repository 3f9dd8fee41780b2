#include "cancel_documents/response.h"

namespace cancel_documents::response {

std::shared_ptr<TXMLCancelarNfseResposta> OpenCancelarNfseResposta(const std::string& path,
                                                                   binding::Layout layout) {
  return binding::OpenBoundDocument<TXMLCancelarNfseResposta>(binding::Local8BitPath(path),
                                                              RootName, TargetNamespace, layout);
}

}  // namespace cancel_documents::response

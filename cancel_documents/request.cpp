#include "cancel_documents/request.h"

namespace cancel_documents::request {

std::shared_ptr<TXMLCancelarNfseEnvio> NewCancelarNfseEnvio(binding::Layout layout) {
  return binding::NewBoundDocument<TXMLCancelarNfseEnvio>(RootName, TargetNamespace, layout);
}

std::shared_ptr<TXMLCancelarNfseEnvio> OpenCancelarNfseEnvio(const std::string& path,
                                                             binding::Layout layout) {
  return binding::OpenBoundDocument<TXMLCancelarNfseEnvio>(binding::Local8BitPath(path), RootName,
                                                           TargetNamespace, layout);
}

}  // namespace cancel_documents::request

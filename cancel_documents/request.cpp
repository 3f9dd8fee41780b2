#include "cancel_documents/request.h"

namespace cancel_documents::request {

namespace {
constexpr const char* kRoot = "CancelarNfseEnvio";
}

std::shared_ptr<TXMLCancelarNfseEnvio> NewCancelarNfseEnvio() {
  return binding::NewBoundDocument<TXMLCancelarNfseEnvio>(kRoot, TargetNamespace);
}

std::shared_ptr<TXMLCancelarNfseEnvio> OpenCancelarNfseEnvio(const std::string& path) {
  return binding::OpenBoundDocument<TXMLCancelarNfseEnvio>(binding::Local8BitPath(path), kRoot,
                                                           TargetNamespace);
}

}  // namespace cancel_documents::request

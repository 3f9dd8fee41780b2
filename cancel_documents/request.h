#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "cancel_documents/namespaces.h"
#include "cancel_documents/pedido_types.h"
#include "cancel_documents/request_signature.h"

// The cancellation request "CancelarNfseEnvio".
namespace cancel_documents::request {

// The signature set of the request's bindings.
struct Signatures {
  using Signature = TXMLSignatureType_dsig;
};

using TXMLTcIdentificacaoNfse_tipos = tipos::TXMLTcIdentificacaoNfse_tipos;
using TXMLTcInfPedidoCancelamento_tipos = tipos::TXMLTcInfPedidoCancelamento_tipos;
using TXMLTcPedidoCancelamento_tipos = tipos::TcPedidoCancelamento<Signatures>;

class TXMLCancelarNfseEnvio : public binding::TXMLNode {
 public:
  explicit TXMLCancelarNfseEnvio(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcPedidoCancelamento_tipos>("Pedido");
    Register<TXMLSignatureType_dsig>("Signature");
  }

  std::shared_ptr<TXMLTcPedidoCancelamento_tipos> Pedido() {
    return Child<TXMLTcPedidoCancelamento_tipos>("Pedido");
  }
  std::shared_ptr<TXMLSignatureType_dsig> Signature() {
    return Child<TXMLSignatureType_dsig>("Signature");
  }
};

// A new request document holding only its root element.
std::shared_ptr<TXMLCancelarNfseEnvio> NewCancelarNfseEnvio();
// Parses a request file (path in 8-bit text); fails unless its root is "CancelarNfseEnvio" in
// the request namespace.
std::shared_ptr<TXMLCancelarNfseEnvio> OpenCancelarNfseEnvio(const std::string& path);

}  // namespace cancel_documents::request

#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "cancel_documents/namespaces.h"
#include "shared_types/shared_types.h"

// The cancellation request "CancelarNfseEnvio".
namespace cancel_documents::request {

// The request's set of shared record types: 8-bit text, and the signature set of its bindings.
struct Signatures {
  using Text = std::string;
  template <class Base>
  using WithSignature = shared_types::WithoutSignature<Base>;
};

using TXMLTcIdentificacaoNfse_tipos = shared_types::TcIdentificacaoNfse<std::string>;
using TXMLTcInfPedidoCancelamento_tipos = shared_types::TcInfPedidoCancelamento<std::string>;
using TXMLTcPedidoCancelamento_tipos = shared_types::TcPedidoCancelamento<Signatures>;

class TXMLCancelarNfseEnvio : public binding::TXMLNode {
 public:
  explicit TXMLCancelarNfseEnvio(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcPedidoCancelamento_tipos>("Pedido");
  }

  std::shared_ptr<TXMLTcPedidoCancelamento_tipos> Pedido() {
    return Child<TXMLTcPedidoCancelamento_tipos>("Pedido");
  }
};

// A new request document holding only its root element.
std::shared_ptr<TXMLCancelarNfseEnvio> NewCancelarNfseEnvio();
// Parses a request file (path in 8-bit text); fails unless its root is "CancelarNfseEnvio" in
// the request namespace.
std::shared_ptr<TXMLCancelarNfseEnvio> OpenCancelarNfseEnvio(const std::string& path);

}  // namespace cancel_documents::request

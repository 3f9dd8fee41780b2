#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "cancel_documents/namespaces.h"
#include "cancel_documents/request_signature.h"
#include "shared_types/shared_types.h"

// The cancellation request "CancelarNfseEnvio".
namespace cancel_documents::request {

// The request's set of shared record types: 8-bit text, and the signature set of its bindings.
struct Signatures {
  using Text = std::string;
  template <class Base>
  using WithSignature = shared_types::WithSignatureChild<Base, TXMLSignatureType_dsig>;
};

using TXMLTcIdentificacaoNfse_tipos = shared_types::TcIdentificacaoNfse<std::string>;
using TXMLTcInfPedidoCancelamento_tipos = shared_types::TcInfPedidoCancelamento<std::string>;
using TXMLTcPedidoCancelamento_tipos = shared_types::TcPedidoCancelamento<Signatures>;

class TXMLCancelarNfseEnvio : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcPedidoCancelamento_tipos> kPedido{"Pedido",
                                                                          binding::Ns::None};
  static constexpr binding::Child<TXMLSignatureType_dsig> kSignature{"Signature",
                                                                     binding::Ns::Signature};
  static constexpr auto kChildren = binding::Sequence(kPedido, kSignature);

  std::shared_ptr<TXMLTcPedidoCancelamento_tipos> Pedido() { return Get(kPedido); }
  std::shared_ptr<TXMLSignatureType_dsig> Signature() { return Get(kSignature); }
};

// A new request document holding only its root element.
std::shared_ptr<TXMLCancelarNfseEnvio> NewCancelarNfseEnvio(
    binding::Layout layout = binding::Layout::Specified);
// Parses a request file (path in 8-bit text); fails unless its root is "CancelarNfseEnvio" in
// the request namespace.
std::shared_ptr<TXMLCancelarNfseEnvio> OpenCancelarNfseEnvio(
    const std::string& path, binding::Layout layout = binding::Layout::Specified);

}  // namespace cancel_documents::request

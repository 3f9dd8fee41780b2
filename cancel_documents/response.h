#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "cancel_documents/namespaces.h"
#include "cancel_documents/response_signature.h"
#include "shared_types/shared_types.h"

// The cancellation response "CancelarNfseResposta": the confirmation of a cancellation and the
// service's return messages.
namespace cancel_documents::response {

// The response's set of shared record types: 8-bit text, and the signature set of its bindings.
struct Signatures {
  using Text = std::string;
  template <class Base>
  using WithSignature = shared_types::WithSignatureChild<Base, TXMLSignatureType_>;
};

using TXMLTcIdentificacaoNfse_tipos = shared_types::TcIdentificacaoNfse<std::string>;
using TXMLTcInfPedidoCancelamento_tipos = shared_types::TcInfPedidoCancelamento<std::string>;
using TXMLTcPedidoCancelamento_tipos = shared_types::TcPedidoCancelamento<Signatures>;
using TXMLTcInfConfirmacaoCancelamento_tipos =
    shared_types::TcInfConfirmacaoCancelamento<std::string>;
using TXMLTcConfirmacaoCancelamento_tipos = shared_types::TcConfirmacaoCancelamento<Signatures>;
using TXMLTcCancelamentoNfse_tipos = shared_types::TcCancelamentoNfse<Signatures>;
using TXMLTcMensagemRetorno_tipos = shared_types::TcMensagemRetorno<std::string>;
using TXMLListaMensagemRetorno_tipos = shared_types::ListaMensagemRetorno<std::string>;

class TXMLCancelarNfseResposta : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcCancelamentoNfse_tipos> kCancelamento{
      "Cancelamento", binding::Ns::Document};
  static constexpr binding::Child<TXMLListaMensagemRetorno_tipos> kListaMensagemRetorno{
      "ListaMensagemRetorno"};
  static constexpr auto kChildren = binding::Sequence(kCancelamento, kListaMensagemRetorno);

  std::shared_ptr<TXMLTcCancelamentoNfse_tipos> Cancelamento() { return Get(kCancelamento); }
  std::shared_ptr<TXMLListaMensagemRetorno_tipos> ListaMensagemRetorno() {
    return Get(kListaMensagemRetorno);
  }
};

// Parses a response file (path in 8-bit text); fails unless its root is "CancelarNfseResposta"
// in the response namespace.
std::shared_ptr<TXMLCancelarNfseResposta> OpenCancelarNfseResposta(
    const std::string& path, binding::Layout layout = binding::Layout::Specified);

}  // namespace cancel_documents::response

#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "cancel_documents/namespaces.h"
#include "shared_types/shared_types.h"

// The cancellation response "CancelarNfseResposta": the confirmation of a cancellation and the
// service's return messages.
namespace cancel_documents::response {

// The response's set of shared record types: 8-bit text, and the signature set of its bindings.
struct Signatures {
  using Text = std::string;
  template <class Base>
  using WithSignature = shared_types::WithoutSignature<Base>;
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
  explicit TXMLCancelarNfseResposta(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcCancelamentoNfse_tipos>("Cancelamento");
    Register<TXMLListaMensagemRetorno_tipos>("ListaMensagemRetorno");
  }

  std::shared_ptr<TXMLTcCancelamentoNfse_tipos> Cancelamento() {
    return Child<TXMLTcCancelamentoNfse_tipos>("Cancelamento");
  }
  std::shared_ptr<TXMLListaMensagemRetorno_tipos> ListaMensagemRetorno() {
    return Child<TXMLListaMensagemRetorno_tipos>("ListaMensagemRetorno");
  }
};

// Parses a response file (path in 8-bit text); fails unless its root is "CancelarNfseResposta"
// in the response namespace.
std::shared_ptr<TXMLCancelarNfseResposta> OpenCancelarNfseResposta(const std::string& path);

}  // namespace cancel_documents::response

#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "cancel_documents/namespaces.h"
#include "cancel_documents/pedido_types.h"
#include "cancel_documents/response_signature.h"

// The cancellation response "CancelarNfseResposta": the confirmation of a cancellation and the
// service's return messages.
namespace cancel_documents::response {

// The signature set of the response's bindings.
struct Signatures {
  using Signature = TXMLSignatureType_;
};

using TXMLTcIdentificacaoNfse_tipos = tipos::TXMLTcIdentificacaoNfse_tipos;
using TXMLTcInfPedidoCancelamento_tipos = tipos::TXMLTcInfPedidoCancelamento_tipos;
using TXMLTcPedidoCancelamento_tipos = tipos::TcPedidoCancelamento<Signatures>;

class TXMLTcInfConfirmacaoCancelamento_tipos : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  bool Sucesso() { return Value<bool>("Sucesso"); }
  // As written in the document; never parsed.
  std::string DataHora() { return Text("DataHora"); }

  void SetSucesso(bool value) { SetValue("Sucesso", value); }
  void SetDataHora(const std::string& value) { SetValue("DataHora", value); }
};

class TXMLTcConfirmacaoCancelamento_tipos : public binding::TXMLNode {
 public:
  explicit TXMLTcConfirmacaoCancelamento_tipos(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcPedidoCancelamento_tipos>("Pedido");
    Register<TXMLTcInfConfirmacaoCancelamento_tipos>("InfConfirmacaoCancelamento");
  }

  std::string Id() { return Attribute("Id"); }
  std::shared_ptr<TXMLTcPedidoCancelamento_tipos> Pedido() {
    return Child<TXMLTcPedidoCancelamento_tipos>("Pedido");
  }
  std::shared_ptr<TXMLTcInfConfirmacaoCancelamento_tipos> InfConfirmacaoCancelamento() {
    return Child<TXMLTcInfConfirmacaoCancelamento_tipos>("InfConfirmacaoCancelamento");
  }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
};

class TXMLTcCancelamentoNfse_tipos : public binding::TXMLNode {
 public:
  explicit TXMLTcCancelamentoNfse_tipos(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcConfirmacaoCancelamento_tipos>("Confirmacao");
    Register<TXMLSignatureType_>("Signature");
  }

  std::shared_ptr<TXMLTcConfirmacaoCancelamento_tipos> Confirmacao() {
    return Child<TXMLTcConfirmacaoCancelamento_tipos>("Confirmacao");
  }
  std::shared_ptr<TXMLSignatureType_> Signature() { return Child<TXMLSignatureType_>("Signature"); }
};

class TXMLTcMensagemRetorno_tipos : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Codigo() { return Text("Codigo"); }
  std::string Mensagem() { return Text("Mensagem"); }
  std::string Correcao() { return Text("Correcao"); }

  void SetCodigo(const std::string& value) { SetValue("Codigo", value); }
  void SetMensagem(const std::string& value) { SetValue("Mensagem", value); }
  void SetCorrecao(const std::string& value) { SetValue("Correcao", value); }
};

class TXMLListaMensagemRetorno_tipos
    : public binding::TXMLItemCollection<TXMLTcMensagemRetorno_tipos> {
 public:
  explicit TXMLListaMensagemRetorno_tipos(const binding::NodeInit& init)
      : TXMLItemCollection(init, "MensagemRetorno") {}
};

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

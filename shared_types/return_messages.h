#pragma once

#include "binding/binding.h"

// The service's return messages, in the same shape in every response of both programs.
namespace shared_types {

template <class TextType>
class TcMensagemRetorno : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  TextType Codigo() { return Text<TextType>("Codigo"); }
  TextType Mensagem() { return Text<TextType>("Mensagem"); }
  TextType Correcao() { return Text<TextType>("Correcao"); }

  void SetCodigo(const TextType& value) { SetValue("Codigo", value); }
  void SetMensagem(const TextType& value) { SetValue("Mensagem", value); }
  void SetCorrecao(const TextType& value) { SetValue("Correcao", value); }
};

template <class TextType>
class ListaMensagemRetorno : public binding::TXMLItemCollection<TcMensagemRetorno<TextType>> {
 public:
  explicit ListaMensagemRetorno(const binding::NodeInit& init)
      : binding::TXMLItemCollection<TcMensagemRetorno<TextType>>(init, "MensagemRetorno") {}
};

}  // namespace shared_types

#pragma once

#include "binding/binding.h"

// The service's return messages, in the same shape in every response of both programs, and in the
// shared types namespace under the service layout.
namespace shared_types {

template <class TextType>
class TcMensagemRetorno : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<TextType> kCodigo{"Codigo"};
  static constexpr binding::Element<TextType> kMensagem{"Mensagem"};
  static constexpr binding::Element<TextType> kCorrecao{"Correcao"};
  static constexpr auto kChildren = binding::Sequence(kCodigo, kMensagem, kCorrecao);

  TextType Codigo() { return Get(kCodigo); }
  TextType Mensagem() { return Get(kMensagem); }
  TextType Correcao() { return Get(kCorrecao); }

  void SetCodigo(const TextType& value) { Set(kCodigo, value); }
  void SetMensagem(const TextType& value) { Set(kMensagem, value); }
  void SetCorrecao(const TextType& value) { Set(kCorrecao, value); }
};

template <class TextType>
class ListaMensagemRetorno : public binding::TXMLItemCollection<TcMensagemRetorno<TextType>> {
  using Item = TcMensagemRetorno<TextType>;

 public:
  using binding::TXMLItemCollection<Item>::TXMLItemCollection;
  static constexpr binding::Repeated<Item> kMensagemRetorno{"MensagemRetorno"};
  static constexpr auto kChildren = binding::Sequence(kMensagemRetorno);
};

}  // namespace shared_types

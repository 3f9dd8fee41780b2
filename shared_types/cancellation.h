#pragma once

#include <cstdint>
#include <memory>

#include "binding/binding.h"

// The cancellation record: the confirmation of a cancellation and the request it confirms. Both
// programs bind it, with the same elements, kinds and widths; a document set gives the text type
// of its values and the form of its "Signature" member, which is the only other difference.
//
// A set is a struct with
//   using Text = std::string;                                  // or std::u16string
//   template <class Base> using WithSignature = ...;
// where WithSignature<Base> is Base with the set's "Signature" member added: WithoutSignature,
// WithSignatureChild<Base, SignatureType> or WithSignatureText<Base, Text> (signature_member.h),
// or any class of the same shape. PedidoCancelamento and CancelamentoNfse both take it.
namespace shared_types {

template <class TextType>
class TcIdentificacaoNfse : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::uint32_t Numero() { return Value<std::uint32_t>("Numero"); }
  TextType Cnpj() { return Text<TextType>("Cnpj"); }
  TextType InscricaoMunicipal() { return Text<TextType>("InscricaoMunicipal"); }
  std::int32_t CodigoMunicipio() { return Value<std::int32_t>("CodigoMunicipio"); }

  void SetNumero(std::uint32_t value) { SetValue("Numero", value); }
  void SetCnpj(const TextType& value) { SetValue("Cnpj", value); }
  void SetInscricaoMunicipal(const TextType& value) { SetValue("InscricaoMunicipal", value); }
  void SetCodigoMunicipio(std::int32_t value) { SetValue("CodigoMunicipio", value); }
};

template <class TextType>
class TcInfPedidoCancelamento : public binding::TXMLNode {
 public:
  explicit TcInfPedidoCancelamento(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TcIdentificacaoNfse<TextType>>("IdentificacaoNfse");
  }

  TextType Id() { return Attribute<TextType>("Id"); }
  std::shared_ptr<TcIdentificacaoNfse<TextType>> IdentificacaoNfse() {
    return Child<TcIdentificacaoNfse<TextType>>("IdentificacaoNfse");
  }
  TextType CodigoCancelamento() { return Text<TextType>("CodigoCancelamento"); }

  void SetId(const TextType& value) { SetAttribute("Id", value); }
  void SetCodigoCancelamento(const TextType& value) { SetValue("CodigoCancelamento", value); }
};

// The request's own fields; PedidoCancelamento adds the set's signature member.
template <class Set>
class TcPedidoCancelamentoFields : public binding::TXMLNode {
  using Inf = TcInfPedidoCancelamento<typename Set::Text>;

 public:
  explicit TcPedidoCancelamentoFields(const binding::NodeInit& init) : TXMLNode(init) {
    Register<Inf>("InfPedidoCancelamento");
  }

  std::shared_ptr<Inf> InfPedidoCancelamento() { return Child<Inf>("InfPedidoCancelamento"); }
};

template <class Set>
using TcPedidoCancelamento = typename Set::template WithSignature<TcPedidoCancelamentoFields<Set>>;

template <class TextType>
class TcInfConfirmacaoCancelamento : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  bool Sucesso() { return Value<bool>("Sucesso"); }
  // As written in the document; never parsed.
  TextType DataHora() { return Text<TextType>("DataHora"); }

  void SetSucesso(bool value) { SetValue("Sucesso", value); }
  void SetDataHora(const TextType& value) { SetValue("DataHora", value); }
};

template <class Set>
class TcConfirmacaoCancelamento : public binding::TXMLNode {
  using TextType = typename Set::Text;
  using Pedido_ = TcPedidoCancelamento<Set>;
  using Inf = TcInfConfirmacaoCancelamento<TextType>;

 public:
  explicit TcConfirmacaoCancelamento(const binding::NodeInit& init) : TXMLNode(init) {
    Register<Pedido_>("Pedido");
    Register<Inf>("InfConfirmacaoCancelamento");
  }

  TextType Id() { return Attribute<TextType>("Id"); }
  std::shared_ptr<Pedido_> Pedido() { return Child<Pedido_>("Pedido"); }
  std::shared_ptr<Inf> InfConfirmacaoCancelamento() {
    return Child<Inf>("InfConfirmacaoCancelamento");
  }

  void SetId(const TextType& value) { SetAttribute("Id", value); }
};

// The record's own fields; CancelamentoNfse adds the set's signature member.
template <class Set>
class TcCancelamentoNfseFields : public binding::TXMLNode {
  using Confirmacao_ = TcConfirmacaoCancelamento<Set>;

 public:
  explicit TcCancelamentoNfseFields(const binding::NodeInit& init) : TXMLNode(init) {
    Register<Confirmacao_>("Confirmacao");
  }

  std::shared_ptr<Confirmacao_> Confirmacao() { return Child<Confirmacao_>("Confirmacao"); }
};

template <class Set>
using TcCancelamentoNfse = typename Set::template WithSignature<TcCancelamentoNfseFields<Set>>;

}  // namespace shared_types

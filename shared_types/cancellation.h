#pragma once

#include <cstdint>
#include <memory>

#include "binding/binding.h"

// The cancellation record: the confirmation of a cancellation and the request it confirms. Both
// programs bind it, with the same elements, kinds and widths; a document set gives the text type
// of its values and the form of its "Signature" member, which is the only other difference. Every
// element of the record is in the shared types namespace under the service layout.
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
  static constexpr binding::Element<std::uint32_t> kNumero{"Numero"};
  static constexpr binding::Element<TextType> kCnpj{"Cnpj"};
  static constexpr binding::Element<TextType> kInscricaoMunicipal{"InscricaoMunicipal"};
  static constexpr binding::Element<std::int32_t> kCodigoMunicipio{"CodigoMunicipio"};
  static constexpr auto kChildren =
      binding::Sequence(kNumero, kCnpj, kInscricaoMunicipal, kCodigoMunicipio);

  std::uint32_t Numero() { return Get(kNumero); }
  TextType Cnpj() { return Get(kCnpj); }
  TextType InscricaoMunicipal() { return Get(kInscricaoMunicipal); }
  std::int32_t CodigoMunicipio() { return Get(kCodigoMunicipio); }

  void SetNumero(std::uint32_t value) { Set(kNumero, value); }
  void SetCnpj(const TextType& value) { Set(kCnpj, value); }
  void SetInscricaoMunicipal(const TextType& value) { Set(kInscricaoMunicipal, value); }
  void SetCodigoMunicipio(std::int32_t value) { Set(kCodigoMunicipio, value); }
};

template <class TextType>
class TcInfPedidoCancelamento : public binding::TXMLNode {
  using Identificacao = TcIdentificacaoNfse<TextType>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Attribute<TextType> kId{"Id"};
  static constexpr binding::Child<Identificacao> kIdentificacaoNfse{"IdentificacaoNfse"};
  static constexpr binding::Element<TextType> kCodigoCancelamento{"CodigoCancelamento"};
  static constexpr auto kChildren = binding::Sequence(kIdentificacaoNfse, kCodigoCancelamento);

  TextType Id() { return Get(kId); }
  std::shared_ptr<Identificacao> IdentificacaoNfse() { return Get(kIdentificacaoNfse); }
  TextType CodigoCancelamento() { return Get(kCodigoCancelamento); }

  void SetId(const TextType& value) { Set(kId, value); }
  void SetCodigoCancelamento(const TextType& value) { Set(kCodigoCancelamento, value); }
};

// The request's own fields; PedidoCancelamento adds the set's signature member.
template <class Bindings>
class TcPedidoCancelamentoFields : public binding::TXMLNode {
  using Inf = TcInfPedidoCancelamento<typename Bindings::Text>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<Inf> kInfPedidoCancelamento{"InfPedidoCancelamento"};
  static constexpr auto kChildren = binding::Sequence(kInfPedidoCancelamento);

  std::shared_ptr<Inf> InfPedidoCancelamento() { return Get(kInfPedidoCancelamento); }
};

template <class Bindings>
using TcPedidoCancelamento =
    typename Bindings::template WithSignature<TcPedidoCancelamentoFields<Bindings>>;

template <class TextType>
class TcInfConfirmacaoCancelamento : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<bool> kSucesso{"Sucesso"};
  static constexpr binding::Element<TextType> kDataHora{"DataHora"};
  static constexpr auto kChildren = binding::Sequence(kSucesso, kDataHora);

  bool Sucesso() { return Get(kSucesso); }
  // As written in the document; never parsed.
  TextType DataHora() { return Get(kDataHora); }

  void SetSucesso(bool value) { Set(kSucesso, value); }
  void SetDataHora(const TextType& value) { Set(kDataHora, value); }
};

template <class Bindings>
class TcConfirmacaoCancelamento : public binding::TXMLNode {
  using TextType = typename Bindings::Text;
  using Pedido_ = TcPedidoCancelamento<Bindings>;
  using Inf = TcInfConfirmacaoCancelamento<TextType>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Attribute<TextType> kId{"Id"};
  static constexpr binding::Child<Pedido_> kPedido{"Pedido"};
  static constexpr binding::Child<Inf> kInfConfirmacaoCancelamento{"InfConfirmacaoCancelamento"};
  static constexpr auto kChildren = binding::Sequence(kPedido, kInfConfirmacaoCancelamento);

  TextType Id() { return Get(kId); }
  std::shared_ptr<Pedido_> Pedido() { return Get(kPedido); }
  std::shared_ptr<Inf> InfConfirmacaoCancelamento() { return Get(kInfConfirmacaoCancelamento); }

  void SetId(const TextType& value) { Set(kId, value); }
};

// The record's own fields; CancelamentoNfse adds the set's signature member.
template <class Bindings>
class TcCancelamentoNfseFields : public binding::TXMLNode {
  using Confirmacao_ = TcConfirmacaoCancelamento<Bindings>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<Confirmacao_> kConfirmacao{"Confirmacao"};
  static constexpr auto kChildren = binding::Sequence(kConfirmacao);

  std::shared_ptr<Confirmacao_> Confirmacao() { return Get(kConfirmacao); }
};

template <class Bindings>
using TcCancelamentoNfse =
    typename Bindings::template WithSignature<TcCancelamentoNfseFields<Bindings>>;

}  // namespace shared_types

#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "binding/binding.h"

// The cancellation request's own tree, which the response repeats inside its confirmation. Both
// document sets use these types; they differ only in the signature set `Sig` a parent binds its
// "Signature" child to.
namespace cancel_documents::tipos {

class TXMLTcIdentificacaoNfse_tipos : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::uint32_t Numero() { return Value<std::uint32_t>("Numero"); }
  std::string Cnpj() { return Text("Cnpj"); }
  std::string InscricaoMunicipal() { return Text("InscricaoMunicipal"); }
  std::int32_t CodigoMunicipio() { return Value<std::int32_t>("CodigoMunicipio"); }

  void SetNumero(std::uint32_t value) { SetValue("Numero", value); }
  void SetCnpj(const std::string& value) { SetValue("Cnpj", value); }
  void SetInscricaoMunicipal(const std::string& value) { SetValue("InscricaoMunicipal", value); }
  void SetCodigoMunicipio(std::int32_t value) { SetValue("CodigoMunicipio", value); }
};

class TXMLTcInfPedidoCancelamento_tipos : public binding::TXMLNode {
 public:
  explicit TXMLTcInfPedidoCancelamento_tipos(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcIdentificacaoNfse_tipos>("IdentificacaoNfse");
  }

  std::string Id() { return Attribute("Id"); }
  std::shared_ptr<TXMLTcIdentificacaoNfse_tipos> IdentificacaoNfse() {
    return Child<TXMLTcIdentificacaoNfse_tipos>("IdentificacaoNfse");
  }
  std::string CodigoCancelamento() { return Text("CodigoCancelamento"); }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
  void SetCodigoCancelamento(const std::string& value) { SetValue("CodigoCancelamento", value); }
};

template <class Sig>
class TcPedidoCancelamento : public binding::TXMLNode {
 public:
  explicit TcPedidoCancelamento(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcInfPedidoCancelamento_tipos>("InfPedidoCancelamento");
    Register<typename Sig::Signature>("Signature");
  }

  std::shared_ptr<TXMLTcInfPedidoCancelamento_tipos> InfPedidoCancelamento() {
    return Child<TXMLTcInfPedidoCancelamento_tipos>("InfPedidoCancelamento");
  }
  std::shared_ptr<typename Sig::Signature> Signature() {
    return Child<typename Sig::Signature>("Signature");
  }
};

}  // namespace cancel_documents::tipos

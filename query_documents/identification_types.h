#pragma once

#include <cstdint>
#include <string>

#include "binding/binding.h"

// The identification of an RPS and of its provider: the query request carries them and the
// invoice body repeats them.
namespace query_documents {

class TXMLTcIdentificacaoRps : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::uint32_t Numero() { return Value<std::uint32_t>("Numero"); }
  std::u16string Serie() { return Text<std::u16string>("Serie"); }
  std::int8_t Tipo() { return Value<std::int8_t>("Tipo"); }

  void SetNumero(std::uint32_t value) { SetValue("Numero", value); }
  void SetSerie(const std::u16string& value) { SetValue("Serie", value); }
  void SetTipo(std::int8_t value) { SetValue("Tipo", value); }
};

class TXMLTcIdentificacaoPrestador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::u16string Cnpj() { return Text<std::u16string>("Cnpj"); }
  std::u16string InscricaoMunicipal() { return Text<std::u16string>("InscricaoMunicipal"); }

  void SetCnpj(const std::u16string& value) { SetValue("Cnpj", value); }
  void SetInscricaoMunicipal(const std::u16string& value) { SetValue("InscricaoMunicipal", value); }
};

}  // namespace query_documents

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
  static constexpr binding::Element<std::uint32_t> kNumero{"Numero"};
  static constexpr binding::Element<std::u16string> kSerie{"Serie"};
  static constexpr binding::Element<std::int8_t> kTipo{"Tipo"};
  static constexpr auto kChildren = binding::Sequence(kNumero, kSerie, kTipo);

  std::uint32_t Numero() { return Get(kNumero); }
  std::u16string Serie() { return Get(kSerie); }
  std::int8_t Tipo() { return Get(kTipo); }

  void SetNumero(std::uint32_t value) { Set(kNumero, value); }
  void SetSerie(const std::u16string& value) { Set(kSerie, value); }
  void SetTipo(std::int8_t value) { Set(kTipo, value); }
};

class TXMLTcIdentificacaoPrestador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::u16string> kCnpj{"Cnpj"};
  static constexpr binding::Element<std::u16string> kInscricaoMunicipal{"InscricaoMunicipal"};
  static constexpr auto kChildren = binding::Sequence(kCnpj, kInscricaoMunicipal);

  std::u16string Cnpj() { return Get(kCnpj); }
  std::u16string InscricaoMunicipal() { return Get(kInscricaoMunicipal); }

  void SetCnpj(const std::u16string& value) { Set(kCnpj, value); }
  void SetInscricaoMunicipal(const std::u16string& value) { Set(kInscricaoMunicipal, value); }
};

}  // namespace query_documents

#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "binding/binding.h"
#include "query_documents/identification_types.h"

// The parties an invoice names (provider, taker, intermediary, issuing body, construction works)
// and their parts. Registration and tax numbers, names and the house number are text, kept
// exactly as stored; only municipality codes and the postal code are integers.
namespace query_documents {

// An address; provider and taker each have one, viewed through this same type.
class TXMLTcEndereco : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::u16string> kEndereco{"Endereco"};
  static constexpr binding::Element<std::u16string> kNumero{"Numero"};
  static constexpr binding::Element<std::u16string> kComplemento{"Complemento"};
  static constexpr binding::Element<std::u16string> kBairro{"Bairro"};
  static constexpr binding::Element<std::int32_t> kCodigoMunicipio{"CodigoMunicipio"};
  static constexpr binding::Element<std::u16string> kUf{"Uf"};
  static constexpr binding::Element<std::int32_t> kCep{"Cep"};
  static constexpr auto kChildren =
      binding::Sequence(kEndereco, kNumero, kComplemento, kBairro, kCodigoMunicipio, kUf, kCep);

  // The street: an "Endereco" element inside the "Endereco" element.
  std::u16string Endereco() { return Get(kEndereco); }
  std::u16string Numero() { return Get(kNumero); }
  std::u16string Complemento() { return Get(kComplemento); }
  std::u16string Bairro() { return Get(kBairro); }
  std::int32_t CodigoMunicipio() { return Get(kCodigoMunicipio); }
  std::u16string Uf() { return Get(kUf); }
  std::int32_t Cep() { return Get(kCep); }

  void SetEndereco(const std::u16string& value) { Set(kEndereco, value); }
  void SetNumero(const std::u16string& value) { Set(kNumero, value); }
  void SetComplemento(const std::u16string& value) { Set(kComplemento, value); }
  void SetBairro(const std::u16string& value) { Set(kBairro, value); }
  void SetCodigoMunicipio(std::int32_t value) { Set(kCodigoMunicipio, value); }
  void SetUf(const std::u16string& value) { Set(kUf, value); }
  void SetCep(std::int32_t value) { Set(kCep, value); }
};

class TXMLTcContato : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::u16string> kTelefone{"Telefone"};
  static constexpr binding::Element<std::u16string> kEmail{"Email"};
  static constexpr auto kChildren = binding::Sequence(kTelefone, kEmail);

  std::u16string Telefone() { return Get(kTelefone); }
  std::u16string Email() { return Get(kEmail); }

  void SetTelefone(const std::u16string& value) { Set(kTelefone, value); }
  void SetEmail(const std::u16string& value) { Set(kEmail, value); }
};

// A personal or a company tax number. Both are always reachable; nothing enforces that only one
// of them is present.
class TXMLTcCpfCnpj : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::u16string> kCpf{"Cpf"};
  static constexpr binding::Element<std::u16string> kCnpj{"Cnpj"};
  static constexpr auto kChildren = binding::Sequence(kCpf, kCnpj);

  std::u16string Cpf() { return Get(kCpf); }
  std::u16string Cnpj() { return Get(kCnpj); }

  void SetCpf(const std::u16string& value) { Set(kCpf, value); }
  void SetCnpj(const std::u16string& value) { Set(kCnpj, value); }
};

// "PrestadorServico".
class TXMLTcDadosPrestador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcIdentificacaoPrestador> kIdentificacaoPrestador{
      "IdentificacaoPrestador"};
  static constexpr binding::Element<std::u16string> kRazaoSocial{"RazaoSocial"};
  static constexpr binding::Element<std::u16string> kNomeFantasia{"NomeFantasia"};
  static constexpr binding::Child<TXMLTcEndereco> kEndereco{"Endereco"};
  static constexpr binding::Child<TXMLTcContato> kContato{"Contato"};
  static constexpr auto kChildren =
      binding::Sequence(kIdentificacaoPrestador, kRazaoSocial, kNomeFantasia, kEndereco, kContato);

  std::shared_ptr<TXMLTcIdentificacaoPrestador> IdentificacaoPrestador() {
    return Get(kIdentificacaoPrestador);
  }
  std::u16string RazaoSocial() { return Get(kRazaoSocial); }
  std::u16string NomeFantasia() { return Get(kNomeFantasia); }
  std::shared_ptr<TXMLTcEndereco> Endereco() { return Get(kEndereco); }
  std::shared_ptr<TXMLTcContato> Contato() { return Get(kContato); }

  void SetRazaoSocial(const std::u16string& value) { Set(kRazaoSocial, value); }
  void SetNomeFantasia(const std::u16string& value) { Set(kNomeFantasia, value); }
};

class TXMLTcIdentificacaoTomador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcCpfCnpj> kCpfCnpj{"CpfCnpj"};
  static constexpr binding::Element<std::u16string> kInscricaoMunicipal{"InscricaoMunicipal"};
  static constexpr auto kChildren = binding::Sequence(kCpfCnpj, kInscricaoMunicipal);

  std::shared_ptr<TXMLTcCpfCnpj> CpfCnpj() { return Get(kCpfCnpj); }
  std::u16string InscricaoMunicipal() { return Get(kInscricaoMunicipal); }

  void SetInscricaoMunicipal(const std::u16string& value) { Set(kInscricaoMunicipal, value); }
};

// "TomadorServico". Unlike the provider it has no trade name.
class TXMLTcDadosTomador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcIdentificacaoTomador> kIdentificacaoTomador{
      "IdentificacaoTomador"};
  static constexpr binding::Element<std::u16string> kRazaoSocial{"RazaoSocial"};
  static constexpr binding::Child<TXMLTcEndereco> kEndereco{"Endereco"};
  static constexpr binding::Child<TXMLTcContato> kContato{"Contato"};
  static constexpr auto kChildren =
      binding::Sequence(kIdentificacaoTomador, kRazaoSocial, kEndereco, kContato);

  std::shared_ptr<TXMLTcIdentificacaoTomador> IdentificacaoTomador() {
    return Get(kIdentificacaoTomador);
  }
  std::u16string RazaoSocial() { return Get(kRazaoSocial); }
  std::shared_ptr<TXMLTcEndereco> Endereco() { return Get(kEndereco); }
  std::shared_ptr<TXMLTcContato> Contato() { return Get(kContato); }

  void SetRazaoSocial(const std::u16string& value) { Set(kRazaoSocial, value); }
};

// "IntermediarioServico".
class TXMLTcIdentificacaoIntermediarioServico : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::u16string> kRazaoSocial{"RazaoSocial"};
  static constexpr binding::Child<TXMLTcCpfCnpj> kCpfCnpj{"CpfCnpj"};
  static constexpr binding::Element<std::u16string> kInscricaoMunicipal{"InscricaoMunicipal"};
  static constexpr auto kChildren = binding::Sequence(kRazaoSocial, kCpfCnpj, kInscricaoMunicipal);

  std::u16string RazaoSocial() { return Get(kRazaoSocial); }
  std::shared_ptr<TXMLTcCpfCnpj> CpfCnpj() { return Get(kCpfCnpj); }
  std::u16string InscricaoMunicipal() { return Get(kInscricaoMunicipal); }

  void SetRazaoSocial(const std::u16string& value) { Set(kRazaoSocial, value); }
  void SetInscricaoMunicipal(const std::u16string& value) { Set(kInscricaoMunicipal, value); }
};

// "OrgaoGerador": the body that issued the invoice.
class TXMLTcIdentificacaoOrgaoGerador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::int32_t> kCodigoMunicipio{"CodigoMunicipio"};
  static constexpr binding::Element<std::u16string> kUf{"Uf"};
  static constexpr auto kChildren = binding::Sequence(kCodigoMunicipio, kUf);

  std::int32_t CodigoMunicipio() { return Get(kCodigoMunicipio); }
  std::u16string Uf() { return Get(kUf); }

  void SetCodigoMunicipio(std::int32_t value) { Set(kCodigoMunicipio, value); }
  void SetUf(const std::u16string& value) { Set(kUf, value); }
};

// "ConstrucaoCivil": the construction works a service belongs to.
class TXMLTcDadosConstrucaoCivil : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Element<std::u16string> kCodigoObra{"CodigoObra"};
  static constexpr binding::Element<std::u16string> kArt{"Art"};
  static constexpr auto kChildren = binding::Sequence(kCodigoObra, kArt);

  std::u16string CodigoObra() { return Get(kCodigoObra); }
  std::u16string Art() { return Get(kArt); }

  void SetCodigoObra(const std::u16string& value) { Set(kCodigoObra, value); }
  void SetArt(const std::u16string& value) { Set(kArt, value); }
};

}  // namespace query_documents

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

  // The street: an "Endereco" element inside the "Endereco" element.
  std::u16string Endereco() { return Text<std::u16string>("Endereco"); }
  std::u16string Numero() { return Text<std::u16string>("Numero"); }
  std::u16string Complemento() { return Text<std::u16string>("Complemento"); }
  std::u16string Bairro() { return Text<std::u16string>("Bairro"); }
  std::int32_t CodigoMunicipio() { return Value<std::int32_t>("CodigoMunicipio"); }
  std::u16string Uf() { return Text<std::u16string>("Uf"); }
  std::int32_t Cep() { return Value<std::int32_t>("Cep"); }

  void SetEndereco(const std::u16string& value) { SetValue("Endereco", value); }
  void SetNumero(const std::u16string& value) { SetValue("Numero", value); }
  void SetComplemento(const std::u16string& value) { SetValue("Complemento", value); }
  void SetBairro(const std::u16string& value) { SetValue("Bairro", value); }
  void SetCodigoMunicipio(std::int32_t value) { SetValue("CodigoMunicipio", value); }
  void SetUf(const std::u16string& value) { SetValue("Uf", value); }
  void SetCep(std::int32_t value) { SetValue("Cep", value); }
};

class TXMLTcContato : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::u16string Telefone() { return Text<std::u16string>("Telefone"); }
  std::u16string Email() { return Text<std::u16string>("Email"); }

  void SetTelefone(const std::u16string& value) { SetValue("Telefone", value); }
  void SetEmail(const std::u16string& value) { SetValue("Email", value); }
};

// A personal or a company tax number. Both are always reachable; nothing enforces that only one
// of them is present.
class TXMLTcCpfCnpj : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::u16string Cpf() { return Text<std::u16string>("Cpf"); }
  std::u16string Cnpj() { return Text<std::u16string>("Cnpj"); }

  void SetCpf(const std::u16string& value) { SetValue("Cpf", value); }
  void SetCnpj(const std::u16string& value) { SetValue("Cnpj", value); }
};

// "PrestadorServico".
class TXMLTcDadosPrestador : public binding::TXMLNode {
 public:
  explicit TXMLTcDadosPrestador(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcIdentificacaoPrestador>("IdentificacaoPrestador");
    Register<TXMLTcEndereco>("Endereco");
    Register<TXMLTcContato>("Contato");
  }

  std::shared_ptr<TXMLTcIdentificacaoPrestador> IdentificacaoPrestador() {
    return Child<TXMLTcIdentificacaoPrestador>("IdentificacaoPrestador");
  }
  std::u16string RazaoSocial() { return Text<std::u16string>("RazaoSocial"); }
  std::u16string NomeFantasia() { return Text<std::u16string>("NomeFantasia"); }
  std::shared_ptr<TXMLTcEndereco> Endereco() { return Child<TXMLTcEndereco>("Endereco"); }
  std::shared_ptr<TXMLTcContato> Contato() { return Child<TXMLTcContato>("Contato"); }

  void SetRazaoSocial(const std::u16string& value) { SetValue("RazaoSocial", value); }
  void SetNomeFantasia(const std::u16string& value) { SetValue("NomeFantasia", value); }
};

class TXMLTcIdentificacaoTomador : public binding::TXMLNode {
 public:
  explicit TXMLTcIdentificacaoTomador(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcCpfCnpj>("CpfCnpj");
  }

  std::shared_ptr<TXMLTcCpfCnpj> CpfCnpj() { return Child<TXMLTcCpfCnpj>("CpfCnpj"); }
  std::u16string InscricaoMunicipal() { return Text<std::u16string>("InscricaoMunicipal"); }

  void SetInscricaoMunicipal(const std::u16string& value) { SetValue("InscricaoMunicipal", value); }
};

// "TomadorServico". Unlike the provider it has no trade name.
class TXMLTcDadosTomador : public binding::TXMLNode {
 public:
  explicit TXMLTcDadosTomador(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcIdentificacaoTomador>("IdentificacaoTomador");
    Register<TXMLTcEndereco>("Endereco");
    Register<TXMLTcContato>("Contato");
  }

  std::shared_ptr<TXMLTcIdentificacaoTomador> IdentificacaoTomador() {
    return Child<TXMLTcIdentificacaoTomador>("IdentificacaoTomador");
  }
  std::u16string RazaoSocial() { return Text<std::u16string>("RazaoSocial"); }
  std::shared_ptr<TXMLTcEndereco> Endereco() { return Child<TXMLTcEndereco>("Endereco"); }
  std::shared_ptr<TXMLTcContato> Contato() { return Child<TXMLTcContato>("Contato"); }

  void SetRazaoSocial(const std::u16string& value) { SetValue("RazaoSocial", value); }
};

// "IntermediarioServico".
class TXMLTcIdentificacaoIntermediarioServico : public binding::TXMLNode {
 public:
  explicit TXMLTcIdentificacaoIntermediarioServico(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcCpfCnpj>("CpfCnpj");
  }

  std::u16string RazaoSocial() { return Text<std::u16string>("RazaoSocial"); }
  std::shared_ptr<TXMLTcCpfCnpj> CpfCnpj() { return Child<TXMLTcCpfCnpj>("CpfCnpj"); }
  std::u16string InscricaoMunicipal() { return Text<std::u16string>("InscricaoMunicipal"); }

  void SetRazaoSocial(const std::u16string& value) { SetValue("RazaoSocial", value); }
  void SetInscricaoMunicipal(const std::u16string& value) { SetValue("InscricaoMunicipal", value); }
};

// "OrgaoGerador": the body that issued the invoice.
class TXMLTcIdentificacaoOrgaoGerador : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::int32_t CodigoMunicipio() { return Value<std::int32_t>("CodigoMunicipio"); }
  std::u16string Uf() { return Text<std::u16string>("Uf"); }

  void SetCodigoMunicipio(std::int32_t value) { SetValue("CodigoMunicipio", value); }
  void SetUf(const std::u16string& value) { SetValue("Uf", value); }
};

// "ConstrucaoCivil": the construction works a service belongs to.
class TXMLTcDadosConstrucaoCivil : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::u16string CodigoObra() { return Text<std::u16string>("CodigoObra"); }
  std::u16string Art() { return Text<std::u16string>("Art"); }

  void SetCodigoObra(const std::u16string& value) { SetValue("CodigoObra", value); }
  void SetArt(const std::u16string& value) { SetValue("Art", value); }
};

}  // namespace query_documents

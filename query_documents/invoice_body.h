#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "binding/binding.h"
#include "query_documents/identification_types.h"
#include "query_documents/parties.h"

// The body of an issued invoice ("InfNfse"): its identification, dates, tax codes, the service
// with its amounts, and the parties. Amounts, the rate, dates and the reference period are text,
// never parsed or reformatted; integers wrap to their width without a range check.
namespace query_documents {

// "Valores": every amount and the rate are text; IssRetido is the only number.
class TXMLTcValores : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::u16string ValorServicos() { return Text<std::u16string>("ValorServicos"); }
  std::u16string ValorDeducoes() { return Text<std::u16string>("ValorDeducoes"); }
  std::u16string ValorPis() { return Text<std::u16string>("ValorPis"); }
  std::u16string ValorCofins() { return Text<std::u16string>("ValorCofins"); }
  std::u16string ValorInss() { return Text<std::u16string>("ValorInss"); }
  std::u16string ValorIr() { return Text<std::u16string>("ValorIr"); }
  std::u16string ValorCsll() { return Text<std::u16string>("ValorCsll"); }
  std::int8_t IssRetido() { return Value<std::int8_t>("IssRetido"); }
  std::u16string ValorIss() { return Text<std::u16string>("ValorIss"); }
  std::u16string ValorIssRetido() { return Text<std::u16string>("ValorIssRetido"); }
  std::u16string OutrasRetencoes() { return Text<std::u16string>("OutrasRetencoes"); }
  std::u16string BaseCalculo() { return Text<std::u16string>("BaseCalculo"); }
  std::u16string Aliquota() { return Text<std::u16string>("Aliquota"); }
  std::u16string ValorLiquidoNfse() { return Text<std::u16string>("ValorLiquidoNfse"); }
  std::u16string DescontoIncondicionado() { return Text<std::u16string>("DescontoIncondicionado"); }
  std::u16string DescontoCondicionado() { return Text<std::u16string>("DescontoCondicionado"); }

  void SetValorServicos(const std::u16string& value) { SetValue("ValorServicos", value); }
  void SetValorDeducoes(const std::u16string& value) { SetValue("ValorDeducoes", value); }
  void SetValorPis(const std::u16string& value) { SetValue("ValorPis", value); }
  void SetValorCofins(const std::u16string& value) { SetValue("ValorCofins", value); }
  void SetValorInss(const std::u16string& value) { SetValue("ValorInss", value); }
  void SetValorIr(const std::u16string& value) { SetValue("ValorIr", value); }
  void SetValorCsll(const std::u16string& value) { SetValue("ValorCsll", value); }
  void SetIssRetido(std::int8_t value) { SetValue("IssRetido", value); }
  void SetValorIss(const std::u16string& value) { SetValue("ValorIss", value); }
  void SetValorIssRetido(const std::u16string& value) { SetValue("ValorIssRetido", value); }
  void SetOutrasRetencoes(const std::u16string& value) { SetValue("OutrasRetencoes", value); }
  void SetBaseCalculo(const std::u16string& value) { SetValue("BaseCalculo", value); }
  void SetAliquota(const std::u16string& value) { SetValue("Aliquota", value); }
  void SetValorLiquidoNfse(const std::u16string& value) { SetValue("ValorLiquidoNfse", value); }
  void SetDescontoIncondicionado(const std::u16string& value) {
    SetValue("DescontoIncondicionado", value);
  }
  void SetDescontoCondicionado(const std::u16string& value) {
    SetValue("DescontoCondicionado", value);
  }
};

// "Servico".
class TXMLTcDadosServico : public binding::TXMLNode {
 public:
  explicit TXMLTcDadosServico(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcValores>("Valores");
  }

  std::shared_ptr<TXMLTcValores> Valores() { return Child<TXMLTcValores>("Valores"); }
  std::u16string ItemListaServico() { return Text<std::u16string>("ItemListaServico"); }
  std::int32_t CodigoCnae() { return Value<std::int32_t>("CodigoCnae"); }
  std::u16string CodigoTributacaoMunicipio() {
    return Text<std::u16string>("CodigoTributacaoMunicipio");
  }
  std::u16string Discriminacao() { return Text<std::u16string>("Discriminacao"); }
  std::int32_t CodigoMunicipio() { return Value<std::int32_t>("CodigoMunicipio"); }

  void SetItemListaServico(const std::u16string& value) { SetValue("ItemListaServico", value); }
  void SetCodigoCnae(std::int32_t value) { SetValue("CodigoCnae", value); }
  void SetCodigoTributacaoMunicipio(const std::u16string& value) {
    SetValue("CodigoTributacaoMunicipio", value);
  }
  void SetDiscriminacao(const std::u16string& value) { SetValue("Discriminacao", value); }
  void SetCodigoMunicipio(std::int32_t value) { SetValue("CodigoMunicipio", value); }
};

// "InfNfse": the invoice body.
class TXMLTcInfNfse : public binding::TXMLNode {
 public:
  explicit TXMLTcInfNfse(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcIdentificacaoRps>("IdentificacaoRps");
    Register<TXMLTcDadosServico>("Servico");
    Register<TXMLTcDadosPrestador>("PrestadorServico");
    Register<TXMLTcDadosTomador>("TomadorServico");
    Register<TXMLTcIdentificacaoIntermediarioServico>("IntermediarioServico");
    Register<TXMLTcIdentificacaoOrgaoGerador>("OrgaoGerador");
    Register<TXMLTcDadosConstrucaoCivil>("ConstrucaoCivil");
  }

  std::u16string Id() { return Attribute<std::u16string>("Id"); }
  std::uint32_t Numero() { return Value<std::uint32_t>("Numero"); }
  std::u16string CodigoVerificacao() { return Text<std::u16string>("CodigoVerificacao"); }
  std::u16string DataEmissao() { return Text<std::u16string>("DataEmissao"); }
  std::shared_ptr<TXMLTcIdentificacaoRps> IdentificacaoRps() {
    return Child<TXMLTcIdentificacaoRps>("IdentificacaoRps");
  }
  std::u16string DataEmissaoRps() { return Text<std::u16string>("DataEmissaoRps"); }
  std::int8_t NaturezaOperacao() { return Value<std::int8_t>("NaturezaOperacao"); }
  std::int8_t RegimeEspecialTributacao() { return Value<std::int8_t>("RegimeEspecialTributacao"); }
  std::int8_t OptanteSimplesNacional() { return Value<std::int8_t>("OptanteSimplesNacional"); }
  std::int8_t IncentivadorCultural() { return Value<std::int8_t>("IncentivadorCultural"); }
  std::u16string Competencia() { return Text<std::u16string>("Competencia"); }
  std::uint32_t NfseSubstituida() { return Value<std::uint32_t>("NfseSubstituida"); }
  std::u16string OutrasInformacoes() { return Text<std::u16string>("OutrasInformacoes"); }
  std::shared_ptr<TXMLTcDadosServico> Servico() { return Child<TXMLTcDadosServico>("Servico"); }
  std::u16string ValorCredito() { return Text<std::u16string>("ValorCredito"); }
  std::shared_ptr<TXMLTcDadosPrestador> PrestadorServico() {
    return Child<TXMLTcDadosPrestador>("PrestadorServico");
  }
  std::shared_ptr<TXMLTcDadosTomador> TomadorServico() {
    return Child<TXMLTcDadosTomador>("TomadorServico");
  }
  std::shared_ptr<TXMLTcIdentificacaoIntermediarioServico> IntermediarioServico() {
    return Child<TXMLTcIdentificacaoIntermediarioServico>("IntermediarioServico");
  }
  std::shared_ptr<TXMLTcIdentificacaoOrgaoGerador> OrgaoGerador() {
    return Child<TXMLTcIdentificacaoOrgaoGerador>("OrgaoGerador");
  }
  std::shared_ptr<TXMLTcDadosConstrucaoCivil> ConstrucaoCivil() {
    return Child<TXMLTcDadosConstrucaoCivil>("ConstrucaoCivil");
  }

  void SetId(const std::u16string& value) { SetAttribute("Id", value); }
  void SetNumero(std::uint32_t value) { SetValue("Numero", value); }
  void SetCodigoVerificacao(const std::u16string& value) { SetValue("CodigoVerificacao", value); }
  void SetDataEmissao(const std::u16string& value) { SetValue("DataEmissao", value); }
  void SetDataEmissaoRps(const std::u16string& value) { SetValue("DataEmissaoRps", value); }
  void SetNaturezaOperacao(std::int8_t value) { SetValue("NaturezaOperacao", value); }
  void SetRegimeEspecialTributacao(std::int8_t value) {
    SetValue("RegimeEspecialTributacao", value);
  }
  void SetOptanteSimplesNacional(std::int8_t value) { SetValue("OptanteSimplesNacional", value); }
  void SetIncentivadorCultural(std::int8_t value) { SetValue("IncentivadorCultural", value); }
  void SetCompetencia(const std::u16string& value) { SetValue("Competencia", value); }
  void SetNfseSubstituida(std::uint32_t value) { SetValue("NfseSubstituida", value); }
  void SetOutrasInformacoes(const std::u16string& value) { SetValue("OutrasInformacoes", value); }
  void SetValorCredito(const std::u16string& value) { SetValue("ValorCredito", value); }
};

}  // namespace query_documents

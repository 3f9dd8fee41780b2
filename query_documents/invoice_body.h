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
  static constexpr binding::Element<std::u16string> kValorServicos{"ValorServicos"};
  static constexpr binding::Element<std::u16string> kValorDeducoes{"ValorDeducoes"};
  static constexpr binding::Element<std::u16string> kValorPis{"ValorPis"};
  static constexpr binding::Element<std::u16string> kValorCofins{"ValorCofins"};
  static constexpr binding::Element<std::u16string> kValorInss{"ValorInss"};
  static constexpr binding::Element<std::u16string> kValorIr{"ValorIr"};
  static constexpr binding::Element<std::u16string> kValorCsll{"ValorCsll"};
  static constexpr binding::Element<std::int8_t> kIssRetido{"IssRetido"};
  static constexpr binding::Element<std::u16string> kValorIss{"ValorIss"};
  static constexpr binding::Element<std::u16string> kValorIssRetido{"ValorIssRetido"};
  static constexpr binding::Element<std::u16string> kOutrasRetencoes{"OutrasRetencoes"};
  static constexpr binding::Element<std::u16string> kBaseCalculo{"BaseCalculo"};
  static constexpr binding::Element<std::u16string> kAliquota{"Aliquota"};
  static constexpr binding::Element<std::u16string> kValorLiquidoNfse{"ValorLiquidoNfse"};
  static constexpr binding::Element<std::u16string> kDescontoIncondicionado{
      "DescontoIncondicionado"};
  static constexpr binding::Element<std::u16string> kDescontoCondicionado{"DescontoCondicionado"};
  static constexpr auto kChildren = binding::Sequence(
      kValorServicos, kValorDeducoes, kValorPis, kValorCofins, kValorInss, kValorIr, kValorCsll,
      kIssRetido, kValorIss, kValorIssRetido, kOutrasRetencoes, kBaseCalculo, kAliquota,
      kValorLiquidoNfse, kDescontoIncondicionado, kDescontoCondicionado);

  std::u16string ValorServicos() { return Get(kValorServicos); }
  std::u16string ValorDeducoes() { return Get(kValorDeducoes); }
  std::u16string ValorPis() { return Get(kValorPis); }
  std::u16string ValorCofins() { return Get(kValorCofins); }
  std::u16string ValorInss() { return Get(kValorInss); }
  std::u16string ValorIr() { return Get(kValorIr); }
  std::u16string ValorCsll() { return Get(kValorCsll); }
  std::int8_t IssRetido() { return Get(kIssRetido); }
  std::u16string ValorIss() { return Get(kValorIss); }
  std::u16string ValorIssRetido() { return Get(kValorIssRetido); }
  std::u16string OutrasRetencoes() { return Get(kOutrasRetencoes); }
  std::u16string BaseCalculo() { return Get(kBaseCalculo); }
  std::u16string Aliquota() { return Get(kAliquota); }
  std::u16string ValorLiquidoNfse() { return Get(kValorLiquidoNfse); }
  std::u16string DescontoIncondicionado() { return Get(kDescontoIncondicionado); }
  std::u16string DescontoCondicionado() { return Get(kDescontoCondicionado); }

  void SetValorServicos(const std::u16string& value) { Set(kValorServicos, value); }
  void SetValorDeducoes(const std::u16string& value) { Set(kValorDeducoes, value); }
  void SetValorPis(const std::u16string& value) { Set(kValorPis, value); }
  void SetValorCofins(const std::u16string& value) { Set(kValorCofins, value); }
  void SetValorInss(const std::u16string& value) { Set(kValorInss, value); }
  void SetValorIr(const std::u16string& value) { Set(kValorIr, value); }
  void SetValorCsll(const std::u16string& value) { Set(kValorCsll, value); }
  void SetIssRetido(std::int8_t value) { Set(kIssRetido, value); }
  void SetValorIss(const std::u16string& value) { Set(kValorIss, value); }
  void SetValorIssRetido(const std::u16string& value) { Set(kValorIssRetido, value); }
  void SetOutrasRetencoes(const std::u16string& value) { Set(kOutrasRetencoes, value); }
  void SetBaseCalculo(const std::u16string& value) { Set(kBaseCalculo, value); }
  void SetAliquota(const std::u16string& value) { Set(kAliquota, value); }
  void SetValorLiquidoNfse(const std::u16string& value) { Set(kValorLiquidoNfse, value); }
  void SetDescontoIncondicionado(const std::u16string& value) {
    Set(kDescontoIncondicionado, value);
  }
  void SetDescontoCondicionado(const std::u16string& value) { Set(kDescontoCondicionado, value); }
};

// "Servico".
class TXMLTcDadosServico : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcValores> kValores{"Valores"};
  static constexpr binding::Element<std::u16string> kItemListaServico{"ItemListaServico"};
  static constexpr binding::Element<std::int32_t> kCodigoCnae{"CodigoCnae"};
  static constexpr binding::Element<std::u16string> kCodigoTributacaoMunicipio{
      "CodigoTributacaoMunicipio"};
  static constexpr binding::Element<std::u16string> kDiscriminacao{"Discriminacao"};
  static constexpr binding::Element<std::int32_t> kCodigoMunicipio{"CodigoMunicipio"};
  static constexpr auto kChildren =
      binding::Sequence(kValores, kItemListaServico, kCodigoCnae, kCodigoTributacaoMunicipio,
                        kDiscriminacao, kCodigoMunicipio);

  std::shared_ptr<TXMLTcValores> Valores() { return Get(kValores); }
  std::u16string ItemListaServico() { return Get(kItemListaServico); }
  std::int32_t CodigoCnae() { return Get(kCodigoCnae); }
  std::u16string CodigoTributacaoMunicipio() { return Get(kCodigoTributacaoMunicipio); }
  std::u16string Discriminacao() { return Get(kDiscriminacao); }
  std::int32_t CodigoMunicipio() { return Get(kCodigoMunicipio); }

  void SetItemListaServico(const std::u16string& value) { Set(kItemListaServico, value); }
  void SetCodigoCnae(std::int32_t value) { Set(kCodigoCnae, value); }
  void SetCodigoTributacaoMunicipio(const std::u16string& value) {
    Set(kCodigoTributacaoMunicipio, value);
  }
  void SetDiscriminacao(const std::u16string& value) { Set(kDiscriminacao, value); }
  void SetCodigoMunicipio(std::int32_t value) { Set(kCodigoMunicipio, value); }
};

// "InfNfse": the invoice body.
class TXMLTcInfNfse : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Attribute<std::u16string> kId{"Id"};
  static constexpr binding::Element<std::uint32_t> kNumero{"Numero"};
  static constexpr binding::Element<std::u16string> kCodigoVerificacao{"CodigoVerificacao"};
  static constexpr binding::Element<std::u16string> kDataEmissao{"DataEmissao"};
  static constexpr binding::Child<TXMLTcIdentificacaoRps> kIdentificacaoRps{"IdentificacaoRps"};
  static constexpr binding::Element<std::u16string> kDataEmissaoRps{"DataEmissaoRps"};
  static constexpr binding::Element<std::int8_t> kNaturezaOperacao{"NaturezaOperacao"};
  static constexpr binding::Element<std::int8_t> kRegimeEspecialTributacao{
      "RegimeEspecialTributacao"};
  static constexpr binding::Element<std::int8_t> kOptanteSimplesNacional{"OptanteSimplesNacional"};
  static constexpr binding::Element<std::int8_t> kIncentivadorCultural{"IncentivadorCultural"};
  static constexpr binding::Element<std::u16string> kCompetencia{"Competencia"};
  static constexpr binding::Element<std::uint32_t> kNfseSubstituida{"NfseSubstituida"};
  static constexpr binding::Element<std::u16string> kOutrasInformacoes{"OutrasInformacoes"};
  static constexpr binding::Child<TXMLTcDadosServico> kServico{"Servico"};
  static constexpr binding::Element<std::u16string> kValorCredito{"ValorCredito"};
  static constexpr binding::Child<TXMLTcDadosPrestador> kPrestadorServico{"PrestadorServico"};
  static constexpr binding::Child<TXMLTcDadosTomador> kTomadorServico{"TomadorServico"};
  static constexpr binding::Child<TXMLTcIdentificacaoIntermediarioServico> kIntermediarioServico{
      "IntermediarioServico"};
  static constexpr binding::Child<TXMLTcIdentificacaoOrgaoGerador> kOrgaoGerador{"OrgaoGerador"};
  static constexpr binding::Child<TXMLTcDadosConstrucaoCivil> kConstrucaoCivil{"ConstrucaoCivil"};
  static constexpr auto kChildren = binding::Sequence(
      kNumero, kCodigoVerificacao, kDataEmissao, kIdentificacaoRps, kDataEmissaoRps,
      kNaturezaOperacao, kRegimeEspecialTributacao, kOptanteSimplesNacional, kIncentivadorCultural,
      kCompetencia, kNfseSubstituida, kOutrasInformacoes, kServico, kValorCredito,
      kPrestadorServico, kTomadorServico, kIntermediarioServico, kOrgaoGerador, kConstrucaoCivil);

  std::u16string Id() { return Get(kId); }
  std::uint32_t Numero() { return Get(kNumero); }
  std::u16string CodigoVerificacao() { return Get(kCodigoVerificacao); }
  std::u16string DataEmissao() { return Get(kDataEmissao); }
  std::shared_ptr<TXMLTcIdentificacaoRps> IdentificacaoRps() { return Get(kIdentificacaoRps); }
  std::u16string DataEmissaoRps() { return Get(kDataEmissaoRps); }
  std::int8_t NaturezaOperacao() { return Get(kNaturezaOperacao); }
  std::int8_t RegimeEspecialTributacao() { return Get(kRegimeEspecialTributacao); }
  std::int8_t OptanteSimplesNacional() { return Get(kOptanteSimplesNacional); }
  std::int8_t IncentivadorCultural() { return Get(kIncentivadorCultural); }
  std::u16string Competencia() { return Get(kCompetencia); }
  std::uint32_t NfseSubstituida() { return Get(kNfseSubstituida); }
  std::u16string OutrasInformacoes() { return Get(kOutrasInformacoes); }
  std::shared_ptr<TXMLTcDadosServico> Servico() { return Get(kServico); }
  std::u16string ValorCredito() { return Get(kValorCredito); }
  std::shared_ptr<TXMLTcDadosPrestador> PrestadorServico() { return Get(kPrestadorServico); }
  std::shared_ptr<TXMLTcDadosTomador> TomadorServico() { return Get(kTomadorServico); }
  std::shared_ptr<TXMLTcIdentificacaoIntermediarioServico> IntermediarioServico() {
    return Get(kIntermediarioServico);
  }
  std::shared_ptr<TXMLTcIdentificacaoOrgaoGerador> OrgaoGerador() { return Get(kOrgaoGerador); }
  std::shared_ptr<TXMLTcDadosConstrucaoCivil> ConstrucaoCivil() { return Get(kConstrucaoCivil); }

  void SetId(const std::u16string& value) { Set(kId, value); }
  void SetNumero(std::uint32_t value) { Set(kNumero, value); }
  void SetCodigoVerificacao(const std::u16string& value) { Set(kCodigoVerificacao, value); }
  void SetDataEmissao(const std::u16string& value) { Set(kDataEmissao, value); }
  void SetDataEmissaoRps(const std::u16string& value) { Set(kDataEmissaoRps, value); }
  void SetNaturezaOperacao(std::int8_t value) { Set(kNaturezaOperacao, value); }
  void SetRegimeEspecialTributacao(std::int8_t value) { Set(kRegimeEspecialTributacao, value); }
  void SetOptanteSimplesNacional(std::int8_t value) { Set(kOptanteSimplesNacional, value); }
  void SetIncentivadorCultural(std::int8_t value) { Set(kIncentivadorCultural, value); }
  void SetCompetencia(const std::u16string& value) { Set(kCompetencia, value); }
  void SetNfseSubstituida(std::uint32_t value) { Set(kNfseSubstituida, value); }
  void SetOutrasInformacoes(const std::u16string& value) { Set(kOutrasInformacoes, value); }
  void SetValorCredito(const std::u16string& value) { Set(kValorCredito, value); }
};

}  // namespace query_documents

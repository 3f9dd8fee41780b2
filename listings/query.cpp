#include "listings/query.h"

#include <cstdint>

#include "binding/text.h"
#include "listings/grid_integer.h"
#include "listings/reading.h"

namespace listings {

namespace {

using Envio = query_documents::TXMLConsultarNfseRpsEnvio;
using Resposta = query_documents::TXMLConsultarNfseRpsResposta;

std::int32_t GridInteger(const std::u16string& text) {
  return ParseGridInteger(binding::Utf16ToUtf8(text));
}

// The number is parsed before its parent is reached, so a failed parse leaves the parent absent.
constexpr QueryRequestField kRequestFields[] = {
    {Grid::Upper, "Numero", "4", "IdentificacaoRps/Numero",
     [](Envio& r, const std::u16string& text) {
       const auto numero = static_cast<std::uint32_t>(GridInteger(text));
       r.IdentificacaoRps()->SetNumero(numero);
     },
     [](Envio& r) { return Shown(r.IdentificacaoRps()->Numero()); }},
    {Grid::Upper, "Serie", "1", "IdentificacaoRps/Serie",
     [](Envio& r, const std::u16string& text) { r.IdentificacaoRps()->SetSerie(text); },
     [](Envio& r) { return Shown(r.IdentificacaoRps()->Serie()); }},
    {Grid::Upper, "Tipo", "1", "IdentificacaoRps/Tipo",
     [](Envio& r, const std::u16string& text) {
       const auto tipo = static_cast<std::int8_t>(GridInteger(text));
       r.IdentificacaoRps()->SetTipo(tipo);
     },
     [](Envio& r) { return Shown(r.IdentificacaoRps()->Tipo()); }},
    {Grid::Lower, "Cnpj", "99888777000166", "Prestador/Cnpj",
     [](Envio& r, const std::u16string& text) { r.Prestador()->SetCnpj(text); },
     [](Envio& r) { return Shown(r.Prestador()->Cnpj()); }},
    {Grid::Lower, "InscricaoMunicipal", "552190", "Prestador/InscricaoMunicipal",
     [](Envio& r, const std::u16string& text) { r.Prestador()->SetInscricaoMunicipal(text); },
     [](Envio& r) { return Shown(r.Prestador()->InscricaoMunicipal()); }},
};

auto Inf(Resposta& root) { return root.CompNfse()->Nfse()->InfNfse(); }
auto Valores(Resposta& root) { return Inf(root)->Servico()->Valores(); }
auto Prestador(Resposta& root) { return Inf(root)->PrestadorServico(); }
auto Tomador(Resposta& root) { return Inf(root)->TomadorServico(); }
auto Intermediario(Resposta& root) { return Inf(root)->IntermediarioServico(); }
auto Confirmacao(Resposta& root) { return root.CompNfse()->NfseCancelamento()->Confirmacao(); }
auto Pedido(Resposta& root) { return Confirmacao(root)->Pedido()->InfPedidoCancelamento(); }
auto Substituicao(Resposta& root) {
  return root.CompNfse()->NfseSubstituicao()->SubstituicaoNfse();
}

// The returned NFS-e, each value read from the root again.
constexpr Line<Resposta> kInvoiceLines[] = {
    {"CompNfse/Nfse/InfNfse/@Id", [](Resposta& r) { return Shown(Inf(r)->Id()); }},
    {"CompNfse/Nfse/InfNfse/Numero", [](Resposta& r) { return Shown(Inf(r)->Numero()); }},
    {"CompNfse/Nfse/InfNfse/CodigoVerificacao",
     [](Resposta& r) { return Shown(Inf(r)->CodigoVerificacao()); }},
    {"CompNfse/Nfse/InfNfse/DataEmissao", [](Resposta& r) { return Shown(Inf(r)->DataEmissao()); }},
    {"CompNfse/Nfse/InfNfse/IdentificacaoRps/Numero",
     [](Resposta& r) { return Shown(Inf(r)->IdentificacaoRps()->Numero()); }},
    {"CompNfse/Nfse/InfNfse/IdentificacaoRps/Serie",
     [](Resposta& r) { return Shown(Inf(r)->IdentificacaoRps()->Serie()); }},
    {"CompNfse/Nfse/InfNfse/IdentificacaoRps/Tipo",
     [](Resposta& r) { return Shown(Inf(r)->IdentificacaoRps()->Tipo()); }},
    {"CompNfse/Nfse/InfNfse/DataEmissaoRps",
     [](Resposta& r) { return Shown(Inf(r)->DataEmissaoRps()); }},
    {"CompNfse/Nfse/InfNfse/NaturezaOperacao",
     [](Resposta& r) { return Shown(Inf(r)->NaturezaOperacao()); }},
    {"CompNfse/Nfse/InfNfse/RegimeEspecialTributacao",
     [](Resposta& r) { return Shown(Inf(r)->RegimeEspecialTributacao()); }},
    {"CompNfse/Nfse/InfNfse/OptanteSimplesNacional",
     [](Resposta& r) { return Shown(Inf(r)->OptanteSimplesNacional()); }},
    {"CompNfse/Nfse/InfNfse/IncentivadorCultural",
     [](Resposta& r) { return Shown(Inf(r)->IncentivadorCultural()); }},
    {"CompNfse/Nfse/InfNfse/Competencia", [](Resposta& r) { return Shown(Inf(r)->Competencia()); }},
    {"CompNfse/Nfse/InfNfse/NfseSubstituida",
     [](Resposta& r) { return Shown(Inf(r)->NfseSubstituida()); }},
    {"CompNfse/Nfse/InfNfse/OutrasInformacoes",
     [](Resposta& r) { return Shown(Inf(r)->OutrasInformacoes()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorServicos",
     [](Resposta& r) { return Shown(Valores(r)->ValorServicos()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorDeducoes",
     [](Resposta& r) { return Shown(Valores(r)->ValorDeducoes()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorPis",
     [](Resposta& r) { return Shown(Valores(r)->ValorPis()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorCofins",
     [](Resposta& r) { return Shown(Valores(r)->ValorCofins()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorInss",
     [](Resposta& r) { return Shown(Valores(r)->ValorInss()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorIr",
     [](Resposta& r) { return Shown(Valores(r)->ValorIr()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorCsll",
     [](Resposta& r) { return Shown(Valores(r)->ValorCsll()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/IssRetido",
     [](Resposta& r) { return Shown(Valores(r)->IssRetido()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorIss",
     [](Resposta& r) { return Shown(Valores(r)->ValorIss()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorIssRetido",
     [](Resposta& r) { return Shown(Valores(r)->ValorIssRetido()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/OutrasRetencoes",
     [](Resposta& r) { return Shown(Valores(r)->OutrasRetencoes()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/BaseCalculo",
     [](Resposta& r) { return Shown(Valores(r)->BaseCalculo()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/Aliquota",
     [](Resposta& r) { return Shown(Valores(r)->Aliquota()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/ValorLiquidoNfse",
     [](Resposta& r) { return Shown(Valores(r)->ValorLiquidoNfse()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/DescontoIncondicionado",
     [](Resposta& r) { return Shown(Valores(r)->DescontoIncondicionado()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Valores/DescontoCondicionado",
     [](Resposta& r) { return Shown(Valores(r)->DescontoCondicionado()); }},
    {"CompNfse/Nfse/InfNfse/Servico/ItemListaServico",
     [](Resposta& r) { return Shown(Inf(r)->Servico()->ItemListaServico()); }},
    {"CompNfse/Nfse/InfNfse/Servico/CodigoCnae",
     [](Resposta& r) { return Shown(Inf(r)->Servico()->CodigoCnae()); }},
    {"CompNfse/Nfse/InfNfse/Servico/CodigoTributacaoMunicipio",
     [](Resposta& r) { return Shown(Inf(r)->Servico()->CodigoTributacaoMunicipio()); }},
    {"CompNfse/Nfse/InfNfse/Servico/Discriminacao",
     [](Resposta& r) { return Shown(Inf(r)->Servico()->Discriminacao()); }},
    {"CompNfse/Nfse/InfNfse/Servico/CodigoMunicipio",
     [](Resposta& r) { return Shown(Inf(r)->Servico()->CodigoMunicipio()); }},
    {"CompNfse/Nfse/InfNfse/ValorCredito",
     [](Resposta& r) { return Shown(Inf(r)->ValorCredito()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/IdentificacaoPrestador/Cnpj",
     [](Resposta& r) { return Shown(Prestador(r)->IdentificacaoPrestador()->Cnpj()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/IdentificacaoPrestador/InscricaoMunicipal",
     [](Resposta& r) {
       return Shown(Prestador(r)->IdentificacaoPrestador()->InscricaoMunicipal());
     }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/RazaoSocial",
     [](Resposta& r) { return Shown(Prestador(r)->RazaoSocial()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/NomeFantasia",
     [](Resposta& r) { return Shown(Prestador(r)->NomeFantasia()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/Endereco",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->Endereco()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/Numero",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->Numero()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/Complemento",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->Complemento()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/Bairro",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->Bairro()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/CodigoMunicipio",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->CodigoMunicipio()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/Uf",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->Uf()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Endereco/Cep",
     [](Resposta& r) { return Shown(Prestador(r)->Endereco()->Cep()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Contato/Telefone",
     [](Resposta& r) { return Shown(Prestador(r)->Contato()->Telefone()); }},
    {"CompNfse/Nfse/InfNfse/PrestadorServico/Contato/Email",
     [](Resposta& r) { return Shown(Prestador(r)->Contato()->Email()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/IdentificacaoTomador/CpfCnpj/Cpf",
     [](Resposta& r) { return Shown(Tomador(r)->IdentificacaoTomador()->CpfCnpj()->Cpf()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/IdentificacaoTomador/CpfCnpj/Cnpj",
     [](Resposta& r) { return Shown(Tomador(r)->IdentificacaoTomador()->CpfCnpj()->Cnpj()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/IdentificacaoTomador/InscricaoMunicipal",
     [](Resposta& r) { return Shown(Tomador(r)->IdentificacaoTomador()->InscricaoMunicipal()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/RazaoSocial",
     [](Resposta& r) { return Shown(Tomador(r)->RazaoSocial()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/Endereco",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->Endereco()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/Numero",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->Numero()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/Complemento",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->Complemento()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/Bairro",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->Bairro()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/CodigoMunicipio",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->CodigoMunicipio()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/Uf",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->Uf()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Endereco/Cep",
     [](Resposta& r) { return Shown(Tomador(r)->Endereco()->Cep()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Contato/Telefone",
     [](Resposta& r) { return Shown(Tomador(r)->Contato()->Telefone()); }},
    {"CompNfse/Nfse/InfNfse/TomadorServico/Contato/Email",
     [](Resposta& r) { return Shown(Tomador(r)->Contato()->Email()); }},
    {"CompNfse/Nfse/InfNfse/IntermediarioServico/RazaoSocial",
     [](Resposta& r) { return Shown(Intermediario(r)->RazaoSocial()); }},
    {"CompNfse/Nfse/InfNfse/IntermediarioServico/CpfCnpj/Cpf",
     [](Resposta& r) { return Shown(Intermediario(r)->CpfCnpj()->Cpf()); }},
    {"CompNfse/Nfse/InfNfse/IntermediarioServico/CpfCnpj/Cnpj",
     [](Resposta& r) { return Shown(Intermediario(r)->CpfCnpj()->Cnpj()); }},
    {"CompNfse/Nfse/InfNfse/IntermediarioServico/InscricaoMunicipal",
     [](Resposta& r) { return Shown(Intermediario(r)->InscricaoMunicipal()); }},
    {"CompNfse/Nfse/InfNfse/OrgaoGerador/CodigoMunicipio",
     [](Resposta& r) { return Shown(Inf(r)->OrgaoGerador()->CodigoMunicipio()); }},
    {"CompNfse/Nfse/InfNfse/OrgaoGerador/Uf",
     [](Resposta& r) { return Shown(Inf(r)->OrgaoGerador()->Uf()); }},
    {"CompNfse/Nfse/InfNfse/ConstrucaoCivil/CodigoObra",
     [](Resposta& r) { return Shown(Inf(r)->ConstrucaoCivil()->CodigoObra()); }},
    {"CompNfse/Nfse/InfNfse/ConstrucaoCivil/Art",
     [](Resposta& r) { return Shown(Inf(r)->ConstrucaoCivil()->Art()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/@Id",
     [](Resposta& r) { return Shown(Confirmacao(r)->Id()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/@Id",
     [](Resposta& r) { return Shown(Pedido(r)->Id()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/Numero",
     [](Resposta& r) { return Shown(Pedido(r)->IdentificacaoNfse()->Numero()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/Cnpj",
     [](Resposta& r) { return Shown(Pedido(r)->IdentificacaoNfse()->Cnpj()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/"
     "InscricaoMunicipal",
     [](Resposta& r) { return Shown(Pedido(r)->IdentificacaoNfse()->InscricaoMunicipal()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/"
     "CodigoMunicipio",
     [](Resposta& r) { return Shown(Pedido(r)->IdentificacaoNfse()->CodigoMunicipio()); }},
    {"CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/CodigoCancelamento",
     [](Resposta& r) { return Shown(Pedido(r)->CodigoCancelamento()); }},
    {"CompNfse/NfseSubstituicao/SubstituicaoNfse/@Id",
     [](Resposta& r) { return Shown(Substituicao(r)->Id()); }},
    {"CompNfse/NfseSubstituicao/SubstituicaoNfse/NfseSubstituidora",
     [](Resposta& r) { return Shown(Substituicao(r)->NfseSubstituidora()); }},
};

}  // namespace

std::span<const QueryRequestField> QueryRequestFields() { return kRequestFields; }

Listing ListQueryRequest(Envio& root) { return ListRequest(root, QueryRequestFields()); }

Listing ListQueryResponse(Resposta& root) { return ListResponse<Resposta>(root, kInvoiceLines); }

}  // namespace listings

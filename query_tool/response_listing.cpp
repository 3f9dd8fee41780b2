#include "query_tool/response_listing.h"

#include <charconv>
#include <cstdint>

namespace query_tool {

namespace {

using query_documents::TXMLConsultarNfseRpsResposta;

// An integer in decimal, with "-" when negative; an 8-bit value is a number, not a character.
template <class Integer>
std::u16string Decimal(Integer value) {
  char digits[16];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value)).ptr;
  return std::u16string(digits, end);
}

auto Inf(TXMLConsultarNfseRpsResposta& root) { return root.CompNfse()->Nfse()->InfNfse(); }
auto Rps(TXMLConsultarNfseRpsResposta& root) { return Inf(root)->IdentificacaoRps(); }
auto Servico(TXMLConsultarNfseRpsResposta& root) { return Inf(root)->Servico(); }
auto Valores(TXMLConsultarNfseRpsResposta& root) { return Servico(root)->Valores(); }
auto Prestador(TXMLConsultarNfseRpsResposta& root) { return Inf(root)->PrestadorServico(); }
auto Tomador(TXMLConsultarNfseRpsResposta& root) { return Inf(root)->TomadorServico(); }
auto Intermediario(TXMLConsultarNfseRpsResposta& root) { return Inf(root)->IntermediarioServico(); }
auto Confirmacao(TXMLConsultarNfseRpsResposta& root) {
  return root.CompNfse()->NfseCancelamento()->Confirmacao();
}
auto InfPedido(TXMLConsultarNfseRpsResposta& root) {
  return Confirmacao(root)->Pedido()->InfPedidoCancelamento();
}
auto Substituicao(TXMLConsultarNfseRpsResposta& root) {
  return root.CompNfse()->NfseSubstituicao()->SubstituicaoNfse();
}

}  // namespace

void ListNfse(TXMLConsultarNfseRpsResposta& root, std::vector<std::u16string>& lines) {
  auto& r = root;
  const auto add = [&lines](std::u16string line) { lines.push_back(std::move(line)); };
  add(Inf(r)->Id());
  add(Decimal(Inf(r)->Numero()));
  add(Inf(r)->CodigoVerificacao());
  add(Inf(r)->DataEmissao());
  add(Decimal(Rps(r)->Numero()));
  add(Rps(r)->Serie());
  add(Decimal(Rps(r)->Tipo()));
  add(Inf(r)->DataEmissaoRps());
  add(Decimal(Inf(r)->NaturezaOperacao()));
  add(Decimal(Inf(r)->RegimeEspecialTributacao()));
  add(Decimal(Inf(r)->OptanteSimplesNacional()));
  add(Decimal(Inf(r)->IncentivadorCultural()));
  add(Inf(r)->Competencia());
  add(Decimal(Inf(r)->NfseSubstituida()));
  add(Inf(r)->OutrasInformacoes());
  add(Valores(r)->ValorServicos());
  add(Valores(r)->ValorDeducoes());
  add(Valores(r)->ValorPis());
  add(Valores(r)->ValorCofins());
  add(Valores(r)->ValorInss());
  add(Valores(r)->ValorIr());
  add(Valores(r)->ValorCsll());
  add(Decimal(Valores(r)->IssRetido()));
  add(Valores(r)->ValorIss());
  add(Valores(r)->ValorIssRetido());
  add(Valores(r)->OutrasRetencoes());
  add(Valores(r)->BaseCalculo());
  add(Valores(r)->Aliquota());
  add(Valores(r)->ValorLiquidoNfse());
  add(Valores(r)->DescontoIncondicionado());
  add(Valores(r)->DescontoCondicionado());
  add(Servico(r)->ItemListaServico());
  add(Decimal(Servico(r)->CodigoCnae()));
  add(Servico(r)->CodigoTributacaoMunicipio());
  add(Servico(r)->Discriminacao());
  add(Decimal(Servico(r)->CodigoMunicipio()));
  add(Inf(r)->ValorCredito());
  add(Prestador(r)->IdentificacaoPrestador()->Cnpj());
  add(Prestador(r)->IdentificacaoPrestador()->InscricaoMunicipal());
  add(Prestador(r)->RazaoSocial());
  add(Prestador(r)->NomeFantasia());
  add(Prestador(r)->Endereco()->Endereco());
  add(Prestador(r)->Endereco()->Numero());
  add(Prestador(r)->Endereco()->Complemento());
  add(Prestador(r)->Endereco()->Bairro());
  add(Decimal(Prestador(r)->Endereco()->CodigoMunicipio()));
  add(Prestador(r)->Endereco()->Uf());
  add(Decimal(Prestador(r)->Endereco()->Cep()));
  add(Prestador(r)->Contato()->Telefone());
  add(Prestador(r)->Contato()->Email());
  add(Tomador(r)->IdentificacaoTomador()->CpfCnpj()->Cpf());
  add(Tomador(r)->IdentificacaoTomador()->CpfCnpj()->Cnpj());
  add(Tomador(r)->IdentificacaoTomador()->InscricaoMunicipal());
  add(Tomador(r)->RazaoSocial());
  add(Tomador(r)->Endereco()->Endereco());
  add(Tomador(r)->Endereco()->Numero());
  add(Tomador(r)->Endereco()->Complemento());
  add(Tomador(r)->Endereco()->Bairro());
  add(Decimal(Tomador(r)->Endereco()->CodigoMunicipio()));
  add(Tomador(r)->Endereco()->Uf());
  add(Decimal(Tomador(r)->Endereco()->Cep()));
  add(Tomador(r)->Contato()->Telefone());
  add(Tomador(r)->Contato()->Email());
  add(Intermediario(r)->RazaoSocial());
  add(Intermediario(r)->CpfCnpj()->Cpf());
  add(Intermediario(r)->CpfCnpj()->Cnpj());
  add(Intermediario(r)->InscricaoMunicipal());
  add(Decimal(Inf(r)->OrgaoGerador()->CodigoMunicipio()));
  add(Inf(r)->OrgaoGerador()->Uf());
  add(Inf(r)->ConstrucaoCivil()->CodigoObra());
  add(Inf(r)->ConstrucaoCivil()->Art());
  add(Confirmacao(r)->Id());
  add(InfPedido(r)->Id());
  add(Decimal(InfPedido(r)->IdentificacaoNfse()->Numero()));
  add(InfPedido(r)->IdentificacaoNfse()->Cnpj());
  add(InfPedido(r)->IdentificacaoNfse()->InscricaoMunicipal());
  add(Decimal(InfPedido(r)->IdentificacaoNfse()->CodigoMunicipio()));
  add(InfPedido(r)->CodigoCancelamento());
  add(Substituicao(r)->Id());
  add(Decimal(Substituicao(r)->NfseSubstituidora()));
}

void ListReturnMessages(TXMLConsultarNfseRpsResposta& root, std::vector<std::u16string>& lines) {
  const std::int32_t count = root.ListaMensagemRetorno()->Count();
  for (std::int32_t i = 0; i < count; ++i) {
    lines.push_back(root.ListaMensagemRetorno()->ItemAt(i)->Codigo());
    lines.push_back(root.ListaMensagemRetorno()->ItemAt(i)->Mensagem());
    lines.push_back(root.ListaMensagemRetorno()->ItemAt(i)->Correcao());
  }
}

}  // namespace query_tool

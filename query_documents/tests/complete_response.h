#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "binding/binding.h"
#include "query_documents/query_documents.h"

// A complete query response as a service returns it: every element of the invoice that the
// bindings reach, two signatures of the invoice, a cancellation and a substitution record and
// its return messages. Shared by the tests and the benchmarks.
namespace query_documents::testing {

// Signatures are written under "dsig:Signature" with the prefix bound to the response
// namespace, so the records' text readers find them.
inline std::string CompleteResponseXml(std::int64_t messages = 3,
                                       const std::string& innerNamespace = {}) {
  const std::string inner = innerNamespace.empty() ? "" : " xmlns=\"" + innerNamespace + "\"";
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<ConsultarNfseRpsResposta xmlns=\"" +
      ResponseNamespace + "\" xmlns:dsig=\"" + ResponseNamespace + "\"><CompNfse" + inner +
      "><Nfse>"
      "<InfNfse Id=\"NFSe2024000000123\"><Numero>123</Numero>"
      "<CodigoVerificacao>A1B2-C3D4</CodigoVerificacao>"
      "<DataEmissao>2024-03-15T10:21:37</DataEmissao>"
      "<IdentificacaoRps><Numero>45</Numero><Serie>UNICA</Serie><Tipo>1</Tipo></IdentificacaoRps>"
      "<DataEmissaoRps>2024-03-15</DataEmissaoRps><NaturezaOperacao>1</NaturezaOperacao>"
      "<RegimeEspecialTributacao>6</RegimeEspecialTributacao>"
      "<OptanteSimplesNacional>2</OptanteSimplesNacional>"
      "<IncentivadorCultural>2</IncentivadorCultural><Competencia>2024-03-01</Competencia>"
      "<NfseSubstituida>98</NfseSubstituida>"
      "<OutrasInformacoes>Servi\xC3\xA7o prestado conforme contrato n\xC2\xBA 12/2024"
      "</OutrasInformacoes>"
      "<Servico><Valores><ValorServicos>1500.00</ValorServicos>"
      "<ValorDeducoes>0.00</ValorDeducoes><ValorPis>9.75</ValorPis>"
      "<ValorCofins>45.00</ValorCofins><ValorInss>0.00</ValorInss><ValorIr>22.50</ValorIr>"
      "<ValorCsll>15.00</ValorCsll><IssRetido>2</IssRetido><ValorIss>75.00</ValorIss>"
      "<ValorIssRetido>0.00</ValorIssRetido><OutrasRetencoes>0.00</OutrasRetencoes>"
      "<BaseCalculo>1500.00</BaseCalculo><Aliquota>0.05</Aliquota>"
      "<ValorLiquidoNfse>1407.75</ValorLiquidoNfse>"
      "<DescontoIncondicionado>0.00</DescontoIncondicionado>"
      "<DescontoCondicionado>0.00</DescontoCondicionado></Valores>"
      "<ItemListaServico>01.07</ItemListaServico><CodigoCnae>6201500</CodigoCnae>"
      "<CodigoTributacaoMunicipio>010701</CodigoTributacaoMunicipio>"
      "<Discriminacao>Suporte t\xC3\xA9"
      "cnico em inform\xC3\xA1tica</Discriminacao>"
      "<CodigoMunicipio>2927408</CodigoMunicipio></Servico><ValorCredito>0.00</ValorCredito>"
      "<PrestadorServico><IdentificacaoPrestador><Cnpj>11222333000181</Cnpj>"
      "<InscricaoMunicipal>123456</InscricaoMunicipal></IdentificacaoPrestador>"
      "<RazaoSocial>Exemplo Sistemas Ltda</RazaoSocial><NomeFantasia>Exemplo</NomeFantasia>"
      "<Endereco><Endereco>Avenida Sete de Setembro</Endereco><Numero>S/N</Numero>"
      "<Complemento>Sala 101</Complemento><Bairro>Centro</Bairro>"
      "<CodigoMunicipio>2927408</CodigoMunicipio><Uf>BA</Uf><Cep>40060001</Cep></Endereco>"
      "<Contato><Telefone>7133334444</Telefone><Email>contato@exemplo.com.br</Email></Contato>"
      "</PrestadorServico>"
      "<TomadorServico><IdentificacaoTomador><CpfCnpj><Cpf>12345678909</Cpf>"
      "<Cnpj>33444555000199</Cnpj></CpfCnpj><InscricaoMunicipal>654321</InscricaoMunicipal>"
      "</IdentificacaoTomador><RazaoSocial>Maria da Silva</RazaoSocial>"
      "<Endereco><Endereco>Rua das Flores</Endereco><Numero>120</Numero>"
      "<Complemento>Apto 3</Complemento><Bairro>Barra</Bairro>"
      "<CodigoMunicipio>2927408</CodigoMunicipio><Uf>BA</Uf><Cep>40140000</Cep></Endereco>"
      "<Contato><Telefone>71988887777</Telefone><Email>maria@example.com</Email></Contato>"
      "</TomadorServico>"
      "<IntermediarioServico><RazaoSocial>Intermedia Servi\xC3\xA7os SA</RazaoSocial>"
      "<CpfCnpj><Cpf>98765432100</Cpf><Cnpj>99888777000166</Cnpj></CpfCnpj>"
      "<InscricaoMunicipal>777</InscricaoMunicipal></IntermediarioServico>"
      "<OrgaoGerador><CodigoMunicipio>2927408</CodigoMunicipio><Uf>BA</Uf></OrgaoGerador>"
      "<ConstrucaoCivil><CodigoObra>OBRA-77</CodigoObra><Art>ART-2024-1</Art></ConstrucaoCivil>"
      "</InfNfse>"
      "<dsig:Signature>c2lnbmF0dXJlIG9uZQ==</dsig:Signature>"
      "<dsig:Signature>c2lnbmF0dXJlIHR3bw==</dsig:Signature></Nfse>"
      "<NfseCancelamento><Confirmacao Id=\"CONF1\"><Pedido>"
      "<InfPedidoCancelamento Id=\"PED1\"><IdentificacaoNfse><Numero>123</Numero>"
      "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal>123456</InscricaoMunicipal>"
      "<CodigoMunicipio>2927408</CodigoMunicipio></IdentificacaoNfse>"
      "<CodigoCancelamento>2</CodigoCancelamento></InfPedidoCancelamento>"
      "<dsig:Signature>cGVkaWRv</dsig:Signature></Pedido>"
      "<InfConfirmacaoCancelamento><Sucesso>true</Sucesso>"
      "<DataHora>2024-03-16T08:00:00</DataHora></InfConfirmacaoCancelamento></Confirmacao>"
      "<dsig:Signature>Y2FuY2VsYW1lbnRv</dsig:Signature></NfseCancelamento>"
      "<NfseSubstituicao><SubstituicaoNfse Id=\"SUB1\">"
      "<NfseSubstituidora>124</NfseSubstituidora></SubstituicaoNfse>"
      "<dsig:Signature>c3Vic3RpdHVpY2FvIDE=</dsig:Signature>"
      "<dsig:Signature>c3Vic3RpdHVpY2FvIDI=</dsig:Signature></NfseSubstituicao></CompNfse>"
      "<ListaMensagemRetorno" +
      inner + ">";
  for (std::int64_t i = 0; i < messages; ++i)
    xml += "<MensagemRetorno><Codigo>E" + std::to_string(i) +
           "</Codigo><Mensagem>NFS-e cancelada</Mensagem>"
           "<Correcao>Consulte a NFS-e substituta</Correcao></MensagemRetorno>";
  return xml + "</ListaMensagemRetorno></ConsultarNfseRpsResposta>\n";
}

// The response of CompleteResponseXml, bound as a file would be.
inline std::shared_ptr<TXMLConsultarNfseRpsResposta> ParseResponse(
    const std::string& xml, binding::Layout layout = binding::Layout::Specified) {
  return binding::BindDocument<TXMLConsultarNfseRpsResposta>(binding::ParseDocument(xml, layout),
                                                             ResponseRootName, ResponseNamespace);
}

// The same response as the service writes it: every element where the service layout puts it.
inline std::string CompleteServiceResponseXml(std::int64_t messages = 3) {
  auto specified = ParseResponse(CompleteResponseXml(messages));
  return binding::ConvertLayout(*specified, binding::Layout::Service)->XmlBytes();
}

// The values the viewer lists from the invoice and its records, in its order, each read afresh
// from the root, in UTF-8.
inline std::vector<std::string> InvoiceListing(TXMLConsultarNfseRpsResposta& root) {
  std::vector<std::string> out;
  const auto add = [&](const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, std::u16string>)
      out.push_back(binding::Utf16ToUtf8(value));
    else
      out.push_back(std::to_string(value));
  };
  const auto inf = [&] { return root.CompNfse()->Nfse()->InfNfse(); };
  const auto valores = [&] { return inf()->Servico()->Valores(); };
  const auto prestador = [&] { return inf()->PrestadorServico(); };
  const auto tomador = [&] { return inf()->TomadorServico(); };
  const auto intermediario = [&] { return inf()->IntermediarioServico(); };
  const auto confirmacao = [&] { return root.CompNfse()->NfseCancelamento()->Confirmacao(); };
  const auto pedido = [&] { return confirmacao()->Pedido()->InfPedidoCancelamento(); };
  const auto substituicao = [&] { return root.CompNfse()->NfseSubstituicao()->SubstituicaoNfse(); };
  add(inf()->Id());
  add(inf()->Numero());
  add(inf()->CodigoVerificacao());
  add(inf()->DataEmissao());
  add(inf()->IdentificacaoRps()->Numero());
  add(inf()->IdentificacaoRps()->Serie());
  add(inf()->IdentificacaoRps()->Tipo());
  add(inf()->DataEmissaoRps());
  add(inf()->NaturezaOperacao());
  add(inf()->RegimeEspecialTributacao());
  add(inf()->OptanteSimplesNacional());
  add(inf()->IncentivadorCultural());
  add(inf()->Competencia());
  add(inf()->NfseSubstituida());
  add(inf()->OutrasInformacoes());
  add(valores()->ValorServicos());
  add(valores()->ValorDeducoes());
  add(valores()->ValorPis());
  add(valores()->ValorCofins());
  add(valores()->ValorInss());
  add(valores()->ValorIr());
  add(valores()->ValorCsll());
  add(valores()->IssRetido());
  add(valores()->ValorIss());
  add(valores()->ValorIssRetido());
  add(valores()->OutrasRetencoes());
  add(valores()->BaseCalculo());
  add(valores()->Aliquota());
  add(valores()->ValorLiquidoNfse());
  add(valores()->DescontoIncondicionado());
  add(valores()->DescontoCondicionado());
  add(inf()->Servico()->ItemListaServico());
  add(inf()->Servico()->CodigoCnae());
  add(inf()->Servico()->CodigoTributacaoMunicipio());
  add(inf()->Servico()->Discriminacao());
  add(inf()->Servico()->CodigoMunicipio());
  add(inf()->ValorCredito());
  add(prestador()->IdentificacaoPrestador()->Cnpj());
  add(prestador()->IdentificacaoPrestador()->InscricaoMunicipal());
  add(prestador()->RazaoSocial());
  add(prestador()->NomeFantasia());
  add(prestador()->Endereco()->Endereco());
  add(prestador()->Endereco()->Numero());
  add(prestador()->Endereco()->Complemento());
  add(prestador()->Endereco()->Bairro());
  add(prestador()->Endereco()->CodigoMunicipio());
  add(prestador()->Endereco()->Uf());
  add(prestador()->Endereco()->Cep());
  add(prestador()->Contato()->Telefone());
  add(prestador()->Contato()->Email());
  add(tomador()->IdentificacaoTomador()->CpfCnpj()->Cpf());
  add(tomador()->IdentificacaoTomador()->CpfCnpj()->Cnpj());
  add(tomador()->IdentificacaoTomador()->InscricaoMunicipal());
  add(tomador()->RazaoSocial());
  add(tomador()->Endereco()->Endereco());
  add(tomador()->Endereco()->Numero());
  add(tomador()->Endereco()->Complemento());
  add(tomador()->Endereco()->Bairro());
  add(tomador()->Endereco()->CodigoMunicipio());
  add(tomador()->Endereco()->Uf());
  add(tomador()->Endereco()->Cep());
  add(tomador()->Contato()->Telefone());
  add(tomador()->Contato()->Email());
  add(intermediario()->RazaoSocial());
  add(intermediario()->CpfCnpj()->Cpf());
  add(intermediario()->CpfCnpj()->Cnpj());
  add(intermediario()->InscricaoMunicipal());
  add(inf()->OrgaoGerador()->CodigoMunicipio());
  add(inf()->OrgaoGerador()->Uf());
  add(inf()->ConstrucaoCivil()->CodigoObra());
  add(inf()->ConstrucaoCivil()->Art());
  add(confirmacao()->Id());
  add(pedido()->Id());
  add(pedido()->IdentificacaoNfse()->Numero());
  add(pedido()->IdentificacaoNfse()->Cnpj());
  add(pedido()->IdentificacaoNfse()->InscricaoMunicipal());
  add(pedido()->IdentificacaoNfse()->CodigoMunicipio());
  add(pedido()->CodigoCancelamento());
  add(substituicao()->Id());
  add(substituicao()->NfseSubstituidora());
  return out;
}

// What InvoiceListing gives for CompleteResponseXml.
inline std::vector<std::string> CompleteInvoiceListing() {
  return {"NFSe2024000000123",
          "123",
          "A1B2-C3D4",
          "2024-03-15T10:21:37",
          "45",
          "UNICA",
          "1",
          "2024-03-15",
          "1",
          "6",
          "2",
          "2",
          "2024-03-01",
          "98",
          "Servi\xC3\xA7o prestado conforme contrato n\xC2\xBA 12/2024",
          "1500.00",
          "0.00",
          "9.75",
          "45.00",
          "0.00",
          "22.50",
          "15.00",
          "2",
          "75.00",
          "0.00",
          "0.00",
          "1500.00",
          "0.05",
          "1407.75",
          "0.00",
          "0.00",
          "01.07",
          "6201500",
          "010701",
          "Suporte t\xC3\xA9"
          "cnico em inform\xC3\xA1tica",
          "2927408",
          "0.00",
          "11222333000181",
          "123456",
          "Exemplo Sistemas Ltda",
          "Exemplo",
          "Avenida Sete de Setembro",
          "S/N",
          "Sala 101",
          "Centro",
          "2927408",
          "BA",
          "40060001",
          "7133334444",
          "contato@exemplo.com.br",
          "12345678909",
          "33444555000199",
          "654321",
          "Maria da Silva",
          "Rua das Flores",
          "120",
          "Apto 3",
          "Barra",
          "2927408",
          "BA",
          "40140000",
          "71988887777",
          "maria@example.com",
          "Intermedia Servi\xC3\xA7os SA",
          "98765432100",
          "99888777000166",
          "777",
          "2927408",
          "BA",
          "OBRA-77",
          "ART-2024-1",
          "CONF1",
          "PED1",
          "123",
          "11222333000181",
          "123456",
          "2927408",
          "2",
          "SUB1",
          "124"};
}

}  // namespace query_documents::testing

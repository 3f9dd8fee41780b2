// A realistic query response for the acceptance suites: an invoice with every integer element the
// viewer lists and many of its text elements, its cancellation and substitution records, signatures
// and three return messages.
#pragma once

#include <string>
#include <string_view>

#include "acceptance/bindings_support.h"
#include "query_documents/query_documents.h"

namespace acceptance {

using query_documents::ResponseNamespace;

inline const std::string kQueryInvoice =
    "<InfNfse Id=\"N1\"><Numero>7</Numero><CodigoVerificacao>AB12</CodigoVerificacao>"
    "<DataEmissao>2024-05-02T09:30:00</DataEmissao><IdentificacaoRps><Numero>31</Numero>"
    "<Serie>A</Serie><Tipo>1</Tipo></IdentificacaoRps><DataEmissaoRps>2024-05-01</DataEmissaoRps>"
    "<NaturezaOperacao>1</NaturezaOperacao><RegimeEspecialTributacao>3</RegimeEspecialTributacao>"
    "<OptanteSimplesNacional>2</OptanteSimplesNacional><IncentivadorCultural>2"
    "</IncentivadorCultural><Competencia>2024-05</Competencia><NfseSubstituida>6"
    "</NfseSubstituida><OutrasInformacoes>Obs \xc3\xa7</OutrasInformacoes><Servico><Valores>"
    "<ValorServicos>100.00</ValorServicos><IssRetido>2</IssRetido><Aliquota>0.0500</Aliquota>"
    "</Valores><ItemListaServico>01.07</ItemListaServico><CodigoCnae>6201500</CodigoCnae>"
    "<Discriminacao>Suporte</Discriminacao><CodigoMunicipio>2927408</CodigoMunicipio></Servico>"
    "<ValorCredito>0</ValorCredito><PrestadorServico><IdentificacaoPrestador><Cnpj>11222333000181"
    "</Cnpj><InscricaoMunicipal>99</InscricaoMunicipal></IdentificacaoPrestador><RazaoSocial>"
    "Prestadora</RazaoSocial><Endereco><Endereco>Rua A</Endereco><Numero>S/N</Numero>"
    "<CodigoMunicipio>2927408</CodigoMunicipio><Uf>BA</Uf><Cep>01234567</Cep></Endereco>"
    "<Contato><Email>p@example.com</Email></Contato></PrestadorServico><TomadorServico>"
    "<IdentificacaoTomador><CpfCnpj><Cpf>12345678909</Cpf></CpfCnpj></IdentificacaoTomador>"
    "<RazaoSocial>Tomador</RazaoSocial><Endereco><CodigoMunicipio>3550308</CodigoMunicipio>"
    "<Cep>40140000</Cep></Endereco></TomadorServico><OrgaoGerador><CodigoMunicipio>2927408"
    "</CodigoMunicipio><Uf>BA</Uf></OrgaoGerador></InfNfse>";

inline const std::string kQueryRecords =
    "<NfseCancelamento><Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\">"
    "<IdentificacaoNfse><Numero>7</Numero><Cnpj>11222333000181</Cnpj><InscricaoMunicipal>99"
    "</InscricaoMunicipal><CodigoMunicipio>2927408</CodigoMunicipio></IdentificacaoNfse>"
    "<CodigoCancelamento>2</CodigoCancelamento></InfPedidoCancelamento><dsig:Signature>ped"
    "</dsig:Signature></Pedido><InfConfirmacaoCancelamento><Sucesso>true</Sucesso><DataHora>"
    "2024-05-03T10:00:00</DataHora></InfConfirmacaoCancelamento></Confirmacao><dsig:Signature>"
    "canc</dsig:Signature></NfseCancelamento><NfseSubstituicao><SubstituicaoNfse Id=\"S1\">"
    "<NfseSubstituidora>2147483648</NfseSubstituidora></SubstituicaoNfse><dsig:Signature>s1"
    "</dsig:Signature></NfseSubstituicao>";

// A response file: the declaration, then the root in the response namespace around `inner`, with
// the prefix "dsig" bound to `ns`.
inline std::string QueryResponseXml(std::string_view inner,
                                    const std::string& ns = ResponseNamespace) {
  return kDeclaration + "<ConsultarNfseRpsResposta xmlns=\"" + ResponseNamespace +
         "\" xmlns:dsig=\"" + ns + "\">" + std::string(inner) + "</ConsultarNfseRpsResposta>";
}

// The invoice, its records and the messages E1 to E3; `compNs`, when given, is declared on CompNfse
// and ListaMensagemRetorno.
inline std::string CompleteQueryResponse(const std::string& compNs = {}) {
  const std::string ns = compNs.empty() ? "" : " xmlns=\"" + compNs + "\"";
  return QueryResponseXml(
      "<CompNfse" + ns + "><Nfse>" + kQueryInvoice +
      "<dsig:Signature>um</dsig:Signature><dsig:Signature>dois</dsig:Signature></Nfse>" +
      kQueryRecords + "</CompNfse><ListaMensagemRetorno" + ns + ">" +
      ReturnMessage("E1", "<Correcao>c1</Correcao>") +
      ReturnMessage("E2", "<Correcao>c2</Correcao>") + ReturnMessage("E3", "<Correcao/>") +
      "</ListaMensagemRetorno>");
}

}  // namespace acceptance

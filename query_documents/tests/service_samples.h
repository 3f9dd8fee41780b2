#pragma once

#include <string>

#include "binding/platform.h"
#include "query_documents/namespaces.h"

// Query documents as the service writes them: the root and its first level in the document's own
// namespace, everything below in the shared types namespace, the return messages in the shared
// types namespace and each signature in the XML Signature namespace. Two prefix styles of real
// files: the shared types as the default namespace with the document's prefixed, and the
// document's as the default with the shared types under "tipos".
namespace query_documents::testing {

enum class Style { TypesByDefault, TiposPrefix };

inline const std::string kDsig(binding::XmlSignatureNamespace);

// Numero 45, Serie "UNICA", Tipo 1, Cnpj and InscricaoMunicipal "123456", signed.
inline std::string ServiceRequest(Style style) {
  const std::string& m = RequestNamespace;
  if (style == Style::TypesByDefault)
    return "<q:ConsultarNfseRpsEnvio xmlns:q=\"" + m + "\" xmlns=\"" + TypesNamespace +
           "\"><q:IdentificacaoRps><Numero>45</Numero><Serie>UNICA</Serie><Tipo>1</Tipo>"
           "</q:IdentificacaoRps><q:Prestador><Cnpj>11222333000181</Cnpj><InscricaoMunicipal>"
           "123456</InscricaoMunicipal></q:Prestador><Signature xmlns=\"" +
           kDsig + "\">c2ln</Signature></q:ConsultarNfseRpsEnvio>";
  return "<ConsultarNfseRpsEnvio xmlns=\"" + m + "\" xmlns:tipos=\"" + TypesNamespace +
         "\"><IdentificacaoRps><tipos:Numero>45</tipos:Numero><tipos:Serie>UNICA</tipos:Serie>"
         "<tipos:Tipo>1</tipos:Tipo></IdentificacaoRps><Prestador><tipos:Cnpj>11222333000181"
         "</tipos:Cnpj><tipos:InscricaoMunicipal>123456</tipos:InscricaoMunicipal></Prestador>"
         "<dsig:Signature xmlns:dsig=\"" +
         kDsig + "\">c2ln</dsig:Signature></ConsultarNfseRpsEnvio>";
}

// An invoice (Id, Numero 123, the RPS, the provider's Cnpj) with two signatures, its
// cancellation and substitution records with theirs, and one return message.
inline std::string ServiceResponse(Style style) {
  const std::string& m = ResponseNamespace;
  if (style == Style::TypesByDefault)
    return "<r:ConsultarNfseRpsResposta xmlns:r=\"" + m + "\" xmlns=\"" + TypesNamespace +
           "\" xmlns:ds=\"" + kDsig +
           "\"><r:CompNfse><Nfse><InfNfse Id=\"N1\"><Numero>123</Numero><IdentificacaoRps>"
           "<Numero>45</Numero><Serie>UNICA</Serie><Tipo>1</Tipo></IdentificacaoRps>"
           "<PrestadorServico><IdentificacaoPrestador><Cnpj>11222333000181</Cnpj>"
           "</IdentificacaoPrestador></PrestadorServico></InfNfse><ds:Signature>um"
           "</ds:Signature><ds:Signature>dois</ds:Signature></Nfse><NfseCancelamento>"
           "<Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\"><CodigoCancelamento>2"
           "</CodigoCancelamento></InfPedidoCancelamento><ds:Signature>pedido</ds:Signature>"
           "</Pedido></Confirmacao><ds:Signature>cancelamento</ds:Signature></NfseCancelamento>"
           "<NfseSubstituicao><SubstituicaoNfse Id=\"S1\"><NfseSubstituidora>124"
           "</NfseSubstituidora></SubstituicaoNfse><ds:Signature>s1</ds:Signature>"
           "<ds:Signature>s2</ds:Signature></NfseSubstituicao></r:CompNfse><ListaMensagemRetorno>"
           "<MensagemRetorno><Codigo>A1</Codigo><Mensagem>Aviso</Mensagem></MensagemRetorno>"
           "</ListaMensagemRetorno></r:ConsultarNfseRpsResposta>";
  return "<ConsultarNfseRpsResposta xmlns=\"" + m + "\" xmlns:tipos=\"" + TypesNamespace +
         "\"><CompNfse><tipos:Nfse><tipos:InfNfse Id=\"N1\"><tipos:Numero>123</tipos:Numero>"
         "<tipos:IdentificacaoRps><tipos:Numero>45</tipos:Numero><tipos:Serie>UNICA"
         "</tipos:Serie><tipos:Tipo>1</tipos:Tipo></tipos:IdentificacaoRps>"
         "<tipos:PrestadorServico><tipos:IdentificacaoPrestador><tipos:Cnpj>11222333000181"
         "</tipos:Cnpj></tipos:IdentificacaoPrestador></tipos:PrestadorServico></tipos:InfNfse>"
         "<Signature xmlns=\"" +
         kDsig + "\">um</Signature><Signature xmlns=\"" + kDsig +
         "\">dois</Signature></tipos:Nfse><tipos:NfseCancelamento><tipos:Confirmacao Id=\"C1\">"
         "<tipos:Pedido><tipos:InfPedidoCancelamento Id=\"P1\"><tipos:CodigoCancelamento>2"
         "</tipos:CodigoCancelamento></tipos:InfPedidoCancelamento><Signature xmlns=\"" +
         kDsig + "\">pedido</Signature></tipos:Pedido></tipos:Confirmacao><Signature xmlns=\"" +
         kDsig +
         "\">cancelamento</Signature></tipos:NfseCancelamento><tipos:NfseSubstituicao>"
         "<tipos:SubstituicaoNfse Id=\"S1\"><tipos:NfseSubstituidora>124</tipos:NfseSubstituidora>"
         "</tipos:SubstituicaoNfse><Signature xmlns=\"" +
         kDsig + "\">s1</Signature><Signature xmlns=\"" + kDsig +
         "\">s2</Signature></tipos:NfseSubstituicao></CompNfse><tipos:ListaMensagemRetorno>"
         "<tipos:MensagemRetorno><tipos:Codigo>A1</tipos:Codigo><tipos:Mensagem>Aviso"
         "</tipos:Mensagem></tipos:MensagemRetorno></tipos:ListaMensagemRetorno>"
         "</ConsultarNfseRpsResposta>";
}

}  // namespace query_documents::testing

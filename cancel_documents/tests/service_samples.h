#pragma once

#include <string>

#include "binding/platform.h"
#include "cancel_documents/namespaces.h"

// Cancellation documents as the service writes them: the root in its own namespace, the request's
// "Pedido" in none, the records and messages in the shared types namespace and each signature in
// the XML Signature namespace. Two prefix styles of real files: the shared types as the default
// namespace with the document's prefixed, and the document's as the default with the shared
// types under "tipos".
namespace cancel_documents::testing {

enum class Style { TypesByDefault, TiposPrefix };

inline const std::string kDsig(binding::XmlSignatureNamespace);

// Id "ID1", Numero 12, Cnpj, "Isento", CodigoMunicipio 2927408, CodigoCancelamento "2", and a
// signature of the Pedido.
inline std::string ServiceRequest(Style style) {
  const std::string& m = request::TargetNamespace;
  const std::string& t = TypesNamespace;
  if (style == Style::TypesByDefault)
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<e:CancelarNfseEnvio xmlns:e=\"" + m +
           "\" xmlns=\"" + t + "\"><Pedido xmlns=\"\"><InfPedidoCancelamento xmlns=\"" + t +
           "\" Id=\"ID1\"><IdentificacaoNfse><Numero>12</Numero><Cnpj>11222333000181</Cnpj>"
           "<InscricaoMunicipal>Isento</InscricaoMunicipal><CodigoMunicipio>2927408"
           "</CodigoMunicipio></IdentificacaoNfse><CodigoCancelamento>2</CodigoCancelamento>"
           "</InfPedidoCancelamento><Signature xmlns=\"" +
           kDsig +
           "\"><SignedInfo><Reference URI=\"#ID1\"><DigestValue>ZGln</DigestValue></Reference>"
           "</SignedInfo><SignatureValue>c2ln</SignatureValue><KeyInfo><X509Data>"
           "<X509Certificate>Y2VydA==</X509Certificate></X509Data></KeyInfo></Signature>"
           "</Pedido></e:CancelarNfseEnvio>";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CancelarNfseEnvio xmlns=\"" + m +
         "\" xmlns:tipos=\"" + t + "\" xmlns:ds=\"" + kDsig +
         "\"><Pedido xmlns=\"\"><tipos:InfPedidoCancelamento Id=\"ID1\"><tipos:IdentificacaoNfse>"
         "<tipos:Numero>12</tipos:Numero><tipos:Cnpj>11222333000181</tipos:Cnpj>"
         "<tipos:InscricaoMunicipal>Isento</tipos:InscricaoMunicipal><tipos:CodigoMunicipio>"
         "2927408</tipos:CodigoMunicipio></tipos:IdentificacaoNfse><tipos:CodigoCancelamento>2"
         "</tipos:CodigoCancelamento></tipos:InfPedidoCancelamento><ds:Signature><ds:SignedInfo>"
         "<ds:Reference URI=\"#ID1\"><ds:DigestValue>ZGln</ds:DigestValue></ds:Reference>"
         "</ds:SignedInfo><ds:SignatureValue>c2ln</ds:SignatureValue><ds:KeyInfo><ds:X509Data>"
         "<ds:X509Certificate>Y2VydA==</ds:X509Certificate></ds:X509Data></ds:KeyInfo>"
         "</ds:Signature></Pedido></CancelarNfseEnvio>";
}

// The confirmation (Id "C1", Pedido Id "P1", Numero 12, CodigoMunicipio 2927408, Sucesso true,
// DataHora) signed, and two return messages.
inline std::string ServiceResponse(Style style) {
  const std::string& m = response::TargetNamespace;
  const std::string& t = TypesNamespace;
  if (style == Style::TypesByDefault)
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r:CancelarNfseResposta xmlns:r=\"" + m +
           "\" xmlns=\"" + t +
           "\"><r:Cancelamento><Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\">"
           "<IdentificacaoNfse><Numero>12</Numero><Cnpj>11222333000181</Cnpj>"
           "<InscricaoMunicipal>Isento</InscricaoMunicipal><CodigoMunicipio>2927408"
           "</CodigoMunicipio></IdentificacaoNfse><CodigoCancelamento>2</CodigoCancelamento>"
           "</InfPedidoCancelamento></Pedido><InfConfirmacaoCancelamento><Sucesso>true</Sucesso>"
           "<DataHora>2024-03-15T10:21:37</DataHora></InfConfirmacaoCancelamento></Confirmacao>"
           "<Signature xmlns=\"" +
           kDsig +
           "\"><SignatureValue>c2ln</SignatureValue></Signature></r:Cancelamento>"
           "<ListaMensagemRetorno><MensagemRetorno><Codigo>A1</Codigo><Mensagem>Aviso</Mensagem>"
           "<Correcao>Nenhuma</Correcao></MensagemRetorno><MensagemRetorno><Codigo>A2</Codigo>"
           "<Mensagem>Outro</Mensagem></MensagemRetorno></ListaMensagemRetorno>"
           "</r:CancelarNfseResposta>";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CancelarNfseResposta xmlns=\"" + m +
         "\" xmlns:tipos=\"" + t +
         "\"><Cancelamento><tipos:Confirmacao Id=\"C1\"><tipos:Pedido><tipos:InfPedidoCancelamento"
         " Id=\"P1\"><tipos:IdentificacaoNfse><tipos:Numero>12</tipos:Numero><tipos:Cnpj>"
         "11222333000181</tipos:Cnpj><tipos:InscricaoMunicipal>Isento</tipos:InscricaoMunicipal>"
         "<tipos:CodigoMunicipio>2927408</tipos:CodigoMunicipio></tipos:IdentificacaoNfse>"
         "<tipos:CodigoCancelamento>2</tipos:CodigoCancelamento></tipos:InfPedidoCancelamento>"
         "</tipos:Pedido><tipos:InfConfirmacaoCancelamento><tipos:Sucesso>true</tipos:Sucesso>"
         "<tipos:DataHora>2024-03-15T10:21:37</tipos:DataHora></tipos:InfConfirmacaoCancelamento>"
         "</tipos:Confirmacao><dsig:Signature xmlns:dsig=\"" +
         kDsig +
         "\"><dsig:SignatureValue>c2ln</dsig:SignatureValue></dsig:Signature></Cancelamento>"
         "<tipos:ListaMensagemRetorno><tipos:MensagemRetorno><tipos:Codigo>A1</tipos:Codigo>"
         "<tipos:Mensagem>Aviso</tipos:Mensagem><tipos:Correcao>Nenhuma</tipos:Correcao>"
         "</tipos:MensagemRetorno><tipos:MensagemRetorno><tipos:Codigo>A2</tipos:Codigo>"
         "<tipos:Mensagem>Outro</tipos:Mensagem></tipos:MensagemRetorno>"
         "</tipos:ListaMensagemRetorno></CancelarNfseResposta>";
}

}  // namespace cancel_documents::testing

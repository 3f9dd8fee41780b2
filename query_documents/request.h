#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "query_documents/identification_types.h"
#include "query_documents/namespaces.h"

// The query request "ConsultarNfseRpsEnvio": asks for the NFS-e issued from one RPS.
namespace query_documents {

class TXMLConsultarNfseRpsEnvio : public binding::TXMLNode {
 public:
  explicit TXMLConsultarNfseRpsEnvio(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcIdentificacaoRps>("IdentificacaoRps");
    Register<TXMLTcIdentificacaoPrestador>("Prestador");
  }

  std::shared_ptr<TXMLTcIdentificacaoRps> IdentificacaoRps() {
    return Child<TXMLTcIdentificacaoRps>("IdentificacaoRps");
  }
  std::shared_ptr<TXMLTcIdentificacaoPrestador> Prestador() {
    return Child<TXMLTcIdentificacaoPrestador>("Prestador");
  }
  // A plain text element under its prefixed name; nothing binds the signature subtree here.
  std::u16string Signature() { return Text<std::u16string>("dsig:Signature"); }

  void SetSignature(const std::u16string& value) { SetValue("dsig:Signature", value); }
};

// A new request document holding only its root element.
std::shared_ptr<TXMLConsultarNfseRpsEnvio> NewConsultarNfseRpsEnvio();
// Parses a request file; fails unless its root is "ConsultarNfseRpsEnvio" in the request
// namespace.
std::shared_ptr<TXMLConsultarNfseRpsEnvio> OpenConsultarNfseRpsEnvio(const std::u16string& path);

}  // namespace query_documents

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
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcIdentificacaoRps> kIdentificacaoRps{"IdentificacaoRps",
                                                                            binding::Ns::Document};
  static constexpr binding::Child<TXMLTcIdentificacaoPrestador> kPrestador{"Prestador",
                                                                           binding::Ns::Document};
  static constexpr binding::Element<std::u16string> kSignature{"dsig:Signature",
                                                               binding::Ns::Signature};
  static constexpr auto kChildren = binding::Sequence(kIdentificacaoRps, kPrestador, kSignature);

  std::shared_ptr<TXMLTcIdentificacaoRps> IdentificacaoRps() { return Get(kIdentificacaoRps); }
  std::shared_ptr<TXMLTcIdentificacaoPrestador> Prestador() { return Get(kPrestador); }
  // A plain text element under its prefixed name; nothing binds the signature subtree here.
  std::u16string Signature() { return Get(kSignature); }

  void SetSignature(const std::u16string& value) { Set(kSignature, value); }
};

// A new request document holding only its root element.
std::shared_ptr<TXMLConsultarNfseRpsEnvio> NewConsultarNfseRpsEnvio(
    binding::Layout layout = binding::Layout::Specified);
// Parses a request file; fails unless its root is "ConsultarNfseRpsEnvio" in the request
// namespace.
std::shared_ptr<TXMLConsultarNfseRpsEnvio> OpenConsultarNfseRpsEnvio(
    const std::u16string& path, binding::Layout layout = binding::Layout::Specified);

}  // namespace query_documents

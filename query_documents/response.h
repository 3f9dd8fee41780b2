#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"
#include "query_documents/cancellation_records.h"
#include "query_documents/invoice_body.h"
#include "query_documents/namespaces.h"
#include "query_documents/return_messages.h"
#include "query_documents/string_list.h"

// The query response "ConsultarNfseRpsResposta": the NFS-e issued from the RPS asked for, with
// the records that may accompany it, and the service's return messages.
namespace query_documents {

class TXMLTcNfse : public binding::TXMLNode {
 public:
  explicit TXMLTcNfse(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcInfNfse>("InfNfse");
    Signature();
  }

  std::shared_ptr<TXMLTcInfNfse> InfNfse() { return Child<TXMLTcInfNfse>("InfNfse"); }
  // Made with the node, the same collection on every read.
  std::shared_ptr<TXMLString_List> Signature() { return Items<TXMLString_List>("dsig:Signature"); }
};

class TXMLTcCompNfse : public binding::TXMLNode {
 public:
  explicit TXMLTcCompNfse(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcNfse>("Nfse");
    Register<TXMLTcCancelamentoNfse>("NfseCancelamento");
    Register<TXMLTcSubstituicaoNfse>("NfseSubstituicao");
  }

  std::shared_ptr<TXMLTcNfse> Nfse() { return Child<TXMLTcNfse>("Nfse"); }
  std::shared_ptr<TXMLTcCancelamentoNfse> NfseCancelamento() {
    return Child<TXMLTcCancelamentoNfse>("NfseCancelamento");
  }
  std::shared_ptr<TXMLTcSubstituicaoNfse> NfseSubstituicao() {
    return Child<TXMLTcSubstituicaoNfse>("NfseSubstituicao");
  }
};

class TXMLConsultarNfseRpsResposta : public binding::TXMLNode {
 public:
  explicit TXMLConsultarNfseRpsResposta(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TXMLTcCompNfse>("CompNfse");
    Register<TXMLListaMensagemRetorno>("ListaMensagemRetorno");
  }

  std::shared_ptr<TXMLTcCompNfse> CompNfse() { return Child<TXMLTcCompNfse>("CompNfse"); }
  std::shared_ptr<TXMLListaMensagemRetorno> ListaMensagemRetorno() {
    return Child<TXMLListaMensagemRetorno>("ListaMensagemRetorno");
  }
};

// Parses a response file; fails unless its root is "ConsultarNfseRpsResposta" in the response
// namespace.
std::shared_ptr<TXMLConsultarNfseRpsResposta> OpenConsultarNfseRpsResposta(
    const std::u16string& path);

}  // namespace query_documents

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
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcInfNfse> kInfNfse{"InfNfse"};
  static constexpr binding::Items<TXMLString_List> kSignature{"dsig:Signature",
                                                              binding::Ns::Signature};
  static constexpr auto kChildren = binding::Sequence(kInfNfse, kSignature);

  std::shared_ptr<TXMLTcInfNfse> InfNfse() { return Get(kInfNfse); }
  // The same collection on every read.
  std::shared_ptr<TXMLString_List> Signature() { return Get(kSignature); }
};

class TXMLTcCompNfse : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcNfse> kNfse{"Nfse"};
  static constexpr binding::Child<TXMLTcCancelamentoNfse> kNfseCancelamento{"NfseCancelamento"};
  static constexpr binding::Child<TXMLTcSubstituicaoNfse> kNfseSubstituicao{"NfseSubstituicao"};
  static constexpr auto kChildren = binding::Sequence(kNfse, kNfseCancelamento, kNfseSubstituicao);

  std::shared_ptr<TXMLTcNfse> Nfse() { return Get(kNfse); }
  std::shared_ptr<TXMLTcCancelamentoNfse> NfseCancelamento() { return Get(kNfseCancelamento); }
  std::shared_ptr<TXMLTcSubstituicaoNfse> NfseSubstituicao() { return Get(kNfseSubstituicao); }
};

class TXMLConsultarNfseRpsResposta : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcCompNfse> kCompNfse{"CompNfse", binding::Ns::Document};
  static constexpr binding::Child<TXMLListaMensagemRetorno> kListaMensagemRetorno{
      "ListaMensagemRetorno"};
  static constexpr auto kChildren = binding::Sequence(kCompNfse, kListaMensagemRetorno);

  std::shared_ptr<TXMLTcCompNfse> CompNfse() { return Get(kCompNfse); }
  std::shared_ptr<TXMLListaMensagemRetorno> ListaMensagemRetorno() {
    return Get(kListaMensagemRetorno);
  }
};

// Parses a response file; fails unless its root is "ConsultarNfseRpsResposta" in the response
// namespace.
std::shared_ptr<TXMLConsultarNfseRpsResposta> OpenConsultarNfseRpsResposta(
    const std::u16string& path, binding::Layout layout = binding::Layout::Specified);

}  // namespace query_documents

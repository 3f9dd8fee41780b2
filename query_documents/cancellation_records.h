#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "binding/binding.h"
#include "query_documents/string_list.h"
#include "shared_types/shared_types.h"

// What may accompany the NFS-e of a query response: the record of its cancellation, with the
// shape of the cancellation documents, and the record of the invoice that replaced it.
namespace query_documents {

// The shared record types as the query response binds them: wide text, and every signature a
// plain "dsig:Signature" element read and written as text.
struct RecordSet {
  using Text = std::u16string;
  template <class Base>
  using WithSignature = shared_types::WithSignatureText<Base, std::u16string>;
};

using TXMLTcCancelamentoNfse = shared_types::TcCancelamentoNfse<RecordSet>;
using TXMLTcConfirmacaoCancelamento = shared_types::TcConfirmacaoCancelamento<RecordSet>;
using TXMLTcPedidoCancelamento = shared_types::TcPedidoCancelamento<RecordSet>;
using TXMLTcInfPedidoCancelamento = shared_types::TcInfPedidoCancelamento<std::u16string>;
using TXMLTcIdentificacaoNfse = shared_types::TcIdentificacaoNfse<std::u16string>;
using TXMLTcInfConfirmacaoCancelamento = shared_types::TcInfConfirmacaoCancelamento<std::u16string>;

class TXMLTcInfSubstituicaoNfse : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Attribute<std::u16string> kId{"Id"};
  static constexpr binding::Element<std::uint32_t> kNfseSubstituidora{"NfseSubstituidora"};
  static constexpr auto kChildren = binding::Sequence(kNfseSubstituidora);

  std::u16string Id() { return Get(kId); }
  std::uint32_t NfseSubstituidora() { return Get(kNfseSubstituidora); }

  void SetId(const std::u16string& value) { Set(kId, value); }
  void SetNfseSubstituidora(std::uint32_t value) { Set(kNfseSubstituidora, value); }
};

class TXMLTcSubstituicaoNfse : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<TXMLTcInfSubstituicaoNfse> kSubstituicaoNfse{"SubstituicaoNfse"};
  static constexpr binding::Items<TXMLString_List> kSignature{"dsig:Signature",
                                                              binding::Ns::Signature};
  static constexpr auto kChildren = binding::Sequence(kSubstituicaoNfse, kSignature);

  std::shared_ptr<TXMLTcInfSubstituicaoNfse> SubstituicaoNfse() { return Get(kSubstituicaoNfse); }
  // The same collection on every read.
  std::shared_ptr<TXMLString_List> Signature() { return Get(kSignature); }
};

}  // namespace query_documents

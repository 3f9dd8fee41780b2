#pragma once

#include <span>
#include <string>

#include "listings/listing.h"
#include "listings/request_fields.h"
#include "query_documents/query_documents.h"

// Orvane's documents as its window and the command line show them.
namespace listings {

using QueryRequestField = RequestField<query_documents::TXMLConsultarNfseRpsEnvio, std::u16string>;

// The request's five fields in the order New writes and Open reads them: Numero, Serie and Tipo
// of IdentificacaoRps, then Cnpj and InscricaoMunicipal of Prestador. Numero and Tipo go
// through the grid integer parse before their parent is reached, so one that fails leaves that
// element and every later one absent. Numero keeps the 32 bits of the parsed value, Tipo its low
// 8 bits.
std::span<const QueryRequestField> QueryRequestFields();

// The request's fields, as Open puts them in the grids.
Listing ListQueryRequest(query_documents::TXMLConsultarNfseRpsEnvio& root);

// A query response: the 80 values of the returned NFS-e (the invoice's Id, numbers and dates,
// the service and its amounts, provider, taker, intermediary, issuing body and construction
// work, then the cancellation's confirmation and request and the substitution), then Codigo,
// Mensagem and Correcao of every return message. Nothing else is listed: not the signatures,
// not the confirmation's InfConfirmacaoCancelamento.
Listing ListQueryResponse(query_documents::TXMLConsultarNfseRpsResposta& root);

}  // namespace listings

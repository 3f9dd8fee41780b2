#pragma once

#include <string>
#include <vector>

#include "query_documents/query_documents.h"

namespace query_tool {

// A query response as the user reads it, one bare value per line, wide text as the bindings
// hand it over (no character passes through an 8-bit conversion). Each value is reached from the
// root again; a value that fails to read stops the listing, and the lines before it stay in
// `lines`.

// The 80 values of the returned NFS-e: the invoice (Id, numbers, dates, the service and its
// amounts, provider, taker, intermediary, issuing body, construction work), then the
// cancellation (the confirmation's and the request's Id, the cancelled NFS-e, the reason code)
// and the substitution (its Id and the substituting NFS-e). Integers in decimal; the unsigned
// ones without sign.
void ListNfse(query_documents::TXMLConsultarNfseRpsResposta& root,
              std::vector<std::u16string>& lines);

// Codigo, Mensagem and Correcao of every return message, in order; the count is read once.
void ListReturnMessages(query_documents::TXMLConsultarNfseRpsResposta& root,
                        std::vector<std::u16string>& lines);

}  // namespace query_tool

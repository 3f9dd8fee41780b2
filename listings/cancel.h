#pragma once

#include <span>
#include <string>

#include "cancel_documents/request.h"
#include "cancel_documents/response.h"
#include "listings/listing.h"
#include "listings/request_fields.h"

// Tarvel's documents as its window and the command line show them.
namespace listings {

using CancelRequestField =
    RequestField<cancel_documents::request::TXMLCancelarNfseEnvio, std::string>;

// The request's six fields in the order New writes and Open reads them: id (the Id of
// InfPedidoCancelamento), numero, cnpj, inscricaoMunicipal, codigoMunicipio of IdentificacaoNfse,
// then codigoCancelamento. Each reaches its parent elements before it parses its text, so a
// number that fails the grid integer parse leaves its parent behind. Numero takes the 32 bits of
// the parsed value.
std::span<const CancelRequestField> CancelRequestFields();

// The request's fields, as Open puts them in the grids.
Listing ListCancelRequest(cancel_documents::request::TXMLCancelarNfseEnvio& root);

// A cancellation response: the confirmation's Id, the cancelled request's Id, Numero, Cnpj,
// InscricaoMunicipal, CodigoMunicipio and CodigoCancelamento, the confirmation's Sucesso ("-1"
// or "0") and DataHora, then Codigo, Mensagem and Correcao of every return message.
Listing ListCancelResponse(cancel_documents::response::TXMLCancelarNfseResposta& root);

}  // namespace listings

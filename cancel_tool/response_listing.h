#pragma once

#include <string>
#include <vector>

#include "cancel_documents/response.h"

namespace cancel_tool {

// Appends the values of a cancellation response, one bare value per line: the confirmation's
// Id, the request's Id, Numero, Cnpj, InscricaoMunicipal, CodigoMunicipio, CodigoCancelamento,
// Sucesso ("-1" true, "0" false) and DataHora, then Codigo, Mensagem and Correcao of every
// return message. A value that fails to convert stops it; the lines before it stay appended.
void ListResponse(cancel_documents::response::TXMLCancelarNfseResposta& root,
                  std::vector<std::string>& lines);

}  // namespace cancel_tool

#pragma once

#include <QDateTime>
#include <QString>

#include "query_documents/request.h"

namespace query_tool {

// The five fields of a query request as the grids hold them.
struct RequestFields {
  QString numero;              // ValueListEditor77 "Numero"
  QString serie;               // ValueListEditor77 "Serie"
  QString tipo;                // ValueListEditor77 "Tipo"
  QString cnpj;                // ValueListEditor3 "Cnpj"
  QString inscricaoMunicipal;  // ValueListEditor3 "InscricaoMunicipal"
};

// Writes the fields into a new request, each reached from the root again, so the elements come
// in the order IdentificacaoRps (Numero, Serie, Tipo), Prestador (Cnpj, InscricaoMunicipal).
// Numero and Tipo go through the grid integer parse before their parent is reached, so one that
// fails leaves it and every later element absent. Numero keeps the 32 bits of the parsed value,
// Tipo its low 8 bits. Text goes over as UTF-16, so no character is lost on the way.
void WriteRequest(query_documents::TXMLConsultarNfseRpsEnvio& root, const RequestFields& fields);

// Reads the fields of a request in the order Numero (unsigned), Serie, Tipo (signed), Cnpj,
// InscricaoMunicipal. When a value fails to convert, the fields read before it hold their new
// values and the later ones keep theirs.
void ReadRequest(query_documents::TXMLConsultarNfseRpsEnvio& root, RequestFields& fields);

// The file name proposed for saving a request at `now`: DDMMYYYYHHMMSS of the local time (day,
// month, year, 24-hour hour, minute, second), then "-ConsultarNfseRpsEnvio.xml".
QString ProposedRequestName(const QDateTime& now);

}  // namespace query_tool

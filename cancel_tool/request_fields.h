#pragma once

#include <QString>
#include <string>

#include "cancel_documents/request.h"

namespace cancel_tool {

// The six fields of a cancellation request as the grids hold them (8-bit text).
struct RequestFields {
  std::string id;                  // ValueListEditor77 "id"
  std::string codigoCancelamento;  // ValueListEditor77 "codigoCancelamento"
  std::string numero;              // ValueListEditor3 "numero"
  std::string cnpj;                // ValueListEditor3 "cnpj"
  std::string inscricaoMunicipal;  // ValueListEditor3 "inscricaoMunicipal"
  std::string codigoMunicipio;     // ValueListEditor3 "codigoMunicipio"
};

// Writes the fields into a new request, each reached from the root again, so the elements come
// in the order Pedido, InfPedidoCancelamento (Id), IdentificacaoNfse, Numero, Cnpj,
// InscricaoMunicipal, CodigoMunicipio, CodigoCancelamento. A numero or codigoMunicipio that
// fails the grid integer parse stops it there, after its parent was reached.
void WriteRequest(cancel_documents::request::TXMLCancelarNfseEnvio& root,
                  const RequestFields& fields);

// Reads the fields of a request in the order Id, Numero, Cnpj, InscricaoMunicipal,
// CodigoMunicipio, CodigoCancelamento. When a value fails to convert, the fields read before it
// hold their new values and the later ones keep theirs.
void ReadRequest(cancel_documents::request::TXMLCancelarNfseEnvio& root, RequestFields& fields);

// The file name proposed for saving a request with that Id: its characters 4 to 47 (fewer when
// shorter), then "-CancelarNfseEnvio.xml". Characters, not bytes, so no letter is cut in half;
// a "/" or "\" becomes "_", so an Id read from a file cannot point the name at another folder.
QString ProposedRequestName(const QString& id);

}  // namespace cancel_tool

#include "query_tool/request_fields.h"

#include <cstdint>

#include "window_shell/grid_integer.h"

namespace query_tool {

namespace {

std::int32_t GridInteger(const QString& text) {
  return window_shell::ParseGridInteger(text.toStdString());
}

}  // namespace

void WriteRequest(query_documents::TXMLConsultarNfseRpsEnvio& root, const RequestFields& fields) {
  const auto numero = static_cast<std::uint32_t>(GridInteger(fields.numero));
  root.IdentificacaoRps()->SetNumero(numero);
  root.IdentificacaoRps()->SetSerie(fields.serie.toStdU16String());
  const auto tipo = static_cast<std::int8_t>(GridInteger(fields.tipo));
  root.IdentificacaoRps()->SetTipo(tipo);
  root.Prestador()->SetCnpj(fields.cnpj.toStdU16String());
  root.Prestador()->SetInscricaoMunicipal(fields.inscricaoMunicipal.toStdU16String());
}

void ReadRequest(query_documents::TXMLConsultarNfseRpsEnvio& root, RequestFields& fields) {
  fields.numero = QString::number(root.IdentificacaoRps()->Numero());
  fields.serie = QString::fromStdU16String(root.IdentificacaoRps()->Serie());
  fields.tipo = QString::number(static_cast<int>(root.IdentificacaoRps()->Tipo()));
  fields.cnpj = QString::fromStdU16String(root.Prestador()->Cnpj());
  fields.inscricaoMunicipal = QString::fromStdU16String(root.Prestador()->InscricaoMunicipal());
}

QString ProposedRequestName(const QDateTime& now) {
  return now.toString(QStringLiteral("ddMMyyyyHHmmss")) +
         QStringLiteral("-ConsultarNfseRpsEnvio.xml");
}

}  // namespace query_tool

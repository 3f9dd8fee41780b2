#include "cancel_tool/request_fields.h"

#include <QList>
#include <algorithm>

#include "window_shell/grid_integer.h"

namespace cancel_tool {

namespace {

using cancel_documents::request::TXMLCancelarNfseEnvio;

auto InfPedido(TXMLCancelarNfseEnvio& root) { return root.Pedido()->InfPedidoCancelamento(); }
auto Identificacao(TXMLCancelarNfseEnvio& root) { return InfPedido(root)->IdentificacaoNfse(); }

}  // namespace

void WriteRequest(TXMLCancelarNfseEnvio& root, const RequestFields& fields) {
  // The object of each call is evaluated before its argument (C++17), so the parent elements
  // exist before a number is parsed, also when the parse fails. Numero takes the parsed 32 bits.
  InfPedido(root)->SetId(fields.id);
  Identificacao(root)->SetNumero(
      static_cast<std::uint32_t>(window_shell::ParseGridInteger(fields.numero)));
  Identificacao(root)->SetCnpj(fields.cnpj);
  Identificacao(root)->SetInscricaoMunicipal(fields.inscricaoMunicipal);
  Identificacao(root)->SetCodigoMunicipio(window_shell::ParseGridInteger(fields.codigoMunicipio));
  InfPedido(root)->SetCodigoCancelamento(fields.codigoCancelamento);
}

void ReadRequest(TXMLCancelarNfseEnvio& root, RequestFields& fields) {
  fields.id = InfPedido(root)->Id();
  fields.numero = std::to_string(Identificacao(root)->Numero());
  fields.cnpj = Identificacao(root)->Cnpj();
  fields.inscricaoMunicipal = Identificacao(root)->InscricaoMunicipal();
  fields.codigoMunicipio = std::to_string(Identificacao(root)->CodigoMunicipio());
  fields.codigoCancelamento = InfPedido(root)->CodigoCancelamento();
}

QString ProposedRequestName(const QString& id) {
  QString kept;
  const QList<uint> characters = id.toUcs4();
  for (qsizetype i = 3; i < std::min<qsizetype>(characters.size(), 47); ++i) {
    const char32_t character = characters[i] == '/' || characters[i] == '\\' ? U'_' : characters[i];
    kept += QString::fromUcs4(&character, 1);
  }
  return kept + QStringLiteral("-CancelarNfseEnvio.xml");
}

}  // namespace cancel_tool

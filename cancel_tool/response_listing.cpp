#include "cancel_tool/response_listing.h"

namespace cancel_tool {

namespace {

using cancel_documents::response::TXMLCancelarNfseResposta;

auto Confirmacao(TXMLCancelarNfseResposta& root) { return root.Cancelamento()->Confirmacao(); }
auto InfPedido(TXMLCancelarNfseResposta& root) {
  return Confirmacao(root)->Pedido()->InfPedidoCancelamento();
}
auto Identificacao(TXMLCancelarNfseResposta& root) { return InfPedido(root)->IdentificacaoNfse(); }
auto InfConfirmacao(TXMLCancelarNfseResposta& root) {
  return Confirmacao(root)->InfConfirmacaoCancelamento();
}

}  // namespace

void ListResponse(TXMLCancelarNfseResposta& root, std::vector<std::string>& lines) {
  lines.push_back(Confirmacao(root)->Id());
  lines.push_back(InfPedido(root)->Id());
  lines.push_back(std::to_string(Identificacao(root)->Numero()));
  lines.push_back(Identificacao(root)->Cnpj());
  lines.push_back(Identificacao(root)->InscricaoMunicipal());
  lines.push_back(std::to_string(Identificacao(root)->CodigoMunicipio()));
  lines.push_back(InfPedido(root)->CodigoCancelamento());
  lines.push_back(InfConfirmacao(root)->Sucesso() ? "-1" : "0");
  lines.push_back(InfConfirmacao(root)->DataHora());

  const std::int32_t count = root.ListaMensagemRetorno()->Count();
  for (std::int32_t i = 0; i < count; ++i) {
    lines.push_back(root.ListaMensagemRetorno()->ItemAt(i)->Codigo());
    lines.push_back(root.ListaMensagemRetorno()->ItemAt(i)->Mensagem());
    lines.push_back(root.ListaMensagemRetorno()->ItemAt(i)->Correcao());
  }
}

}  // namespace cancel_tool

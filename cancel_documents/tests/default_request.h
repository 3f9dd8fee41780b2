#pragma once

#include <memory>

#include "cancel_documents/request.h"

namespace cancel_documents::request {

// A request filled the way Tarvel's New fills it from its start values: every value reached from
// the root again, so the elements come in the order of the calls.
inline std::shared_ptr<TXMLCancelarNfseEnvio> BuildDefaultRequest() {
  auto root = NewCancelarNfseEnvio();
  root->OwnerDocument()->SetEncoding("UTF-8");
  root->Pedido()->InfPedidoCancelamento()->SetId("1");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetNumero(1);
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCnpj("11222333000181");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetInscricaoMunicipal("Isento");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCodigoMunicipio(2927408);
  root->Pedido()->InfPedidoCancelamento()->SetCodigoCancelamento("1");
  return root;
}

}  // namespace cancel_documents::request

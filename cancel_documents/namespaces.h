#pragma once

#include <string>

namespace cancel_documents {

namespace request {
// "CancelarNfseEnvio": http://<PlatformSchemaHost>/servico_cancelar_nfse_envio_v03.xsd
extern const std::string TargetNamespace;
}  // namespace request

namespace response {
// "CancelarNfseResposta": http://<PlatformSchemaHost>/servico_cancelar_nfse_resposta_v03.xsd
extern const std::string TargetNamespace;
}  // namespace response

}  // namespace cancel_documents

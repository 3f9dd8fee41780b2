#pragma once

#include <string>

#include "binding/platform.h"

// Inline, so that they are ready for the static initialisers of any file that includes them.
namespace cancel_documents {

namespace request {
// "CancelarNfseEnvio"
inline const std::string TargetNamespace =
    binding::SchemaNamespace("/servico_cancelar_nfse_envio_v03.xsd");
}  // namespace request

namespace response {
// "CancelarNfseResposta"
inline const std::string TargetNamespace =
    binding::SchemaNamespace("/servico_cancelar_nfse_resposta_v03.xsd");
}  // namespace response

}  // namespace cancel_documents

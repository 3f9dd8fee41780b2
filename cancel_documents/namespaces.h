#pragma once

#include <string>
#include <string_view>

#include "binding/platform.h"

// Inline, so that they are ready for the static initialisers of any file that includes them.
namespace cancel_documents {

namespace request {
inline constexpr std::string_view RootName = "CancelarNfseEnvio";
inline const std::string TargetNamespace =
    binding::SchemaNamespace("/servico_cancelar_nfse_envio_v03.xsd");
}  // namespace request

namespace response {
inline constexpr std::string_view RootName = "CancelarNfseResposta";
inline const std::string TargetNamespace =
    binding::SchemaNamespace("/servico_cancelar_nfse_resposta_v03.xsd");
}  // namespace response

// The shared types namespace, where the service layout puts most elements of both documents.
inline const std::string TypesNamespace = binding::SharedTypesNamespace;

}  // namespace cancel_documents

#pragma once

#include <string>
#include <string_view>

#include "binding/platform.h"

// Inline, so that they are ready for the static initialisers of any file that includes them.
namespace query_documents {

inline constexpr std::string_view RequestRootName = "ConsultarNfseRpsEnvio";
inline const std::string RequestNamespace =
    binding::SchemaNamespace("/servico_consultar_nfse_rps_envio_v03.xsd");

inline constexpr std::string_view ResponseRootName = "ConsultarNfseRpsResposta";
inline const std::string ResponseNamespace =
    binding::SchemaNamespace("/servico_consultar_nfse_rps_resposta_v03.xsd");

// The shared types schema: Orvane's save-time adjustment declares it, and the service layout puts
// most elements of both documents in it.
inline const std::string TypesNamespace = binding::SharedTypesNamespace;

}  // namespace query_documents

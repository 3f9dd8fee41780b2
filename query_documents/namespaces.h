#pragma once

#include <string>

#include "binding/platform.h"

// Inline, so that they are ready for the static initialisers of any file that includes them.
namespace query_documents {

// "ConsultarNfseRpsEnvio"
inline const std::string RequestNamespace =
    binding::SchemaNamespace("/servico_consultar_nfse_rps_envio_v03.xsd");
// "ConsultarNfseRpsResposta"
inline const std::string ResponseNamespace =
    binding::SchemaNamespace("/servico_consultar_nfse_rps_resposta_v03.xsd");
// The shared types schema, which Orvane's save-time adjustment declares.
inline const std::string TypesNamespace = binding::SchemaNamespace("/tipos_v03.xsd");

}  // namespace query_documents

#pragma once

#include <string>

namespace query_documents {

// "ConsultarNfseRpsEnvio": http://<PlatformSchemaHost>/servico_consultar_nfse_rps_envio_v03.xsd
extern const std::string RequestNamespace;
// "ConsultarNfseRpsResposta":
// http://<PlatformSchemaHost>/servico_consultar_nfse_rps_resposta_v03.xsd
extern const std::string ResponseNamespace;
// The shared types schema: http://<PlatformSchemaHost>/tipos_v03.xsd
extern const std::string TypesNamespace;

}  // namespace query_documents

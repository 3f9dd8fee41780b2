#include "query_documents/namespaces.h"

#include "binding/platform.h"

namespace query_documents {

namespace {
std::string SchemaUri(const char* path) {
  return "http://" + std::string(binding::PlatformSchemaHost) + path;
}
}  // namespace

const std::string RequestNamespace = SchemaUri("/servico_consultar_nfse_rps_envio_v03.xsd");
const std::string ResponseNamespace = SchemaUri("/servico_consultar_nfse_rps_resposta_v03.xsd");
const std::string TypesNamespace = SchemaUri("/tipos_v03.xsd");

}  // namespace query_documents

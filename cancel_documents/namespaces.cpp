#include "cancel_documents/namespaces.h"

#include "binding/platform.h"

namespace cancel_documents {

namespace {
std::string SchemaUri(const char* path) {
  return "http://" + std::string(binding::PlatformSchemaHost) + path;
}
}  // namespace

const std::string request::TargetNamespace = SchemaUri("/servico_cancelar_nfse_envio_v03.xsd");
const std::string response::TargetNamespace = SchemaUri("/servico_cancelar_nfse_resposta_v03.xsd");

}  // namespace cancel_documents

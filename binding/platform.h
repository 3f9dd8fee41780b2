#pragma once

#include <string>
#include <string_view>

namespace binding {

// Host part of every schema namespace URI, set at build time (CMake PLATFORM_SCHEMA_HOST).
extern const std::string_view PlatformSchemaHost;

// The namespace URI of the schema at `path` on the platform host: "http://" host path.
inline std::string SchemaNamespace(std::string_view path) {
  return "http://" + std::string(PlatformSchemaHost) + std::string(path);
}

// The platform's shared types schema, where the service puts most elements of its messages.
inline const std::string SharedTypesNamespace = SchemaNamespace("/tipos_v03.xsd");

// The XML Signature namespace, of every signature and everything below it.
inline constexpr std::string_view XmlSignatureNamespace = "http://www.w3.org/2000/09/xmldsig#";

}  // namespace binding

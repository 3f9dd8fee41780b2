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

}  // namespace binding

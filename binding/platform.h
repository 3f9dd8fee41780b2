#pragma once

#include <string_view>

namespace binding {

// Host part of every schema namespace URI, set at build time (CMake PLATFORM_SCHEMA_HOST).
extern const std::string_view PlatformSchemaHost;

}  // namespace binding

#include "binding/platform.h"

namespace binding {

constexpr std::string_view PlatformSchemaHost = PLATFORM_SCHEMA_HOST;

}  // namespace binding

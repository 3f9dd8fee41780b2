#include "binding/errors.h"

namespace binding {

namespace {

std::string Format(std::string_view pattern, std::string_view a, std::string_view b = {}) {
  std::string out;
  bool first = true;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
      out += first ? a : b;
      first = false;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace

ParseError::ParseError(std::string_view reason, std::int64_t line, std::string_view sourceText)
    : Error(std::string(reason) + "\r\nLine: " + std::to_string(line) + "\r\n" +
            std::string(sourceText)) {}

ConversionError::ConversionError(std::string_view fromType, std::string_view toType)
    : Error(Format("Could not convert variant of type (%s) into type (%s)", fromType, toType)) {}

IndexError::IndexError(std::int64_t index)
    : Error("List index out of bounds (" + std::to_string(index) + ")") {}

InterfaceError::InterfaceError() : Error("Interface not supported") {}

NotFoundError::NotFoundError(std::string_view name)
    : Error(Format("Node \"%s\" not found", name)) {}

}  // namespace binding

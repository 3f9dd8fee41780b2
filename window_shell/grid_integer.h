#pragma once

#include <cstdint>
#include <string_view>

namespace window_shell {

// A grid value as a signed 32-bit integer: leading blanks, an optional "+" or "-", then decimal
// digits, or hexadecimal digits after "$", "x", "X" or "0x". Fails with binding::ConversionError
// on an empty value, any other character (trailing blanks included) or a value outside int32.
std::int32_t ParseGridInteger(std::string_view text);

}  // namespace window_shell

#pragma once

#include <cstdint>
#include <string_view>

namespace listings {

// A request grid's value as a signed 32-bit integer, the one parse of both programs' integer
// fields: leading blanks, an optional "+" or "-", then decimal digits, or hexadecimal digits
// after "$", "x", "X" or "0x". Fails with binding::ConversionError, as every conversion of a
// value does, on an empty value, any other character (trailing blanks included) or a value
// outside int32.
std::int32_t ParseGridInteger(std::string_view text);

}  // namespace listings

// The grid integer parse over any text: a value it accepts prints back to the same value.

#include <cstdlib>
#include <string>

#include "cancel_tool/grid_integer.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t value = 0;
  try {
    value = cancel_tool::ParseGridInteger(fuzz::Bytes(data, size));
  } catch (const binding::ConversionError&) {
    return 0;
  }
  if (cancel_tool::ParseGridInteger(std::to_string(value)) != value) std::abort();
  return 0;
}

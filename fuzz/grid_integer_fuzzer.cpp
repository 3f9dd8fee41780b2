// The grid integer parse over any text: a value it accepts prints back to the same value.

#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "listings/grid_integer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int32_t value = 0;
  try {
    value = listings::ParseGridInteger(fuzz::Bytes(data, size));
  } catch (const binding::ConversionError&) {
    return 0;
  }
  if (listings::ParseGridInteger(std::to_string(value)) != value) std::abort();
  return 0;
}

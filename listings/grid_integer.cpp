#include "listings/grid_integer.h"

#include <charconv>

#include "binding/errors.h"

namespace listings {

namespace {

[[noreturn]] void Fail() { throw binding::ConversionError("String", "Integer"); }

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::int32_t ParseGridInteger(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  for (std::string_view prefix : {"$", "x", "X", "0x"}) {
    if (StartsWith(text, prefix)) {
      base = 16;
      text.remove_prefix(prefix.size());
      break;
    }
  }
  // from_chars takes no sign or prefix of its own here, so only plain digits remain valid.
  if (text.empty() || text.front() == '+' || text.front() == '-') Fail();
  std::int64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc{} || end != text.data() + text.size()) Fail();
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) Fail();
  return static_cast<std::int32_t>(value);
}

}  // namespace listings

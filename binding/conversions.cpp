#include "binding/conversions.h"

#include <charconv>

#include "binding/errors.h"

namespace binding {

namespace {

constexpr std::string_view kNoValue = kNoValueTypeName;
constexpr std::string_view kText = "OleStr";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Signed decimal integer; nullopt when the text is not one or does not fit 64 bits.
std::optional<std::int64_t> DecimalValue(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::int64_t ParseInteger(const DomValue& value, std::int64_t min, std::int64_t max,
                          std::string_view typeName) {
  if (!value) throw ConversionError(kNoValue, typeName);
  const auto number = DecimalValue(*value);
  if (!number || *number < min || *number > max) throw ConversionError(kText, typeName);
  return *number;
}

bool ParseBoolean(const DomValue& value) {
  if (!value) throw ConversionError(kNoValue, Conversion<bool>::kTypeName);
  const std::string_view text = Trimmed(*value);
  if (EqualsIgnoringAsciiCase(text, "true")) return true;
  if (EqualsIgnoringAsciiCase(text, "false")) return false;
  const auto number = DecimalValue(text);
  if (!number) throw ConversionError(kText, "Boolean");
  return *number != 0;
}

std::string Conversion<std::string>::Read(const DomValue& v) {
  if (!v) throw ConversionError(kNoValue, kTypeName);
  return FromDom(*v);
}

std::u16string Conversion<std::u16string>::Read(const DomValue& v) {
  if (!v) throw ConversionError(kNoValue, kText);
  return FromDom(*v);
}

}  // namespace binding

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "binding/text.h"

namespace binding {

// A DOM value as the layer hands it to a conversion: the element's UTF-8 text, or no value when
// that text is empty.
using DomValue = std::optional<std::string_view>;

// The name a conversion error gives to a value that is not there.
inline constexpr std::string_view kNoValueTypeName = "Null";

// Text to integer, the way every integer kind reads: blanks around an optional sign and decimal
// digits. Fails with a conversion error into `typeName` on no value, other text, or a value
// outside [min, max].
std::int64_t ParseInteger(const DomValue& value, std::int64_t min, std::int64_t max,
                          std::string_view typeName);
bool ParseBoolean(const DomValue& value);

// One conversion per value kind. Read turns a DOM value into the kind (failing on no value);
// Write gives the text stored in the document, failing on text that cannot be stored unchanged.
// Integers are always stored as the decimal text of a signed 32-bit value, so unsigned values above
// INT32_MAX are stored negative.
template <class T>
struct Conversion;

template <>
struct Conversion<std::int32_t> {
  static constexpr std::string_view kTypeName = "Integer";
  static std::int32_t Read(const DomValue& v) {
    return static_cast<std::int32_t>(ParseInteger(v, INT32_MIN, INT32_MAX, kTypeName));
  }
  static std::string Write(std::int32_t v) { return std::to_string(v); }
};

template <>
struct Conversion<std::int8_t> {
  static constexpr std::string_view kTypeName = "Integer";
  // Read as a signed 32-bit value, keeping its low 8 bits: "200" reads as -56.
  static std::int8_t Read(const DomValue& v) {
    return static_cast<std::int8_t>(Conversion<std::int32_t>::Read(v));
  }
  static std::string Write(std::int8_t v) { return Conversion<std::int32_t>::Write(v); }
};

template <>
struct Conversion<std::uint32_t> {
  static constexpr std::string_view kTypeName = "Int64";
  // Read as a signed 64-bit value, keeping its low 32 bits: "-1" reads as 4294967295.
  static std::uint32_t Read(const DomValue& v) {
    return static_cast<std::uint32_t>(ParseInteger(v, INT64_MIN, INT64_MAX, kTypeName));
  }
  static std::string Write(std::uint32_t v) {
    return Conversion<std::int32_t>::Write(static_cast<std::int32_t>(v));
  }
};

template <>
struct Conversion<bool> {
  static constexpr std::string_view kTypeName = "Boolean";
  static bool Read(const DomValue& v) { return ParseBoolean(v); }
  static std::string Write(bool v) { return v ? "true" : "false"; }
};

// 8-bit text in the user's code page.
template <>
struct Conversion<std::string> {
  static constexpr std::string_view kTypeName = "String";
  static std::string FromDom(std::string_view text) { return Utf8ToLocal8Bit(text); }
  static std::string Read(const DomValue& v);
  static std::string Write(std::string_view v) { return XmlTextFromLocal8Bit(v); }
};

// Wide text.
template <>
struct Conversion<std::u16string> {
  static constexpr std::string_view kTypeName = "OleStr";
  static std::u16string FromDom(std::string_view text) { return Utf8ToUtf16(text); }
  static std::u16string Read(const DomValue& v);
  static std::string Write(std::u16string_view v) { return XmlTextFromUtf16(v); }
};

// Text kinds are read as the element's text, an empty element giving empty text; the other kinds
// convert its value, which an empty element does not have.
template <class T>
inline constexpr bool kIsText = std::is_same_v<T, std::string> || std::is_same_v<T, std::u16string>;

}  // namespace binding

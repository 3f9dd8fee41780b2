#include "query_tool/namespace_patch.h"

#include <array>
#include <optional>
#include <stdexcept>

#include "binding/text.h"
#include "files/files.h"
#include "query_documents/namespaces.h"

namespace query_tool {

namespace {

constexpr std::array<std::string_view, 5> kTags = {"Numero", "Serie", "Tipo", "Cnpj",
                                                   "InscricaoMunicipal"};

template <class Unit>
using Text = std::basic_string<Unit>;

// UTF-8 text in the code units of the buffer.
Text<char> Encode(std::string_view utf8, char) { return Text<char>(utf8); }
Text<char16_t> Encode(std::string_view utf8, char16_t) { return binding::Utf8ToUtf16(utf8); }

template <class Unit>
Text<Unit> WithCrLf(std::basic_string_view<Unit> text) {
  constexpr Unit cr = '\r';
  constexpr Unit lf = '\n';
  Text<Unit> out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Unit c = text[i];
    if (c != cr && c != lf) {
      out += c;
      continue;
    }
    out += cr;
    out += lf;
    if (c == cr && i + 1 < text.size() && text[i + 1] == lf) ++i;
  }
  return out;
}

template <class Unit>
Text<Unit> Adjusted(std::basic_string_view<Unit> text, std::string_view typesNamespace) {
  Text<Unit> out = WithCrLf(text);
  for (const std::string_view tag : kTags) {
    const std::string name(tag);
    const Text<Unit> old = Encode("<" + name + ">", Unit{});
    const std::size_t at = out.find(old);
    if (at == Text<Unit>::npos) continue;
    out.replace(at, old.size(),
                Encode("<" + name + " xmlns=\"" + std::string(typesNamespace) + "\">", Unit{}));
  }
  return out;
}

enum class ByteOrder { Little, Big };

std::optional<ByteOrder> Utf16ByteOrder(std::string_view bytes) {
  if (bytes.size() < 2 || bytes.size() % 2 != 0) return std::nullopt;
  const std::string_view lead = bytes.substr(0, 2);
  if (lead == "\xFF\xFE" || lead == std::string_view("<\0", 2)) return ByteOrder::Little;
  if (lead == "\xFE\xFF" || lead == std::string_view("\0<", 2)) return ByteOrder::Big;
  return std::nullopt;
}

std::u16string DecodeUtf16(std::string_view bytes, ByteOrder order) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]);
    const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(order == ByteOrder::Little ? first | second << 8
                                                                : first << 8 | second);
  }
  return units;
}

std::string EncodeUtf16(std::u16string_view units, ByteOrder order) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    const auto low = static_cast<char>(unit & 0xFF);
    const auto high = static_cast<char>(unit >> 8);
    bytes += order == ByteOrder::Little ? low : high;
    bytes += order == ByteOrder::Little ? high : low;
  }
  return bytes;
}

}  // namespace

std::string AdjustedRequestBytes(std::string_view bytes, std::string_view typesNamespace) {
  if (bytes.find('\0') == std::string_view::npos) return Adjusted(bytes, typesNamespace);

  const std::optional<ByteOrder> order = Utf16ByteOrder(bytes);
  const std::u16string units = order ? DecodeUtf16(bytes, *order) : std::u16string();
  // A NUL unit means the text is not UTF-16 (UTF-32 reads that way); adjusting it would corrupt it.
  if (!order || units.find(u'\0') != std::u16string::npos) {
    throw std::runtime_error("The saved request is neither 8-bit nor UTF-16 text");
  }
  return EncodeUtf16(Adjusted(std::u16string_view(units), typesNamespace), *order);
}

void AdjustSavedRequest(const std::filesystem::path& path) {
  files::WriteFileAtomically(
      path, AdjustedRequestBytes(files::ReadFileBytes(path), query_documents::TypesNamespace));
}

}  // namespace query_tool

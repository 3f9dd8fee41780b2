// 8-bit text on Windows: the ANSI code page (windows-1252 in Western Europe and the Americas),
// converted from and to the document's UTF-8 through UTF-16. Where Windows runs with UTF-8 as
// its ANSI code page, 8-bit text is UTF-8 as on POSIX systems.
#include <windows.h>

#include <optional>

#include "binding/errors.h"
#include "binding/text.h"
#include "binding/text_detail.h"

namespace binding {

namespace {

bool AnsiIsUtf8() { return GetACP() == CP_UTF8; }

// `local` decoded from the ANSI code page; with MB_ERR_INVALID_CHARS in `flags`, nothing where
// it holds bytes that are not valid there (only a multi-byte code page has such).
std::optional<std::u16string> FromAnsi(std::string_view local, DWORD flags) {
  if (local.empty()) return std::u16string();
  const int size = static_cast<int>(local.size());
  const int n = MultiByteToWideChar(CP_ACP, flags, local.data(), size, nullptr, 0);
  if (n == 0) return std::nullopt;
  std::u16string wide(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, flags, local.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                      n);
  return wide;
}

// `wide` in the ANSI code page, or nothing where it holds a character the code page cannot
// hold. No best fit either: "ā" does not quietly become "a".
std::optional<std::string> ToAnsi(std::u16string_view wide) {
  if (wide.empty()) return std::string();
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int size = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  const int n =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, size, nullptr, 0, nullptr, &lost);
  if (n == 0 || lost) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, size, out.data(), n, nullptr, nullptr);
  return out;
}

// The first character of `wide` that the ANSI code page cannot hold, as UTF-8.
std::u16string FirstUnheld(std::u16string_view wide) {
  for (std::size_t i = 0; i < wide.size();) {
    const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
    const std::u16string_view one = wide.substr(i, pair ? 2 : 1);
    if (!ToAnsi(one)) return std::u16string(one);
    i += one.size();
  }
  return u"\uFFFD";
}

}  // namespace

std::string Local8BitEncoding() {
  const UINT page = GetACP();
  return page == CP_UTF8 ? "UTF-8" : "windows-" + std::to_string(page);
}

std::string Local8BitToUtf8(std::string_view local) {
  if (AnsiIsUtf8()) return ValidUtf8(local);
  return Utf16ToUtf8(FromAnsi(local, 0).value_or(u"\uFFFD"));
}

std::string XmlTextFromLocal8Bit(std::string_view local) {
  if (AnsiIsUtf8()) {
    if (const std::size_t at = detail::FirstInvalidUtf8(local); at != std::string_view::npos)
      detail::RefuseInvalidUtf8(local, at);
    return std::string(local);
  }
  const std::optional<std::u16string> wide = FromAnsi(local, MB_ERR_INVALID_CHARS);
  if (!wide)
    detail::RefuseText("bytes that are not valid in the " + Local8BitEncoding() + " code page");
  return Utf16ToUtf8(*wide);
}

std::string Utf8ToLocal8Bit(std::string_view utf8) {
  if (AnsiIsUtf8()) return std::string(utf8);
  const std::u16string wide = Utf8ToUtf16(utf8);
  if (std::optional<std::string> local = ToAnsi(wide)) return std::move(*local);
  const std::u16string unheld = FirstUnheld(wide);
  const char32_t cp = unheld.size() == 2
                          ? 0x10000 + ((char32_t{unheld[0]} - 0xD800) << 10) + (unheld[1] - 0xDC00)
                          : unheld[0];
  throw Error("The text cannot be read as 8-bit text: it holds the character \"" +
              Utf16ToUtf8(unheld) + "\" (" + detail::CodePoint(cp) + "), which the " +
              Local8BitEncoding() + " code page cannot hold");
}

std::filesystem::path Local8BitPath(const std::string& path) {
  const std::optional<std::u16string> wide =
      AnsiIsUtf8() ? std::optional(Utf8ToUtf16(path)) : FromAnsi(path, MB_ERR_INVALID_CHARS);
  if (!wide) throw Error("The path is not valid text in the " + Local8BitEncoding() + " code page");
  return std::filesystem::path(std::wstring(wide->begin(), wide->end()));
}

}  // namespace binding

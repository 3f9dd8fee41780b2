// 8-bit text on Linux, macOS and other POSIX systems: UTF-8, the same as the document's.
#include "binding/text.h"
#include "binding/text_detail.h"

namespace binding {

std::string Local8BitEncoding() { return "UTF-8"; }

std::string Local8BitToUtf8(std::string_view local) { return ValidUtf8(local); }

std::string XmlTextFromLocal8Bit(std::string_view local) {
  if (const std::size_t at = detail::FirstInvalidUtf8(local); at != std::string_view::npos)
    detail::RefuseInvalidUtf8(local, at);
  return std::string(local);
}

std::string Utf8ToLocal8Bit(std::string_view utf8) { return std::string(utf8); }

std::filesystem::path Local8BitPath(const std::string& path) { return path; }

}  // namespace binding

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What text.cpp shares with the 8-bit text of each platform (local8bit_posix.cpp,
// local8bit_windows.cpp). Not installed.
namespace binding::detail {

// "U+00E3".
std::string CodePoint(char32_t cp);
// Where `bytes` stop being UTF-8, or npos.
std::size_t FirstInvalidUtf8(std::string_view bytes);
// Fails with binding::Error: "The text cannot be written to the document: it holds " + what.
[[noreturn]] void RefuseText(const std::string& what);
// RefuseText naming the byte at `at`, which is not valid UTF-8.
[[noreturn]] void RefuseInvalidUtf8(std::string_view bytes, std::size_t at);

}  // namespace binding::detail

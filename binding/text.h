#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace binding {

// The DOM holds UTF-8. Programs hand the layer either wide text (UTF-16) or 8-bit text in the
// user's code page, which is UTF-8 on Linux and macOS and the ANSI code page on Windows.

std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
// Invalid UTF-8 sequences become U+FFFD, so the DOM never holds broken text.
std::string ValidUtf8(std::string_view bytes);

// The name of the user's 8-bit encoding as an XML declaration gives it: "UTF-8", or on Windows
// the ANSI code page ("windows-1252").
std::string Local8BitEncoding();

// Invalid 8-bit text becomes U+FFFD.
std::string Local8BitToUtf8(std::string_view local);
// Fails with binding::Error, naming the character, where the 8-bit encoding cannot hold one
// (the ANSI code page holds few), rather than give another character in its place.
std::string Utf8ToLocal8Bit(std::string_view utf8);

// Text on its way into the document. Unlike the conversions above these never replace anything:
// they fail with binding::Error, naming what they met, rather than write text other than what
// the caller gave. Wide text must not hold an unpaired surrogate, 8-bit text must be valid in its
// encoding, and the result must hold only characters XML 1.0 allows (CheckXmlText).
std::string XmlTextFromUtf16(std::u16string_view utf16);
std::string XmlTextFromLocal8Bit(std::string_view local);
// Fails unless `utf8` is valid UTF-8 of characters XML 1.0 allows: no control character other
// than tab, line feed and carriage return, and neither U+FFFE nor U+FFFF.
void CheckXmlText(std::string_view utf8);

// Equal but for ASCII letter case.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// A path given as 8-bit text in the user's code page. Fails with binding::Error where the text
// is not valid in it. On Windows a name with characters outside the ANSI code page cannot be
// given this way: such a file is reached through a wide path (std::filesystem::path).
std::filesystem::path Local8BitPath(const std::string& path);

}  // namespace binding

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "binding/errors.h"
#include "binding/text.h"

namespace binding {
namespace {

TEST(Text, WideTextRoundTripsBeyondLatin1) {
  const std::u16string wide = u"Serviço Ωμέγα 漢字 \U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(wide)), wide);
  EXPECT_EQ(Utf16ToUtf8(wide), "Serviço Ωμέγα 漢字 \xF0\x9F\x98\x80");
}

TEST(Text, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(ValidUtf8("a\xFF"
                      "b\xC3"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
  EXPECT_EQ(ValidUtf8("\xE0\x80\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // overlong
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");          // lone surrogate
}

TEST(XmlText, TextXmlCannotHoldIsRefusedNamingWhatWasMet) {
  const struct {
    std::string utf8;
    std::string met;
  } refused[] = {
      {"a\x01"
       "b",
       "the character U+0001"},
      {std::string("a\0b", 3), "the character U+0000"},
      {"\x1F", "the character U+001F"},
      {"\xEF\xBF\xBE", "the character U+FFFE"},
      {"ok\xFF", "the byte 0xFF at position 3, which is not valid UTF-8"},
      {"\xED\xA0\x80", "the byte 0xED at position 1"},  // an encoded surrogate
  };
  for (const auto& c : refused) {
    try {
      CheckXmlText(c.utf8);
      ADD_FAILURE() << c.met;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.met), std::string::npos) << e.what();
    }
  }
  EXPECT_NO_THROW(CheckXmlText("\t\n\r &<>\"' \xEF\xBF\xBD \xF0\x9F\x98\x80"));
}

TEST(XmlText, WideTextIsWrittenUnchangedOrRefused) {
  EXPECT_EQ(XmlTextFromUtf16(u"Ω\U0001F600"), "Ω\xF0\x9F\x98\x80");
  for (const std::u16string& lone :
       {std::u16string(u"a\xD800"), std::u16string(u"\xDC00z"), std::u16string(u"\xDC00\xD800")})
    EXPECT_THROW(XmlTextFromUtf16(lone), Error);
}

// 8-bit text as each encoding the tests know writes it: UTF-8 on POSIX systems, the ANSI code
// page on Windows.
struct EightBit {
  std::string encoding;
  std::string saoPaulo;              // "São Paulo"
  std::vector<std::string> invalid;  // bytes that are not text in it
  std::string unheld;                // UTF-8 of a character it cannot hold, if any
};

const EightBit* CurrentEightBit() {
  static const EightBit kKnown[] = {
      {"UTF-8", "S\xC3\xA3o Paulo", {"a\xC3", "\xE0\x80\x80" /* overlong */}, ""},
      {"windows-1252", "S\xE3o Paulo", {}, "\xE6\x97\xA5" /* U+65E5 */},
  };
  for (const EightBit& known : kKnown)
    if (known.encoding == Local8BitEncoding()) return &known;
  return nullptr;
}

TEST(EightBitText, RoundTripsThroughTheDocumentsUtf8) {
  const EightBit* local = CurrentEightBit();
  if (local == nullptr) GTEST_SKIP() << "no samples for the 8-bit encoding " << Local8BitEncoding();
  const std::string utf8 = "S\xC3\xA3o Paulo";
  EXPECT_EQ(XmlTextFromLocal8Bit(local->saoPaulo), utf8);
  EXPECT_EQ(Local8BitToUtf8(local->saoPaulo), utf8);
  EXPECT_EQ(Utf8ToLocal8Bit(utf8), local->saoPaulo);
  for (const std::string& bad : local->invalid) {
    EXPECT_THROW(XmlTextFromLocal8Bit(bad), Error);
    EXPECT_NE(Local8BitToUtf8(bad).find("\xEF\xBF\xBD"), std::string::npos);
  }
}

TEST(EightBitText, ACharacterTheEncodingCannotHoldFailsNamingIt) {
  const EightBit* local = CurrentEightBit();
  if (local == nullptr) GTEST_SKIP() << "no samples for the 8-bit encoding " << Local8BitEncoding();
  if (local->unheld.empty()) GTEST_SKIP() << local->encoding << " holds every character";
  try {
    const std::string read = Utf8ToLocal8Bit("a" + local->unheld + "b");
    ADD_FAILURE() << "read as " << read;
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("\"" + local->unheld + "\" (U+65E5)"), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace binding

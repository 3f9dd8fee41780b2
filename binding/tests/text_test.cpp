#include <gtest/gtest.h>

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

TEST(XmlText, WideAndEightBitTextIsWrittenUnchangedOrRefused) {
  EXPECT_EQ(XmlTextFromUtf16(u"Ω\U0001F600"), "Ω\xF0\x9F\x98\x80");
  EXPECT_EQ(XmlTextFromLocal8Bit("a\xC3\xA7"), "a\xC3\xA7");
  for (const std::u16string& lone :
       {std::u16string(u"a\xD800"), std::u16string(u"\xDC00z"), std::u16string(u"\xDC00\xD800")})
    EXPECT_THROW(XmlTextFromUtf16(lone), Error);
  EXPECT_THROW(XmlTextFromLocal8Bit("a\xC3"), Error);
  EXPECT_THROW(XmlTextFromLocal8Bit("\xE0\x80\x80"), Error);  // overlong
}

}  // namespace
}  // namespace binding

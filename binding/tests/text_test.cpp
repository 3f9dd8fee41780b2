#include <gtest/gtest.h>

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

}  // namespace
}  // namespace binding

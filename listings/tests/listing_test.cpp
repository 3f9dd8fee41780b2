// A listing on its own: one value a line, and what a listing keeps when it stops.

#include "listings/listing.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace listings {
namespace {

const std::string kMark(kLineBreakMark);

TEST(OneLine, ShowsEachLineBreakAsOneMark) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"no break", "no break"},
      {"a\nb", "a" + kMark + "b"},
      {"a\rb", "a" + kMark + "b"},
      {"a\r\nb", "a" + kMark + "b"},              // CR LF is one break
      {"a\n\rb", "a" + kMark + kMark + "b"},      // LF then CR are two
      {"a\r\n\r\nb", "a" + kMark + kMark + "b"},  // an empty line between
      {"a\xE2\x80\xA8"
       "b",
       "a" + kMark + "b"},  // U+2028
      {"a\xE2\x80\xA9"
       "b",
       "a" + kMark + "b"},  // U+2029
      {"\nSuporte t\xC3\xA9"
       "cnico\n",
       kMark +
           "Suporte t\xC3\xA9"
           "cnico" +
           kMark},
      {"\xE2\x80\xA7\xE2\x8F\x8E", "\xE2\x80\xA7\xE2\x8F\x8E"},  // neighbours of U+2028 stay
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(OneLine(text), shown) << text;
}

TEST(Listing, KeepsTheValuesBeforeAFailureAndItsReason) {
  const Listing stopped = Gather([](std::vector<Value>& values) {
    values.push_back({"A", "1"});
    values.push_back({"B", "2\n3"});
    throw std::runtime_error("B/C cannot be read");
  });
  EXPECT_EQ(stopped.values, (std::vector<Value>{{"A", "1"}, {"B", "2\n3"}}));
  EXPECT_EQ(stopped.failure, "B/C cannot be read");
  EXPECT_EQ(Texts(stopped.values), (std::vector<std::string>{"1", "2\n3"}));
  EXPECT_EQ(Lines(stopped.values), (std::vector<std::string>{"1", "2" + kMark + "3"}));
  try {
    ThrowIfStopped(stopped);
    ADD_FAILURE() << "a stopped listing passed";
  } catch (const Stopped& e) {
    EXPECT_STREQ(e.what(), "B/C cannot be read");
  }

  const Listing complete = Gather([](std::vector<Value>& values) { values.push_back({"A", ""}); });
  EXPECT_FALSE(complete.failure);
  EXPECT_NO_THROW(ThrowIfStopped(complete));
}

TEST(Listing, SplitsAResponseBeforeItsFirstReturnMessage) {
  const Value body{"CompNfse/Nfse/InfNfse/@Id", "N1"};
  const Value message{"ListaMensagemRetorno/MensagemRetorno[0]/Codigo", "E1"};
  const struct {
    std::vector<Value> values;
    std::size_t bodySize;
  } cases[] = {{{}, 0}, {{body}, 1}, {{message}, 0}, {{body, body, message, message}, 2}};
  for (const auto& c : cases) {
    const Listing listing{c.values, std::nullopt};
    const auto [before, messages] = SplitAtReturnMessages(listing);
    EXPECT_EQ(before.size(), c.bodySize);
    EXPECT_EQ(messages.size(), c.values.size() - c.bodySize);
  }
}

}  // namespace
}  // namespace listings

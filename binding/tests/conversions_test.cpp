#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "binding/conversions.h"
#include "binding/errors.h"

namespace binding {
namespace {

struct IntegerRead {
  const char* text;
  std::int64_t int32;  // expected as each kind, or kFails
  std::int64_t int8;
  std::int64_t uint32;
};
constexpr std::int64_t kFails = INT64_MIN;

class IntegerReads : public testing::TestWithParam<IntegerRead> {};

template <class T>
void ExpectRead(const DomValue& value, std::int64_t expected) {
  if (expected == kFails) {
    EXPECT_THROW(Conversion<T>::Read(value), ConversionError) << value.value_or("<none>");
  } else {
    EXPECT_EQ(static_cast<std::int64_t>(Conversion<T>::Read(value)), expected)
        << value.value_or("<none>");
  }
}

TEST_P(IntegerReads, EachKindConvertsAsItsTableSays) {
  const IntegerRead& c = GetParam();
  const DomValue value = std::string_view(c.text);
  ExpectRead<std::int32_t>(value, c.int32);
  ExpectRead<std::int8_t>(value, c.int8);
  ExpectRead<std::uint32_t>(value, c.uint32);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerReads,
    testing::Values(IntegerRead{"12", 12, 12, 12}, IntegerRead{" -7 ", -7, -7, 4294967289},
                    IntegerRead{"+5", 5, 5, 5}, IntegerRead{"200", 200, -56, 200},
                    IntegerRead{"300", 300, 44, 300}, IntegerRead{"-1", -1, -1, 4294967295},
                    IntegerRead{"2147483648", kFails, kFails, 2147483648},
                    IntegerRead{"4294967296", kFails, kFails, 0},
                    IntegerRead{"99999999999999999999", kFails, kFails, kFails},
                    IntegerRead{"abc", kFails, kFails, kFails},
                    IntegerRead{"1.5", kFails, kFails, kFails},
                    IntegerRead{"+-1", kFails, kFails, kFails},
                    IntegerRead{"1 2", kFails, kFails, kFails},
                    IntegerRead{"   ", kFails, kFails, kFails}));

TEST(Conversions, NoValueFailsWithTheVariantMessage) {
  try {
    Conversion<std::int32_t>::Read(std::nullopt);
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (Integer)");
  }
  try {
    Conversion<std::int32_t>::Read(std::string("x"));
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "Could not convert variant of type (OleStr) into type (Integer)");
  }
  EXPECT_THROW(Conversion<std::u16string>::Read(std::nullopt), ConversionError);
}

TEST(Conversions, IntegersAreWrittenAsSigned32BitDecimal) {
  EXPECT_EQ(Conversion<std::uint32_t>::Write(4294967295u), "-1");
  EXPECT_EQ(Conversion<std::uint32_t>::Write(2147483648u), "-2147483648");
  EXPECT_EQ(Conversion<std::uint32_t>::Write(16), "16");
  EXPECT_EQ(Conversion<std::int8_t>::Write(-56), "-56");
  EXPECT_EQ(Conversion<std::int32_t>::Write(INT32_MIN), "-2147483648");
  EXPECT_EQ(Conversion<bool>::Write(true), "true");
  EXPECT_EQ(Conversion<bool>::Write(false), "false");
}

TEST(Conversions, BooleansAcceptWordsInAnyCaseAndNumbers) {
  const struct {
    const char* text;
    int expected;  // 1 true, 0 false, -1 fails
  } cases[] = {{"true", 1}, {"TRUE", 1}, {"False", 0}, {"1", 1},   {"0", 0},
               {"-3", 1},   {"sim", -1}, {"", -1},     {"yes", -1}};
  for (const auto& c : cases) {
    const DomValue value = *c.text ? DomValue(c.text) : std::nullopt;
    if (c.expected < 0)
      EXPECT_THROW(Conversion<bool>::Read(value), ConversionError) << c.text;
    else
      EXPECT_EQ(Conversion<bool>::Read(value), c.expected == 1) << c.text;
  }
}

}  // namespace
}  // namespace binding

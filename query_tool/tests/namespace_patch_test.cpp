#include "query_tool/namespace_patch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "files/files.h"
#include "query_documents/namespaces.h"
#include "test_support/test_support.h"

namespace {

constexpr std::string_view kNs = "urn:t";

// Each row of a table is named by its `name` field.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

struct AdjustCase {
  const char* name;
  std::string input;
  std::string expected;
};

class AdjustBytes : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustBytes, GivesExactlyTheExpectedBytes) {
  EXPECT_EQ(query_tool::AdjustedRequestBytes(GetParam().input, kNs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdjustBytes,
    testing::Values(
        AdjustCase{"AllFiveTagsInOrder",
                   "<a><Numero>4</Numero><Serie>1</Serie><Tipo>1</Tipo><Cnpj>9</Cnpj>"
                   "<InscricaoMunicipal>5</InscricaoMunicipal></a>",
                   "<a><Numero xmlns=\"urn:t\">4</Numero><Serie xmlns=\"urn:t\">1</Serie>"
                   "<Tipo xmlns=\"urn:t\">1</Tipo><Cnpj xmlns=\"urn:t\">9</Cnpj>"
                   "<InscricaoMunicipal xmlns=\"urn:t\">5</InscricaoMunicipal></a>"},
        AdjustCase{"OnlyTheFirstOccurrenceAndExactCase",
                   "<Serie>1</Serie><Serie>2</Serie><serie>3</serie>",
                   "<Serie xmlns=\"urn:t\">1</Serie><Serie>2</Serie><serie>3</serie>"},
        AdjustCase{"TagsInAnyOrderEachFirstOne", "<Tipo>1</Tipo><Numero>2</Numero><Tipo/>",
                   "<Tipo xmlns=\"urn:t\">1</Tipo><Numero xmlns=\"urn:t\">2</Numero><Tipo/>"},
        AdjustCase{"StartTagsWithAttributesOrEmptyAreNotMatched",
                   "<Numero a=\"1\">4</Numero><Cnpj/>", "<Numero a=\"1\">4</Numero><Cnpj/>"},
        AdjustCase{"LoneLineFeeds", "<a>\n<b/>\n</a>\n", "<a>\r\n<b/>\r\n</a>\r\n"},
        AdjustCase{"LoneCarriageReturns", "<a>\r<b/>\r</a>", "<a>\r\n<b/>\r\n</a>"},
        AdjustCase{"MixedBreaksEachOneCrLf", "a\r\nb\r\r\nc\n\rd\n\ne",
                   "a\r\nb\r\n\r\nc\r\n\r\nd\r\n\r\ne"},
        AdjustCase{"NoFinalBreakAddedNorBomNorEmptyInput", "", ""},
        AdjustCase{"EightBitBytesPassUntouched", "\xEF\xBB\xBF<Serie>\xC3\xA7\xE9\xFF</Serie>",
                   "\xEF\xBB\xBF<Serie xmlns=\"urn:t\">\xC3\xA7\xE9\xFF</Serie>"}),
    CaseName<AdjustCase>);

// Each UTF-16 code unit as two bytes in that order.
std::string Utf16Bytes(std::u16string_view text, bool little) {
  std::string bytes;
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += little ? low : high;
    bytes += little ? high : low;
  }
  return bytes;
}

struct Utf16Case {
  const char* name;
  bool little;
  bool bom;
};

class AdjustUtf16 : public testing::TestWithParam<Utf16Case> {};

// A 16-bit document keeps its byte order and its mark, and every character, including
// unpaired surrogates, comes back unit for unit.
TEST_P(AdjustUtf16, KeepsEncodingMarkAndContent) {
  const std::u16string mark = GetParam().bom ? u"\uFEFF" : u"";
  const std::u16string body =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a><Numero>4</Numero>"
      u"<Serie>\u00E7\u4E2D\U0001D11E\xD800</Serie></a>\n";
  const std::u16string adjusted =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<a><Numero xmlns=\"urn:t\">4</Numero>"
      u"<Serie xmlns=\"urn:t\">\u00E7\u4E2D\U0001D11E\xD800</Serie></a>\r\n";
  EXPECT_EQ(query_tool::AdjustedRequestBytes(Utf16Bytes(mark + body, GetParam().little), kNs),
            Utf16Bytes(mark + adjusted, GetParam().little));
}

INSTANTIATE_TEST_SUITE_P(Orders, AdjustUtf16,
                         testing::Values(Utf16Case{"LittleEndianWithMark", true, true},
                                         Utf16Case{"BigEndianWithMark", false, true},
                                         Utf16Case{"LittleEndianWithoutMark", true, false},
                                         Utf16Case{"BigEndianWithoutMark", false, false}),
                         CaseName<Utf16Case>);

// Text with NUL bytes that is not UTF-16 cannot be adjusted without damage: it is refused.
TEST(AdjustBytes, RefusesNulBytesThatAreNotUtf16) {
  const std::string utf32(std::string_view("\xFF\xFE\0\0<\0\0\0a\0\0\0", 12));
  const std::string oddLength(std::string_view("<\0a\0>", 5));
  const std::string eightBitWithNul(std::string_view("<a>\0</a>", 8));
  for (const std::string& bytes : {utf32, oddLength, eightBitWithNul}) {
    EXPECT_THROW(query_tool::AdjustedRequestBytes(bytes, kNs), std::runtime_error);
  }
}

class AdjustFile : public testing::Test {
 protected:
  test_support::TempFolder dir_;
};

TEST_F(AdjustFile, RewritesTheFileWithTheSharedTypesNamespace) {
  const auto path = dir_.Write("r.xml", "<a>\n<Cnpj>\xC3\xA7</Cnpj></a>");
  query_tool::AdjustSavedRequest(path);
  EXPECT_EQ(files::ReadFileBytes(path),
            "<a>\r\n<Cnpj xmlns=\"" + query_documents::TypesNamespace + "\">\xC3\xA7</Cnpj></a>");
}

TEST_F(AdjustFile, LeavesARefusedFileAsItWas) {
  const std::string utf32(std::string_view("<\0\0\0\n\0\0\0", 8));
  const auto path = dir_.Write("r.xml", utf32);
  EXPECT_THROW(query_tool::AdjustSavedRequest(path), std::runtime_error);
  EXPECT_EQ(files::ReadFileBytes(path), utf32);
}

}  // namespace

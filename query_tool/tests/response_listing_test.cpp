// Orvane's response listing on its own: the 80 values of a complete response, the return
// messages, and where a listing stops.

#include "query_tool/response_listing.h"

#include <gtest/gtest.h>

#include "binding/text.h"
#include "query_documents/tests/complete_response.h"

namespace query_tool {
namespace {

using namespace query_documents::testing;

std::vector<std::string> Utf8(const std::vector<std::u16string>& lines) {
  std::vector<std::string> out;
  for (const std::u16string& line : lines) out.push_back(binding::Utf16ToUtf8(line));
  return out;
}

TEST(ResponseListing, ListsTheEightyValuesOfACompleteResponseInOrder) {
  const auto root = ParseResponse(CompleteResponseXml());
  std::vector<std::u16string> lines;
  ListNfse(*root, lines);
  ASSERT_EQ(lines.size(), 80u);
  EXPECT_EQ(Utf8(lines), CompleteInvoiceListing());
}

TEST(ResponseListing, ListsThreeLinesPerReturnMessage) {
  const auto root = ParseResponse(CompleteResponseXml(2));
  std::vector<std::u16string> lines;
  ListReturnMessages(*root, lines);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], root->ListaMensagemRetorno()->ItemAt(0)->Codigo());
  EXPECT_EQ(lines[5], root->ListaMensagemRetorno()->ItemAt(1)->Correcao());
}

// A response holding only the message list gives one empty line, then fails at Numero.
TEST(ResponseListing, StopsAtTheFirstIntegerThatIsAbsent) {
  const auto root =
      ParseResponse("<ConsultarNfseRpsResposta xmlns=\"" + query_documents::ResponseNamespace +
                    "\"><ListaMensagemRetorno/></ConsultarNfseRpsResposta>");
  std::vector<std::u16string> lines;
  EXPECT_THROW(ListNfse(*root, lines), binding::Error);
  EXPECT_EQ(lines, std::vector<std::u16string>{u""});
}

}  // namespace
}  // namespace query_tool

#include "query_documents/string_list.h"

#include <gtest/gtest.h>

#include <string>

#include "binding/binding.h"

namespace {

using query_documents::TXMLString_List;

// A list of "XPath" items over the document element of `xml`.
struct ListFixture {
  explicit ListFixture(std::string_view xml)
      : document(binding::ParseDocument(xml)),
        list(document->DocumentElement()->CreateItemCollection<TXMLString_List>("XPath")) {}
  std::string Bytes() const { return document->XmlBytes(); }

  std::shared_ptr<binding::TXMLDocument> document;
  std::shared_ptr<TXMLString_List> list;
};

TEST(StringList, AddsAndInsertsWideTextItems) {
  ListFixture f(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><T><XPath>a</XPath><Other/><XPath>b</XPath></T>");
  ASSERT_EQ(f.list->Count(), 2);
  f.list->AddItem(u"\u00E7\U0001D11E");
  f.list->InsertItem(0, u"first");
  EXPECT_EQ(f.list->Count(), 4);
  EXPECT_EQ(f.list->ItemAt(0), u"first");
  EXPECT_EQ(f.list->ItemAt(1), u"a");
  EXPECT_EQ(f.list->ItemAt(3), u"\u00E7\U0001D11E");
  EXPECT_NE(f.Bytes().find("<T><XPath>first</XPath><XPath>a</XPath><Other/><XPath>b</XPath>"
                           "<XPath>\xC3\xA7\xF0\x9D\x84\x9E</XPath></T>"),
            std::string::npos)
      << f.Bytes();
}

TEST(StringList, FailsOnAnItemWithoutTextAndOutsideItsItems) {
  ListFixture f("<T><XPath/></T>");
  EXPECT_THROW(f.list->ItemAt(0), binding::ConversionError);
  try {
    f.list->ItemAt(1);
    ADD_FAILURE() << "read past the end";
  } catch (const binding::IndexError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (1)");
  }
}

}  // namespace

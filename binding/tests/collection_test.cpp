#include <gtest/gtest.h>

#include "binding/tests/fixtures.h"

namespace binding::testing_types {
namespace {

constexpr const char* kThree =
    R"(<Root xmlns="urn:test:a"><Lista><Msg><Cnpj>a</Cnpj></Msg><Msg><Cnpj>b</Cnpj></Msg><Other/><Msg><Cnpj>c</Cnpj></Msg></Lista></Root>)";

std::string Cnpjs(Messages& list) {
  std::string out;
  for (int i = 0; i < list.Count(); ++i) out += list.ItemAt(i)->Cnpj();
  return out;
}

TEST(Collection, ItemsAreTheMatchingChildrenInDocumentOrder) {
  auto list = Parse(kThree)->Lista();
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(Cnpjs(*list), "abc");
  EXPECT_EQ(list->Nodes(2)->LocalName(), "Msg");
  EXPECT_EQ(list->ItemAt(0)->Collection(), list.get());
  for (int bad : {3, -1}) {
    try {
      list->ItemAt(bad);
      FAIL();
    } catch (const IndexError& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
}

TEST(Collection, AddAndInsertPlaceNewItemsAmongTheChildren) {
  auto root = Parse(kThree);
  auto list = root->Lista();
  list->AddItem()->SetCnpj("d");
  list->InsertItem(0)->SetCnpj("z");
  list->InsertItem(3)->SetCnpj("y");  // before <Other/>, child 3 once "z" is in front
  EXPECT_EQ(Cnpjs(*list), "zabycd");
  EXPECT_EQ(list->Count(), 6);
  EXPECT_NE(Body(root).find("<Msg><Cnpj>y</Cnpj></Msg><Other/>"), std::string::npos);
  EXPECT_THROW(list->InsertItem(99), IndexError);
}

TEST(Collection, NewItemsTakeTheCollectionsNamespaceAndPrefix) {
  auto root = BindDocument<Root>(
      ParseDocument(R"(<p:Root xmlns:p="urn:test:a"><p:Lista/></p:Root>)"), "Root", kNs);
  root->Lista()->AddItem()->SetCnpj("1");
  EXPECT_EQ(
      Body(root),
      R"(<p:Root xmlns:p="urn:test:a"><p:Lista><p:Msg><p:Cnpj>1</p:Cnpj></p:Msg></p:Lista></p:Root>)");
}

TEST(Collection, DeleteRemoveAndClearTakeItemsOutOfTheDocument) {
  auto root = Parse(kThree);
  auto list = root->Lista();
  auto removed = list->ItemAt(1);
  EXPECT_EQ(list->Remove(removed), 1);
  EXPECT_EQ(list->Remove(removed), -1);
  EXPECT_EQ(removed->Cnpj(), "b");  // still safe to hold and read
  removed->SetCnpj("changed");
  list->Delete(0);
  EXPECT_EQ(Cnpjs(*list), "c");
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(Body(root), R"(<Root xmlns="urn:test:a"><Lista><Other/></Lista></Root>)");
}

TEST(Collection, AbsentCollectionElementIsCreatedEmpty) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"/>)");
  EXPECT_EQ(root->Lista()->Count(), 0);
  EXPECT_EQ(Body(root), R"(<Root xmlns="urn:test:a"><Lista/></Root>)");
}

TEST(Collection, QualifiedItemNamesMatchOnlyChildrenWrittenThatWay) {
  auto doc = ParseDocument(
      R"(<Root xmlns="urn:test:a" xmlns:dsig="urn:test:b"><dsig:Signature/><Signature/><dsig:Signature/></Root>)");
  auto root = BindDocument<Root>(doc, "Root", kNs);
  EXPECT_EQ(root->CreateItemCollection<TXMLNodeCollection>("dsig:Signature")->Count(), 2);
  EXPECT_EQ(root->CreateItemCollection<TXMLNodeCollection>("Signature")->Count(), 3);
  EXPECT_EQ(root->CreateItemCollection<TXMLNodeCollection>("Nothing;dsig:Signature")->Count(), 2);
}

// New items keep the prefix of a qualified item name, so they are items at once and stay items
// once saved and reopened. "dsig" is declared for the item namespace unless already bound to it.
TEST(Collection, QualifiedItemNameWritesNewItemsUnderThatName) {
  struct Case {
    const char* xml;
    const char* expected;
  };
  const Case cases[] = {
      {R"(<Root xmlns="urn:test:a"><dsig:Signature xmlns:dsig="urn:test:a">1</dsig:Signature></Root>)",
       R"(<Root xmlns="urn:test:a"><dsig:Signature xmlns:dsig="urn:test:a">0</dsig:Signature><dsig:Signature xmlns:dsig="urn:test:a">1</dsig:Signature><dsig:Signature xmlns:dsig="urn:test:a">2</dsig:Signature></Root>)"},
      {R"(<Root xmlns="urn:test:a" xmlns:dsig="urn:test:a"><dsig:Signature>1</dsig:Signature></Root>)",
       R"(<Root xmlns="urn:test:a" xmlns:dsig="urn:test:a"><dsig:Signature>0</dsig:Signature><dsig:Signature>1</dsig:Signature><dsig:Signature>2</dsig:Signature></Root>)"},
      {R"(<Root xmlns="urn:test:a" xmlns:dsig="urn:test:b"><dsig:Signature>1</dsig:Signature></Root>)",
       R"(<Root xmlns="urn:test:a" xmlns:dsig="urn:test:b"><dsig:Signature xmlns:dsig="urn:test:a">0</dsig:Signature><dsig:Signature>1</dsig:Signature><dsig:Signature xmlns:dsig="urn:test:a">2</dsig:Signature></Root>)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xml);
    auto root = Parse(c.xml);
    auto list = root->CreateItemCollection<TXMLTextList<std::u16string>>("dsig:Signature");
    list->AddItem(u"2");
    list->InsertItem(0, u"0");
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(Body(root), c.expected);
    auto reopened = Parse(Body(root));
    auto again = reopened->CreateItemCollection<TXMLTextList<std::u16string>>("dsig:Signature");
    ASSERT_EQ(again->Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(again->ItemAt(i), std::u16string(1, u'0' + i));
  }
}

TEST(Collection, EmptyItemNameCannotAddItems) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"/>)");
  auto list = root->CreateItemCollection<TXMLTextList<std::u16string>>("");
  try {
    list->AddItem(u"x");
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "ItemTag property is not initialized");
  }
}

TEST(HostedCollection, SharesTheHostsChildrenAndIsMadeOnce) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Item><Cnpj>1</Cnpj></Item><Leaf/></Root>)");
  auto items = root->ItemList();
  EXPECT_EQ(items, root->ItemList());
  EXPECT_EQ(items->ItemAt(0), root->ChildNodes()[0]);
  items->AddItem()->SetCnpj("2");
  EXPECT_EQ(root->ChildNodes().size(), 3u);
  EXPECT_EQ(items->Count(), 2);
  root->ChildElement("Item");  // finds the first item, adds nothing
  EXPECT_EQ(
      Body(root),
      R"(<Root xmlns="urn:test:a"><Item><Cnpj>1</Cnpj></Item><Leaf/><Item><Cnpj>2</Cnpj></Item></Root>)");
}

TEST(TextList, ItemsHoldTextAndAnEmptyItemFailsToRead) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Note>one</Note><Note/></Root>)");
  auto notes = root->Notes();
  EXPECT_EQ(notes->ItemAt(0), u"one");
  EXPECT_THROW(notes->ItemAt(1), ConversionError);
  notes->InsertItem(0, u"zero ç");
  EXPECT_EQ(notes->AddItem(u"last")->NodeText(), "last");
  EXPECT_EQ(notes->ItemAt(0), u"zero ç");
  EXPECT_EQ(notes->Count(), 4);
}

}  // namespace
}  // namespace binding::testing_types

#include <gtest/gtest.h>

#include "binding/tests/fixtures.h"

namespace binding::testing_types {
namespace {

TEST(ChildLookup, ReadingAnAbsentTextCreatesItOnceAtTheEnd) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf><Other>x</Other></Leaf></Root>)");
  auto leaf = root->LeafChild();
  EXPECT_EQ(leaf->Cnpj(), "");
  EXPECT_EQ(leaf->Cnpj(), "");
  EXPECT_EQ(Body(root),
            R"(<Root xmlns="urn:test:a"><Leaf><Other>x</Other><Cnpj></Cnpj></Leaf></Root>)");
}

TEST(ChildLookup, TypedReadOfAnAbsentElementFailsAndLeavesItCreated) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf/></Root>)");
  EXPECT_THROW(root->LeafChild()->Numero(), ConversionError);
  EXPECT_EQ(Body(root), R"(<Root xmlns="urn:test:a"><Leaf><Numero></Numero></Leaf></Root>)");
  root->LeafChild()->SetNumero(12);
  EXPECT_EQ(root->LeafChild()->Numero(), 12u);
}

TEST(ChildLookup, ChildInAnotherNamespaceIsNotFound) {
  auto root = Parse(
      R"(<Root xmlns="urn:test:a"><b:Leaf xmlns:b="urn:test:b"><Cnpj>1</Cnpj></b:Leaf></Root>)");
  auto leaf = root->LeafChild();
  EXPECT_EQ(leaf->NamespaceURI(), kNs);
  EXPECT_EQ(leaf->Cnpj(), "");
  EXPECT_EQ(root->ChildNodes().size(), 2u);
}

TEST(ChildLookup, NamespaceComparesWithoutLetterCaseAndAnyPrefixMatches) {
  auto root = BindDocument<Root>(
      ParseDocument(R"(<p:Root xmlns:p="URN:TEST:A"><p:Leaf><p:Cnpj>7</p:Cnpj></p:Leaf></p:Root>)"),
      "Root", kNs);
  EXPECT_EQ(root->LeafChild()->Cnpj(), "7");
}

TEST(ChildLookup, CreatedChildTakesTheParentsPrefixWithoutDeclaration) {
  auto root = BindDocument<Root>(ParseDocument(R"(<p:Root xmlns:p="urn:test:a"/>)"), "Root", kNs);
  root->LeafChild()->SetCnpj("1");
  EXPECT_EQ(Body(root),
            R"(<p:Root xmlns:p="urn:test:a"><p:Leaf><p:Cnpj>1</p:Cnpj></p:Leaf></p:Root>)");
}

TEST(ChildLookup, PrefixedTagNameUsesTheDeclarationOfItsPrefix) {
  auto root = Parse(R"(<Root xmlns="urn:test:a" xmlns:d="urn:test:b"/>)");
  auto signature = root->ChildElement("d:Signature");
  EXPECT_EQ(signature->NamespaceURI(), kOtherNs);
  EXPECT_EQ(signature->NodeName(), "d:Signature");
}

TEST(ChildLookup, UndeclaredPrefixIsDeclaredForTheParentsNamespace) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"/>)");
  auto thing = root->ChildElement("x:Thing");
  EXPECT_EQ(thing->NamespaceURI(), kNs);
  EXPECT_EQ(thing->NodeName(), "x:Thing");
  EXPECT_EQ(root->ChildElement("x:Thing"), thing);  // found again, not appended twice
  root->SetElementValue("x:Thing", "v");
  EXPECT_EQ(Body(root),
            R"(<Root xmlns="urn:test:a"><x:Thing xmlns:x="urn:test:a">v</x:Thing></Root>)");
  EXPECT_EQ(Parse(Body(root))->ElementText("x:Thing"), "v");  // the saved form reads back
}

TEST(ChildLookup, ParentWithoutNamespaceFindsChildrenOfAnyNamespace) {
  auto doc = ParseDocument(R"(<Top><Leaf xmlns="urn:test:b"><Cnpj>9</Cnpj></Leaf></Top>)");
  auto top = doc->DocumentElement();
  EXPECT_EQ(top->ChildElement("Leaf")->ElementText("Cnpj"), "9");
}

TEST(ChildLookup, DocumentNodeCreatesOnlyAMissingDocumentElement) {
  auto doc = ParseDocument("<Root/>");
  try {
    doc->DocumentNode()->ChildElement("Other");
    FAIL();
  } catch (const NotFoundError& e) {
    EXPECT_STREQ(e.what(), "Node \"Other\" not found");
  }
  auto empty = NewDocument("1.0");
  EXPECT_EQ(empty->DocumentNode()->ChildElement("Made")->NodeName(), "Made");
}

TEST(ElementText, OnlyASingleTextOrCdataChildReads) {
  auto root = Parse(
      R"(<Root xmlns="urn:test:a"><A>  spaced  </A><B><![CDATA[<raw>]]></B><C><D/></C><E>x<!--c--></E></Root>)");
  EXPECT_EQ(root->ElementText("A"), "  spaced  ");
  EXPECT_EQ(root->ElementText("B"), "<raw>");
  root->SetElementValue("B", "new");
  EXPECT_EQ(Body(root).find("<B><![CDATA[new]]></B>") != std::string::npos, true);
  for (const char* tag : {"C", "E"}) {
    try {
      root->ElementText(tag);
      FAIL() << tag;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), "Element does not contain a single text node");
    }
    EXPECT_THROW(root->SetElementValue(tag, "x"), Error);
  }
}

TEST(ElementText, EntityReferencesAreNeverExpanded) {
  auto root = Parse(
      R"(<!DOCTYPE Root [<!ENTITY e "big">]><Root xmlns="urn:test:a"><A>&e;</A><B>&amp;</B></Root>)");
  EXPECT_THROW(root->ElementText("A"), Error);
  EXPECT_EQ(root->ElementText("B"), "&");
}

TEST(ElementText, CharacterDataJoinsTextAndCdataAndRefusesMarkup) {
  auto root = Parse(
      "<!DOCTYPE Root [<!ENTITY e \"big\">]><Root xmlns=\"urn:test:a\"><A>\n  "
      "<![CDATA[<m a=\"1\"/>]]>&lt;<!--c-->\n</A><B/><C>x<D/></C><E>&e;</E></Root>",
      Layout::Service);
  const std::string before = root->OwnerDocument()->XmlBytes();
  EXPECT_EQ(root->ChildElement("A")->CharacterData(), "\n  <m a=\"1\"/><\n");
  EXPECT_EQ(root->ChildElement("B")->CharacterData(), "");
  EXPECT_EQ(root->ChildElement("C")->CharacterData(), std::nullopt);
  EXPECT_EQ(root->ChildElement("E")->CharacterData(), std::nullopt);
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(), before);
}

TEST(ElementText, WritesEscapeMarkupAndTwoWritesLeaveOneElement) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"/>)");
  root->LeafChild()->SetCnpj("a<b&c");
  root->LeafChild()->SetCnpj("second <");
  EXPECT_EQ(Body(root), R"(<Root xmlns="urn:test:a"><Leaf><Cnpj>second &lt;</Cnpj></Leaf></Root>)");
}

TEST(ElementText, TextXmlCannotHoldFailsTheWriteAndKeepsTheOldValue) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf Id="i"><Cnpj>old</Cnpj></Leaf></Root>)");
  auto leaf = root->LeafChild();
  EXPECT_THROW(leaf->SetCnpj("a\x01"
                             "b"),
               Error);
  if (Local8BitEncoding() == "UTF-8") {  // a single-byte code page has no invalid bytes
    EXPECT_THROW(leaf->SetId("bad \xFF byte"), Error);
  }
  EXPECT_THROW(root->Notes()->AddItem(std::u16string(u"lone \xD800")), Error);
  EXPECT_EQ(Body(root), R"(<Root xmlns="urn:test:a"><Leaf Id="i"><Cnpj>old</Cnpj></Leaf></Root>)");
}

TEST(ElementText, MarkupQuotesAndLineBreaksRoundTripThroughAFile) {
  const std::string text = "tab\there\nlf\r\ncrlf\rcr & < > \" ' \xC3\xA7";
  auto root = Parse(R"(<Root xmlns="urn:test:a"/>)");
  root->LeafChild()->SetCnpj(text);
  root->LeafChild()->SetId(text);
  auto reopened = Parse(root->OwnerDocument()->XmlBytes());
  EXPECT_EQ(reopened->LeafChild()->Cnpj(), text);
  EXPECT_EQ(reopened->LeafChild()->Id(), text);
}

TEST(Attributes, AbsentAttributeIsCreatedEmptyAndWritesReplace) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf x:Id="q" xmlns:x="urn:x"/></Root>)");
  auto leaf = root->LeafChild();
  EXPECT_EQ(leaf->Id(), "q");  // local name, any namespace
  auto plain = Parse(R"(<Root xmlns="urn:test:a"><Leaf/></Root>)")->LeafChild();
  EXPECT_EQ(plain->Id(), "");
  EXPECT_EQ(Body(plain), R"(<Root xmlns="urn:test:a"><Leaf Id=""/></Root>)");
  plain->SetId("1");
  plain->SetId("2");
  EXPECT_EQ(plain->Id(), "2");
  EXPECT_EQ(plain->AttributeNodes().size(), 1u);
}

TEST(Registration, ChildIsBoundOnlyWhenNameAndNamespaceMatch) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf/><Leaf xmlns="urn:test:b"/><Other/></Root>)");
  const auto children = root->ChildNodes();
  ASSERT_EQ(children.size(), 3u);
  EXPECT_NE(dynamic_cast<Leaf*>(children[0].get()), nullptr);
  EXPECT_EQ(dynamic_cast<Leaf*>(children[1].get()), nullptr);
  EXPECT_EQ(dynamic_cast<Leaf*>(children[2].get()), nullptr);
  EXPECT_EQ(children[0], root->LeafChild());  // one node object per DOM node
}

TEST(Registration, RemovingTheTypeLeavesPlainNodes) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf/></Root>)");
  root->RegisterChildType("Leaf", nullptr);
  EXPECT_EQ(dynamic_cast<Leaf*>(root->ChildElement("Leaf").get()), nullptr);
  EXPECT_THROW(root->LeafChild(), InterfaceError);
}

// Handles taken before a registration, or before a collection over the same element exists,
// must see the children made since through any other handle: one "Z" here, never two.
TEST(Registration, LateRegistrationKeepsEarlierHandlesInStep) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"/>)");
  auto first = root->LeafChild();
  first->ChildElement("X");
  root->RegisterChildType("Y", &kNodeType<Leaf>);
  EXPECT_EQ(root->LeafChild(), first);
  root->LeafChild()->ChildElement("Z");
  first->ChildElement("Z");
  EXPECT_EQ(Body(root), R"(<Root xmlns="urn:test:a"><Leaf><X/><Z/></Leaf></Root>)");
}

TEST(Registration, ChildRetypedLaterSharesItsChildrenWithTheOldHandle) {
  auto root = Parse(R"(<Root xmlns="urn:test:a"><Box><Msg/></Box></Root>)");
  auto box = root->ChildElement("Box");
  auto msg = box->ChildElement("Msg");  // plain until the collection registers its items
  msg->ChildElement("X");
  auto items = box->CreateItemCollection<TXMLItemCollection<Leaf>>("Msg");
  items->ItemAt(0)->SetCnpj("1");
  msg->ChildElement("Cnpj");
  EXPECT_EQ(items->ItemAt(0)->Cnpj(), "1");
  EXPECT_EQ(Body(root),
            R"(<Root xmlns="urn:test:a"><Box><Msg><X/><Cnpj>1</Cnpj></Msg></Box></Root>)");
}

TEST(Lifetime, AnyHandleKeepsTheDocumentAlive) {
  std::shared_ptr<Leaf> leaf;
  {
    auto root = Parse(R"(<Root xmlns="urn:test:a"><Leaf><Cnpj>5</Cnpj></Leaf></Root>)");
    leaf = root->LeafChild();
  }
  EXPECT_EQ(leaf->Cnpj(), "5");
  EXPECT_EQ(leaf->OwnerDocument()->DocumentElement()->LocalName(), "Root");
}

}  // namespace
}  // namespace binding::testing_types

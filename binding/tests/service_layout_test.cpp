#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "binding/binding.h"
#include "binding/tests/fixtures.h"
#include "binding/xml.h"

// The service layout: each element in the namespace its declaration gives, reads that change
// nothing, writes in sequence order, and the namespace declarations a real file would carry.
namespace binding::testing_types {
namespace {

constexpr std::string_view kDoc = "urn:test:doc";

class Part : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr Element<std::int32_t> kNumero{"Numero"};
  static constexpr Element<std::string> kNome{"Nome"};
  static constexpr Element<std::string> kNota{"Nota"};
  static constexpr auto kChildren = Sequence(kNumero, kNome, kNota);

  std::string Id() { return Get(kId); }
  std::int32_t Numero() { return Get(kNumero); }
  std::string Nome() { return Get(kNome); }
  std::string Nota() { return Get(kNota); }
  void SetId(const std::string& v) { Set(kId, v); }
  void SetNumero(std::int32_t v) { Set(kNumero, v); }
  void SetNome(const std::string& v) { Set(kNome, v); }
  void SetNota(const std::string& v) { Set(kNota, v); }
};

class Signed : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Element<std::string> kValue{"SignatureValue", Ns::Signature};
  static constexpr auto kChildren = Sequence(kValue);
  std::string Value() { return Get(kValue); }
  void SetValue(const std::string& v) { Set(kValue, v); }
};

// Head in the document's namespace, Body in none, the parts and their items in the shared types
// namespace, a signature in the XML Signature namespace.
class Doc : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Child<Part> kHead{"Head", Ns::Document};
  static constexpr Child<Part> kBody{"Body", Ns::None};
  static constexpr Items<TXMLItemCollection<Part>> kItem{"Item"};
  static constexpr Child<Signed> kSignature{"Signature", Ns::Signature};
  static constexpr auto kChildren = Sequence(kHead, kBody, kItem, kSignature);

  std::shared_ptr<Part> Head() { return Get(kHead); }
  std::shared_ptr<Part> Body() { return Get(kBody); }
  std::shared_ptr<TXMLItemCollection<Part>> Item() { return Get(kItem); }
  std::shared_ptr<Signed> Signature() { return Get(kSignature); }
};

const std::string kT = SharedTypesNamespace;
const std::string kDs(XmlSignatureNamespace);

std::shared_ptr<Doc> Open(const std::string& xml) {
  return BindDocument<Doc>(ParseDocument(xml, Layout::Service), "Doc", kDoc);
}
std::shared_ptr<Doc> New() {
  return BindDocument<Doc>(NewDocument("1.0", Layout::Service), "Doc", kDoc);
}

// How many elements declare a prefix for the namespace it already stands for there.
int RedundantDeclarations(const std::string& xml) {
  xml::DocPtr doc = xml::Parse(xml, 0);
  int redundant = 0;
  const auto walk = [&](auto& self, xmlNode* element) -> void {
    for (xmlNs* ns = element->nsDef; ns; ns = ns->next) {
      xmlNs* inherited = element->parent && element->parent->type == XML_ELEMENT_NODE
                             ? xmlSearchNs(doc.get(), element->parent, ns->prefix)
                             : nullptr;
      if (inherited && xmlStrEqual(inherited->href, ns->href)) ++redundant;
    }
    for (xmlNode* c = element->children; c; c = c->next)
      if (c->type == XML_ELEMENT_NODE) self(self, c);
  };
  walk(walk, xmlDocGetRootElement(doc.get()));
  return redundant;
}

// Prefix styles real files use; only the namespace URI counts.
std::string Styled(int style) {
  switch (style) {
    case 0:  // the shared types namespace as the default, the document's prefixed
      return "<d:Doc xmlns:d=\"urn:test:doc\" xmlns=\"" + kT +
             "\"><d:Head Id=\"h\"><Numero>1</Numero>"
             "<Nome>a</Nome></d:Head><Body xmlns=\"\"><Numero xmlns=\"" +
             kT + "\">2</Numero></Body><Item><Nome>i</Nome></Item><Signature xmlns=\"" + kDs +
             "\"><SignatureValue>s</SignatureValue></Signature></d:Doc>";
    case 1:  // the shared types prefixed "tipos", the document's the default
      return "<Doc xmlns=\"urn:test:doc\" xmlns:tipos=\"" + kT +
             "\"><Head Id=\"h\"><tipos:Numero>1"
             "</tipos:Numero><tipos:Nome>a</tipos:Nome></Head><Body xmlns=\"\"><tipos:Numero>2"
             "</tipos:Numero></Body><tipos:Item><tipos:Nome>i</tipos:Nome></"
             "tipos:Item><ds:Signature"
             " xmlns:ds=\"" +
             kDs + "\"><ds:SignatureValue>s</ds:SignatureValue></ds:Signature></Doc>";
    default:  // every namespace under a prefix of its own
      return "<p1:Doc xmlns:p1=\"urn:test:doc\" xmlns:x=\"" + kT + "\" xmlns:ds=\"" + kDs +
             "\"><p1:Head Id=\"h\"><x:Numero>1</x:Numero><x:Nome>a</x:Nome></p1:Head><Body>"
             "<x:Numero>2</x:Numero></Body><x:Item><x:Nome>i</x:Nome></x:Item><ds:Signature>"
             "<ds:SignatureValue>s</ds:SignatureValue></ds:Signature></p1:Doc>";
  }
}

class PrefixStyles : public ::testing::TestWithParam<int> {};

TEST_P(PrefixStyles, EachElementIsFoundInItsNamespaceWhateverItsPrefix) {
  auto doc = Open(Styled(GetParam()));
  EXPECT_EQ(doc->Head()->Id(), "h");
  EXPECT_EQ(doc->Head()->Numero(), 1);
  EXPECT_EQ(doc->Head()->Nome(), "a");
  EXPECT_EQ(doc->Body()->Numero(), 2);
  ASSERT_EQ(doc->Item()->Count(), 1);
  EXPECT_EQ(doc->Item()->ItemAt(0)->Nome(), "i");
  EXPECT_EQ(doc->Signature()->Value(), "s");
  EXPECT_EQ(DetectLayout(*doc->OwnerDocument()), Layout::Service);
}

TEST_P(PrefixStyles, ReadingChangesNothing) {
  const std::string xml = Styled(GetParam());
  auto doc = Open(xml);
  const std::string before = doc->OwnerDocument()->XmlBytes();
  EXPECT_EQ(doc->Head()->Nota(), "");
  EXPECT_EQ(doc->Body()->Id(), "");
  EXPECT_EQ(doc->Body()->Nome(), "");
  EXPECT_THROW(doc->Item()->ItemAt(0)->Numero(), MissingValueError);
  EXPECT_EQ(doc->Body()->Numero(), 2);
  EXPECT_EQ(doc->OwnerDocument()->XmlBytes(), before);
}

// New elements use the declarations the file has in scope, whichever prefix they bind.
TEST_P(PrefixStyles, WritesUseTheFilesDeclarations) {
  auto doc = Open(Styled(GetParam()));
  doc->Head()->SetNota("n");
  doc->Body()->SetNome("b");
  const std::string body = doc->OwnerDocument()->XmlBytes();
  auto again = Open(body);
  EXPECT_EQ(again->Head()->Nota(), "n");
  EXPECT_EQ(again->Body()->Nome(), "b");
  EXPECT_EQ(RedundantDeclarations(body), 0) << body;
}

INSTANTIATE_TEST_SUITE_P(Styles, PrefixStyles, ::testing::Values(0, 1, 2));

TEST(ServiceLayout, AbsentElementsAreViewsUntilAWriteCreatesThem) {
  auto doc = Open("<Doc xmlns=\"urn:test:doc\"/>");
  auto head = doc->Head();
  EXPECT_FALSE(head->Exists());
  EXPECT_EQ(doc->Head(), head);  // the same view on every read
  EXPECT_EQ(doc->Item()->Count(), 0);
  try {
    head->Numero();
    FAIL();
  } catch (const MissingValueError& e) {
    EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (Integer)");
  }
  head->SetNome("x");
  EXPECT_TRUE(head->Exists());
  EXPECT_EQ(doc->Head()->Nome(), "x");
  EXPECT_EQ(Body(doc),
            "<Doc xmlns=\"urn:test:doc\"><Head><Nome xmlns=\"" + kT + "\">x</Nome></Head></Doc>");
}

TEST(ServiceLayout, APresentValueThatDoesNotConvertIsNoMissingValue) {
  auto doc = Open("<Doc xmlns=\"urn:test:doc\"><Head><Numero xmlns=\"" + kT + "\"/></Head></Doc>");
  try {
    doc->Head()->Numero();
    FAIL();
  } catch (const MissingValueError&) {
    FAIL() << "an empty element is there";
  } catch (const ConversionError&) {
  }
}

// Writes in any order give the order of each type's sequence, and a new document declares its
// own namespace and the shared types namespace once, on its root.
TEST(ServiceLayout, WritesInAnyOrderFollowTheSequence) {
  auto doc = New();
  doc->Signature()->SetValue("s");
  doc->Item()->AddItem()->SetNome("i");
  doc->Body()->SetNota("c");
  doc->Body()->SetNumero(2);
  doc->Head()->SetNome("b");
  doc->Head()->SetId("h");
  doc->Body()->SetNome("a");
  EXPECT_EQ(Body(doc),
            "<p1:Doc xmlns:p1=\"urn:test:doc\" xmlns:tipos=\"" + kT +
                "\"><p1:Head Id=\"h\"><tipos:Nome>b</tipos:Nome></p1:Head><Body><tipos:Numero>2"
                "</tipos:Numero><tipos:Nome>a</tipos:Nome><tipos:Nota>c</tipos:Nota></Body>"
                "<tipos:Item><tipos:Nome>i</tipos:Nome></tipos:Item><Signature xmlns=\"" +
                kDs + "\"><SignatureValue>s</SignatureValue></Signature></p1:Doc>");
  EXPECT_EQ(doc->OwnerDocument()->NamespaceLayout(), Layout::Service);
}

// An element in no namespace under a default namespace says so, or it would land in that one.
TEST(ServiceLayout, NoNamespaceUnderADefaultOneUndeclaresIt) {
  auto doc = Open("<Doc xmlns=\"urn:test:doc\"/>");
  doc->Body()->SetNome("a");
  EXPECT_EQ(Body(doc), "<Doc xmlns=\"urn:test:doc\"><Body xmlns=\"\"><Nome xmlns=\"" + kT +
                           "\">a</Nome></Body></Doc>");
  EXPECT_EQ(Open(Body(doc))->Body()->Nome(), "a");
}

TEST(ServiceLayout, WhitespaceAndSignaturesSaveAgainAsTheyCame) {
  const std::string signature = "<ds:Signature xmlns:ds=\"" + kDs +
                                "\">\n  <ds:SignatureValue>AbC=&#xD;\n</ds:SignatureValue>\n"
                                "</ds:Signature>";
  const std::string xml = "<Doc xmlns=\"urn:test:doc\">\n <Head/>\n " + signature + "</Doc>";
  auto doc = Open(xml);
  EXPECT_EQ(doc->Signature()->Value(), "AbC=\r\n");
  doc->Head()->SetNome("n");
  const std::string saved = Body(doc);
  EXPECT_NE(saved.find(signature), std::string::npos) << saved;
}

TEST(DetectLayout, TellsTheLayoutFromWhereTheElementsAre) {
  const struct {
    std::string xml;
    std::optional<Layout> layout;
  } cases[] = {
      {"<Doc xmlns=\"urn:test:doc\"><Head><Numero>1</Numero></Head></Doc>", Layout::Specified},
      {"<Doc xmlns=\"urn:test:doc\"><Body xmlns=\"\"/></Doc>", Layout::Service},
      {Styled(1), Layout::Service},
      {"<Doc xmlns=\"urn:test:doc\"/>", std::nullopt},
      {"<Doc xmlns=\"urn:test:doc\"><Signature xmlns=\"" + kDs + "\"><X/></Signature></Doc>",
       std::nullopt},
      {"<Doc xmlns=\"urn:test:doc\"><Head/><Signature xmlns=\"" + kDs + "\"/></Doc>",
       Layout::Specified},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectLayout(*ParseDocument(c.xml)), c.layout) << c.xml;
}

// Converting puts every element where the other layout wants it, and converting back gives the
// same bytes.
TEST(ConvertLayout, MovesEveryElementAndComesBackUnchanged) {
  auto specified = BindDocument<Doc>(NewDocument("1.0"), "Doc", kDoc);
  specified->OwnerDocument()->SetEncoding("UTF-8");
  specified->Head()->SetId("h");
  specified->Head()->SetNome("a");
  specified->Body()->SetNumero(2);
  specified->Item()->AddItem()->SetNome("i");
  specified->Signature()->SetValue("s");
  const std::string original = specified->OwnerDocument()->XmlBytes();

  auto service = BindDocument<Doc>(ConvertLayout(*specified, Layout::Service), "Doc", kDoc);
  EXPECT_EQ(service->OwnerDocument()->NamespaceLayout(), Layout::Service);
  EXPECT_EQ(DetectLayout(*service->OwnerDocument()), Layout::Service);
  const auto reopened = Open(service->OwnerDocument()->XmlBytes());
  EXPECT_EQ(reopened->Head()->Nome(), "a");
  EXPECT_EQ(reopened->Body()->Numero(), 2);
  EXPECT_EQ(reopened->Item()->ItemAt(0)->Nome(), "i");
  EXPECT_EQ(reopened->Signature()->Value(), "s");

  EXPECT_EQ(ConvertLayout(*reopened, Layout::Specified)->XmlBytes(), original);
}

}  // namespace
}  // namespace binding::testing_types

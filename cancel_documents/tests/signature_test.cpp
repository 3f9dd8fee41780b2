#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "cancel_documents/cancel_documents.h"
#include "cancel_documents/tests/default_request.h"
#include "files/files.h"
#include "test_support/test_support.h"

namespace cancel_documents {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDsigNamespace = "http://www.w3.org/2000/09/xmldsig#";
constexpr const char* kC14n = "http://www.w3.org/TR/2001/REC-xml-c14n-20010315";
constexpr const char* kEnveloped = "http://www.w3.org/2000/09/xmldsig#enveloped-signature";
constexpr const char* kXPathFilter = "http://www.w3.org/TR/1999/REC-xpath-19991116";

// Each set names its own types, and every type of a set refers only to types of that set.
static_assert(!std::is_same_v<request::TXMLString_List, response::TXMLString_List>);
static_assert(!std::is_same_v<request::TXMLBase64BinaryList, response::TXMLBase64BinaryList>);
static_assert(!std::is_same_v<request::TXMLString_List, request::TXMLBase64BinaryList>);
static_assert(std::is_same_v<decltype(std::declval<request::TXMLKeyInfoType_dsig&>().X509Data()),
                             std::shared_ptr<request::TXMLX509DataType_dsigList>>);
static_assert(std::is_same_v<decltype(std::declval<response::TXMLX509DataType_&>().X509CRL()),
                             std::shared_ptr<response::TXMLBase64BinaryList>>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, request::TXMLTransformsType_dsig>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, response::TXMLSPKIDataType_>);

// A signature the way a signing tool writes one over the request's "InfPedidoCancelamento",
// filled through the typed writers of either set.
template <class Signature>
void FillEnvelopedSignature(const std::shared_ptr<Signature>& signature) {
  signature->SetId("Ass_P1");
  auto info = signature->SignedInfo();
  info->CanonicalizationMethod()->SetAlgorithm(kC14n);
  info->SignatureMethod()->SetAlgorithm("http://www.w3.org/2000/09/xmldsig#rsa-sha1");
  auto reference = info->Reference()->AddItem();
  reference->SetURI("#P1");
  reference->Transforms()->AddItem()->SetAlgorithm(kEnveloped);
  auto filter = reference->Transforms()->AddItem();
  filter->SetAlgorithm(kXPathFilter);
  filter->AddItem("not(ancestor-or-self::Signature)");
  reference->DigestMethod()->SetAlgorithm("http://www.w3.org/2000/09/xmldsig#sha1");
  reference->SetDigestValue("kNxa0Ev1YHd8Bq4rrgFvUuJ0JjM=");
  signature->SignatureValue()->SetNodeText("Zm9vYmFyYmF6cXV4==");
  auto key = signature->KeyInfo();
  auto x509 = key->X509Data()->AddItem();
  auto issuer = x509->X509IssuerSerial()->AddItem();
  issuer->SetX509IssuerName("CN=AC Exemplo v2,O=ICP,C=BR");
  issuer->SetX509SerialNumber(1234567);
  x509->X509SubjectName()->AddItem("CN=EMPRESA EXEMPLO LTDA:11222333000181");
  x509->X509Certificate()->AddItem("MIIHSDCCBjCgAwIBAgIQ");
  auto rsa = key->KeyValue()->AddItem()->RSAKeyValue();
  rsa->SetModulus("vVfOSZXjjdUh0R9wz1V6ZmJ0vSXU=");
  rsa->SetExponent("AQAB");
  auto object = signature->Object()->AddItem();
  object->SetId("Carimbo");
  object->SetMimeType("text/plain");
  object->SetNodeText("2009-08-07T06:05:04");
}

// How FillEnvelopedSignature's signature serialises inside an unprefixed parent.
const std::string kEnvelopedXml =
    "<Signature Id=\"Ass_P1\"><SignedInfo><CanonicalizationMethod Algorithm=\"" +
    std::string(kC14n) +
    "\"/><SignatureMethod Algorithm=\"http://www.w3.org/2000/09/xmldsig#rsa-sha1\"/>"
    "<Reference URI=\"#P1\"><Transforms><Transform Algorithm=\"" +
    kEnveloped + "\"/><Transform Algorithm=\"" + kXPathFilter +
    "\"><XPath>not(ancestor-or-self::Signature)</XPath></Transform></Transforms>"
    "<DigestMethod Algorithm=\"http://www.w3.org/2000/09/xmldsig#sha1\"/>"
    "<DigestValue>kNxa0Ev1YHd8Bq4rrgFvUuJ0JjM=</DigestValue></Reference></SignedInfo>"
    "<SignatureValue>Zm9vYmFyYmF6cXV4==</SignatureValue><KeyInfo><X509Data><X509IssuerSerial>"
    "<X509IssuerName>CN=AC Exemplo v2,O=ICP,C=BR</X509IssuerName>"
    "<X509SerialNumber>1234567</X509SerialNumber></X509IssuerSerial>"
    "<X509SubjectName>CN=EMPRESA EXEMPLO LTDA:11222333000181</X509SubjectName>"
    "<X509Certificate>MIIHSDCCBjCgAwIBAgIQ</X509Certificate></X509Data><KeyValue><RSAKeyValue>"
    "<Modulus>vVfOSZXjjdUh0R9wz1V6ZmJ0vSXU=</Modulus><Exponent>AQAB</Exponent></RSAKeyValue>"
    "</KeyValue></KeyInfo><Object Id=\"Carimbo\" MimeType=\"text/plain\">2009-08-07T06:05:04"
    "</Object></Signature>";

// Every value of the enveloped signature, read through the typed readers of either set.
template <class Signature>
std::vector<std::string> ReadEnvelopedSignature(const std::shared_ptr<Signature>& signature) {
  auto info = signature->SignedInfo();
  auto reference = info->Reference()->ItemAt(0);
  auto transforms = reference->Transforms();
  auto key = signature->KeyInfo();
  auto x509 = key->X509Data()->ItemAt(0);
  auto issuer = x509->X509IssuerSerial()->ItemAt(0);
  auto rsa = key->KeyValue()->ItemAt(0)->RSAKeyValue();
  auto object = signature->Object()->ItemAt(0);
  return {signature->Id(),
          info->CanonicalizationMethod()->Algorithm(),
          info->SignatureMethod()->Algorithm(),
          std::to_string(info->Reference()->Count()),
          reference->URI(),
          std::to_string(transforms->Count()),
          transforms->ItemAt(0)->Algorithm(),
          transforms->ItemAt(1)->Algorithm(),
          transforms->ItemAt(1)->XPath(0),
          reference->DigestMethod()->Algorithm(),
          reference->DigestValue(),
          signature->SignatureValue()->NodeText(),
          std::to_string(key->X509Data()->Count()),
          issuer->X509IssuerName(),
          std::to_string(issuer->X509SerialNumber()),
          x509->X509SubjectName()->ItemAt(0),
          x509->X509Certificate()->ItemAt(0),
          std::to_string(x509->X509SKI()->Count() + x509->X509CRL()->Count()),
          rsa->Modulus(),
          rsa->Exponent(),
          object->Id(),
          object->MimeType(),
          object->NodeText()};
}

const std::vector<std::string> kEnvelopedValues = {"Ass_P1",
                                                   kC14n,
                                                   "http://www.w3.org/2000/09/xmldsig#rsa-sha1",
                                                   "1",
                                                   "#P1",
                                                   "2",
                                                   kEnveloped,
                                                   kXPathFilter,
                                                   "not(ancestor-or-self::Signature)",
                                                   "http://www.w3.org/2000/09/xmldsig#sha1",
                                                   "kNxa0Ev1YHd8Bq4rrgFvUuJ0JjM=",
                                                   "Zm9vYmFyYmF6cXV4==",
                                                   "1",
                                                   "CN=AC Exemplo v2,O=ICP,C=BR",
                                                   "1234567",
                                                   "CN=EMPRESA EXEMPLO LTDA:11222333000181",
                                                   "MIIHSDCCBjCgAwIBAgIQ",
                                                   "0",
                                                   "vVfOSZXjjdUh0R9wz1V6ZmJ0vSXU=",
                                                   "AQAB",
                                                   "Carimbo",
                                                   "text/plain",
                                                   "2009-08-07T06:05:04"};

std::string Bytes(const std::shared_ptr<binding::TXMLNode>& node) {
  return node->OwnerDocument()->XmlBytes();
}

std::shared_ptr<request::TXMLCancelarNfseEnvio> ParseRequest(const std::string& inner) {
  return binding::BindDocument<request::TXMLCancelarNfseEnvio>(
      binding::ParseDocument("<CancelarNfseEnvio xmlns=\"" + request::TargetNamespace + "\">" +
                             inner + "</CancelarNfseEnvio>"),
      "CancelarNfseEnvio", request::TargetNamespace);
}

std::shared_ptr<response::TXMLCancelarNfseResposta> ParseResponse(const std::string& inner) {
  return binding::BindDocument<response::TXMLCancelarNfseResposta>(
      binding::ParseDocument("<CancelarNfseResposta xmlns=\"" + response::TargetNamespace + "\">" +
                             inner + "</CancelarNfseResposta>"),
      "CancelarNfseResposta", response::TargetNamespace);
}

// A "Signature" element under "Pedido" of a request, holding `inner`.
std::shared_ptr<request::TXMLSignatureType_dsig> RequestSignature(const std::string& inner) {
  return ParseRequest("<Pedido><Signature>" + inner + "</Signature></Pedido>")
      ->Pedido()
      ->Signature();
}

TEST(Signature, EnvelopedSignatureBuiltSavedAndReopenedKeepsEveryValue) {
  const test_support::TempFolder folder;
  const fs::path path = folder / "signed.xml";
  {
    auto root = request::BuildDefaultRequest();
    FillEnvelopedSignature(root->Pedido()->Signature());
    root->OwnerDocument()->SaveToFile(path);
  }
  const std::string saved = files::ReadFileBytes(path);
  EXPECT_NE(
      saved.find("</InfPedidoCancelamento>" + kEnvelopedXml + "</Pedido></CancelarNfseEnvio>"),
      std::string::npos)
      << saved;

  auto reopened = request::OpenCancelarNfseEnvio(path.string());
  EXPECT_EQ(ReadEnvelopedSignature(reopened->Pedido()->Signature()), kEnvelopedValues);
  EXPECT_EQ(reopened->Pedido()->InfPedidoCancelamento()->Id(), "1");
  // Reading changed nothing: every element read was there.
  EXPECT_EQ(Bytes(reopened), saved);
}

// The request set under the request's two parents, the response set under the response's two.
TEST(Signature, BothSetsReadTheSameFragmentAlike) {
  auto request = ParseRequest("<Pedido>" + kEnvelopedXml + "</Pedido>" + kEnvelopedXml);
  auto response = ParseResponse("<Cancelamento><Confirmacao><Pedido>" + kEnvelopedXml +
                                "</Pedido></Confirmacao>" + kEnvelopedXml + "</Cancelamento>");
  EXPECT_EQ(ReadEnvelopedSignature(request->Signature()), kEnvelopedValues);
  EXPECT_EQ(ReadEnvelopedSignature(request->Pedido()->Signature()), kEnvelopedValues);
  EXPECT_EQ(ReadEnvelopedSignature(response->Cancelamento()->Signature()), kEnvelopedValues);
  EXPECT_EQ(ReadEnvelopedSignature(response->Cancelamento()->Confirmacao()->Pedido()->Signature()),
            kEnvelopedValues);
}

// The rest of the vocabulary, written through the response set and read back through the
// request set.
TEST(Signature, EveryOtherPropertyWritesItsOwnNameAndReadsBack) {
  auto written = ParseResponse("<Cancelamento/>")->Cancelamento()->Signature();
  written->SignedInfo()->SetId("SI");
  written->SignedInfo()->SignatureMethod()->SetHMACOutputLength(160);
  auto reference = written->SignedInfo()->Reference()->AddItem();
  reference->SetId("R");
  reference->SetType("http://www.w3.org/2000/09/xmldsig#Object");
  written->SignatureValue()->SetId("SV");
  auto key = written->KeyInfo();
  key->SetId("K");
  key->KeyName()->AddItem("chave");
  auto dsa = key->KeyValue()->AddItem()->DSAKeyValue();
  dsa->SetP("p");
  dsa->SetQ("q");
  dsa->SetG("g");
  dsa->SetY("y");
  dsa->SetJ("j");
  dsa->SetSeed("s");
  dsa->SetPgenCounter("c");
  auto retrieval = key->RetrievalMethod()->AddItem();
  retrieval->SetURI("#K2");
  retrieval->SetType("http://www.w3.org/2000/09/xmldsig#X509Data");
  retrieval->Transforms()->AddItem()->SetAlgorithm(kC14n);
  auto x509 = key->X509Data()->AddItem();
  x509->X509SKI()->AddItem("ski");
  x509->X509CRL()->AddItem("crl");
  auto pgp = key->PGPData()->AddItem();
  pgp->SetPGPKeyID("id");
  pgp->SetPGPKeyPacket("packet");
  key->SPKIData()->AddItem()->AddItem("(sexp)");
  key->MgmtData()->AddItem("mgmt");
  written->Object()->AddItem()->SetEncoding("base64");

  const std::string xml =
      "<Signature><SignedInfo Id=\"SI\"><SignatureMethod><HMACOutputLength>160</HMACOutputLength>"
      "</SignatureMethod><Reference Id=\"R\" Type=\"http://www.w3.org/2000/09/xmldsig#Object\"/>"
      "</SignedInfo><SignatureValue Id=\"SV\"/><KeyInfo Id=\"K\"><KeyName>chave</KeyName>"
      "<KeyValue><DSAKeyValue><P>p</P><Q>q</Q><G>g</G><Y>y</Y><J>j</J><Seed>s</Seed>"
      "<PgenCounter>c</PgenCounter></DSAKeyValue></KeyValue><RetrievalMethod URI=\"#K2\" "
      "Type=\"http://www.w3.org/2000/09/xmldsig#X509Data\"><Transforms><Transform Algorithm=\"" +
      std::string(kC14n) +
      "\"/></Transforms></RetrievalMethod><X509Data><X509SKI>ski</X509SKI><X509CRL>crl</X509CRL>"
      "</X509Data><PGPData><PGPKeyID>id</PGPKeyID><PGPKeyPacket>packet</PGPKeyPacket></PGPData>"
      "<SPKIData><SPKISexp>(sexp)</SPKISexp></SPKIData><MgmtData>mgmt</MgmtData></KeyInfo>"
      "<Object Encoding=\"base64\"/></Signature>";
  EXPECT_NE(Bytes(written).find("<Cancelamento>" + xml + "</Cancelamento>"), std::string::npos)
      << Bytes(written);

  auto read = ParseRequest(xml)->Signature();
  auto info = read->SignedInfo();
  auto ref = info->Reference()->ItemAt(0);
  auto k = read->KeyInfo();
  auto d = k->KeyValue()->ItemAt(0)->DSAKeyValue();
  auto r = k->RetrievalMethod()->ItemAt(0);
  auto x = k->X509Data()->ItemAt(0);
  auto g = k->PGPData()->ItemAt(0);
  const std::vector<std::string> values = {
      info->Id(),
      std::to_string(info->SignatureMethod()->HMACOutputLength()),
      ref->Id(),
      ref->Type(),
      read->SignatureValue()->Id(),
      k->Id(),
      k->KeyName()->ItemAt(0),
      d->P(),
      d->Q(),
      d->G(),
      d->Y(),
      d->J(),
      d->Seed(),
      d->PgenCounter(),
      r->URI(),
      r->Type(),
      r->Transforms()->ItemAt(0)->Algorithm(),
      x->X509SKI()->ItemAt(0),
      x->X509CRL()->ItemAt(0),
      g->PGPKeyID(),
      g->PGPKeyPacket(),
      k->SPKIData()->ItemAt(0)->SPKISexp(0),
      k->MgmtData()->ItemAt(0),
      read->Object()->ItemAt(0)->Encoding()};
  EXPECT_EQ(values, (std::vector<std::string>{
                        "SI",     "160",    "R",     "http://www.w3.org/2000/09/xmldsig#Object",
                        "SV",     "K",      "chave", "p",
                        "q",      "g",      "y",     "j",
                        "s",      "c",      "#K2",   "http://www.w3.org/2000/09/xmldsig#X509Data",
                        kC14n,    "ski",    "crl",   "id",
                        "packet", "(sexp)", "mgmt",  "base64"}));
}

TEST(Signature, AbsentSignedInfoIsAppendedOnceAsTheLastChild) {
  auto signature = RequestSignature("<KeyInfo/>");
  auto first = signature->SignedInfo();
  EXPECT_EQ(first.get(), signature->SignedInfo().get());
  EXPECT_NE(Bytes(signature).find("<Signature><KeyInfo/><SignedInfo/></Signature>"),
            std::string::npos);
}

TEST(Signature, KeyInfoCollectsEachKindInDocumentOrder) {
  auto key =
      RequestSignature("<KeyInfo><KeyName>a</KeyName><X509Data/><KeyName>b</KeyName></KeyInfo>")
          ->KeyInfo();
  EXPECT_EQ(key->KeyName()->ItemAt(0) + key->KeyName()->ItemAt(1), "ab");
  const std::vector<std::int32_t> counts = {
      key->KeyName()->Count(),  key->KeyValue()->Count(), key->RetrievalMethod()->Count(),
      key->X509Data()->Count(), key->PGPData()->Count(),  key->SPKIData()->Count(),
      key->MgmtData()->Count()};
  EXPECT_EQ(counts, (std::vector<std::int32_t>{2, 0, 0, 1, 0, 0, 0}));
}

TEST(Signature, TextItemsAreStoredAsGivenWithoutEncoding) {
  auto x509 = RequestSignature("<KeyInfo><X509Data/></KeyInfo>")->KeyInfo()->X509Data()->ItemAt(0);
  auto item = x509->X509Certificate()->AddItem("abc");
  EXPECT_EQ(item->NodeText(), "abc");
  EXPECT_EQ(x509->X509Certificate()->Count(), 1);
  EXPECT_NE(Bytes(x509).find("<X509Data><X509Certificate>abc</X509Certificate></X509Data>"),
            std::string::npos);
}

TEST(Signature, IntegerElementsReadSigned32BitValuesOnly) {
  const std::string empty = "<X509SerialNumber></X509SerialNumber>";
  struct Case {
    std::string serial;  // the "X509SerialNumber" element, or nothing
    std::optional<std::int32_t> value;
    std::string after;  // the element once read: a failed read changes no text
  };
  const std::string big =
      "<X509SerialNumber>129866383548823404531249428137654891254</X509SerialNumber>";
  const Case cases[] = {
      {"<X509SerialNumber>1234567</X509SerialNumber>", 1234567,
       "<X509SerialNumber>1234567</X509SerialNumber>"},
      {"<X509SerialNumber> -2147483648 </X509SerialNumber>", INT32_MIN,
       "<X509SerialNumber> -2147483648 </X509SerialNumber>"},
      {"<X509SerialNumber>2147483648</X509SerialNumber>", std::nullopt,
       "<X509SerialNumber>2147483648</X509SerialNumber>"},
      {big, std::nullopt, big},
      {"<X509SerialNumber>0x1F</X509SerialNumber>", std::nullopt,
       "<X509SerialNumber>0x1F</X509SerialNumber>"},
      {"<X509SerialNumber/>", std::nullopt, empty},
      {"", std::nullopt, empty},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.serial);
    auto serial = RequestSignature("<KeyInfo><X509Data><X509IssuerSerial>" + c.serial +
                                   "</X509IssuerSerial></X509Data></KeyInfo>")
                      ->KeyInfo()
                      ->X509Data()
                      ->ItemAt(0)
                      ->X509IssuerSerial()
                      ->ItemAt(0);
    if (c.value) {
      EXPECT_EQ(serial->X509SerialNumber(), *c.value);
    } else {
      EXPECT_THROW(serial->X509SerialNumber(), binding::ConversionError);
    }
    EXPECT_NE(Bytes(serial).find("<X509IssuerSerial>" + c.after + "</X509IssuerSerial>"),
              std::string::npos)
        << Bytes(serial);
  }

  auto method = RequestSignature("")->SignedInfo()->SignatureMethod();
  method->SetHMACOutputLength(160);
  EXPECT_EQ(method->ElementText("HMACOutputLength"), "160");
  EXPECT_EQ(method->HMACOutputLength(), 160);
}

// "XPath" and "SPKISexp" items read as their text; the text lists read their items' values, and
// an item without text has none.
TEST(Signature, ItemsWithoutTextReadEmptyOnlyThroughTheElementReaders) {
  using Read = std::function<std::string(request::TXMLSignatureType_dsig&)>;
  struct Case {
    const char* name;
    std::string content;
    Read read;
    bool fails;
  };
  const Case cases[] = {
      {"XPath",
       "<SignedInfo><Reference><Transforms><Transform><XPath/></Transform></Transforms>"
       "</Reference></SignedInfo>",
       [](auto& s) {
         return s.SignedInfo()->Reference()->ItemAt(0)->Transforms()->ItemAt(0)->XPath(0);
       },
       false},
      {"SPKISexp", "<KeyInfo><SPKIData><SPKISexp/></SPKIData></KeyInfo>",
       [](auto& s) { return s.KeyInfo()->SPKIData()->ItemAt(0)->SPKISexp(0); }, false},
      {"KeyName", "<KeyInfo><KeyName/></KeyInfo>",
       [](auto& s) { return s.KeyInfo()->KeyName()->ItemAt(0); }, true},
      {"X509Certificate", "<KeyInfo><X509Data><X509Certificate/></X509Data></KeyInfo>",
       [](auto& s) { return s.KeyInfo()->X509Data()->ItemAt(0)->X509Certificate()->ItemAt(0); },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto signature = RequestSignature(c.content);
    if (c.fails) {
      EXPECT_THROW(c.read(*signature), binding::ConversionError);
    } else {
      EXPECT_EQ(c.read(*signature), "");
    }
  }
}

TEST(Signature, IndexesOutsideTheItemsFail) {
  using Read = std::function<void(request::TXMLSignatureType_dsig&)>;
  struct Case {
    const char* content;
    Read read;
    const char* message;
  };
  const Case cases[] = {
      {"<SignedInfo><Reference><Transforms><Transform><XPath>a</XPath></Transform></Transforms>"
       "</Reference></SignedInfo>",
       [](auto& s) { s.SignedInfo()->Reference()->ItemAt(0)->Transforms()->ItemAt(0)->XPath(1); },
       "List index out of bounds (1)"},
      {"<KeyInfo><SPKIData><SPKISexp>a</SPKISexp></SPKIData></KeyInfo>",
       [](auto& s) { s.KeyInfo()->SPKIData()->ItemAt(0)->SPKISexp(-1); },
       "List index out of bounds (-1)"},
      {"", [](auto& s) { s.SignedInfo()->Reference()->ItemAt(0); }, "List index out of bounds (0)"},
      {"<KeyInfo><MgmtData>a</MgmtData></KeyInfo>",
       [](auto& s) { s.KeyInfo()->MgmtData()->ItemAt(1); }, "List index out of bounds (1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    auto signature = RequestSignature(c.content);
    try {
      c.read(*signature);
      ADD_FAILURE() << "no failure";
    } catch (const binding::IndexError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

// Other children of "Transform" are not "XPath" items, but an insert position counts them.
TEST(Signature, XPathItemsAreOnlyTheXPathChildren) {
  auto transform = RequestSignature(
                       "<SignedInfo><Reference><Transforms><Transform><XPath>a</XPath><Note>n"
                       "</Note><XPath>b</XPath></Transform></Transforms></Reference></SignedInfo>")
                       ->SignedInfo()
                       ->Reference()
                       ->ItemAt(0)
                       ->Transforms()
                       ->ItemAt(0);
  EXPECT_EQ(transform->Count(), 2);
  EXPECT_EQ(transform->XPath(1), "b");
  transform->InsertItem(1, "c");
  EXPECT_EQ(transform->Count(), 3);
  EXPECT_EQ(transform->XPath(0) + transform->XPath(1) + transform->XPath(2), "acb");
  EXPECT_NE(Bytes(transform).find(
                "<Transform><XPath>a</XPath><XPath>c</XPath><Note>n</Note><XPath>b</XPath>"),
            std::string::npos);
}

// The parents find their "Signature" in their own namespace only: one in the XML Signature
// namespace stays untouched and a new, empty one is appended beside it.
TEST(Signature, SignatureInTheXmlSignatureNamespaceIsNotReached) {
  using Reach = std::function<std::shared_ptr<binding::TXMLNode>(const std::string& dsig)>;
  struct Case {
    const char* parent;
    const std::string& ns;
    std::string dsig;
    Reach reach;
  };
  const std::string declared =
      "<Signature xmlns=\"" + std::string(kDsigNamespace) + "\" Id=\"S1\"/>";
  const std::string prefixed =
      "<ds:Signature xmlns:ds=\"" + std::string(kDsigNamespace) + "\" Id=\"S1\"/>";
  const Case cases[] = {
      {"CancelarNfseEnvio", request::TargetNamespace, declared,
       [](const std::string& dsig) { return ParseRequest(dsig)->Signature(); }},
      {"Pedido", request::TargetNamespace, declared,
       [](const std::string& dsig) {
         return ParseRequest("<Pedido>" + dsig + "</Pedido>")->Pedido()->Signature();
       }},
      {"Pedido, prefixed", request::TargetNamespace, prefixed,
       [](const std::string& dsig) {
         return ParseRequest("<Pedido>" + dsig + "</Pedido>")->Pedido()->Signature();
       }},
      {"Cancelamento", response::TargetNamespace, declared,
       [](const std::string& dsig) {
         return ParseResponse("<Cancelamento>" + dsig + "</Cancelamento>")
             ->Cancelamento()
             ->Signature();
       }},
      {"Confirmacao/Pedido", response::TargetNamespace, declared,
       [](const std::string& dsig) {
         return ParseResponse("<Cancelamento><Confirmacao><Pedido>" + dsig +
                              "</Pedido></Confirmacao></Cancelamento>")
             ->Cancelamento()
             ->Confirmacao()
             ->Pedido()
             ->Signature();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parent);
    auto signature = c.reach(c.dsig);
    EXPECT_EQ(signature->NamespaceURI(), c.ns);
    EXPECT_EQ(signature->AttributeValue("Id"), "");
    EXPECT_NE(Bytes(signature).find(c.dsig + "<Signature Id=\"\"/>"), std::string::npos)
        << Bytes(signature);
  }
}

}  // namespace
}  // namespace cancel_documents

// The XML signature below the cancellation documents: built through the request set and the
// response set, saved, reopened and read back.
#include <cstdint>
#include <string>
#include <type_traits>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

constexpr const char* kDsig = "http://www.w3.org/2000/09/xmldsig#";

static_assert(std::is_base_of_v<binding::TXMLNode, request::TXMLSignatureType_dsig>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, request::TXMLTransformsType_dsig>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, request::TXMLTransformType_dsig>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, response::TXMLSPKIDataType_>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, response::TXMLObjectType_List>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, response::TXMLString_List>);
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, request::TXMLBase64BinaryList>);
static_assert(
    std::is_same_v<decltype(std::declval<request::TXMLTcPedidoCancelamento_tipos&>().Signature()),
                   std::shared_ptr<request::TXMLSignatureType_dsig>>);
static_assert(
    std::is_same_v<decltype(std::declval<response::TXMLTcPedidoCancelamento_tipos&>().Signature()),
                   std::shared_ptr<response::TXMLSignatureType_>>);
static_assert(
    std::is_same_v<decltype(std::declval<response::TXMLTcCancelamentoNfse_tipos&>().Signature()),
                   std::shared_ptr<response::TXMLSignatureType_>>);
static_assert(std::is_same_v<decltype(std::declval<request::TXMLCancelarNfseEnvio&>().Signature()),
                             std::shared_ptr<request::TXMLSignatureType_dsig>>);

// Writes one signature through whichever set `signature` belongs to.
template <class Signature>
void Sign(const std::shared_ptr<Signature>& signature, const std::string& id) {
  signature->SetId(id);
  auto info = signature->SignedInfo();
  info->CanonicalizationMethod()->SetAlgorithm("c14n");
  info->SignatureMethod()->SetAlgorithm("rsa-sha1");
  auto reference = info->Reference()->AddItem();
  reference->SetURI("#" + id);
  reference->Transforms()->AddItem()->SetAlgorithm("enveloped-signature");
  reference->Transforms()->AddItem()->AddItem("not(ancestor-or-self::Signature)");
  reference->DigestMethod()->SetAlgorithm("sha1");
  reference->SetDigestValue("ZGlnZXN0");
  signature->SignatureValue()->SetId(id + "-value");
  auto x509 = signature->KeyInfo()->X509Data()->AddItem();
  auto serial = x509->X509IssuerSerial()->AddItem();
  serial->SetX509IssuerName("CN=AC");
  serial->SetX509SerialNumber(-42);
  x509->X509Certificate()->AddItem("Y2VydA==");
  auto rsa = signature->KeyInfo()->KeyValue()->AddItem()->RSAKeyValue();
  rsa->SetModulus("bW9k");
  rsa->SetExponent("AQAB");
  signature->Object()->AddItem()->SetMimeType("text/plain");
}

// Reads back what Sign wrote, one value after another.
template <class Signature>
std::string Read(const std::shared_ptr<Signature>& signature) {
  auto info = signature->SignedInfo();
  auto reference = info->Reference()->ItemAt(0);
  auto x509 = signature->KeyInfo()->X509Data()->ItemAt(0);
  auto rsa = signature->KeyInfo()->KeyValue()->ItemAt(0)->RSAKeyValue();
  return signature->Id() + "|" + info->CanonicalizationMethod()->Algorithm() + "|" +
         info->SignatureMethod()->Algorithm() + "|" + reference->URI() + "|" +
         reference->Transforms()->ItemAt(0)->Algorithm() + "|" +
         reference->Transforms()->ItemAt(1)->XPath(0) + "|" +
         reference->DigestMethod()->Algorithm() + "|" + reference->DigestValue() + "|" +
         signature->SignatureValue()->Id() + "|" +
         x509->X509IssuerSerial()->ItemAt(0)->X509IssuerName() + "|" +
         std::to_string(x509->X509IssuerSerial()->ItemAt(0)->X509SerialNumber()) + "|" +
         x509->X509Certificate()->ItemAt(0) + "|" + rsa->Modulus() + "|" + rsa->Exponent() + "|" +
         signature->Object()->ItemAt(0)->MimeType();
}

std::string Expected(const std::string& id) {
  return id + "|c14n|rsa-sha1|#" + id +
         "|enveloped-signature|not(ancestor-or-self::Signature)|sha1|ZGlnZXN0|" + id +
         "-value|CN=AC|-42|Y2VydA==|bW9k|AQAB|text/plain";
}

TEST(Signatures, RequestSetBuildsSavesAndReopens) {
  TempDir dir;
  const fs::path file = dir / "request.xml";
  {
    auto root = request::NewCancelarNfseEnvio();
    root->Pedido()->InfPedidoCancelamento()->SetId("P1");
    Sign(root->Pedido()->Signature(), "S1");
    Sign(root->Signature(), "S2");
    root->OwnerDocument()->SaveToFile(file);
  }
  const std::string saved = ReadFile(file);
  EXPECT_NE(saved.find("<InfPedidoCancelamento Id=\"P1\"/><Signature Id=\"S1\"><SignedInfo>"),
            std::string::npos)
      << saved;
  EXPECT_NE(saved.find("</Pedido><Signature Id=\"S2\">"), std::string::npos) << saved;

  auto reopened = request::OpenCancelarNfseEnvio(file.string());
  EXPECT_EQ(Read(reopened->Pedido()->Signature()), Expected("S1"));
  EXPECT_EQ(Read(reopened->Signature()), Expected("S2"));
}

TEST(Signatures, ResponseSetBuildsSavesAndReopens) {
  TempDir dir;
  const fs::path file = dir / "response.xml";
  WriteFile(file, Document("CancelarNfseResposta", response::TargetNamespace,
                           "<Cancelamento><Confirmacao Id=\"C1\"><Pedido/></Confirmacao>"
                           "</Cancelamento>"));
  {
    auto cancelamento = response::OpenCancelarNfseResposta(file.string())->Cancelamento();
    Sign(cancelamento->Confirmacao()->Pedido()->Signature(), "S3");
    Sign(cancelamento->Signature(), "S4");
    cancelamento->OwnerDocument()->SaveToFile(file);
  }
  auto reopened = response::OpenCancelarNfseResposta(file.string())->Cancelamento();
  EXPECT_EQ(Read(reopened->Confirmacao()->Pedido()->Signature()), Expected("S3"));
  EXPECT_EQ(Read(reopened->Signature()), Expected("S4"));

  // The same signature text read through the request set gives the same values.
  const std::string saved = ReadFile(file);
  const auto begin = saved.find("<Signature Id=\"S4\">");
  const auto end = saved.find("</Signature>", begin) + std::string("</Signature>").size();
  WriteFile(dir / "request.xml", Document("CancelarNfseEnvio", request::TargetNamespace,
                                          saved.substr(begin, end - begin)));
  EXPECT_EQ(Read(request::OpenCancelarNfseEnvio((dir / "request.xml").string())->Signature()),
            Expected("S4"));
}

// Nothing attaches the XML Signature namespace: a signature in it is not what Signature() reads.
TEST(Signatures, OneInTheXmlSignatureNamespaceIsNotRead) {
  TempDir dir;
  const fs::path file = dir / "request.xml";
  WriteFile(file, Document("CancelarNfseEnvio", request::TargetNamespace,
                           "<Pedido><ds:Signature xmlns:ds=\"" + std::string(kDsig) +
                               "\" Id=\"S1\"/></Pedido>"));
  auto pedido = request::OpenCancelarNfseEnvio(file.string())->Pedido();
  EXPECT_EQ(pedido->Signature()->Id(), "");
  const std::string saved = Saved(pedido, dir);
  EXPECT_NE(saved.find("Id=\"S1\"/><Signature Id=\"\"/></Pedido>"), std::string::npos) << saved;
}

TEST(Signatures, ItemReadsOfTextListsAndElementLists) {
  TempDir dir;
  const fs::path file = dir / "request.xml";
  WriteFile(file,
            Document("CancelarNfseEnvio", request::TargetNamespace,
                     "<Signature><SignedInfo><Reference><Transforms><Transform><XPath/><Other/>"
                     "</Transform></Transforms></Reference></SignedInfo><KeyInfo><KeyName/>"
                     "<SPKIData><SPKISexp/></SPKIData></KeyInfo></Signature>"));
  auto signature = request::OpenCancelarNfseEnvio(file.string())->Signature();
  auto transform = signature->SignedInfo()->Reference()->ItemAt(0)->Transforms()->ItemAt(0);
  EXPECT_EQ(transform->Count(), 1);
  EXPECT_EQ(transform->XPath(0), "");
  EXPECT_EQ(signature->KeyInfo()->SPKIData()->ItemAt(0)->SPKISexp(0), "");
  EXPECT_TRUE(
      ErrorOf([&] { signature->KeyInfo()->KeyName()->ItemAt(0); }).starts_with(kConversionError));
  EXPECT_EQ(ErrorOf([&] { transform->XPath(1); }), "List index out of bounds (1)");
}

}  // namespace

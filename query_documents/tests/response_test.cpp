#include "query_documents/response.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "binding/binding.h"
#include "files/files.h"
#include "query_documents/tests/complete_response.h"
#include "test_support/test_support.h"

namespace query_documents::testing {
namespace {

TEST(QueryResponse, CompleteResponseListsEveryValueAndItsMessages) {
  auto root = ParseResponse(CompleteResponseXml(3));
  EXPECT_EQ(InvoiceListing(*root), CompleteInvoiceListing());
  auto messages = root->ListaMensagemRetorno();
  ASSERT_EQ(messages->Count(), 3);
  EXPECT_EQ(messages->ItemAt(2)->Codigo(), u"E2");
  EXPECT_EQ(messages->ItemAt(2)->Mensagem(), u"NFS-e cancelada");
  EXPECT_EQ(messages->ItemAt(2)->Correcao(), u"Consulte a NFS-e substituta");
  auto signatures = root->CompNfse()->Nfse()->Signature();
  EXPECT_EQ(signatures, root->CompNfse()->Nfse()->Signature());
  ASSERT_EQ(signatures->Count(), 2);
  EXPECT_EQ(signatures->ItemAt(0), u"c2lnbmF0dXJlIG9uZQ==");
  EXPECT_EQ(signatures->ItemAt(1), u"c2lnbmF0dXJlIHR3bw==");
  EXPECT_EQ(root->CompNfse()->NfseCancelamento()->Signature(), u"Y2FuY2VsYW1lbnRv");
  EXPECT_EQ(root->CompNfse()->NfseSubstituicao()->Signature()->Count(), 2);
  // Every value was there: reading created nothing.
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(),
            ParseResponse(CompleteResponseXml(3))->OwnerDocument()->XmlBytes());
}

TEST(QueryResponse, InnerElementsInTheTypesNamespaceOpenButAreNotFoundBelowTheRoot) {
  auto root = ParseResponse(CompleteResponseXml(3, TypesNamespace));
  EXPECT_EQ(root->CompNfse()->Nfse()->InfNfse()->Id(), u"");
  EXPECT_THROW(root->CompNfse()->Nfse()->InfNfse()->Numero(), binding::ConversionError);
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 0);
  // The reads made a second, empty CompNfse and list in the response namespace.
  const auto children = root->ChildNodes();
  ASSERT_EQ(children.size(), 4u);
  EXPECT_EQ(children[2]->NamespaceURI(), ResponseNamespace);
  EXPECT_EQ(children[2]->LocalName(), "CompNfse");
}

TEST(QueryResponse, AbsentElementsAreCreatedEmptyAsTheRootsLastChildren) {
  auto root = ParseResponse("<ConsultarNfseRpsResposta xmlns=\"" + ResponseNamespace +
                            "\"><ListaMensagemRetorno/></ConsultarNfseRpsResposta>");
  EXPECT_EQ(root->ListaMensagemRetorno()->Count(), 0);
  root->CompNfse()->Nfse()->InfNfse();
  std::string saved = root->OwnerDocument()->XmlBytes();
  EXPECT_NE(saved.find("<ListaMensagemRetorno/><CompNfse><Nfse><InfNfse/></Nfse></CompNfse>"),
            std::string::npos);
}

TEST(QueryResponse, OpenFailsOnUnreadableMalformedOrOtherRoots) {
  const test_support::TempFolder dir;
  const struct {
    const char* name;
    std::string bytes;
    const char* error;
  } cases[] = {
      {"malformed.xml", "<ConsultarNfseRpsResposta>", nullptr},
      {"other_namespace.xml", "<ConsultarNfseRpsResposta xmlns=\"" + TypesNamespace + "\"/>",
       "Interface not supported"},
      {"request.xml", "<ConsultarNfseRpsEnvio xmlns=\"" + ResponseNamespace + "\"/>",
       "Interface not supported"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    files::WriteFileAtomically(dir / c.name, c.bytes);
    try {
      OpenConsultarNfseRpsResposta((dir / c.name).u16string());
      ADD_FAILURE();
    } catch (const binding::Error& e) {
      if (c.error) {
        EXPECT_STREQ(e.what(), c.error);
      }
    }
  }
  EXPECT_THROW(OpenConsultarNfseRpsResposta((dir / "missing.xml").u16string()),
               binding::ParseError);
}

}  // namespace
}  // namespace query_documents::testing

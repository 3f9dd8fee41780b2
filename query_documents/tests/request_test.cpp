#include "query_documents/request.h"
#include "files/files.h"
#include "test_support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "binding/binding.h"

namespace {

using query_documents::NewConsultarNfseRpsEnvio;
using query_documents::OpenConsultarNfseRpsEnvio;
using query_documents::RequestNamespace;
using query_documents::TXMLConsultarNfseRpsEnvio;

// A request file in a folder of its own, removed after the test.
class RequestFile : public testing::Test {
 protected:
  // The path of a new file holding `xml` under `name` (UTF-8).
  std::u16string Write(const std::u16string& name, const std::string& xml) {
    const std::filesystem::path path = dir_ / std::filesystem::path(name);
    files::WriteFileAtomically(path, xml);
    return path.u16string();
  }
  std::string Root(const std::string& body, const std::string& ns = RequestNamespace) {
    return "<ConsultarNfseRpsEnvio xmlns=\"" + ns + "\">" + body + "</ConsultarNfseRpsEnvio>";
  }

  test_support::TempFolder dir_;
};

std::string Saved(const std::shared_ptr<TXMLConsultarNfseRpsEnvio>& root) {
  return root->OwnerDocument()->XmlBytes();
}

TEST(NewRequest, HoldsOnlyItsRootInTheRequestNamespace) {
  const auto root = NewConsultarNfseRpsEnvio();
  EXPECT_EQ(root->NodeName(), "ConsultarNfseRpsEnvio");
  EXPECT_EQ(root->NamespaceURI(), RequestNamespace);
  EXPECT_TRUE(root->ChildNodes().empty());
  EXPECT_EQ(RequestNamespace, "http://" + std::string(binding::PlatformSchemaHost) +
                                  "/servico_consultar_nfse_rps_envio_v03.xsd");
}

// Elements appear in the order the accessors first reach them, each a plain start tag in the
// request namespace; integers are written as signed 32-bit text.
TEST(NewRequest, WritesElementsInCallOrderWithTheirConversions) {
  const auto root = NewConsultarNfseRpsEnvio();
  root->OwnerDocument()->SetEncoding("UTF-8");
  root->IdentificacaoRps()->SetNumero(4294967295u);
  root->IdentificacaoRps()->SetSerie(u"A\u00E7\u4E2D\U0001D11E");
  root->IdentificacaoRps()->SetTipo(-56);
  root->Prestador()->SetCnpj(u"99888777000166");
  root->Prestador()->SetInscricaoMunicipal(u"552190");
  const std::string bytes = Saved(root);
  EXPECT_NE(bytes.find("<ConsultarNfseRpsEnvio xmlns=\"" + RequestNamespace +
                       "\"><IdentificacaoRps><Numero>-1</Numero>"
                       "<Serie>A\xC3\xA7\xE4\xB8\xAD\xF0\x9D\x84\x9E</Serie><Tipo>-56</Tipo>"
                       "</IdentificacaoRps><Prestador><Cnpj>99888777000166</Cnpj>"
                       "<InscricaoMunicipal>552190</InscricaoMunicipal></Prestador>"
                       "</ConsultarNfseRpsEnvio>"),
            std::string::npos)
      << bytes;
}

// The signature is a plain text element found under its prefixed name in the root's namespace.
TEST_F(RequestFile, ReadsTheValuesWithTheirKinds) {
  const auto root = OpenConsultarNfseRpsEnvio(Write(
      u"r.xml", Root("<IdentificacaoRps><Numero>-1</Numero><Serie>\xC3\xA7\xF0\x9D\x84\x9E</Serie>"
                     "<Tipo>200</Tipo></IdentificacaoRps><Prestador><Cnpj>1</Cnpj>"
                     "<InscricaoMunicipal>Isento</InscricaoMunicipal></Prestador>"
                     "<dsig:Signature xmlns:dsig=\"" +
                     RequestNamespace + "\">s</dsig:Signature>")));
  EXPECT_EQ(root->IdentificacaoRps()->Numero(), 4294967295u);
  EXPECT_EQ(root->IdentificacaoRps()->Serie(), u"\u00E7\U0001D11E");
  EXPECT_EQ(root->IdentificacaoRps()->Tipo(), -56);
  EXPECT_EQ(root->Prestador()->Cnpj(), u"1");
  EXPECT_EQ(root->Prestador()->InscricaoMunicipal(), u"Isento");
  EXPECT_EQ(root->Signature(), u"s");
}

// Written on a new request, the signature declares its prefix, so the saved file opens again and
// the element is found rather than appended anew.
TEST_F(RequestFile, SignatureWrittenOnANewRequestReadsBackFromTheFile) {
  auto root = NewConsultarNfseRpsEnvio();
  root->SetSignature(u"sig");
  root->SetSignature(u"sig2");
  const auto reopened = OpenConsultarNfseRpsEnvio(Write(u"s.xml", Saved(root)));
  EXPECT_EQ(reopened->Signature(), u"sig2");
  EXPECT_EQ(reopened->ChildNodes().size(), 1u);
}

TEST_F(RequestFile, TipoKeepsTheLowEightBits) {
  const auto root =
      OpenConsultarNfseRpsEnvio(Write(u"r.xml", Root("<IdentificacaoRps><Tipo>300</Tipo>"
                                                     "</IdentificacaoRps>")));
  EXPECT_EQ(root->IdentificacaoRps()->Tipo(), 44);
}

// Reading absent elements creates them: text reads empty, an integer read fails, and both leave
// an empty element behind.
TEST_F(RequestFile, ReadingAbsentElementsCreatesThem) {
  const auto root =
      OpenConsultarNfseRpsEnvio(Write(u"r.xml", Root("<IdentificacaoRps></IdentificacaoRps>")));
  EXPECT_EQ(root->IdentificacaoRps()->Serie(), u"");
  EXPECT_THROW(root->IdentificacaoRps()->Numero(), binding::ConversionError);
  EXPECT_NE(Saved(root).find("<IdentificacaoRps><Serie></Serie><Numero></Numero>"),
            std::string::npos)
      << Saved(root);
}

// The path is wide text: names beyond Latin-1 reach the file system intact.
TEST_F(RequestFile, OpensAPathBeyondLatin1) {
  const auto root = OpenConsultarNfseRpsEnvio(
      Write(u"pedido \u00E7\u4E2D\U0001D11E.xml", Root("<Prestador><Cnpj>7</Cnpj></Prestador>")));
  EXPECT_EQ(root->Prestador()->Cnpj(), u"7");
}

TEST_F(RequestFile, RefusesAnotherRootOrNamespace) {
  for (const std::string& xml :
       {Root("", query_documents::TypesNamespace),
        std::string("<ConsultarNfseRpsResposta xmlns=\"" + RequestNamespace + "\"/>")}) {
    try {
      OpenConsultarNfseRpsEnvio(Write(u"r.xml", xml));
      ADD_FAILURE() << "opened " << xml;
    } catch (const binding::InterfaceError& error) {
      EXPECT_STREQ(error.what(), "Interface not supported");
    }
  }
}

// Children in another namespace than their parent are not the properties: the lookup adds an
// empty one in the parent's namespace, which is why an adjusted file does not reopen.
TEST_F(RequestFile, ChildrenInAnotherNamespaceAreNotFound) {
  const auto root = OpenConsultarNfseRpsEnvio(
      Write(u"r.xml", Root("<IdentificacaoRps><Numero xmlns=\"" + query_documents::TypesNamespace +
                           "\">4</Numero></IdentificacaoRps>")));
  EXPECT_THROW(root->IdentificacaoRps()->Numero(), binding::ConversionError);
  EXPECT_EQ(root->IdentificacaoRps()->ChildNodes().size(), 2u);
}

}  // namespace

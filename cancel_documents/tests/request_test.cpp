#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cancel_documents/cancel_documents.h"
#include "cancel_documents/tests/default_request.h"
#include "files/files.h"
#include "test_support/test_support.h"

namespace cancel_documents::request {
namespace {

namespace fs = std::filesystem;

class RequestFiles : public ::testing::Test {
 protected:
  std::string Write(std::string_view xml) { return folder_.Write("request.xml", xml).string(); }
  test_support::TempFolder folder_;
};

TEST_F(RequestFiles, DefaultRequestSavesExactlyAndOpensWithItsValues) {
  const std::string path = (folder_ / "saved.xml").string();
  BuildDefaultRequest()->OwnerDocument()->SaveToFile(path);
  EXPECT_EQ(files::ReadFileBytes(path),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CancelarNfseEnvio xmlns=\"" +
                TargetNamespace +
                "\"><Pedido><InfPedidoCancelamento Id=\"1\"><IdentificacaoNfse><Numero>1</Numero>"
                "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento</InscricaoMunicipal>"
                "<CodigoMunicipio>2927408</CodigoMunicipio></IdentificacaoNfse>"
                "<CodigoCancelamento>1</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
                "</CancelarNfseEnvio>\n");
  auto inf = OpenCancelarNfseEnvio(path)->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(inf->Id(), "1");
  EXPECT_EQ(inf->IdentificacaoNfse()->Numero(), 1u);
  EXPECT_EQ(inf->IdentificacaoNfse()->Cnpj(), "11222333000181");
  EXPECT_EQ(inf->IdentificacaoNfse()->InscricaoMunicipal(), "Isento");
  EXPECT_EQ(inf->IdentificacaoNfse()->CodigoMunicipio(), 2927408);
  EXPECT_EQ(inf->CodigoCancelamento(), "1");
}

TEST(Request, NamespaceIsBuiltFromThePlatformHost) {
  EXPECT_EQ(TargetNamespace, "http://" + std::string(binding::PlatformSchemaHost) +
                                 "/servico_cancelar_nfse_envio_v03.xsd");
}

TEST(Request, NumeroAboveInt32IsStoredNegativeAndReadsBack) {
  auto id = NewCancelarNfseEnvio()->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse();
  id->SetNumero(4294967295u);
  EXPECT_EQ(id->ElementText("Numero"), "-1");
  EXPECT_EQ(id->Numero(), 4294967295u);
}

TEST_F(RequestFiles, PrefixedRootOpensAndChildrenAreFoundByLocalName) {
  auto root = OpenCancelarNfseEnvio(
      Write("<e:CancelarNfseEnvio xmlns:e=\"" + TargetNamespace +
            "\"><e:Pedido><e:InfPedidoCancelamento Id=\"X\"><e:CodigoCancelamento>2"
            "</e:CodigoCancelamento></e:InfPedidoCancelamento></e:Pedido></e:CancelarNfseEnvio>"));
  EXPECT_EQ(root->Pedido()->InfPedidoCancelamento()->Id(), "X");
  EXPECT_EQ(root->Pedido()->InfPedidoCancelamento()->CodigoCancelamento(), "2");
}

TEST_F(RequestFiles, ChildInTheTypesNamespaceIsNotReadAndAnEmptyOneIsAppended) {
  const std::string tipos = "http://" + std::string(binding::PlatformSchemaHost) + "/tipos_v03.xsd";
  auto root = OpenCancelarNfseEnvio(
      Write("<CancelarNfseEnvio xmlns=\"" + TargetNamespace +
            "\"><Pedido><InfPedidoCancelamento xmlns=\"" + tipos +
            "\" Id=\"7\"><IdentificacaoNfse><Numero>5</Numero></IdentificacaoNfse>"
            "</InfPedidoCancelamento></Pedido></CancelarNfseEnvio>"));
  auto inf = root->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(inf->Id(), "");
  EXPECT_EQ(inf->NamespaceURI(), TargetNamespace);
  EXPECT_THROW(inf->IdentificacaoNfse()->Numero(), binding::ConversionError);
  EXPECT_EQ(root->Pedido()->ChildNodes().size(), 2u);
}

TEST_F(RequestFiles, AbsentIdIsReadEmptyAndLeftAsAnEmptyAttribute) {
  auto root = OpenCancelarNfseEnvio(
      Write("<CancelarNfseEnvio xmlns=\"" + TargetNamespace +
            "\"><Pedido><InfPedidoCancelamento/></Pedido></CancelarNfseEnvio>"));
  EXPECT_EQ(root->Pedido()->InfPedidoCancelamento()->Id(), "");
  EXPECT_NE(root->OwnerDocument()->XmlBytes().find("<InfPedidoCancelamento Id=\"\"/>"),
            std::string::npos);
}

TEST_F(RequestFiles, OtherRootsAndBrokenFilesDoNotOpen) {
  EXPECT_THROW(
      OpenCancelarNfseEnvio(Write("<CancelarNfseResposta xmlns=\"" + TargetNamespace + "\"/>")),
      binding::InterfaceError);
  EXPECT_THROW(OpenCancelarNfseEnvio(Write("<CancelarNfseEnvio xmlns=\"urn:other\"/>")),
               binding::InterfaceError);
  EXPECT_THROW(OpenCancelarNfseEnvio(Write("<CancelarNfseEnvio")), binding::ParseError);
  EXPECT_THROW(OpenCancelarNfseEnvio((folder_ / "none.xml").string()), binding::ParseError);
}

}  // namespace
}  // namespace cancel_documents::request

// The cancellation request as a caller builds, saves, reopens and reads it through the public
// bindings.
#include <string>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"
#include "query_documents/query_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;

std::string RequestWith(std::string_view inner) {
  return Document("CancelarNfseEnvio", request::TargetNamespace, inner);
}

TEST(CancelRequestNamespaces, AreHttpUrisOnTheSchemaHost) {
  const std::string host = "http://" + std::string(binding::PlatformSchemaHost);
  EXPECT_EQ(request::TargetNamespace, host + "/servico_cancelar_nfse_envio_v03.xsd");
  EXPECT_EQ(cancel_documents::response::TargetNamespace,
            host + "/servico_cancelar_nfse_resposta_v03.xsd");
  EXPECT_EQ(query_documents::RequestNamespace, host + "/servico_consultar_nfse_rps_envio_v03.xsd");
  EXPECT_EQ(query_documents::ResponseNamespace,
            host + "/servico_consultar_nfse_rps_resposta_v03.xsd");
  EXPECT_EQ(query_documents::TypesNamespace, host + "/tipos_v03.xsd");
}

// Builds the request the way the window's New does, saves it, and opens it back.
TEST(CancelRequest, NewSaveOpenRoundTripWritesTheExactBytes) {
  TempDir dir;
  auto root = request::NewCancelarNfseEnvio();
  root->OwnerDocument()->SetEncoding("UTF-8");
  root->Pedido()->InfPedidoCancelamento()->SetId("1");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetNumero(1);
  // A second write replaces the text of the one element, it does not add another.
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCnpj("first");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCnpj("11222333000181");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetInscricaoMunicipal("Isento");
  root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCodigoMunicipio(2927408);
  root->Pedido()->InfPedidoCancelamento()->SetCodigoCancelamento("1");

  const fs::path file = dir / "request.xml";
  root->OwnerDocument()->SaveToFile(file);
  const std::string bytes = ReadFile(file);
  EXPECT_TRUE(bytes.starts_with(kDeclaration)) << bytes;
  const std::string expected = DefaultCancelRequest(request::TargetNamespace);
  EXPECT_EQ(Canonical(bytes), expected);

  auto opened = request::OpenCancelarNfseEnvio(file.string());
  auto inf = opened->Pedido()->InfPedidoCancelamento();
  auto ident = inf->IdentificacaoNfse();
  EXPECT_EQ(inf->Id(), "1");
  EXPECT_EQ(ident->Numero(), 1u);
  EXPECT_EQ(ident->Cnpj(), "11222333000181");
  EXPECT_EQ(ident->InscricaoMunicipal(), "Isento");
  EXPECT_EQ(ident->CodigoMunicipio(), 2927408);
  EXPECT_EQ(inf->CodigoCancelamento(), "1");
  // Reading present values adds nothing, and the opened file keeps its declaration.
  EXPECT_EQ(Saved(opened, dir), expected);
}

TEST(CancelRequest, ReadingAbsentNodesCreatesThemEmpty) {
  TempDir dir;
  auto root = request::NewCancelarNfseEnvio();
  auto inf = root->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(inf->Id(), "");
  EXPECT_EQ(inf->IdentificacaoNfse()->Cnpj(), "");
  EXPECT_EQ(inf->IdentificacaoNfse()->Cnpj(), "");  // finds the element the first read made
  EXPECT_TRUE(ErrorOf([&] { inf->IdentificacaoNfse()->Numero(); }).starts_with(kConversionError));
  EXPECT_EQ(Saved(root, dir),
            R"(<?xml version="1.0"?>)"
            "<CancelarNfseEnvio xmlns=\"" +
                request::TargetNamespace +
                "\"><Pedido><InfPedidoCancelamento Id=\"\"><IdentificacaoNfse><Cnpj/><Numero/>"
                "</IdentificacaoNfse></InfPedidoCancelamento></Pedido></CancelarNfseEnvio>");
}

TEST(CancelRequest, PrefixedRootOpensAndNewChildrenTakeItsPrefix) {
  TempDir dir;
  const fs::path file = dir / "prefixed.xml";
  WriteFile(file, kDeclaration + "<p:CancelarNfseEnvio xmlns:p=\"" + request::TargetNamespace +
                      "\"><p:Pedido><p:InfPedidoCancelamento Id=\"7\"><p:IdentificacaoNfse>"
                      "<p:Cnpj>X</p:Cnpj></p:IdentificacaoNfse></p:InfPedidoCancelamento>"
                      "</p:Pedido></p:CancelarNfseEnvio>");
  auto root = request::OpenCancelarNfseEnvio(file.string());
  auto inf = root->Pedido()->InfPedidoCancelamento();
  EXPECT_EQ(inf->Id(), "7");
  EXPECT_EQ(inf->IdentificacaoNfse()->Cnpj(), "X");
  EXPECT_EQ(inf->CodigoCancelamento(), "");
  EXPECT_NE(Saved(root, dir).find("</p:IdentificacaoNfse><p:CodigoCancelamento/>"),
            std::string::npos);
}

struct RootCase {
  const char* name;
  std::string xml;
  bool opens;
};

class CancelRequestRoot : public testing::TestWithParam<RootCase> {};

TEST_P(CancelRequestRoot, OpensOnlyTheRightElementInTheRequestNamespace) {
  TempDir dir;
  const fs::path file = dir / "root.xml";
  WriteFile(file, GetParam().xml);
  const std::string error = ErrorOf([&] {
    auto root = request::OpenCancelarNfseEnvio(file.string());
    EXPECT_EQ(root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->Cnpj(), "X");
  });
  EXPECT_EQ(error, GetParam().opens ? kNoException : "Interface not supported");
}

std::string UpperCaseHost(std::string ns) {
  for (std::size_t i = 0; i < ns.find(".xsd"); ++i) {
    if (ns[i] >= 'a' && ns[i] <= 'z') ns[i] = static_cast<char>(ns[i] - 'a' + 'A');
  }
  return ns;
}

const std::string kBody =
    "<Pedido><InfPedidoCancelamento><IdentificacaoNfse><Cnpj>X</Cnpj></IdentificacaoNfse>"
    "</InfPedidoCancelamento></Pedido>";

INSTANTIATE_TEST_SUITE_P(
    , CancelRequestRoot,
    testing::Values(
        RootCase{"NamespaceInOtherLetterCase",
                 Document("CancelarNfseEnvio", UpperCaseHost(request::TargetNamespace), kBody),
                 true},
        RootCase{"OtherNamespace",
                 Document("CancelarNfseEnvio", query_documents::TypesNamespace, kBody), false},
        RootCase{"NoNamespace",
                 kDeclaration + "<CancelarNfseEnvio>" + kBody + "</CancelarNfseEnvio>", false},
        RootCase{"OtherName", Document("CancelarNfseResposta", request::TargetNamespace, kBody),
                 false}),
    ByName());

TEST(CancelRequest, ChildInAnotherNamespaceIsNotFound) {
  TempDir dir;
  const fs::path file = dir / "foreign.xml";
  const std::string foreign = "<InfPedidoCancelamento xmlns=\"" + query_documents::TypesNamespace +
                              "\" Id=\"9\"><IdentificacaoNfse><Numero>5</Numero>"
                              "</IdentificacaoNfse></InfPedidoCancelamento>";
  WriteFile(file, RequestWith("<Pedido>" + foreign + "</Pedido>"));
  auto root = request::OpenCancelarNfseEnvio(file.string());
  EXPECT_EQ(root->Pedido()->InfPedidoCancelamento()->Id(), "");
  EXPECT_TRUE(ErrorOf([&] {
                root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->Numero();
              }).starts_with(kConversionError));
  EXPECT_EQ(Saved(root, dir),
            RequestWith("<Pedido>" + foreign +
                        "<InfPedidoCancelamento Id=\"\"><IdentificacaoNfse><Numero/>"
                        "</IdentificacaoNfse></InfPedidoCancelamento></Pedido>"));
}

class CancelRequestText : public testing::TestWithParam<const char*> {};

TEST_P(CancelRequestText, ElementWithoutASingleTextNodeIsNeitherReadNorWritten) {
  TempDir dir;
  const fs::path file = dir / "mixed.xml";
  WriteFile(file, RequestWith(
                      std::string("<Pedido><InfPedidoCancelamento><IdentificacaoNfse><Cnpj>") +
                      GetParam() + "</Cnpj></IdentificacaoNfse></InfPedidoCancelamento></Pedido>"));
  auto ident = request::OpenCancelarNfseEnvio(file.string())
                   ->Pedido()
                   ->InfPedidoCancelamento()
                   ->IdentificacaoNfse();
  const std::string expected = "Element does not contain a single text node";
  EXPECT_EQ(ErrorOf([&] { ident->Cnpj(); }), expected);
  EXPECT_EQ(ErrorOf([&] { ident->SetCnpj("1"); }), expected);
}

INSTANTIATE_TEST_SUITE_P(, CancelRequestText,
                         testing::Values("<b>1</b>", "1<!-- note -->2", "<b/><b/>"));

}  // namespace

// The query request: wide text in and out, its typed fields, and paths given as wide text.
#include <string>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "query_documents/query_documents.h"

namespace {

using namespace acceptance;

std::string QueryWith(std::string_view inner) {
  return Document("ConsultarNfseRpsEnvio", query_documents::RequestNamespace, inner);
}

TEST(QueryRequest, NewDocumentHoldsOnlyItsRoot) {
  TempDir dir;
  EXPECT_EQ(Saved(query_documents::NewConsultarNfseRpsEnvio(), dir),
            R"(<?xml version="1.0"?><ConsultarNfseRpsEnvio xmlns=")" +
                query_documents::RequestNamespace + "\"/>");
}

TEST(QueryRequest, WideTextRoundTripsThroughAWidePath) {
  TempDir dir;
  const std::u16string serie = u"S\u00e9rie \u00e7\u00e3o \u65e5\u672c \U0001F600";
  const std::u16string inscricao = u"Isen\u00e7\u00e3o";
  auto root = query_documents::NewConsultarNfseRpsEnvio();
  root->OwnerDocument()->SetEncoding("UTF-8");
  root->IdentificacaoRps()->SetNumero(4294967295u);
  root->IdentificacaoRps()->SetSerie(serie);
  root->IdentificacaoRps()->SetTipo(int8_t{-56});
  root->Prestador()->SetCnpj(u"99888777000166");
  root->Prestador()->SetInscricaoMunicipal(inscricao);

  const fs::path folder = dir / fs::path(u"pasta \u00e7\u00e3o");
  fs::create_directories(folder);
  const fs::path file = folder / fs::path(u"pedido \u65e5\u672c.xml");
  root->OwnerDocument()->SaveToFile(file);
  EXPECT_EQ(
      Canonical(ReadFile(file)),
      QueryWith("<IdentificacaoRps><Numero>-1</Numero><Serie>S\xc3\xa9rie \xc3\xa7\xc3\xa3o "
                "\xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80</Serie><Tipo>-56</Tipo>"
                "</IdentificacaoRps><Prestador><Cnpj>99888777000166</Cnpj>"
                "<InscricaoMunicipal>Isen\xc3\xa7\xc3\xa3o</InscricaoMunicipal></Prestador>"));

  auto opened = query_documents::OpenConsultarNfseRpsEnvio(file.u16string());
  EXPECT_EQ(opened->IdentificacaoRps()->Numero(), 4294967295u);
  EXPECT_EQ(opened->IdentificacaoRps()->Serie(), serie);
  EXPECT_EQ(opened->IdentificacaoRps()->Tipo(), -56);
  EXPECT_EQ(opened->Prestador()->Cnpj(), u"99888777000166");
  EXPECT_EQ(opened->Prestador()->InscricaoMunicipal(), inscricao);
}

TEST(QueryRequest, AbsentFieldsAreCreatedEmptyAndIntegersFail) {
  TempDir dir;
  const fs::path file = dir / "query.xml";
  WriteFile(file, QueryWith("<IdentificacaoRps/>"));
  auto root = query_documents::OpenConsultarNfseRpsEnvio(file.u16string());
  EXPECT_EQ(root->IdentificacaoRps()->Serie(), u"");
  EXPECT_TRUE(ErrorOf([&] { root->IdentificacaoRps()->Numero(); }).starts_with(kConversionError));
  EXPECT_EQ(Saved(root, dir), QueryWith("<IdentificacaoRps><Serie/><Numero/></IdentificacaoRps>"));
}

TEST(QueryRequest, OtherRootIsNotSupported) {
  TempDir dir;
  const fs::path file = dir / "query.xml";
  WriteFile(file, Document("ConsultarNfseRpsEnvio", query_documents::TypesNamespace, ""));
  EXPECT_EQ(ErrorOf([&] { query_documents::OpenConsultarNfseRpsEnvio(file.u16string()); }),
            "Interface not supported");
}

}  // namespace

// Tarvel's window end to end: its buttons, dialogs, grids, tabs, log, preview and files.
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTableWidget>

#include <memory>
#include <string>

#include "acceptance/bindings_support.h"
#include "acceptance/windows_support.h"
#include "cancel_documents/cancel_documents.h"
#include "cancel_tool/cancel_tool.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

const QString kTitle = QStringLiteral("Cancelamento de NFS-e");
constexpr int kInformacoes = 0;
constexpr int kRequestTab = 1;
constexpr int kResponseTab = 2;

using Tarvel = WindowTest<cancel_tool::MakeTarvelWindow>;

TEST_F(Tarvel, StartsOnTheRequestTabWithTheStartValues) {
  EXPECT_EQ(CurrentTab(*window_), kRequestTab);
  const auto* grid = Child<QTableWidget>(*window_, "ValueListEditor3");
  ASSERT_EQ(grid->columnCount(), 2);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Key");
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Value");
  EXPECT_EQ(Keys(*window_, "ValueListEditor77"), (QStringList{"id", "codigoCancelamento"}));
  EXPECT_EQ(Keys(*window_, "ValueListEditor3"),
            (QStringList{"numero", "cnpj", "inscricaoMunicipal", "codigoMunicipio"}));
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "cnpj"), "11222333000181");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "codigoMunicipio"), "2927408");
  EXPECT_TRUE(Lines(*window_, "Memo1").isEmpty());
}

TEST_F(Tarvel, NewThenSaveWritesTheRequestAndShowsIt) {
  Click(*window_, "Button10");
  EXPECT_TRUE(LastLogLineIs(*window_, NewSucceeded(kTitle)));

  const fs::path file = dir_ / "pedido.xml";
  EXPECT_EQ(PressAnswering(*window_, "Button11", "SaveDialog1", file), "-CancelarNfseEnvio.xml");
  EXPECT_EQ(Canonical(ReadFile(file)), DefaultCancelRequest(request::TargetNamespace));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(file));
  EXPECT_TRUE(LastLogLineIs(*window_, SaveSucceeded(PathText(file))));

  // Saving over the file replaces it without asking (a question would fail the answer).
  PressAnswering(*window_, "Button11", "SaveDialog1", file);
  EXPECT_TRUE(LastLogLineIs(*window_, SaveSucceeded(PathText(file))));
  EXPECT_EQ(Lines(*window_, "Memo1").size(), 3);
}

TEST_F(Tarvel, SaveProposesCharactersFourToFortySevenOfTheId) {
  const std::string id = "ABC" + std::string(44, '7') + "XYZ";
  SetValue(*window_, "ValueListEditor77", "id", QString::fromStdString(id));
  Click(*window_, "Button10");
  EXPECT_EQ(PressAnswering(*window_, "Button11", "SaveDialog1", dir_ / "a.xml"),
            QString::fromStdString(std::string(44, '7') + "-CancelarNfseEnvio.xml"));
}

TEST_F(Tarvel, CancelledDialogsChangeNothing) {
  Click(*window_, "Button10");
  PressAnswering(*window_, "Button11", "SaveDialog1", {});
  PressAnswering(*window_, "Button12", "OpenDialog1", {});
  PressAnswering(*window_, "Button3", "OpenDialog1", {});
  EXPECT_EQ(CurrentTab(*window_), kRequestTab);
  EXPECT_EQ(Lines(*window_, "Memo1").size(), 1);
  EXPECT_TRUE(fs::is_empty(dir_.path()));
}

TEST_F(Tarvel, SaveBeforeAnyRequestFailsAndWritesNothing) {
  const fs::path file = dir_ / "nothing.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", file);
  EXPECT_TRUE(LastLogLineIs(*window_, SaveFailed()));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(Tarvel, NewWithABadNumberKeepsThePartlyBuiltRequest) {
  SetValue(*window_, "ValueListEditor3", "numero", "abc");
  Click(*window_, "Button10");
  EXPECT_TRUE(LastLogLineIs(*window_, NewFailed(kTitle)));
  const fs::path file = dir_ / "partial.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", file);
  EXPECT_EQ(Canonical(ReadFile(file)),
            Document("CancelarNfseEnvio", request::TargetNamespace,
                     "<Pedido><InfPedidoCancelamento Id=\"1\"><IdentificacaoNfse/>"
                     "</InfPedidoCancelamento></Pedido>"));
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "numero"), "abc");
}

TEST_F(Tarvel, OpenFillsTheGridsFromTheRequest) {
  const fs::path file = dir_ / "open.xml";
  WriteFile(file,
            Document("CancelarNfseEnvio", request::TargetNamespace,
                     "<Pedido><InfPedidoCancelamento Id=\"ID9\"><IdentificacaoNfse>"
                     "<Numero>-1</Numero><Cnpj>c</Cnpj><InscricaoMunicipal>Isen\xc3\xa7\xc3\xa3o"
                     "</InscricaoMunicipal><CodigoMunicipio>-5</CodigoMunicipio>"
                     "</IdentificacaoNfse><CodigoCancelamento>k</CodigoCancelamento>"
                     "</InfPedidoCancelamento></Pedido>"));
  PressAnswering(*window_, "Button12", "OpenDialog1", file);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenSucceeded(kTitle)));
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "id"), "ID9");
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "codigoCancelamento"), "k");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "numero"), "4294967295");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "cnpj"), "c");
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "inscricaoMunicipal"),
            QString::fromUtf8("Isen\xc3\xa7\xc3\xa3o"));
  EXPECT_EQ(Value(*window_, "ValueListEditor3", "codigoMunicipio"), "-5");
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(file));

  // A file of another root fails and leaves the grids, the preview and the request as they were.
  const fs::path other = dir_ / "other.xml";
  WriteFile(other, Document("CancelarNfseResposta", response::TargetNamespace, ""));
  PressAnswering(*window_, "Button12", "OpenDialog1", other);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenFailed(kTitle)));
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "id"), "ID9");
  EXPECT_EQ(Previewed(*window_), PathText(file));
  const fs::path saved = dir_ / "saved.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", saved);
  EXPECT_EQ(Canonical(ReadFile(saved)), Canonical(ReadFile(file)));
}

// Under the service layout New and Save write the request as the service takes it ("Pedido" in
// no namespace, what it holds in the shared types namespace) and Abrir reads it back; a request
// of the specified layout is refused, with the reason after the failed line, and changes nothing.
TEST_F(Tarvel, UnderTheServiceLayoutRequestsAreWrittenAndReadAsTheServiceHasThem) {
  Click(*window_, "Button10");
  const fs::path specified = dir_ / "specified.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", specified);

  ServiceLayout(*window_).setChecked(true);
  SetValue(*window_, "ValueListEditor77", "id", "S1");
  Click(*window_, "Button10");
  const fs::path service = dir_ / "service.xml";
  PressAnswering(*window_, "Button11", "SaveDialog1", service);
  const auto saved = request::OpenCancelarNfseEnvio(service.string(), binding::Layout::Service);
  EXPECT_EQ(binding::DetectLayout(*saved->OwnerDocument()), binding::Layout::Service);
  EXPECT_EQ(saved->Pedido()->NamespaceURI(), "");
  EXPECT_EQ(saved->Pedido()->InfPedidoCancelamento()->NamespaceURI(),
            "http://" + std::string(binding::PlatformSchemaHost) + "/tipos_v03.xsd");
  EXPECT_EQ(saved->Pedido()->InfPedidoCancelamento()->Id(), "S1");

  const qsizetype logged = Lines(*window_, "Memo1").size();
  SetValue(*window_, "ValueListEditor77", "id", "typed");
  PressAnswering(*window_, "Button12", "OpenDialog1", service);
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "id"), "S1");
  PressAnswering(*window_, "Button12", "OpenDialog1", specified);
  EXPECT_EQ(Value(*window_, "ValueListEditor77", "id"), "S1");
  EXPECT_EQ(Previewed(*window_), PathText(service));
  EXPECT_EQ(LogMessagesFrom(*window_, logged),
            (QStringList{UnderService(OpenSucceeded(kTitle)), UnderService(OpenFailed(kTitle)),
                         UnderService(QString::fromUtf8(
                             " - O arquivo está no layout especificado; desmarque \"Layout do "
                             "serviço\" para abri-lo"))}));
}

TEST_F(Tarvel, ClearOnTheResponseTabZeroesTheRequestRows) {
  Child<QTabWidget>(*window_, "PageControl25")->setCurrentIndex(kResponseTab);
  Click(*window_, "Button4");
  EXPECT_EQ(CurrentTab(*window_), kRequestTab);
  for (const char* grid : {"ValueListEditor77", "ValueListEditor3"}) {
    for (const QString& key : Keys(*window_, grid))
      EXPECT_EQ(Value(*window_, grid, key), "0") << key.toStdString();
  }
  EXPECT_TRUE(Lines(*window_, "Memo1").isEmpty());
}

TEST_F(Tarvel, ResponseListsItsValuesOnePerLine) {
  const fs::path file = dir_ / "resposta.xml";
  WriteFile(file, Document("CancelarNfseResposta", response::TargetNamespace,
                           "<Cancelamento><Confirmacao Id=\"C\"><Pedido><InfPedidoCancelamento "
                           "Id=\"P\"><IdentificacaoNfse><Numero>7</Numero><Cnpj>1</Cnpj>"
                           "<InscricaoMunicipal>2</InscricaoMunicipal><CodigoMunicipio>-3"
                           "</CodigoMunicipio></IdentificacaoNfse><CodigoCancelamento>4"
                           "</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
                           "<InfConfirmacaoCancelamento><Sucesso>true</Sucesso><DataHora>d"
                           "</DataHora></InfConfirmacaoCancelamento></Confirmacao></Cancelamento>"
                           "<ListaMensagemRetorno>" +
                               ReturnMessage("A", "<Correcao>cA</Correcao>") +
                               ReturnMessage("B", "<Correcao>cB</Correcao>") +
                               "</ListaMensagemRetorno>"));
  const QStringList expected{"C", "P", "7",  "1",  "2", "-3", "4", "-1",
                             "d", "A", "mA", "cA", "B", "mB", "cB"};
  PressAnswering(*window_, "Button3", "OpenDialog1", file);
  EXPECT_EQ(Lines(*window_, "Memo5"), expected);
  EXPECT_TRUE(LastLogLineIs(*window_, OpenSucceeded(kTitle)));
  EXPECT_EQ(CurrentTab(*window_), kInformacoes);
  EXPECT_EQ(Previewed(*window_), PathText(file));

  PressAnswering(*window_, "Button3", "OpenDialog1", file);
  EXPECT_EQ(Lines(*window_, "Memo5"), expected + expected);
  EXPECT_TRUE(Lines(*window_, "Memo4").isEmpty());
}

TEST_F(Tarvel, ResponseWithOnlyMessagesStopsAtTheFirstNumber) {
  const fs::path file = dir_ / "mensagens.xml";
  WriteFile(file, Document("CancelarNfseResposta", response::TargetNamespace,
                           "<ListaMensagemRetorno>" + ReturnMessage("A", "") +
                               "</ListaMensagemRetorno>"));
  PressAnswering(*window_, "Button3", "OpenDialog1", file);
  EXPECT_EQ(Lines(*window_, "Memo5"), (QStringList{"", ""}));
  EXPECT_TRUE(LastLogLineIs(*window_, OpenFailed(kTitle)));
  EXPECT_TRUE(Previewed(*window_).isEmpty());
}

}  // namespace

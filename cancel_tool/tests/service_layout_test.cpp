// Tarvel under the choice of the service layout: requests written and read as the service has
// them, captured responses listed completely, and files of the other layout refused.

#include <gtest/gtest.h>

#include "cancel_documents/namespaces.h"
#include "cancel_documents/tests/service_samples.h"
#include "cancel_tool/tests/tarvel_test.h"

namespace cancel_tool {
namespace {

using namespace fixture;
using cancel_documents::testing::ServiceRequest;
using cancel_documents::testing::ServiceResponse;
using cancel_documents::testing::Style;

// Read when used: the constants of another file are not set before this file's statics.
QMap<QString, QString> Aliases() {
  return {{QString::fromStdString(cancel_documents::request::TargetNamespace), "e"},
          {QString::fromStdString(cancel_documents::response::TargetNamespace), "r"},
          {QString::fromStdString(cancel_documents::TypesNamespace), "t"}};
}

// The request of the start values as each layout writes it: the service's "Pedido" has no
// namespace and what it holds is in the shared types namespace.
const QString kServiceRequest = QStringLiteral(
    "CancelarNfseEnvio:e Pedido: InfPedidoCancelamento:t IdentificacaoNfse:t Numero:t Cnpj:t "
    "InscricaoMunicipal:t CodigoMunicipio:t CodigoCancelamento:t");
const QString kSpecifiedRequest = QStringLiteral(
    "CancelarNfseEnvio:e Pedido:e InfPedidoCancelamento:e IdentificacaoNfse:e Numero:e Cnpj:e "
    "InscricaoMunicipal:e CodigoMunicipio:e CodigoCancelamento:e");
const QString kStartValues = QStringLiteral(
    "CancelarNfseEnvio{Pedido{InfPedidoCancelamento[Id=1]{IdentificacaoNfse{Numero=1 "
    "Cnpj=11222333000181 InscricaoMunicipal=Isento CodigoMunicipio=2927408} "
    "CodigoCancelamento=1}}}");

class ServiceLayoutTest : public TarvelTest, public ::testing::Test {
 protected:
  QStringList Rows() const { return form().FieldValues(); }
};

TEST_F(ServiceLayoutTest, NewAndSaveWriteTheServiceLayoutAndOpenReadsItBack) {
  ChooseServiceLayout(true);
  Click("Button10");
  const QString saved = Save(QStringLiteral("service.xml"));
  EXPECT_EQ(Namespaces(saved, Aliases()), kServiceRequest);
  EXPECT_EQ(Outline(saved), kStartValues);

  const QStringList start = Rows();
  Click("Button14");
  OpenRequest(saved);
  EXPECT_EQ(Rows(), start);
  EXPECT_EQ(LogMessages(),
            (QStringList{UnderService(kNewSucceeded), UnderService(SaveSucceeded(saved)),
                         UnderService(kOpenSucceeded)}));
  EXPECT_EQ(form().LastOpenedPath(), saved);
}

// Save writes the layout chosen when it is pressed, whichever the request was made in.
TEST_F(ServiceLayoutTest, ARequestMadeUnderTheOtherChoiceIsSavedInTheChosenOne) {
  Click("Button10");
  ChooseServiceLayout(true);
  const QString service = Save(QStringLiteral("service.xml"));
  Click("Button10");
  ChooseServiceLayout(false);
  const QString specified = Save(QStringLiteral("specified.xml"));

  EXPECT_EQ(Namespaces(service, Aliases()), kServiceRequest);
  EXPECT_EQ(Namespaces(specified, Aliases()), kSpecifiedRequest);
  EXPECT_EQ(Outline(service), kStartValues);
  EXPECT_EQ(Outline(specified), kStartValues);
}

// Under the service choice a file of the specified layout fails before it replaces anything, and
// the log says which layout the file is in; under the specified choice a service file fails as
// any file whose values are not found does, with the one failed line.
TEST_F(ServiceLayoutTest, AFileOfTheOtherLayoutFails) {
  form().UpperGrid().SetValue(QStringLiteral("id"), QStringLiteral("ID-FILE"));
  Click("Button10");
  const QString specified = Save(QStringLiteral("specified.xml"));
  form().UpperGrid().SetValue(QStringLiteral("id"), QStringLiteral("1"));
  Click("Button10");
  const QString specifiedResponse =
      Write(QStringLiteral("specified-response.xml"),
            "<CancelarNfseResposta xmlns=\"" +
                QByteArray::fromStdString(cancel_documents::response::TargetNamespace) +
                "\"><Cancelamento><Confirmacao Id=\"C1\"/></Cancelamento></CancelarNfseResposta>");
  const qsizetype before = LogMessages().size();

  ChooseServiceLayout(true);
  form().UpperGrid().SetValue(QStringLiteral("id"), QStringLiteral("typed"));
  OpenRequest(specified);
  OpenResponse(specifiedResponse);
  EXPECT_EQ(LogMessages().mid(before),
            (QStringList{UnderService(kOpenFailed), kFileInSpecifiedLayout,
                         UnderService(kOpenFailed), kFileInSpecifiedLayout}));
  EXPECT_EQ(form().UpperGrid().Value(QStringLiteral("id")), QStringLiteral("typed"));
  EXPECT_EQ(form().LowerListing().LineCount(), 0);
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());
  EXPECT_EQ(form().Preview().path(), specified);                       // as the Save left it
  EXPECT_EQ(Outline(Save(QStringLiteral("kept.xml"))), kStartValues);  // New's request is current

  ChooseServiceLayout(false);
  OpenRequest(Write(QStringLiteral("service-request.xml"),
                    QByteArray::fromStdString(ServiceRequest(Style::TiposPrefix))));
  OpenResponse(Write(QStringLiteral("service-response.xml"),
                     QByteArray::fromStdString(ServiceResponse(Style::TypesByDefault))));
  EXPECT_EQ(LogMessages().mid(before + 5), (QStringList{kOpenFailed, kOpenFailed}));
  EXPECT_EQ(Lines(form().LowerListing()), (QStringList{QString(), QString()}));
}

// A captured response lists completely: what it leaves out gives an empty line. Only a value
// that is there and cannot be read stops the listing.
TEST_F(ServiceLayoutTest, ACapturedResponseListsCompletely) {
  const QStringList confirmation = {"C1",      "P1", "12", "11222333000181",     "Isento",
                                    "2927408", "2",  "-1", "2024-03-15T10:21:37"};
  const QStringList messages = {"A1", "Aviso", "Nenhuma", "A2", "Outro", ""};
  std::string unreadable = ServiceResponse(Style::TiposPrefix);
  unreadable.replace(unreadable.find(">12<"), 4, ">doze<");
  const struct {
    const char* name;
    std::string xml;
    QStringList lines;
    bool listed;
  } cases[] = {
      {"types by default", ServiceResponse(Style::TypesByDefault), confirmation + messages, true},
      {"tipos prefix", ServiceResponse(Style::TiposPrefix), confirmation + messages, true},
      {"messages only",
       "<CancelarNfseResposta xmlns=\"" + cancel_documents::response::TargetNamespace +
           "\" xmlns:t=\"" + cancel_documents::TypesNamespace +
           "\"><t:ListaMensagemRetorno><t:MensagemRetorno><t:Codigo>E9</t:Codigo>"
           "</t:MensagemRetorno></t:ListaMensagemRetorno></CancelarNfseResposta>",
       QStringList(9, QString()) + QStringList{"E9", "", ""}, true},
      {"a number that is not one", unreadable, {"C1", "P1"}, false},
  };
  for (const auto& c : cases) {
    TarvelTest test;
    test.ChooseServiceLayout(true);
    const QString path =
        test.Write(QStringLiteral("response.xml"), QByteArray::fromStdString(c.xml));
    test.OpenResponse(path);
    EXPECT_EQ(test.Lines(test.form().LowerListing()), c.lines) << c.name;
    EXPECT_EQ(test.LogMessages(),
              QStringList{UnderService(c.listed ? kOpenSucceeded : kOpenFailed)})
        << c.name;
    EXPECT_EQ(test.form().LastOpenedPath(), c.listed ? path : QString()) << c.name;
  }
}

}  // namespace
}  // namespace cancel_tool

// Orvane under the choice of the service layout: requests saved as the service has them, without
// the five-tag adjustment, and reopened; captured responses listed completely; files of the
// other layout refused.

#include <gtest/gtest.h>

#include "listings/query.h"
#include "query_documents/namespaces.h"
#include "query_documents/tests/complete_response.h"
#include "query_documents/tests/service_samples.h"
#include "query_tool/tests/orvane_test.h"

namespace query_tool {
namespace {

using namespace fixture;
using query_documents::testing::ServiceRequest;
using query_documents::testing::ServiceResponse;
using query_documents::testing::Style;

// Read when used: the constants of another file are not set before this file's statics.
QMap<QString, QString> Aliases() {
  return {{QString::fromStdString(query_documents::RequestNamespace), "q"},
          {QString::fromStdString(query_documents::ResponseNamespace), "r"},
          {QString::fromStdString(query_documents::TypesNamespace), "t"}};
}

// The default request as the service layout writes it: the five fields in the shared types
// namespace, their parents in the request's.
const QString kServiceRequest = QStringLiteral(
    "ConsultarNfseRpsEnvio:q IdentificacaoRps:q Numero:t Serie:t Tipo:t Prestador:q Cnpj:t "
    "InscricaoMunicipal:t");
const QStringList kDefaultRows = {"4", "1", "1", "99888777000166", "552190"};

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList lines;
  for (const std::string& text : texts) lines.append(QString::fromStdString(text));
  return lines;
}

class ServiceLayoutTest : public OrvaneTest, public ::testing::Test {};

// The service layout writes the five fields in the shared types namespace itself, so Save leaves
// the file as written: no declaration added to a start tag, no line break changed. Abrir reads
// it back.
TEST_F(ServiceLayoutTest, SaveWritesTheServiceLayoutUnadjustedAndOpenReadsItBack) {
  ChooseServiceLayout(true);
  Click("Button10");
  const QString saved = Save(QStringLiteral("service.xml"));
  EXPECT_EQ(Namespaces(saved, Aliases()), kServiceRequest);
  const auto written = query_documents::NewConsultarNfseRpsEnvio(binding::Layout::Service);
  written->OwnerDocument()->SetEncoding("UTF-8");
  std::vector<std::u16string> defaults;
  for (const QString& row : kDefaultRows) defaults.push_back(row.toStdU16String());
  listings::WriteRequest(*written, listings::QueryRequestFields(), defaults);
  EXPECT_EQ(Read(saved), QByteArray::fromStdString(written->OwnerDocument()->XmlBytes()));

  Click("Button14");
  OpenRequest(saved);
  EXPECT_EQ(form().FieldValues(), kDefaultRows);
  EXPECT_EQ(LogMessages(),
            (QStringList{UnderService(NewSucceeded(kTitle)), UnderService(SaveSucceeded(saved)),
                         UnderService(OpenSucceeded(kTitle))}));
}

// A request made under the specified choice is saved in the service layout when that is chosen,
// and the other way round: then adjusted as every Save under the specified choice is.
TEST_F(ServiceLayoutTest, ARequestMadeUnderTheOtherChoiceIsSavedInTheChosenOne) {
  Click("Button10");
  const QByteArray specified = Read(Save(QStringLiteral("specified.xml")));
  ChooseServiceLayout(true);
  const QString converted = Save(QStringLiteral("converted.xml"));
  Click("Button10");
  const QByteArray service = Read(Save(QStringLiteral("service.xml")));
  ChooseServiceLayout(false);
  const QByteArray back = Read(Save(QStringLiteral("back.xml")));

  EXPECT_EQ(Namespaces(converted, Aliases()), kServiceRequest);
  EXPECT_EQ(Read(converted), service);
  EXPECT_EQ(back, specified);
}

// A file saved under the specified choice has its five fields in the shared types namespace and
// their parents in the request's: the service layout, in which Abrir reads it back.
TEST_F(ServiceLayoutTest, AnAdjustedSaveOpensUnderTheServiceLayout) {
  Click("Button10");
  const QString adjusted = Save(QStringLiteral("adjusted.xml"));
  ChooseServiceLayout(true);
  Click("Button14");
  OpenRequest(adjusted);
  EXPECT_EQ(form().FieldValues(), kDefaultRows);
  EXPECT_EQ(LogMessages().last(), UnderService(OpenSucceeded(kTitle)));
}

// Under the service choice a file of the specified layout fails before it replaces anything, and
// the log says which layout the file is in; under the specified choice a service file fails as
// any file whose values are not found does, with the one failed line.
TEST_F(ServiceLayoutTest, AFileOfTheOtherLayoutFails) {
  const QString specifiedRequest =
      Write(QStringLiteral("plain.xml"),
            "<ConsultarNfseRpsEnvio xmlns=\"" +
                QByteArray::fromStdString(query_documents::RequestNamespace) +
                "\"><IdentificacaoRps><Numero>7</Numero></IdentificacaoRps>"
                "</ConsultarNfseRpsEnvio>");
  const QString specifiedResponse =
      Write(QStringLiteral("response.xml"),
            QByteArray::fromStdString(query_documents::testing::CompleteResponseXml(1)));

  ChooseServiceLayout(true);
  Click("Button10");
  form().UpperGrid().SetValue(QStringLiteral("Numero"), QStringLiteral("typed"));
  OpenRequest(specifiedRequest);
  OpenResponse(specifiedResponse);
  EXPECT_EQ(LogMessages().mid(1),
            (QStringList{UnderService(OpenFailed(kTitle)), kFileInSpecifiedLayout,
                         UnderService(OpenFailed(kTitle)), kFileInSpecifiedLayout}));
  EXPECT_EQ(form().UpperGrid().Value(QStringLiteral("Numero")), QStringLiteral("typed"));
  EXPECT_EQ(form().UpperListing().LineCount(), 0);
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());
  EXPECT_TRUE(form().Preview().path().isEmpty());
  // The request New made is still current.
  EXPECT_EQ(Namespaces(Save(QStringLiteral("kept.xml")), Aliases()), kServiceRequest);

  ChooseServiceLayout(false);
  OpenRequest(Write(QStringLiteral("service-request.xml"),
                    QByteArray::fromStdString(ServiceRequest(Style::TypesByDefault))));
  OpenResponse(Write(QStringLiteral("service-response.xml"),
                     QByteArray::fromStdString(ServiceResponse(Style::TiposPrefix))));
  EXPECT_EQ(LogMessages().mid(6), (QStringList{OpenFailed(kTitle), OpenFailed(kTitle)}));
  EXPECT_EQ(Lines(form().UpperListing()), QStringList{QString()});
}

// A captured response lists completely: what it leaves out gives an empty line. Only a value
// that is there and cannot be read stops the listing.
TEST_F(ServiceLayoutTest, ACapturedResponseListsCompletely) {
  QStringList sparse(80, QString());  // the values ServiceResponse carries
  sparse[0] = QStringLiteral("N1");
  sparse[1] = QStringLiteral("123");
  sparse[4] = QStringLiteral("45");
  sparse[5] = QStringLiteral("UNICA");
  sparse[6] = QStringLiteral("1");
  sparse[37] = QStringLiteral("11222333000181");
  sparse[71] = QStringLiteral("C1");
  sparse[72] = QStringLiteral("P1");
  sparse[77] = QStringLiteral("2");
  sparse[78] = QStringLiteral("S1");
  sparse[79] = QStringLiteral("124");
  const QStringList message = {"A1", "Aviso", ""};
  std::string unreadable = ServiceResponse(Style::TypesByDefault);
  unreadable.replace(unreadable.find("<Numero>123<"), 12, "<Numero>cento<");
  const struct {
    const char* name;
    std::string xml;
    QStringList invoice;
    QStringList messages;
    bool listed;
  } cases[] = {
      {"types by default", ServiceResponse(Style::TypesByDefault), sparse, message, true},
      {"tipos prefix", ServiceResponse(Style::TiposPrefix), sparse, message, true},
      {"complete", query_documents::testing::CompleteServiceResponseXml(1),
       Texts(query_documents::testing::CompleteInvoiceListing()),
       QStringList{"E0", "NFS-e cancelada", "Consulte a NFS-e substituta"}, true},
      {"a number that is not one", unreadable, {"N1"}, {}, false},
  };
  for (const auto& c : cases) {
    OrvaneTest test;
    test.ChooseServiceLayout(true);
    const QString path =
        test.Write(QStringLiteral("response.xml"), QByteArray::fromStdString(c.xml));
    test.OpenResponse(path);
    EXPECT_EQ(test.Lines(test.form().UpperListing()), c.invoice) << c.name;
    EXPECT_EQ(test.Lines(test.form().LowerListing()), c.messages) << c.name;
    EXPECT_EQ(test.LogMessages(),
              QStringList{UnderService(c.listed ? OpenSucceeded(kTitle) : OpenFailed(kTitle))})
        << c.name;
    EXPECT_EQ(test.form().LastOpenedPath(), c.listed ? path : QString()) << c.name;
  }
}

}  // namespace
}  // namespace query_tool

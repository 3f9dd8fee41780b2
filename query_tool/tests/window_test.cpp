// Orvane's request side driven through its window: New, Save with its adjustment, Open, Clear.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>

#include "query_documents/namespaces.h"
#include "query_documents/tests/complete_response.h"
#include "query_tool/tests/orvane_test.h"

namespace query_tool {
namespace {

using window_shell::kInformationTab;
using window_shell::kRequestTab;
using window_shell::kResponseTab;
using namespace fixture;

// Read when used: the constants of another file are not set before this file's statics.
QByteArray RequestNs() { return QByteArray::fromStdString(query_documents::RequestNamespace); }
QByteArray TypesNs() { return QByteArray::fromStdString(query_documents::TypesNamespace); }

// A start tag carrying the shared types namespace, as Save leaves it.
QByteArray Typed(const QByteArray& tag) { return "<" + tag + " xmlns=\"" + TypesNs() + "\">"; }

// The file of a request whose elements are all in the request namespace, as another tool
// writes it.
QByteArray PlainRequest(const QByteArray& rps, const QByteArray& prestador) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ConsultarNfseRpsEnvio xmlns=\"" +
         RequestNs() + "\"><IdentificacaoRps>" + rps + "</IdentificacaoRps><Prestador>" +
         prestador + "</Prestador></ConsultarNfseRpsEnvio>\n";
}

class WindowTest : public OrvaneTest, public ::testing::Test {
 protected:
  void SetUpper(const char* key, const QString& value) {
    form().UpperGrid().SetValue(QLatin1String(key), value);
  }
  void SetLower(const char* key, const QString& value) {
    form().LowerGrid().SetValue(QLatin1String(key), value);
  }
  QStringList Rows() const {
    return {form().UpperGrid().Value(QStringLiteral("Numero")),
            form().UpperGrid().Value(QStringLiteral("Serie")),
            form().UpperGrid().Value(QStringLiteral("Tipo")),
            form().LowerGrid().Value(QStringLiteral("Cnpj")),
            form().LowerGrid().Value(QStringLiteral("InscricaoMunicipal"))};
  }
  // Saves the current request under `name` and returns the bytes written.
  QByteArray SaveAs(const QString& name) {
    const QString path = Path(name);
    ClickAnswering("Button11", "SaveDialog1", path);
    return Read(path);
  }
  void Open(const QString& path) { ClickAnswering("Button12", "OpenDialog1", path); }
};

TEST_F(WindowTest, StartsOnTheResponseTabWithItsOwnCaptionsAndGrids) {
  const QTabWidget& pages = form().Pages();
  ASSERT_EQ(pages.count(), 4);
  EXPECT_EQ(pages.tabText(0), QStringLiteral("Informações"));
  EXPECT_EQ(pages.tabText(1), QStringLiteral("ConsultarNfseRpsEnvio"));
  EXPECT_EQ(pages.tabText(2), QStringLiteral("ConsultarNfseRpsResposta"));
  EXPECT_EQ(pages.tabText(3), QStringLiteral("Como Comprar?"));
  EXPECT_EQ(Tab(), kResponseTab);
  EXPECT_EQ(form().Title(), QStringLiteral("Consulta de NFS-e"));
  EXPECT_EQ(Rows(), (QStringList{"4", "1", "1", "99888777000166", "552190"}));
  EXPECT_EQ(form().UpperGrid().RowCount(), 4);
  EXPECT_EQ(form().LowerGrid().RowCount(), 3);
  QStringList innerTabs;
  for (const QTabWidget* tabs : pages.widget(kRequestTab)->findChildren<QTabWidget*>()) {
    innerTabs.append(tabs->tabText(0));
  }
  innerTabs.sort();
  EXPECT_EQ(innerTabs, (QStringList{"IdentificacaoRps", "Prestador"}));
}

QByteArray CompleteResponse() {
  return QByteArray::fromStdString(query_documents::testing::CompleteResponseXml(2));
}

// The 80 values of CompleteResponse, as the window shows them.
QStringList CompleteListing() {
  QStringList lines;
  for (const std::string& line : query_documents::testing::CompleteInvoiceListing())
    lines.append(QString::fromStdString(line));
  return lines;
}

QStringList Messages(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i)
    lines << QStringLiteral("E%1").arg(i) << QStringLiteral("NFS-e cancelada")
          << QStringLiteral("Consulte a NFS-e substituta");
  return lines;
}

// `xml` with its first occurrence of `from` replaced by `to`.
QByteArray Replaced(QByteArray xml, const QByteArray& from, const QByteArray& to) {
  const qsizetype at = xml.indexOf(from);
  EXPECT_GE(at, 0) << from.toStdString();
  return at < 0 ? xml : xml.replace(at, from.size(), to);
}

// A complete response lists its 80 values and its messages; a second opening appends below the
// first.
TEST_F(WindowTest, ResponseOpenListsBothBoxesBelowWhatIsThere) {
  const QString complete = Write(QStringLiteral("complete.xml"), CompleteResponse());
  for (int round = 1; round <= 2; ++round) {
    form().SelectTab(kResponseTab);
    ClickAnswering("Button3", "OpenDialog1", complete);
    EXPECT_EQ(Tab(), kInformationTab);
  }
  EXPECT_EQ(Lines(form().UpperListing()), CompleteListing() + CompleteListing());
  EXPECT_EQ(Lines(form().LowerListing()), Messages(2) + Messages(2));
  EXPECT_EQ(LogMessages(), (QStringList{OpenSucceeded(kTitle), OpenSucceeded(kTitle)}));
  EXPECT_EQ(form().LastOpenedPath(), complete);
  EXPECT_EQ(form().Preview().path(), complete);
}

// After a complete response, a second file: its lines go below the first listing. A value that
// fails to read keeps the lines before it, lists nothing later in either box and leaves the last
// opened path and the preview as they were.
TEST_F(WindowTest, ResponseOpenListsWhatItReadsAndStopsAtAFailingValue) {
  const QByteArray complete = CompleteResponse();
  const QByteArray responseNs = QByteArray::fromStdString(query_documents::ResponseNamespace);
  const QByteArray end = "</NfseCancelamento>";
  const qsizetype from = complete.indexOf("<NfseCancelamento>");
  const QByteArray cancellation = complete.mid(from, complete.indexOf(end) + end.size() - from);
  QStringList wrapped = CompleteListing();
  wrapped[1] = QStringLiteral("4294967295");  // Numero -1 as unsigned 32
  wrapped[6] = QStringLiteral("-56");         // Tipo 200 as signed 8
  wrapped[47] = QStringLiteral("1234567");    // Cep 01234567: the leading zero goes
  const struct {
    const char* name;
    QByteArray xml;
    QStringList nfse;      // the lines appended to Memo4
    QStringList messages;  // the lines appended to Memo5
    bool listed;           // whether the listing came through
  } cases[] = {
      {"wrapped integers",
       Replaced(Replaced(Replaced(complete, "<Numero>123</Numero>", "<Numero>-1</Numero>"),
                         "<Tipo>1</Tipo>", "<Tipo>200</Tipo>"),
                "<Cep>40060001</Cep>", "<Cep>01234567</Cep>"),
       wrapped, Messages(2), true},
      {"no cancellation",
       Replaced(complete, cancellation, ""),
       CompleteListing().first(71) + QStringList{QString(), QString()},
       {},
       false},
      {"only messages",
       "<ConsultarNfseRpsResposta xmlns=\"" + responseNs +
           "\"><ListaMensagemRetorno><MensagemRetorno><Codigo>E1</Codigo></MensagemRetorno>"
           "</ListaMensagemRetorno></ConsultarNfseRpsResposta>",
       {QString()},
       {},
       false},
      {"inner elements in the types namespace",
       QByteArray::fromStdString(
           query_documents::testing::CompleteResponseXml(2, query_documents::TypesNamespace)),
       {QString()},
       {},
       false},
      {"not a response", "<ConsultarNfseRpsEnvio xmlns=\"" + RequestNs() + "\"/>", {}, {}, false},
  };
  for (const auto& c : cases) {
    OrvaneTest test;
    const QString first = test.Write(QStringLiteral("first.xml"), complete);
    test.ClickAnswering("Button3", "OpenDialog1", first);
    test.form().SelectTab(kResponseTab);
    const QString path = test.Write(QStringLiteral("second.xml"), c.xml);
    test.ClickAnswering("Button3", "OpenDialog1", path);

    EXPECT_EQ(test.Lines(test.form().UpperListing()), CompleteListing() + c.nfse) << c.name;
    EXPECT_EQ(test.Lines(test.form().LowerListing()), Messages(2) + c.messages) << c.name;
    EXPECT_EQ(test.LogMessages().last(), c.listed ? OpenSucceeded(kTitle) : OpenFailed(kTitle))
        << c.name;
    EXPECT_EQ(test.Tab(), kInformationTab) << c.name;
    const QString shown = c.listed ? path : first;
    EXPECT_EQ(test.form().LastOpenedPath(), shown) << c.name;
    EXPECT_EQ(test.form().Preview().path(), shown) << c.name;
  }
}

// Values holding line breaks stay on their lines of both boxes, their breaks shown as marks, so
// the invoice keeps its 80 lines; the preview shows the file's text as it is.
TEST_F(WindowTest, ResponseValuesWithLineBreaksStayOnOneLine) {
  const QByteArray xml =
      Replaced(Replaced(CompleteResponse(), "<Discriminacao>Suporte t\xC3\xA9",
                        "<Discriminacao>Item 1&#13;\nItem 2\xE2\x80\xA8Item 3\rSuporte t\xC3\xA9"),
               "<Mensagem>NFS-e cancelada</Mensagem>", "<Mensagem>NFS-e\ncancelada</Mensagem>");
  ClickAnswering("Button3", "OpenDialog1", Write(QStringLiteral("breaks.xml"), xml));
  QStringList invoice = CompleteListing();
  invoice[34] = QStringLiteral("Item 1⏎Item 2⏎Item 3⏎") + invoice[34];
  QStringList messages = Messages(2);
  messages[1] = QStringLiteral("NFS-e⏎cancelada");
  EXPECT_EQ(Lines(form().UpperListing()), invoice);
  EXPECT_EQ(Lines(form().LowerListing()), messages);
  EXPECT_TRUE(Previews(QStringLiteral("Item 1\r\nItem 2\u2028Item 3\n")));
}

TEST_F(WindowTest, ResponseOpenCancelledListsAndLogsNothing) {
  ClickAnswering("Button3", "OpenDialog1", {});
  EXPECT_EQ(form().UpperListing().LineCount(), 0);
  EXPECT_EQ(form().LowerListing().LineCount(), 0);
  EXPECT_TRUE(LogMessages().isEmpty());
  EXPECT_EQ(Tab(), kResponseTab);
}

// Every press proposes a name from the clock at that press; a cancelled dialog changes nothing.
TEST_F(WindowTest, SaveProposesTheClockTimeOnEveryPress) {
  for (const int second : {5, 6}) {
    form().SetClock([second] { return QDateTime(QDate(2015, 2, 4), QTime(14, 30, second)); });
    const QString proposal = ClickAnswering("Button11", "SaveDialog1", {});
    EXPECT_EQ(proposal, QStringLiteral("0402201514300%1-ConsultarNfseRpsEnvio.xml").arg(second));
  }
  EXPECT_EQ(Tab(), kResponseTab);
  EXPECT_TRUE(LogMessages().isEmpty());
}

TEST_F(WindowTest, NewThenSaveWritesTheDefaultRequestAdjustedByteForByte) {
  Click("Button10");
  const QString path = Path(QStringLiteral("default.xml"));
  ClickAnswering("Button11", "SaveDialog1", path);

  EXPECT_EQ(Read(path),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ConsultarNfseRpsEnvio xmlns=\"" +
                RequestNs() + "\"><IdentificacaoRps>" + Typed("Numero") + "4</Numero>" +
                Typed("Serie") + "1</Serie>" + Typed("Tipo") + "1</Tipo></IdentificacaoRps>" +
                "<Prestador>" + Typed("Cnpj") + "99888777000166</Cnpj>" +
                Typed("InscricaoMunicipal") +
                "552190</InscricaoMunicipal></Prestador></ConsultarNfseRpsEnvio>\r\n");
  EXPECT_EQ(LogMessages(), (QStringList{NewSucceeded(kTitle), SaveSucceeded(path)}));
  EXPECT_EQ(Tab(), kInformationTab);
  EXPECT_EQ(form().Preview().path(), path);
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());
}

// A grid number that does not parse stops New before its parent element is reached; the
// partly built request is current and Save writes it.
TEST_F(WindowTest, NewStopsAtANumberThatDoesNotParse) {
  const struct {
    const char* key;
    QByteArray body;
  } cases[] = {
      {"Numero", "<ConsultarNfseRpsEnvio xmlns=\"" + RequestNs() + "\"/>"},
      {"Tipo", "<ConsultarNfseRpsEnvio xmlns=\"" + RequestNs() + "\"><IdentificacaoRps>" +
                   Typed("Numero") + "4</Numero>" + Typed("Serie") +
                   "1</Serie></IdentificacaoRps></ConsultarNfseRpsEnvio>"},
  };
  for (const auto& c : cases) {
    OrvaneTest test;
    test.form().UpperGrid().SetValue(QLatin1String(c.key), QStringLiteral("abc"));
    test.Click("Button10");
    EXPECT_EQ(test.LogMessages(), QStringList{NewFailed(kTitle)}) << c.key;
    EXPECT_EQ(test.form().UpperGrid().Value(QLatin1String(c.key)), QStringLiteral("abc"));
    const QString path = test.Path(QStringLiteral("partial.xml"));
    test.ClickAnswering("Button11", "SaveDialog1", path);
    EXPECT_EQ(test.Read(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + c.body + "\r\n")
        << c.key;
  }
}

TEST_F(WindowTest, GridNumbersAreStoredAsTheirKindsWrite) {
  const struct {
    const char* numero;
    const char* tipo;
    QByteArray stored;
  } cases[] = {
      {"$10", "200",
       Typed("Numero") + "16</Numero>" + Typed("Serie") + "1</Serie>" + Typed("Tipo") +
           "-56</Tipo>"},
      {"-1", "256",
       Typed("Numero") + "-1</Numero>" + Typed("Serie") + "1</Serie>" + Typed("Tipo") + "0</Tipo>"},
  };
  for (const auto& c : cases) {
    SetUpper("Numero", QLatin1String(c.numero));
    SetUpper("Tipo", QLatin1String(c.tipo));
    Click("Button10");
    const QByteArray saved = SaveAs(QStringLiteral("n.xml"));
    EXPECT_TRUE(saved.contains(c.stored)) << c.numero << ": " << saved.toStdString();
  }
}

TEST_F(WindowTest, OpenFillsTheRowsOfARequestInTheRequestNamespace) {
  const QString path = Write(
      QStringLiteral("plain.xml"),
      PlainRequest("<Numero>-1</Numero><Serie>S\xC3\xA9rie</Serie><Tipo>200</Tipo>",
                   "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento</InscricaoMunicipal>"));
  Open(path);
  EXPECT_EQ(Rows(), (QStringList{"4294967295", "Série", "-56", "11222333000181", "Isento"}));
  EXPECT_EQ(LogMessages(), QStringList{OpenSucceeded(kTitle)});
  EXPECT_EQ(Tab(), kInformationTab);
  EXPECT_EQ(form().LastOpenedPath(), path);
  EXPECT_EQ(form().Preview().path(), path);
}

// The adjusted fields are in the shared types namespace, so the lookup in the request
// namespace misses them: Open fails at Numero after the opened request became current.
TEST_F(WindowTest, ReopeningAnAdjustedFileFailsAtItsFirstField) {
  const QString plain =
      Write(QStringLiteral("plain.xml"),
            PlainRequest("<Numero>7</Numero><Serie>A</Serie><Tipo>2</Tipo>",
                         "<Cnpj>1</Cnpj><InscricaoMunicipal>2</InscricaoMunicipal>"));
  Open(plain);
  SetUpper("Serie", QStringLiteral("edited"));
  Click("Button10");
  const QString adjusted = Path(QStringLiteral("adjusted.xml"));
  ClickAnswering("Button11", "SaveDialog1", adjusted);
  const QStringList rows = Rows();

  Open(adjusted);
  EXPECT_EQ(LogMessages().last(), OpenFailed(kTitle));
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(form().LastOpenedPath(), plain);
  EXPECT_EQ(form().Preview().path(), adjusted);  // as the Save before left it
  // The opened request is current, with the empty Numero the failed read appended to it.
  EXPECT_TRUE(
      SaveAs(QStringLiteral("again.xml"))
          .contains(Typed("Tipo") + "2</Tipo>" + Typed("Numero") + "</Numero></IdentificacaoRps>"));
}

TEST_F(WindowTest, OpenOfAFileThatIsNoRequestKeepsThePreviousOne) {
  Click("Button10");
  const QString bad =
      Write(QStringLiteral("bad.xml"), "<ConsultarNfseRpsResposta xmlns=\"" + RequestNs() + "\"/>");
  for (const QString& path : {bad, Path(QStringLiteral("missing.xml"))}) {
    Open(path);
    EXPECT_EQ(LogMessages().last(), OpenFailed(kTitle));
  }
  EXPECT_TRUE(form().LastOpenedPath().isEmpty());
  EXPECT_TRUE(SaveAs(QStringLiteral("kept.xml")).contains(Typed("Numero") + "4</Numero>"));
}

TEST_F(WindowTest, AnOpenedRequestSavesAgainWithOnlyFirstOccurrencesAdjusted) {
  Open(Write(QStringLiteral("twice.xml"),
             PlainRequest("<Numero>1</Numero><Serie>a</Serie><Serie>b</Serie><Tipo>1</Tipo>",
                          "<Cnpj>1</Cnpj><InscricaoMunicipal>2</InscricaoMunicipal>")));
  EXPECT_TRUE(SaveAs(QStringLiteral("saved.xml"))
                  .contains(Typed("Serie") + "a</Serie><Serie>b</Serie>" + Typed("Tipo")));
}

TEST_F(WindowTest, ClearOnTheResponseTabThenNewWritesZeroEverywhere) {
  form().SelectTab(kResponseTab);
  Click("Button4");
  EXPECT_EQ(Tab(), kRequestTab);
  EXPECT_EQ(Rows(), (QStringList{"0", "0", "0", "0", "0"}));
  Click("Button10");
  EXPECT_TRUE(SaveAs(QStringLiteral("zeros.xml"))
                  .contains("<IdentificacaoRps>" + Typed("Numero") + "0</Numero>" + Typed("Serie") +
                            "0</Serie>" + Typed("Tipo") + "0</Tipo></IdentificacaoRps><Prestador>" +
                            Typed("Cnpj") + "0</Cnpj>" + Typed("InscricaoMunicipal") +
                            "0</InscricaoMunicipal></Prestador>"));
}

// Accents and characters beyond Latin-1 and beyond the 16-bit range go from the grids into the
// file and back unchanged.
TEST_F(WindowTest, TextBeyondAsciiRoundTrips) {
  const QStringList typed = {"4", QStringLiteral("Série ç"), "1", QStringLiteral("中文 𝄞"),
                             QStringLiteral("Ñandú €")};
  SetUpper("Serie", typed[1]);
  SetLower("Cnpj", typed[3]);
  SetLower("InscricaoMunicipal", typed[4]);
  Click("Button10");
  QByteArray saved = SaveAs(QStringLiteral("text.xml"));
  EXPECT_TRUE(saved.contains(Typed("Cnpj") + typed[3].toUtf8() + "</Cnpj>"));

  // Without the adjustment the file reopens.
  saved.replace(" xmlns=\"" + TypesNs() + "\"", "");
  Click("Button14");
  Open(Write(QStringLiteral("plain.xml"), saved));
  EXPECT_EQ(Rows(), typed);
}

// An opened UTF-16 request saves in UTF-16: the adjustment works on its characters and keeps its
// byte order and mark.
TEST_F(WindowTest, AUtf16RequestIsAdjustedInItsOwnEncoding) {
  const QString text =
      QString::fromUtf8(PlainRequest("<Numero>1</Numero><Serie>\xC3\xA7</Serie><Tipo>1</Tipo>",
                                     "<Cnpj>1</Cnpj><InscricaoMunicipal>2</InscricaoMunicipal>"))
          .replace("UTF-8", "UTF-16");
  const auto utf16 = [](const QString& s) {  // little-endian, with its mark
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : s)
      bytes.append(static_cast<char>(c.unicode() & 0xFF))
          .append(static_cast<char>(c.unicode() >> 8));
    return bytes;
  };
  Open(Write(QStringLiteral("utf16.xml"), utf16(text)));
  ASSERT_EQ(LogMessages(), QStringList{OpenSucceeded(kTitle)});

  const QByteArray saved = SaveAs(QStringLiteral("saved.xml"));
  QString expected = text;
  expected.replace("\n", "\r\n");
  for (const char* tag : {"Numero", "Serie", "Tipo", "Cnpj", "InscricaoMunicipal"}) {
    const QString old = QStringLiteral("<%1>").arg(QLatin1String(tag));
    expected.replace(expected.indexOf(old), old.size(), QString::fromUtf8(Typed(tag)));
  }
  EXPECT_EQ(saved, utf16(expected));
}

}  // namespace
}  // namespace query_tool

// Messages inside SOAP envelopes: requests and responses as the service's envelopes carry them
// (escaped text, CDATA, an element of the body), unwrapped, listed and converted as the
// message itself; and envelopes that carry no message.

#include <gtest/gtest.h>

#include "nfse/envelope.h"
#include "nfse/tests/samples.h"
#include "test_support/test_support.h"

namespace nfse::testing {
namespace {

const std::string kSoap11 = "http://schemas.xmlsoap.org/soap/envelope/";
const std::string kSoap12 = "http://www.w3.org/2003/05/soap-envelope";

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Envelope(const std::string& soap, const std::string& body) {
  return kDeclaration + "<soapenv:Envelope xmlns:soapenv=\"" + soap +
         "\" xmlns:ws=\"http://ws.example.org/nfse\">\n  <soapenv:Header/>\n  <soapenv:Body>\n" +
         body + "\n  </soapenv:Body>\n</soapenv:Envelope>\n";
}

const std::string kHeaderPart =
    "<nfseCabecMsg>" + Escaped("<cabecalho versao=\"3\"><versaoDados>3</versaoDados></cabecalho>") +
    "</nfseCabecMsg>";

// A request as a client sends it: the header message first, then the request, whose declaration
// names ISO-8859-1 although the envelope's text is UTF-8.
std::string Latin1Request() {
  std::string request = SpecifiedCancelRequest();
  request.replace(request.find("UTF-8"), 5, "ISO-8859-1");
  request.replace(request.find(">Isento<"), 8, ">Isen\xC3\xA7\xC3\xA3o<");
  return request;
}

std::string RequestEnvelope() {
  return Envelope(kSoap11, "<ws:CancelarNfse>" + kHeaderPart + "\n<nfseDadosMsg>" +
                               Escaped(Latin1Request()) + "</nfseDadosMsg></ws:CancelarNfse>");
}

struct Carried {
  const char* name;
  std::string envelope;
  std::string message;  // what unwrap writes
};

std::vector<Carried> CarriedMessages() {
  std::string utf8Request = Latin1Request();
  utf8Request.replace(utf8Request.find("ISO-8859-1"), 10, "UTF-8");
  const std::string response = ServiceCancelResponse();
  const std::string queryResponse = query_documents::testing::CompleteServiceResponseXml(2);
  // As an element, the message is written as a document of its own declaring what it uses.
  const std::string element = ServiceQueryRequest();
  const std::string elementBody = "<ws:ConsultarNfseRps>" + element + "</ws:ConsultarNfseRps>";
  return {
      {"EscapedRequestAfterItsHeader", RequestEnvelope(), utf8Request},
      {"ResponseInCdataAmidSpace",
       Envelope(kSoap11, "<ws:CancelarNfseResponse><return>\n  <![CDATA[" + response +
                             "]]>\n</return></ws:CancelarNfseResponse>"),
       response + "\n"},
      {"EscapedResponseInOutputXml",
       Envelope(kSoap11, "<ws:ConsultarNfseRpsResponse><outputXML>" + Escaped(queryResponse) +
                             "</outputXML></ws:ConsultarNfseRpsResponse>"),
       queryResponse},
      {"Soap12ElementInTheBody", Envelope(kSoap12, elementBody), kDeclaration + element + "\n"},
  };
}

TEST(Unwrap, WritesTheMessageAsItCameWithATruthfulDeclaration) {
  test_support::TempFolder folder;
  for (const Carried& c : CarriedMessages()) {
    SCOPED_TRACE(c.name);
    const std::string envelope = folder.Write("envelope.xml", c.envelope).string();
    const std::string out = (folder / (std::string(c.name) + ".xml")).string();
    const Ran ran = RunNfse({"unwrap", envelope, out});
    EXPECT_EQ(ran.status, kSucceeded) << ran.err;
    EXPECT_EQ(ran.err, "");
    const std::string written = test_support::ReadBytes(out);
    if (std::string_view(c.name) == "Soap12ElementInTheBody") {
      // Declared anew, the element lists and converts as the document itself.
      EXPECT_EQ(written.rfind(kDeclaration, 0), 0u) << written;
      EXPECT_EQ(RunNfse({"list", out}).out, RunNfse({"list", "-"}, ServiceQueryRequest()).out);
    } else {
      EXPECT_EQ(written, c.message);
    }
  }
}

// A path as a JSON string holds it.
std::string JsonEscaped(const std::string& path) {
  std::string out;
  for (const char c : path) {
    if (c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// list and convert take an envelope as the message it carries.
TEST(Unwrap, ListAndConvertReadTheMessageAnEnvelopeCarries) {
  test_support::TempFolder folder;
  for (const Carried& c : CarriedMessages()) {
    SCOPED_TRACE(c.name);
    const std::string envelope = folder.Write("envelope.xml", c.envelope).string();
    const std::string message = folder.Write("message.xml", c.message).string();
    for (const char* format : {"text", "json"}) {
      const Ran fromEnvelope = RunNfse({"list", "--format", format, envelope});
      const Ran fromMessage = RunNfse({"list", "--format", format, message});
      EXPECT_EQ(fromEnvelope.status, kSucceeded) << fromEnvelope.err;
      // The output names the file: as it is in text, with its backslashes doubled in JSON.
      std::string expected = fromMessage.out;
      const bool json = std::string_view(format) == "json";
      const std::string named = json ? JsonEscaped(message) : message;
      for (std::size_t at; (at = expected.find(named)) != std::string::npos;)
        expected.replace(at, named.size(), json ? JsonEscaped(envelope) : envelope);
      EXPECT_EQ(fromEnvelope.out, expected);
    }
    const std::string a = (folder / "a.xml").string();
    const std::string b = (folder / "b.xml").string();
    EXPECT_EQ(RunNfse({"convert", "--to", "specified", envelope, a}).status, kSucceeded);
    EXPECT_EQ(RunNfse({"convert", "--to", "specified", message, b}).status, kSucceeded);
    EXPECT_EQ(test_support::ReadBytes(a), test_support::ReadBytes(b));
  }
  // The request's text said ISO-8859-1 and was UTF-8: its letters come through whole.
  const std::string envelope = folder.Write("request.xml", RequestEnvelope()).string();
  EXPECT_NE(RunNfse({"list", envelope}).out.find("InscricaoMunicipal\tIsen\xC3\xA7\xC3\xA3o\n"),
            std::string::npos);
}

TEST(Unwrap, AnEnvelopeCarryingNoMessageFailsOnOneLine) {
  const std::string notXml =
      "the SOAP body carries none of the documents CancelarNfseEnvio, CancelarNfseResposta, "
      "ConsultarNfseRpsEnvio and ConsultarNfseRpsResposta";
  const struct {
    const char* name;
    std::string envelope;
    std::string reason;  // how the line's reason starts
  } cases[] = {
      {"PartNotXml",
       Envelope(kSoap11,
                "<ws:CancelarNfse>" + kHeaderPart +
                    "<nfseDadosMsg>pedido &amp; nada mais</nfseDadosMsg></ws:CancelarNfse>"),
       notXml + "; the text of <nfseDadosMsg> is not XML: Start tag expected"},
      {"OnlyTheHeaderMessage", Envelope(kSoap11, kHeaderPart), notXml},
      {"EmptyBody", Envelope(kSoap12, ""), notXml},
      {"NoBody", kDeclaration + "<s:Envelope xmlns:s=\"" + kSoap11 + "\"><s:Header/></s:Envelope>",
       "the SOAP envelope has no body"},
      {"Soap11Fault",
       Envelope(kSoap11,
                "<soapenv:Fault><faultcode>soapenv:Server</faultcode><faultstring>Servidor "
                "indispon\xC3\xADvel\nTente depois</faultstring></soapenv:Fault>"),
       "the SOAP body carries a fault: Servidor indispon\xC3\xADvel; Tente depois"},
      {"Soap12Fault",
       Envelope(kSoap12,
                "<soapenv:Fault><soapenv:Code><soapenv:Value>soapenv:Receiver</soapenv:Value>"
                "</soapenv:Code><soapenv:Reason><soapenv:Text xml:lang=\"pt\">Falhou</soapenv:Text>"
                "</soapenv:Reason></soapenv:Fault>"),
       "the SOAP body carries a fault: Falhou"},
  };
  test_support::TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string envelope = folder.Write("envelope.xml", c.envelope).string();
    const std::string out = (folder / "out.xml").string();
    const Ran unwrapped = RunNfse({"unwrap", envelope, out});
    EXPECT_EQ(unwrapped.status, kFailed);
    EXPECT_EQ(unwrapped.err.rfind("nfse: " + envelope + ": " + c.reason, 0), 0u) << unwrapped.err;
    EXPECT_EQ(LinesOf(unwrapped.err).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(out));
    const Ran listed = RunNfse({"list", envelope});
    EXPECT_EQ(listed.status, kFailed);
    EXPECT_EQ(listed.err, unwrapped.err);
  }
}

TEST(Unwrap, OnlyASoapEnvelopeIsUnwrapped) {
  test_support::TempFolder folder;
  const std::string document = folder.Write("request.xml", SpecifiedCancelRequest()).string();
  const std::string other =
      folder
          .Write("other.xml", "<s:Envelope xmlns:s=\"urn:not-soap\"><s:Body>" +
                                  SpecifiedCancelRequest().substr(kDeclaration.size()) +
                                  "</s:Body></s:Envelope>")
          .string();
  const std::string out = (folder / "out.xml").string();
  EXPECT_EQ(RunNfse({"unwrap", document, out}).err,
            "nfse: " + document +
                ": not a SOAP envelope: its root element is \"CancelarNfseEnvio\" " +
                "in the namespace \"" + cancel_documents::request::TargetNamespace + "\"\n");
  EXPECT_EQ(RunNfse({"unwrap", other, out}).status, kFailed);
  EXPECT_EQ(RunNfse({"list", other}).status, kFailed);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(DeclaringUtf8, NamesUtf8WhereTheDeclarationNamedAnotherEncoding) {
  const std::pair<std::string, std::string> cases[] = {
      {"<a/>", "<a/>"},
      {"<?xml version=\"1.0\"?><a/>", "<?xml version=\"1.0\"?><a/>"},
      {"<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>"},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"},
      {"<?xml version='1.0' encoding = 'windows-1252' standalone='yes'?><a e=\"x\"/>",
       "<?xml version='1.0' encoding = 'UTF-8' standalone='yes'?><a e=\"x\"/>"},
      {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-16\"?><a/>",
       "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"},
      {"<?xml-stylesheet encoding=\"latin1\"?><a/>", "<?xml-stylesheet encoding=\"latin1\"?><a/>"},
      {"<?xml version=\"1.0\" encoding=\"latin1\"", "<?xml version=\"1.0\" encoding=\"latin1\""},
      {"<a><?xml version=\"1.0\" encoding=\"latin1\"?></a>",
       "<a><?xml version=\"1.0\" encoding=\"latin1\"?></a>"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(DeclaringUtf8(text), expected) << text;
}

}  // namespace
}  // namespace nfse::testing

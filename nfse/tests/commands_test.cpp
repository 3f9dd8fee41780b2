// `nfse list` against expected output: each document in each layout, read with each layout
// choice, in both formats; batches that go on past a failure; usage errors and standard input.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>

#include "listings/query.h"
#include "nfse/tests/samples.h"
#include "test_support/test_support.h"

namespace nfse::testing {
namespace {

using Json = nlohmann::json;

struct ListCase {
  const char* name;
  std::string file;
  const char* layoutOption;
  const char* layoutRead;
  const char* document;
  std::vector<Value> values;
  const char* failure = nullptr;  // how the file's failure reads, or none
};

std::vector<Value> QueryResponseValues() {
  const std::string xml = query_documents::testing::CompleteResponseXml(2);
  std::vector<Value> values =
      listings::ListQueryResponse(*query_documents::testing::ParseResponse(xml)).values;
  const std::vector<std::string> texts = QueryResponseTexts();
  EXPECT_EQ(values.size(), texts.size());
  for (std::size_t i = 0; i < values.size() && i < texts.size(); ++i) values[i].text = texts[i];
  return values;
}

std::vector<ListCase> ListCases() {
  const std::string specifiedResponse = query_documents::testing::CompleteResponseXml(2);
  const std::string serviceResponse = query_documents::testing::CompleteServiceResponseXml(2);
  std::vector<Value> emptyQueryRequest = QueryRequestValues();
  for (Value& value : emptyQueryRequest) value.text.clear();
  std::vector<ListCase> cases;
  for (const char* option : {"auto", "specified"}) {
    cases.push_back({"CancelRequest", SpecifiedCancelRequest(), option, "specified",
                     "CancelarNfseEnvio", CancelRequestValues()});
    cases.push_back({"CancelResponse", SpecifiedCancelResponse(), option, "specified",
                     "CancelarNfseResposta", CancelResponseValues()});
    cases.push_back({"QueryRequest", SpecifiedQueryRequest(), option, "specified",
                     "ConsultarNfseRpsEnvio", QueryRequestValues()});
    cases.push_back({"QueryResponse", specifiedResponse, option, "specified",
                     "ConsultarNfseRpsResposta", QueryResponseValues()});
  }
  for (const char* option : {"auto", "service"}) {
    cases.push_back({"ServiceCancelRequest", ServiceCancelRequest(), option, "service",
                     "CancelarNfseEnvio", CancelRequestValues()});
    cases.push_back({"ServiceCancelResponse", ServiceCancelResponse(), option, "service",
                     "CancelarNfseResposta", CancelResponseValues()});
    cases.push_back({"ServiceQueryRequest", ServiceQueryRequest(), option, "service",
                     "ConsultarNfseRpsEnvio", QueryRequestValues()});
    cases.push_back({"ServiceQueryResponse", serviceResponse, option, "service",
                     "ConsultarNfseRpsResposta", QueryResponseValues()});
  }
  // The layout asked for is kept, as the windows keep theirs: a service file read in the
  // specified layout stops at its first integer, which is not where that layout looks.
  cases.push_back(
      {"ServiceFileReadAsSpecified",
       ServiceCancelResponse(),
       "specified",
       "specified",
       "CancelarNfseResposta",
       {{kCancelConfirmacao + "@Id", ""}, {kCancelConfirmacao + kCancelPedido + "@Id", ""}},
       "the listing stopped after 2 values: Could not convert variant of type"});
  // A specified file is refused in the service layout, as the windows refuse it: every value
  // would read as left out. One with nothing to tell its layout by is read.
  cases.push_back({"SpecifiedFileReadAsService",
                   SpecifiedQueryRequest(),
                   "service",
                   nullptr,
                   nullptr,
                   {},
                   "its elements are in the specified layout"});
  cases.push_back({"EmptyRootReadAsService",
                   "<ConsultarNfseRpsEnvio xmlns=\"" + query_documents::RequestNamespace + "\"/>",
                   "service", "service", "ConsultarNfseRpsEnvio", emptyQueryRequest});
  return cases;
}

std::pair<std::string, std::string> SplitAtTab(const std::string& line) {
  const std::size_t tab = line.find('\t');
  if (tab == std::string::npos) return {line, "<no tab>"};
  return {line.substr(0, tab), line.substr(tab + 1)};
}

TEST(List, EachDocumentInEachLayoutAndFormat) {
  test_support::TempFolder folder;
  for (const ListCase& c : ListCases()) {
    SCOPED_TRACE(std::string(c.name) + " --layout " + c.layoutOption);
    const std::string file = folder.Write(std::string(c.name) + ".xml", c.file).string();
    const int status = c.failure ? kFailed : kSucceeded;

    const Ran text = RunNfse({"list", "--layout", c.layoutOption, file});
    EXPECT_EQ(text.status, status);
    const std::vector<std::string> lines = LinesOf(text.out);
    ASSERT_EQ(lines.size(), c.values.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(SplitAtTab(lines[i]), std::make_pair(c.values[i].path, c.values[i].text)) << i;
    }

    const Ran json = RunNfse({"list", "--format", "json", "--layout", c.layoutOption, file});
    EXPECT_EQ(json.status, status);
    EXPECT_EQ(json.err, text.err);
    const Json listed = Json::parse(json.out);
    ASSERT_TRUE(listed.is_array());
    ASSERT_EQ(listed.size(), 1u);
    const Json& one = listed[0];
    EXPECT_EQ(one["file"], file);
    EXPECT_EQ(one["document"], c.document ? Json(c.document) : Json(nullptr));
    EXPECT_EQ(one["layout"], c.layoutRead ? Json(c.layoutRead) : Json(nullptr));
    ASSERT_EQ(one["values"].size(), c.values.size());
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      EXPECT_EQ(one["values"][i], (Json{{"path", c.values[i].path}, {"value", c.values[i].text}}))
          << i;
    }
    if (c.failure) {
      EXPECT_EQ(one["error"].get<std::string>().rfind(c.failure, 0), 0u) << one["error"];
      EXPECT_EQ(text.err, "nfse: " + file + ": " + one["error"].get<std::string>() + "\n");
    } else {
      EXPECT_TRUE(one["error"].is_null());
      EXPECT_EQ(text.err, "");
    }
  }
}

// A line break inside a value shows as one mark in text, so every later value keeps its line;
// JSON holds the value as it is.
TEST(List, ALineBreakInAValueKeepsTheTextOutputOneLineAValue) {
  test_support::TempFolder folder;
  std::string xml = SpecifiedCancelResponse();
  xml.replace(xml.find("Aviso"), 5, "Linha 1&#13;\nLinha 2");
  const std::string file = folder.Write("breaks.xml", xml).string();
  const std::string path = "ListaMensagemRetorno/MensagemRetorno[0]/Mensagem";

  const std::vector<std::string> lines = LinesOf(RunNfse({"list", file}).out);
  ASSERT_EQ(lines.size(), CancelResponseValues().size());
  EXPECT_EQ(lines[10], path + "\tLinha 1" + std::string(listings::kLineBreakMark) + "Linha 2");

  const Json listed = Json::parse(RunNfse({"list", "--format", "json", file}).out);
  EXPECT_EQ(listed[0]["values"][10]["value"], "Linha 1\r\nLinha 2");
}

// One file that fails does not stop a batch: each failure is one line naming its file, every
// other file is listed in order, and the status tells that something failed.
TEST(List, ABatchGoesOnPastEachFailure) {
  test_support::TempFolder folder;
  std::string badNumber = SpecifiedCancelRequest();
  badNumber.replace(badNumber.find("<Numero>12"), 10, "<Numero>x");
  const std::string request = folder.Write("request.xml", SpecifiedCancelRequest()).string();
  const std::string missing = (folder / "missing.xml").string();
  const std::string notXml = folder.Write("notes.txt", "not XML at all").string();
  const std::string other = folder.Write("other.xml", "<Outro xmlns=\"urn:x\"/>").string();
  const std::string stopped = folder.Write("stopped.xml", badNumber).string();
  const std::vector<std::string> files = {request, missing, folder.path().string(), notXml, other,
                                          stopped, "-"};

  const Ran text =
      RunNfse({"list", request, missing, folder.path().string(), notXml, other, stopped, "-"},
              ServiceQueryRequest());
  EXPECT_EQ(text.status, kFailed);
  const std::vector<std::string> errors = LinesOf(text.err);
  ASSERT_EQ(errors.size(), 5u) << text.err;
  EXPECT_EQ(errors[0], "nfse: " + missing + ": could not read: No such file or directory");
  EXPECT_EQ(errors[1], "nfse: " + folder.path().string() + ": could not read: it is a folder");
  EXPECT_EQ(errors[2].rfind("nfse: " + notXml + ": Start tag expected", 0), 0u) << errors[2];
  EXPECT_EQ(errors[3], "nfse: " + other +
                           ": not an NFS-e message: its root element is \"Outro\" in the "
                           "namespace \"urn:x\"");
  EXPECT_EQ(errors[4].rfind("nfse: " + stopped + ": the listing stopped after 1 value: ", 0), 0u)
      << errors[4];
  const std::vector<std::string> lines = LinesOf(text.out);
  ASSERT_EQ(lines.size(), 6u + 1u + 5u);
  EXPECT_EQ(lines[0], kCancelPedido + "@Id\tID1");
  EXPECT_EQ(lines[6], kCancelPedido + "@Id\tID1");
  EXPECT_EQ(lines[7], "IdentificacaoRps/Numero\t45");

  const Ran json = RunNfse({"list", "--format", "json", request, missing, folder.path().string(),
                            notXml, other, stopped, "-"},
                           ServiceQueryRequest());
  EXPECT_EQ(json.status, kFailed);
  EXPECT_EQ(json.err, text.err);
  const Json listed = Json::parse(json.out);
  ASSERT_EQ(listed.size(), files.size());
  for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(listed[i]["file"], files[i]);
  const std::vector<bool> failed = {false, true, true, true, true, true, false};
  for (std::size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(listed[i]["error"].is_string(), failed[i]);
  EXPECT_TRUE(listed[1]["document"].is_null());
  EXPECT_TRUE(listed[1]["layout"].is_null());
  EXPECT_EQ(listed[5]["document"], "CancelarNfseEnvio");
  EXPECT_EQ(listed[5]["values"].size(), 1u);
  EXPECT_EQ(listed[6]["layout"], "service");
}

TEST(Input, StandardInputIsReadUpToTheFileLimit) {
  const Ran ran = RunNfse({"list", "-"}, std::string(16 * 1024 * 1024 + 1, ' '));
  EXPECT_EQ(ran.status, kFailed);
  EXPECT_EQ(ran.err,
            "nfse: standard input: it is larger than 16 MiB, the largest input that is read\n");
  EXPECT_EQ(RunNfse({"list", "-"}).err, "nfse: standard input: Document is empty; Line: 1\n");
}

// Output that cannot be written is a failure, not a success with nothing printed.
TEST(List, OutputThatCannotBeWrittenFailsTheRun) {
  test_support::TempFolder folder;
  const std::string file = folder.Write("request.xml", SpecifiedCancelRequest()).string();
  std::istringstream in;
  std::ostream out(nullptr);
  std::ostringstream err;
  EXPECT_EQ(nfse::Run({"list", file}, {in, out, err}), kFailed);
  EXPECT_EQ(err.str(), "nfse: the output could not be written\n");
}

TEST(Usage, AnythingButTheCommandsSurfaceIsAUsageError) {
  const std::vector<std::vector<std::string>> lines = {
      {},
      {"show", "a.xml"},
      {"list"},
      {"list", "--layout", "guess", "a.xml"},
      {"list", "--format", "xml", "a.xml"},
      {"list", "--to", "service", "a.xml"},
      {"convert", "a.xml", "b.xml"},
      {"convert", "--to", "auto", "a.xml", "b.xml"},
      {"convert", "--to", "service", "a.xml"},
      {"convert", "--to", "service", "a.xml", "b.xml", "c.xml"},
      {"unwrap", "a.xml"},
      {"unwrap", "a.xml", "b.xml", "c.xml"},
  };
  for (const auto& args : lines) {
    const Ran ran = RunNfse(args);
    EXPECT_EQ(ran.status, kUsageError) << ::testing::PrintToString(args);
    EXPECT_EQ(ran.out, "");
    EXPECT_NE(ran.err, "");
  }
}

TEST(Usage, HelpCoversEveryCommand) {
  const Ran top = RunNfse({"--help"});
  EXPECT_EQ(top.status, kSucceeded);
  for (const char* command : {"list", "convert", "unwrap"})
    EXPECT_NE(top.out.find(command), std::string::npos) << command;
  const std::vector<std::pair<std::string, std::vector<std::string>>> options = {
      {"list", {"--layout", "--format", "FILE"}},
      {"convert", {"--to", "IN", "OUT"}},
      {"unwrap", {"ENVELOPE", "OUT"}}};
  for (const auto& [command, names] : options) {
    const Ran help = RunNfse({command, "--help"});
    EXPECT_EQ(help.status, kSucceeded);
    for (const std::string& name : names)
      EXPECT_NE(help.out.find(name), std::string::npos) << command << " " << name;
  }
}

}  // namespace
}  // namespace nfse::testing

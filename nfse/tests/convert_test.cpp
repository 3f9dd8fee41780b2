// `nfse convert`: the same values in the same order in the other layout. A request the programs
// save goes to the service layout as the bindings write a new one there, and back to the very
// bytes the program saved.

#include <gtest/gtest.h>

#include <filesystem>

#include "binding/text.h"
#include "listings/cancel.h"
#include "listings/query.h"
#include "nfse/tests/samples.h"
#include "test_support/test_support.h"

namespace nfse::testing {
namespace {

using binding::Layout;

// A request as New makes it from the grids' start values, in `layout`, as Save writes it.
std::string CancelRequestAsNewMakesIt(Layout layout) {
  auto request = cancel_documents::request::NewCancelarNfseEnvio(layout);
  request->OwnerDocument()->SetEncoding("UTF-8");
  std::vector<std::string> texts;
  for (const auto& field : listings::CancelRequestFields()) texts.emplace_back(field.start);
  listings::WriteRequest(*request, listings::CancelRequestFields(), texts);
  return request->OwnerDocument()->XmlBytes();
}

std::string QueryRequestAsNewMakesIt(Layout layout) {
  auto request = query_documents::NewConsultarNfseRpsEnvio(layout);
  request->OwnerDocument()->SetEncoding("UTF-8");
  std::vector<std::u16string> texts;
  for (const auto& field : listings::QueryRequestFields())
    texts.push_back(binding::Utf8ToUtf16(field.start));
  listings::WriteRequest(*request, listings::QueryRequestFields(), texts);
  return request->OwnerDocument()->XmlBytes();
}

TEST(Convert, ASavedRequestGoesToTheServiceLayoutAndBackByteForByte) {
  test_support::TempFolder folder;
  const struct {
    const char* name;
    std::string (*made)(Layout);
  } requests[] = {{"CancelarNfseEnvio", &CancelRequestAsNewMakesIt},
                  {"ConsultarNfseRpsEnvio", &QueryRequestAsNewMakesIt}};
  for (const auto& r : requests) {
    SCOPED_TRACE(r.name);
    const std::string saved = r.made(Layout::Specified);
    const std::string specified = folder.Write("saved.xml", saved).string();
    const std::string service = (folder / "service.xml").string();
    const std::string back = (folder / "back.xml").string();
    ASSERT_EQ(RunNfse({"convert", "--to", "service", specified, service}).status, kSucceeded);
    // As New writes it in the service layout: each element where the platform's schemas put it.
    EXPECT_EQ(test_support::ReadBytes(service), r.made(Layout::Service));
    ASSERT_EQ(RunNfse({"convert", "--to", "specified", service, back}).status, kSucceeded);
    EXPECT_EQ(test_support::ReadBytes(back), saved);
  }
}

// Each document read in its own layout, converted, lists the same values in the same order
// whichever way it goes, also when it is converted to the layout it is in.
TEST(Convert, EveryDocumentKeepsItsValuesInBothDirections) {
  test_support::TempFolder folder;
  const std::string documents[] = {SpecifiedCancelRequest(),
                                   ServiceCancelRequest(),
                                   SpecifiedCancelResponse(),
                                   ServiceCancelResponse(),
                                   SpecifiedQueryRequest(),
                                   ServiceQueryRequest(),
                                   query_documents::testing::CompleteResponseXml(2),
                                   query_documents::testing::CompleteServiceResponseXml(2)};
  for (const std::string& document : documents) {
    const std::string original = folder.Write("original.xml", document).string();
    const std::string listed = RunNfse({"list", original}).out;
    ASSERT_NE(listed, "");
    for (const char* target : {"specified", "service"}) {
      SCOPED_TRACE(document.substr(0, 120) + " to " + target);
      const std::string converted = (folder / "converted.xml").string();
      const Ran ran = RunNfse({"convert", "--to", target, original, converted});
      ASSERT_EQ(ran.status, kSucceeded) << ran.err;
      EXPECT_EQ(ran.out + ran.err, "");
      const Ran json = RunNfse({"list", "--format", "json", converted});
      EXPECT_NE(json.out.find(std::string("\"layout\":\"") + target + "\""), std::string::npos);
      EXPECT_EQ(RunNfse({"list", converted}).out, listed);
    }
  }
}

TEST(Convert, FailuresNameTheFileAndLeaveTheOutputAlone) {
  test_support::TempFolder folder;
  const std::string request = folder.Write("request.xml", SpecifiedCancelRequest()).string();
  const std::string notXml = folder.Write("broken.xml", "<CancelarNfseEnvio>").string();
  const std::string existing = folder.Write("existing.xml", "as it was").string();

  Ran ran = RunNfse({"convert", "--to", "service", notXml, existing});
  EXPECT_EQ(ran.status, kFailed);
  EXPECT_EQ(ran.err.rfind("nfse: " + notXml + ": ", 0), 0u) << ran.err;
  EXPECT_EQ(LinesOf(ran.err).size(), 1u);
  EXPECT_EQ(test_support::ReadBytes(existing), "as it was");

  // Written in UTF-7, even the markup would not read back: nothing is written. (A libxml2
  // without iconv, as the Windows build's, cannot read UTF-7 at all: the file fails sooner.)
  std::string utf7 = SpecifiedCancelRequest();
  utf7.replace(utf7.find("UTF-8"), 5, "UTF-7");
  const std::string utf7File = folder.Write("utf7.xml", utf7).string();
  ran = RunNfse({"convert", "--to", "service", utf7File, existing});
  EXPECT_EQ(ran.status, kFailed);
  EXPECT_EQ(ran.err.rfind("nfse: " + utf7File + ": ", 0), 0u) << ran.err;
  EXPECT_TRUE(ran.err.find("the converted document would not read back: ") != std::string::npos ||
              ran.err.find("Unsupported encoding UTF-7") != std::string::npos)
      << ran.err;
  EXPECT_EQ(test_support::ReadBytes(existing), "as it was");

  ran = RunNfse({"convert", "--to", "service", request, folder.path().string()});
  EXPECT_EQ(ran.status, kFailed);
  EXPECT_EQ(ran.err, "nfse: " + folder.path().string() + ": could not save: it is a folder\n");

  // "-" writes to standard output.
  ran = RunNfse({"convert", "--to", "service", request, "-"});
  EXPECT_EQ(ran.status, kSucceeded);
  EXPECT_EQ(ran.out.rfind(kDeclaration, 0), 0u) << ran.out;
  EXPECT_EQ(RunNfse({"list", "-"}, ran.out).out, RunNfse({"list", request}).out);
}

}  // namespace
}  // namespace nfse::testing

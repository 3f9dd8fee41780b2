// `nfse list` over a batch of 10,000 typical files in one process, through the command's own
// Run, beside a floor: libxml2 parsing the same files' bytes with the same options and visiting
// every element once. The batch is query responses as the service returns them (service layout,
// three return messages), or as Orvane's window reads them (specified layout); each file is read
// with the checked read on both sides.

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include <vector>
#include "benchmarks/libxml2_floor.h"

#include "files/files.h"
#include "listings/query.h"
#include "nfse/nfse.h"
#include "query_documents/tests/complete_response.h"

namespace {

namespace fs = std::filesystem;
using binding::Layout;

constexpr int kFiles = 10000;

// The files of one batch, made on first use and removed when the program ends.
struct Batch {
  fs::path folder;
  std::vector<std::string> files;
  std::int64_t bytes = 0;

  ~Batch() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
};

const Batch& TypicalBatch(Layout layout) {
  static std::map<Layout, Batch> batches;
  Batch& batch = batches[layout];
  if (!batch.files.empty()) return batch;
  batch.folder =
      fs::temp_directory_path() / ("nfse-batch-" + std::string(binding::LayoutName(layout)) + "-" +
                                   std::to_string(std::random_device()()));
  fs::create_directories(batch.folder);
  const std::string xml = layout == Layout::Service
                              ? query_documents::testing::CompleteServiceResponseXml(3)
                              : query_documents::testing::CompleteResponseXml(3);
  const std::string number = ">123<";
  const std::size_t at = xml.find(number);
  for (int i = 0; i < kFiles; ++i) {
    // Each file its own invoice number.
    const std::string text =
        xml.substr(0, at) + ">" + std::to_string(100000 + i) + "<" + xml.substr(at + number.size());
    const fs::path path = batch.folder / ("response-" + std::to_string(i) + ".xml");
    std::ofstream(path, std::ios::binary) << text;
    batch.files.push_back(path.string());
    batch.bytes += static_cast<std::int64_t>(text.size());
  }
  return batch;
}

// Output that goes nowhere, written all the same.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void Report(benchmark::State& state, const Batch& batch) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * batch.bytes);
  state.counters["files"] =
      benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
}

// `nfse list [--format F] FILE...` over the batch; args: the files' layout, then 1 for JSON.
void ListBatch(benchmark::State& state) {
  const Batch& batch = TypicalBatch(state.range(0) ? Layout::Service : Layout::Specified);
  std::vector<std::string> args = {"list", "--format", state.range(1) ? "json" : "text"};
  args.insert(args.end(), batch.files.begin(), batch.files.end());
  Discard discard;
  std::ostream out(&discard);
  std::ostringstream err;
  std::istringstream in;
  for (auto _ : state) {
    if (nfse::Run(args, {in, out, err}) != nfse::kSucceeded) state.SkipWithError("a file failed");
  }
  Report(state, batch);
}
BENCHMARK(ListBatch)
    ->ArgsProduct({{1, 0}, {0, 1}})
    ->ArgNames({"service", "json"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What the command adds to the node layer, told apart: each file read, parsed in its own layout,
// bound and listed through the listings, with nothing printed.
void OpenAndListBatchWithoutTheCommand(benchmark::State& state) {
  const Layout layout = state.range(0) ? Layout::Service : Layout::Specified;
  const Batch& batch = TypicalBatch(layout);
  for (auto _ : state) {
    for (const std::string& file : batch.files) {
      const auto root = binding::BindDocument<query_documents::TXMLConsultarNfseRpsResposta>(
          binding::ParseDocument(files::ReadFileBytes(file), layout),
          query_documents::ResponseRootName, query_documents::ResponseNamespace);
      benchmark::DoNotOptimize(listings::ListQueryResponse(*root));
    }
  }
  Report(state, batch);
}
BENCHMARK(OpenAndListBatchWithoutTheCommand)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("service")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor: read each file, parse it with the options its layout parses with, and visit every
// element once.
void ParseAndWalkBatchFloor(benchmark::State& state) {
  const Layout layout = state.range(0) ? Layout::Service : Layout::Specified;
  const Batch& batch = TypicalBatch(layout);
  const int options = binding::ParseOptions::For(layout).ParserFlags();
  xmlInitParser();
  for (auto _ : state) {
    for (const std::string& file : batch.files) {
      const std::string bytes = files::ReadFileBytes(file);
      xmlDoc* doc =
          xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, options);
      benchmark::DoNotOptimize(benchmarks::VisitElements(xmlDocGetRootElement(doc)));
      xmlFreeDoc(doc);
    }
  }
  Report(state, batch);
}
BENCHMARK(ParseAndWalkBatchFloor)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("service")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

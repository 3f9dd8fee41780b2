// Opening a query response and reading every value the viewer lists, beside a floor: libxml2
// alone parsing the same bytes with the same options and visiting every element once.

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <malloc.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "query_documents/query_documents.h"
#include "query_documents/tests/complete_response.h"

namespace {

namespace fs = std::filesystem;
using namespace query_documents;

// The node layer's parse options: no network, no whitespace-only text, no error output.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR |
                              XML_PARSE_NOWARNING | XML_PARSE_BIG_LINES;

fs::path ResponseFile(std::int64_t messages) {
  const fs::path path =
      fs::temp_directory_path() / ("query-response-" + std::to_string(messages) + ".xml");
  std::ofstream(path, std::ios::binary) << testing::CompleteResponseXml(messages);
  return path;
}

void SetBytes(benchmark::State& state, const fs::path& path) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(fs::file_size(path)));
}

// What the viewer does: open, 80 invoice values, then three values per return message, every
// value reached afresh from the root.
void OpenAndListResponse(benchmark::State& state) {
  const fs::path path = ResponseFile(state.range(0));
  const std::u16string widePath = path.u16string();
  for (auto _ : state) {
    auto root = OpenConsultarNfseRpsResposta(widePath);
    benchmark::DoNotOptimize(testing::InvoiceListing(*root));
    const std::int32_t count = root->ListaMensagemRetorno()->Count();
    for (std::int32_t i = 0; i < count; ++i) {
      benchmark::DoNotOptimize(root->ListaMensagemRetorno()->ItemAt(i)->Codigo());
      benchmark::DoNotOptimize(root->ListaMensagemRetorno()->ItemAt(i)->Mensagem());
      benchmark::DoNotOptimize(root->ListaMensagemRetorno()->ItemAt(i)->Correcao());
    }
  }
  SetBytes(state, path);
}
BENCHMARK(OpenAndListResponse)->Arg(3)->Arg(100000)->Unit(benchmark::kMicrosecond);

std::size_t VisitElements(const xmlNode* node) {
  std::size_t count = 0;
  for (; node; node = node->next)
    if (node->type == XML_ELEMENT_NODE) count += 1 + VisitElements(node->children);
  return count;
}

// The floor: read the file, parse it and visit every element once.
void ParseAndWalkFloor(benchmark::State& state) {
  const fs::path path = ResponseFile(state.range(0));
  xmlInitParser();
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    xmlDoc* doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                kParseOptions);
    benchmark::DoNotOptimize(VisitElements(xmlDocGetRootElement(doc)));
    xmlFreeDoc(doc);
  }
  SetBytes(state, path);
}
BENCHMARK(ParseAndWalkFloor)->Arg(3)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Bytes the heap holds, mapped blocks included.
std::int64_t HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

// Memory: what a response opened and listed through the bindings holds, against libxml2's tree of
// the same bytes; counters "tree", "listed" and their "ratio".
void MemoryOfAListedResponse(benchmark::State& state) {
  const fs::path path = ResponseFile(state.range(0));
  const std::u16string widePath = path.u16string();
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  xmlInitParser();
  std::int64_t tree = 0;
  std::int64_t listed = 0;
  for (auto _ : state) {
    std::int64_t base = HeapBytes();
    xmlDoc* doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                kParseOptions);
    tree = HeapBytes() - base;
    xmlFreeDoc(doc);
    base = HeapBytes();
    auto root = OpenConsultarNfseRpsResposta(widePath);
    benchmark::DoNotOptimize(testing::InvoiceListing(*root));
    const std::int32_t count = root->ListaMensagemRetorno()->Count();
    for (std::int32_t i = 0; i < count; ++i)
      benchmark::DoNotOptimize(root->ListaMensagemRetorno()->ItemAt(i)->Correcao());
    listed = HeapBytes() - base;
  }
  state.counters["tree"] = static_cast<double>(tree);
  state.counters["listed"] = static_cast<double>(listed);
  state.counters["ratio"] = static_cast<double>(listed) / static_cast<double>(tree);
}
BENCHMARK(MemoryOfAListedResponse)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

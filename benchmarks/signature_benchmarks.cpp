// How reading a large signature through the typed accessors grows with its size.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cancel_documents/cancel_documents.h"

namespace {

using namespace cancel_documents;

std::string RequestWithX509Data(std::int64_t count) {
  std::string xml =
      "<CancelarNfseEnvio xmlns=\"" + request::TargetNamespace + "\"><Signature><KeyInfo>";
  for (std::int64_t i = 0; i < count; ++i)
    xml += "<X509Data><X509SubjectName>CN=" + std::to_string(i) +
           "</X509SubjectName><X509Certificate>MIIHSDCCBjCgAwIBAgIQ</X509Certificate>"
           "</X509Data>";
  return xml + "</KeyInfo></Signature></CancelarNfseEnvio>";
}

// Parses a "KeyInfo" of N "X509Data" items and reads every item's certificate by index: linear
// in N. The first pass of the largest size in a process mostly measures the kernel faulting in
// some 400 MB of fresh pages; the fastest of three repetitions shows the binding's own cost.
void ReadX509DataByIndex(benchmark::State& state) {
  const std::string xml = RequestWithX509Data(state.range(0));
  for (auto _ : state) {
    auto root = binding::BindDocument<request::TXMLCancelarNfseEnvio>(
        binding::ParseDocument(xml), "CancelarNfseEnvio", request::TargetNamespace);
    auto key = root->Signature()->KeyInfo();
    const std::int32_t count = key->X509Data()->Count();
    for (std::int32_t i = 0; i < count; ++i)
      benchmark::DoNotOptimize(key->X509Data()->ItemAt(i)->X509Certificate()->ItemAt(0));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadX509DataByIndex)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Repetitions(3)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                          return *std::min_element(v.begin(), v.end());
                        })
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();

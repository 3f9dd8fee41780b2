// How fast documents are built, saved, opened and walked through the typed accessors.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "cancel_documents/cancel_documents.h"
#include "cancel_documents/tests/default_request.h"

namespace {

namespace fs = std::filesystem;
using namespace cancel_documents;

using request::BuildDefaultRequest;

const fs::path& RequestFile() {
  static const fs::path path = [] {
    fs::path p = fs::temp_directory_path() / "binding-benchmark-request.xml";
    BuildDefaultRequest()->OwnerDocument()->SaveToFile(p);
    return p;
  }();
  return path;
}

void BuildAndSaveRequest(benchmark::State& state) {
  const fs::path path = fs::temp_directory_path() / "binding-benchmark-saved.xml";
  for (auto _ : state) BuildDefaultRequest()->OwnerDocument()->SaveToFile(path);
  fs::remove(path);
}
BENCHMARK(BuildAndSaveRequest)->Unit(benchmark::kMicrosecond);

void OpenAndReadRequest(benchmark::State& state) {
  const std::string path = RequestFile().string();
  for (auto _ : state) {
    auto inf = request::OpenCancelarNfseEnvio(path)->Pedido()->InfPedidoCancelamento();
    benchmark::DoNotOptimize(inf->Id());
    benchmark::DoNotOptimize(inf->IdentificacaoNfse()->Numero());
    benchmark::DoNotOptimize(inf->IdentificacaoNfse()->Cnpj());
    benchmark::DoNotOptimize(inf->IdentificacaoNfse()->InscricaoMunicipal());
    benchmark::DoNotOptimize(inf->IdentificacaoNfse()->CodigoMunicipio());
    benchmark::DoNotOptimize(inf->CodigoCancelamento());
  }
}
BENCHMARK(OpenAndReadRequest)->Unit(benchmark::kMicrosecond);

std::string ResponseWithMessages(std::int64_t count) {
  std::string xml =
      "<CancelarNfseResposta xmlns=\"" + response::TargetNamespace + "\"><ListaMensagemRetorno>";
  for (std::int64_t i = 0; i < count; ++i)
    xml += "<MensagemRetorno><Codigo>E" + std::to_string(i) +
           "</Codigo><Mensagem>Mensagem de retorno</Mensagem><Correcao>Corrija</Correcao>"
           "</MensagemRetorno>";
  return xml + "</ListaMensagemRetorno></CancelarNfseResposta>";
}

// Parses a response of N return messages and reads every item by index: linear in N.
void ReadCollectionByIndex(benchmark::State& state) {
  const std::string xml = ResponseWithMessages(state.range(0));
  for (auto _ : state) {
    auto root = binding::BindDocument<response::TXMLCancelarNfseResposta>(
        binding::ParseDocument(xml), "CancelarNfseResposta", response::TargetNamespace);
    const std::int32_t count = root->ListaMensagemRetorno()->Count();
    for (std::int32_t i = 0; i < count; ++i)
      benchmark::DoNotOptimize(root->ListaMensagemRetorno()->ItemAt(i)->Codigo());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadCollectionByIndex)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Appends N items through the collection, then reads them back by index.
void AddItemsThenRead(benchmark::State& state) {
  for (auto _ : state) {
    auto root = binding::BindDocument<response::TXMLCancelarNfseResposta>(
        binding::ParseDocument("<CancelarNfseResposta xmlns=\"" + response::TargetNamespace +
                               "\"/>"),
        "CancelarNfseResposta", response::TargetNamespace);
    auto list = root->ListaMensagemRetorno();
    for (std::int64_t i = 0; i < state.range(0); ++i) list->AddItem()->SetCodigo("E");
    for (std::int32_t i = 0; i < list->Count(); ++i) benchmark::DoNotOptimize(list->ItemAt(i));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(AddItemsThenRead)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();

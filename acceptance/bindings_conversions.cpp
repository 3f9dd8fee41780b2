// Typed values across the documents: what each value kind reads from a given text and what it
// writes.
#include <cstdint>
#include <optional>
#include <string>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"
#include "query_documents/query_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

// Each reader opens a file holding `text` as the element's content and reads it back.
fs::path Write(const TempDir& dir, const std::string& xml) {
  const fs::path file = dir / "value.xml";
  WriteFile(file, xml);
  return file;
}

auto CancelIdentification(const TempDir& dir, const std::string& element, const std::string& text) {
  const std::string inner = "<Pedido><InfPedidoCancelamento><IdentificacaoNfse><" + element + ">" +
                            text + "</" + element + "></IdentificacaoNfse>" +
                            "</InfPedidoCancelamento></Pedido>";
  const auto file = Write(dir, Document("CancelarNfseEnvio", request::TargetNamespace, inner));
  return request::OpenCancelarNfseEnvio(file.string())
      ->Pedido()
      ->InfPedidoCancelamento()
      ->IdentificacaoNfse();
}

int64_t CancelNumero(const TempDir& dir, const std::string& text) {
  return CancelIdentification(dir, "Numero", text)->Numero();
}

int64_t CodigoMunicipio(const TempDir& dir, const std::string& text) {
  return CancelIdentification(dir, "CodigoMunicipio", text)->CodigoMunicipio();
}

auto QueryRps(const TempDir& dir, const std::string& inner) {
  const auto file = Write(dir, Document("ConsultarNfseRpsEnvio", query_documents::RequestNamespace,
                                        "<IdentificacaoRps>" + inner + "</IdentificacaoRps>"));
  return query_documents::OpenConsultarNfseRpsEnvio(file.u16string())->IdentificacaoRps();
}

int64_t Tipo(const TempDir& dir, const std::string& text) {
  return QueryRps(dir, "<Tipo>" + text + "</Tipo>")->Tipo();
}

int64_t QueryNumero(const TempDir& dir, const std::string& text) {
  return QueryRps(dir, "<Numero>" + text + "</Numero>")->Numero();
}

int64_t Sucesso(const TempDir& dir, const std::string& text) {
  const std::string inner = "<Cancelamento><Confirmacao><InfConfirmacaoCancelamento><Sucesso>" +
                            text +
                            "</Sucesso></InfConfirmacaoCancelamento></Confirmacao></Cancelamento>";
  const auto file = Write(dir, Document("CancelarNfseResposta", response::TargetNamespace, inner));
  return response::OpenCancelarNfseResposta(file.string())
      ->Cancelamento()
      ->Confirmacao()
      ->InfConfirmacaoCancelamento()
      ->Sucesso();
}

struct ReadCase {
  const char* name;
  int64_t (*read)(const TempDir&, const std::string&);
  const char* text;
  std::optional<int64_t> value;  // none: the read fails with a conversion error
};

class ValueRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ValueRead, ConvertsTheElementText) {
  TempDir dir;
  const ReadCase& c = GetParam();
  int64_t got = 0;
  const std::string error = ErrorOf([&] { got = c.read(dir, c.text); });
  if (c.value) {
    EXPECT_EQ(error, kNoException);
    EXPECT_EQ(got, *c.value);
  } else {
    EXPECT_TRUE(error.starts_with(kConversionError)) << error;
  }
}

constexpr auto kFails = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    , ValueRead,
    testing::Values(
        ReadCase{"Uint32MinusOne", CancelNumero, "-1", 4294967295},
        ReadCase{"Uint32Plain", CancelNumero, "12", 12},
        ReadCase{"Uint32SignAndBlanks", CancelNumero, " +12 ", 12},
        ReadCase{"Uint32KeepsLow32BitsOf64", CancelNumero, "4294967298", 2},
        ReadCase{"Uint32Empty", CancelNumero, "", kFails},
        ReadCase{"Uint32Letters", CancelNumero, "abc", kFails},
        ReadCase{"Uint32TrailingLetters", CancelNumero, "12abc", kFails},
        ReadCase{"Uint32Beyond64Bits", CancelNumero, "99999999999999999999", kFails},
        ReadCase{"QueryUint32MinusOne", QueryNumero, "-1", 4294967295},
        ReadCase{"Int32Negative", CodigoMunicipio, "-2927408", -2927408},
        ReadCase{"Int32Beyond32Bits", CodigoMunicipio, "2147483648", kFails},
        ReadCase{"Int8Wraps200", Tipo, "200", -56}, ReadCase{"Int8Wraps300", Tipo, "300", 44},
        ReadCase{"Int8Negative", Tipo, "-56", -56}, ReadCase{"Int8Empty", Tipo, "", kFails},
        ReadCase{"BoolTrue", Sucesso, "true", 1}, ReadCase{"BoolUpperCase", Sucesso, "TRUE", 1},
        ReadCase{"BoolMixedCaseFalse", Sucesso, "False", 0}, ReadCase{"BoolOne", Sucesso, "1", 1},
        ReadCase{"BoolZero", Sucesso, "0", 0}, ReadCase{"BoolOtherWord", Sucesso, "sim", kFails},
        ReadCase{"BoolEmpty", Sucesso, "", kFails}),
    ByName());

struct WriteCase {
  const char* name;
  std::string (*write)(const TempDir&);  // returns the saved document
  const char* element;                   // what the write must leave in it
};

class ValueWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ValueWrite, WritesTheSigned32BitOrBooleanText) {
  TempDir dir;
  const std::string saved = GetParam().write(dir);
  EXPECT_NE(saved.find(GetParam().element), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(
    , ValueWrite,
    testing::Values(
        WriteCase{"Uint32Max",
                  [](const TempDir& dir) {
                    auto root = request::NewCancelarNfseEnvio();
                    root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetNumero(
                        4294967295u);
                    return Saved(root, dir);
                  },
                  "<Numero>-1</Numero>"},
        WriteCase{"QueryUint32Max",
                  [](const TempDir& dir) {
                    auto root = query_documents::NewConsultarNfseRpsEnvio();
                    root->IdentificacaoRps()->SetNumero(4294967295u);
                    return Saved(root, dir);
                  },
                  "<Numero>-1</Numero>"},
        WriteCase{"Int8Negative",
                  [](const TempDir& dir) {
                    auto root = query_documents::NewConsultarNfseRpsEnvio();
                    root->IdentificacaoRps()->SetTipo(int8_t{-56});
                    return Saved(root, dir);
                  },
                  "<Tipo>-56</Tipo>"},
        WriteCase{
            "BoolTrue",
            [](const TempDir& dir) {
              const fs::path file = dir / "response.xml";
              WriteFile(file, Document("CancelarNfseResposta", response::TargetNamespace, ""));
              auto root = response::OpenCancelarNfseResposta(file.string());
              root->Cancelamento()->Confirmacao()->InfConfirmacaoCancelamento()->SetSucesso(true);
              return Saved(root, dir);
            },
            "<Sucesso>true</Sucesso>"}),
    ByName());

}  // namespace

// Small helpers shared by the binding acceptance tests: a scratch folder, file bytes, inline
// documents and the saved XML with the serializer's own freedoms taken out.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <regex>
#include <string>
#include <string_view>
#include <thread>

#include <gtest/gtest.h>

namespace acceptance {

namespace fs = std::filesystem;

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir() {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("nfse-acceptance-" + std::to_string(seed()));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  fs::path operator/(const fs::path& name) const { return path_ / name; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

inline std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline const std::string kDeclaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";

// A whole document: the declaration, then `root` declaring `ns` as its default namespace.
inline std::string Document(std::string_view root, std::string_view ns, std::string_view inner) {
  std::string xml = kDeclaration + "<" + std::string(root) + " xmlns=\"" + std::string(ns) + "\">";
  return xml + std::string(inner) + "</" + std::string(root) + ">";
}

// A return message of a response: Codigo `code`, Mensagem "m" + `code`, then `rest`.
inline std::string ReturnMessage(const std::string& code, std::string_view rest) {
  return "<MensagemRetorno><Codigo>" + code + "</Codigo><Mensagem>m" + code + "</Mensagem>" +
         std::string(rest) + "</MensagemRetorno>";
}

// The request that the window's start values build, in the request namespace `ns`.
inline std::string DefaultCancelRequest(std::string_view ns) {
  return Document("CancelarNfseEnvio", ns,
                  "<Pedido><InfPedidoCancelamento Id=\"1\"><IdentificacaoNfse><Numero>1</Numero>"
                  "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento</InscricaoMunicipal>"
                  "<CodigoMunicipio>2927408</CodigoMunicipio></IdentificacaoNfse>"
                  "<CodigoCancelamento>1</CodigoCancelamento></InfPedidoCancelamento></Pedido>");
}

// The line break after the declaration, a final line break and the form of an empty element are
// the serializer's choice; everything else of the saved bytes is compared exactly.
inline std::string Canonical(std::string xml) {
  if (const auto end = xml.find("?>\n"); end != std::string::npos && xml.starts_with("<?xml")) {
    xml.erase(end + 2, 1);
  }
  if (xml.ends_with('\n')) xml.pop_back();
  static const std::regex empty_pair(R"(<([A-Za-z_][\w:.-]*)([^<>]*)></\1>)");
  return std::regex_replace(xml, empty_pair, "<$1$2/>");
}

// Saves the document that `node` belongs to and returns its canonical bytes.
template <class Node>
std::string Saved(const Node& node, const TempDir& dir) {
  const fs::path file = dir / "saved.xml";
  node->OwnerDocument()->SaveToFile(file);
  return Canonical(ReadFile(file));
}

// The what() of the exception `action` throws, or a marker when it throws none.
inline constexpr std::string_view kNoException = "<no exception>";
template <class Action>
std::string ErrorOf(Action&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    return e.what();
  }
  return std::string(kNoException);
}

// Names parameterised cases after the `name` field of their row.
struct ByName {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

inline constexpr std::string_view kConversionError = "Could not convert variant of type (";

// ErrorOf on a worker thread with a time limit: a hostile file must fail, not hang the suite.
// On overrun the process ends at once, since the stuck thread cannot be stopped.
template <class Action>
std::string ErrorWithin(std::chrono::seconds limit, Action action) {
  std::packaged_task<std::string()> task([action] { return ErrorOf(action); });
  auto result = task.get_future();
  std::thread(std::move(task)).detach();
  if (result.wait_for(limit) == std::future_status::timeout) {
    ADD_FAILURE() << "still running after " << limit.count() << " s";
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
  }
  return result.get();
}

}  // namespace acceptance

// Files that are not requests, or that try to make the parser do harm: each fails with an
// exception, in little time, and reveals nothing of other files.
#include <chrono>
#include <optional>
#include <string>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;

constexpr std::string_view kSecret = "secret-of-another-file";

std::string RequestHolding(std::string_view doctype, std::string_view cnpj) {
  return kDeclaration + std::string(doctype) + "<CancelarNfseEnvio xmlns=\"" +
         request::TargetNamespace + "\"><Pedido><InfPedidoCancelamento><IdentificacaoNfse><Cnpj>" +
         std::string(cnpj) +
         "</Cnpj></IdentificacaoNfse></InfPedidoCancelamento></Pedido></CancelarNfseEnvio>";
}

std::string BillionLaughs() {
  std::string doctype = "<!DOCTYPE CancelarNfseEnvio [<!ENTITY lol0 \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    doctype += "<!ENTITY lol" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j) doctype += "&lol" + std::to_string(i - 1) + ";";
    doctype += "\">";
  }
  return RequestHolding(doctype + "]>", "&lol9;");
}

std::string ExternalEntity(const fs::path& dir) {
  WriteFile(dir / "secret.txt", kSecret);
  return RequestHolding("<!DOCTYPE CancelarNfseEnvio [<!ENTITY xxe SYSTEM \"file:///" +
                            (dir / "secret.txt").relative_path().generic_string() + "\">]>",
                        "&xxe;");
}

std::string Nested(int depth) {
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += "<a>";
    close += "</a>";
  }
  return RequestHolding("", open + close);
}

// A valid request, gzip-compressed: a parser must not inflate it behind the caller's back.
const std::string kGzipRequest(
    "\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\x6d\x4f\x41\x0e\xc2\x20\x10\xfc\x0a\xe1\x2e\xb4\xf1"
    "\x62\x0c\xa5\x07\xa3\x49\x2f\xc6\x83\x9e\x09\x81\x6d\xc5\xb4\x4b\x03\x0d\xe9\xf3\xa5\x5a\x4f"
    "\xf6\xb4\xbb\x93\x99\x9d\x19\x51\xcf\x43\x4f\x12\x84\xe8\x3c\x56\xb4\x64\x05\x25\x80\xc6\x5b"
    "\x87\x5d\x45\x1f\xf7\xcb\xee\x40\x6b\x29\x4e\x1a\x0d\xf4\x3a\x5c\xdb\x08\x67\x4c\xce\x93\x2c"
    "\xc3\x58\xd1\xe7\x34\x8d\x47\xce\x31\xe3\x0c\x66\x3d\x8c\x3d\x30\x1f\x3a\x1e\x21\x24\x67\xbc"
    "\x32\xab\x50\x2d\x0c\x05\x8b\x54\xa5\x62\xcf\xe6\x68\xa9\x14\x37\xb0\xce\x7a\x29\x1a\x6c\xbf"
    "\xeb\xea\x33\x00\x4e\x9e\x34\x36\x07\xca\xac\xc6\xe6\xd3\xb5\xce\x68\xa3\xfd\x92\x20\xe7\xc1"
    "\xf1\x25\x4b\xc1\x3f\x53\xf0\x0d\x06\xdf\xfc\x99\xf1\x9f\x27\xff\xeb\x24\xdf\x58\xcb\x85\xff"
    "\x0d\x01\x00\x00",
    188);

struct BadFile {
  const char* name;
  std::optional<std::string> (*bytes)(const fs::path& dir);  // none: no file at all
  const char* message_part;                                  // what what() must contain
};

class HostileFile : public testing::TestWithParam<BadFile> {};

TEST_P(HostileFile, FailsWithAnExceptionAndNeverHangs) {
  TempDir dir;
  const fs::path file = dir / "request.xml";
  if (const auto bytes = GetParam().bytes(dir.path())) WriteFile(file, *bytes);
  std::string cnpj;
  const std::string error = ErrorWithin(std::chrono::seconds(20), [&] {
    auto root = request::OpenCancelarNfseEnvio(file.string());
    cnpj = root->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->Cnpj();
  });
  EXPECT_NE(error, kNoException) << "read: " << cnpj.substr(0, 80);
  EXPECT_NE(error.find(GetParam().message_part), std::string::npos) << error;
  EXPECT_EQ(error.find(kSecret), std::string::npos);
  EXPECT_EQ(cnpj.find(kSecret), std::string::npos);
}

using Bytes = std::optional<std::string>;

INSTANTIATE_TEST_SUITE_P(
    , HostileFile,
    testing::Values(
        BadFile{"Missing", [](const fs::path&) -> Bytes { return std::nullopt; }, ""},
        BadFile{"Empty", [](const fs::path&) -> Bytes { return ""; }, ""},
        BadFile{
            "Binary",
            [](const fs::path&) -> Bytes { return std::string("\x00\x01\xff\xfe\x89PNG\r\n", 10); },
            ""},
        BadFile{"Truncated",
                [](const fs::path&) -> Bytes {
                  const std::string whole = RequestHolding("", "1");
                  return whole.substr(0, whole.size() / 2);
                },
                "\r\nLine: 1\r\n"},
        BadFile{"UndeclaredPrefix",
                [](const fs::path&) -> Bytes {
                  return kDeclaration + "<p:CancelarNfseEnvio><p:Pedido/></p:CancelarNfseEnvio>";
                },
                "Line: 1"},
        BadFile{"GzipCompressed", [](const fs::path&) -> Bytes { return kGzipRequest; }, ""},
        BadFile{"BillionLaughs", [](const fs::path&) -> Bytes { return BillionLaughs(); }, ""},
        BadFile{"ExternalEntity", [](const fs::path& dir) -> Bytes { return ExternalEntity(dir); },
                ""},
        BadFile{"DeeplyNested", [](const fs::path&) -> Bytes { return Nested(100000); }, ""}),
    ByName());

}  // namespace

// Hostile paths, text that XML cannot hold and protected files: every one fails with an
// exception in little time, and nothing already on disk is lost.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"
#include "files/tests/hostile_paths.h"
#include "query_documents/query_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

// Every entry function that opens a file.
const std::function<void(const fs::path&)> kOpens[] = {
    [](const fs::path& p) { request::OpenCancelarNfseEnvio(p.string()); },
    [](const fs::path& p) { response::OpenCancelarNfseResposta(p.string()); },
    [](const fs::path& p) { query_documents::OpenConsultarNfseRpsEnvio(p.u16string()); },
};

// Devices, FIFOs, sockets and pipes as this platform has them, a huge file and a folder.
TEST(HostilePath, AnythingButARegularFileOfSaneSizeFailsAtOnce) {
  TempDir dir;
  std::vector<std::shared_ptr<void>> keep;
  std::vector<fs::path> paths;
  for (const auto& hostile : files::test::PlatformHostilePaths(dir.path(), keep))
    paths.push_back(hostile.path);
  const fs::path huge = dir / "huge.xml";
  WriteFile(huge, DefaultCancelRequest(request::TargetNamespace));
  fs::resize_file(huge, std::uintmax_t{4} << 30);  // sparse where the file system can
  paths.insert(paths.end(), {huge, dir.path()});
  for (const fs::path& path : paths)
    for (const auto& open : kOpens)
      EXPECT_NE(ErrorWithin(std::chrono::seconds(10), [&] { open(path); }), kNoException) << path;
}

TEST(HostilePath, ALinkToARequestStillOpens) {
  TempDir dir;
  WriteFile(dir / "real.xml", DefaultCancelRequest(request::TargetNamespace));
  if (!files::test::MakeLink(dir / "real.xml", dir / "link.xml"))
    GTEST_SKIP() << files::test::kNoLinks;
  EXPECT_EQ(request::OpenCancelarNfseEnvio((dir / "link.xml").string())
                ->Pedido()
                ->InfPedidoCancelamento()
                ->IdentificacaoNfse()
                ->Cnpj(),
            "11222333000181");
}

TEST(UnwritableText, ControlsSurrogatesAndBrokenBytesFailTheWrite) {
  auto cancel = request::NewCancelarNfseEnvio();
  auto nfse = cancel->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse();
  std::vector<std::string> unwritable = {
      "a\x01"
      "b",
      "\x1b[0m"};
  // Broken UTF-8; in a single-byte code page (Windows) every byte is a character.
  if (binding::Local8BitEncoding() == "UTF-8")
    unwritable.insert(unwritable.end(), {"x\x7f\xff", "\xc3"});
  for (const std::string& text : unwritable)
    EXPECT_NE(ErrorOf([&] { nfse->SetCnpj(text); }), kNoException) << text;
  EXPECT_NE(ErrorOf([&] { cancel->Pedido()->InfPedidoCancelamento()->SetId("a\x02"); }),
            kNoException);

  auto query = query_documents::NewConsultarNfseRpsEnvio();
  for (const std::u16string& bad :
       {std::u16string(u"a\x01"), std::u16string(1, u'\xD800'), std::u16string(1, u'\xDFFF')})
    EXPECT_NE(ErrorOf([&] { query->Prestador()->SetCnpj(bad); }), kNoException);
}

TEST(UnwritableText, TabLineBreaksMarkupAndQuotesRoundTrip) {
  TempDir dir;
  const std::string text = "a\tb\nc\r\nd\re & f < g > \"h\" 'i'";
  auto cancel = request::NewCancelarNfseEnvio();
  cancel->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCnpj(text);
  cancel->Pedido()->InfPedidoCancelamento()->SetId(text);
  cancel->OwnerDocument()->SaveToFile(dir / "r.xml");
  auto reopened = request::OpenCancelarNfseEnvio((dir / "r.xml").string());
  EXPECT_EQ(reopened->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->Cnpj(), text);
  EXPECT_EQ(reopened->Pedido()->InfPedidoCancelamento()->Id(), text);
}

TEST(UnwritableText, TheParserAndSerializerPrintNothingOnStandardError) {
  TempDir dir;
  WriteFile(dir / "utf16.xml", std::string("\xff\xfe<\0a\0>\0\x00\xd8<\0/\0a\0>\0", 18));
  WriteFile(dir / "bad.xml", "<?xml version=\"1.0\" encoding=\"NO-SUCH\"?><a>\xff</a>");
  std::fflush(stderr);
  const int saved = ::dup(2);
  std::FILE* capture = std::tmpfile();
  ::dup2(::fileno(capture), 2);
  for (const char* name : {"utf16.xml", "bad.xml"})
    (void)ErrorOf([&] { request::OpenCancelarNfseEnvio((dir / name).string()); });
  auto cancel = request::NewCancelarNfseEnvio();
  (void)ErrorOf([&] { cancel->Pedido()->InfPedidoCancelamento()->SetId("\x01"); });
  cancel->OwnerDocument()->SetEncoding("ISO-8859-1");
  cancel->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCnpj("漢字");
  (void)ErrorOf([&] { cancel->OwnerDocument()->SaveToFile(dir / "latin.xml"); });
  std::fflush(stderr);
  ::dup2(saved, 2);
  ::close(saved);
  EXPECT_EQ(std::ftell(capture), 0L);
  std::fclose(capture);
}

TEST(ProtectedFile, ReadOnlyFileKeepsItsBytesAndModeAndNoTemporaryIsLeft) {
  TempDir dir;
  const fs::path file = dir / "kept.xml";
  WriteFile(file, "precious");
  constexpr fs::perms kReadOnly =
      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(file, kReadOnly);
  auto cancel = request::NewCancelarNfseEnvio();
  EXPECT_NE(ErrorOf([&] { cancel->OwnerDocument()->SaveToFile(file); }), kNoException);
  EXPECT_EQ(ReadFile(file), "precious");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, kReadOnly);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  fs::permissions(file, fs::perms::owner_write,
                  fs::perm_options::add);  // Windows deletes no read-only file
}

TEST(ProtectedFile, ALinkLeadsToItsFileWhichIsReplacedOnlyWhenWritable) {
  TempDir dir;
  WriteFile(dir / "real.xml", "old");
  if (!files::test::MakeLink(dir / "real.xml", dir / "link.xml"))
    GTEST_SKIP() << files::test::kNoLinks;
  request::NewCancelarNfseEnvio()->OwnerDocument()->SaveToFile(dir / "link.xml");
  EXPECT_TRUE(fs::is_symlink(dir / "link.xml"));
  const std::string saved = ReadFile(dir / "real.xml");
  EXPECT_NE(saved.find("CancelarNfseEnvio"), std::string::npos);

  fs::permissions(dir / "real.xml", fs::perms::owner_read);
  EXPECT_NE(ErrorOf([&] {
              request::NewCancelarNfseEnvio()->OwnerDocument()->SaveToFile(dir / "link.xml");
            }),
            kNoException);
  EXPECT_EQ(ReadFile(dir / "real.xml"), saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

}  // namespace

// Hostile paths, text that XML cannot hold and protected files: every one fails with an
// exception in little time, and nothing already on disk is lost.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "acceptance/bindings_support.h"
#include "cancel_documents/cancel_documents.h"
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

TEST(HostilePath, AnythingButARegularFileOfSaneSizeFailsAtOnce) {
  TempDir dir;
  const fs::path fifo = dir / "fifo.xml";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path huge = dir / "huge.xml";
  WriteFile(huge, DefaultCancelRequest(request::TargetNamespace));
  fs::resize_file(huge, std::uintmax_t{4} << 30);  // sparse
  fs::create_symlink("/dev/urandom", dir / "random.xml");
  for (const fs::path& path : {fs::path("/dev/zero"), fs::path("/dev/urandom"), dir / "random.xml",
                               fifo, huge, dir.path()})
    for (const auto& open : kOpens)
      EXPECT_NE(ErrorWithin(std::chrono::seconds(10), [&] { open(path); }), kNoException) << path;
}

TEST(HostilePath, ALinkToARequestStillOpens) {
  TempDir dir;
  WriteFile(dir / "real.xml", DefaultCancelRequest(request::TargetNamespace));
  fs::create_symlink(dir / "real.xml", dir / "link.xml");
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
  for (const std::string& bad :
       {std::string("a\x01"
                    "b"),
        std::string("\x1b[0m"), std::string("x\x7f\xff"), std::string("\xc3")})
    EXPECT_NE(ErrorOf([&] { nfse->SetCnpj(bad); }), kNoException);
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
  ::chmod(file.c_str(), 0444);
  fs::create_symlink(file, dir / "link.xml");
  auto cancel = request::NewCancelarNfseEnvio();
  for (const fs::path& target : {file, dir / "link.xml"})
    EXPECT_NE(ErrorOf([&] { cancel->OwnerDocument()->SaveToFile(target); }), kNoException);
  EXPECT_EQ(ReadFile(file), "precious");
  struct stat st {};
  ::stat(file.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(ProtectedFile, AWritableFileBehindALinkIsReplacedAndTheLinkKept) {
  TempDir dir;
  WriteFile(dir / "real.xml", "old");
  fs::create_symlink(dir / "real.xml", dir / "link.xml");
  request::NewCancelarNfseEnvio()->OwnerDocument()->SaveToFile(dir / "link.xml");
  EXPECT_TRUE(fs::is_symlink(dir / "link.xml"));
  EXPECT_NE(ReadFile(dir / "real.xml").find("CancelarNfseEnvio"), std::string::npos);
}

}  // namespace

// File names beyond ASCII and the 8-bit text of the cancellation bindings, which is UTF-8 on
// POSIX systems and the ANSI code page on Windows: what a user of either platform sees.
#include <string>

#include "acceptance/bindings_support.h"
#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"
#include "query_documents/query_documents.h"

namespace {

using namespace acceptance;
namespace request = cancel_documents::request;

// "São Paulo" and a file name with "ç" and "ã" as 8-bit text, and whether "日" fits as well.
struct EightBitSample {
  std::string encoding;
  std::string saoPaulo;
  std::string name;      // in the 8-bit encoding
  std::string nameUtf8;  // the same name as the file system shows it
  bool holdsHan;
};

const EightBitSample* CurrentSample() {
  static const EightBitSample kSamples[] = {
      {"UTF-8", "S\xC3\xA3o Paulo", "\xC3\xA7 \xC3\xA3 \xE6\x97\xA5.xml",
       "\xC3\xA7 \xC3\xA3 \xE6\x97\xA5.xml", true},
      // "日" is not in windows-1252: only a wide path names such a file there.
      {"windows-1252", "S\xE3o Paulo", "\xE7 \xE3.xml", "\xC3\xA7 \xC3\xA3.xml", false},
  };
  for (const EightBitSample& sample : kSamples)
    if (sample.encoding == binding::Local8BitEncoding()) return &sample;
  return nullptr;
}

std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

TEST(PlatformText, EightBitTextAndPathSaveAsUtf8AndReadBackTheSameBytes) {
  const EightBitSample* sample = CurrentSample();
  if (sample == nullptr)
    GTEST_SKIP() << "no sample for the 8-bit encoding " << binding::Local8BitEncoding();
  TempDir dir;
  const std::string path = dir.path().string() + "/" + sample->name;
  auto cancel = request::NewCancelarNfseEnvio();
  cancel->OwnerDocument()->SetEncoding("UTF-8");
  cancel->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse()->SetCnpj(sample->saoPaulo);
  cancel->OwnerDocument()->SaveToFile(binding::Local8BitPath(path));

  ASSERT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  const fs::path saved = *fs::directory_iterator(dir.path());
  EXPECT_EQ(Utf8Name(saved), sample->nameUtf8);
  EXPECT_NE(ReadFile(saved).find("<Cnpj>S\xC3\xA3o Paulo</Cnpj>"), std::string::npos);
  EXPECT_EQ(request::OpenCancelarNfseEnvio(path)
                ->Pedido()
                ->InfPedidoCancelamento()
                ->IdentificacaoNfse()
                ->Cnpj(),
            sample->saoPaulo);
}

TEST(PlatformText, ReadingACharacterTheEightBitEncodingLacksFailsNamingIt) {
  const EightBitSample* sample = CurrentSample();
  if (sample == nullptr)
    GTEST_SKIP() << "no sample for the 8-bit encoding " << binding::Local8BitEncoding();
  TempDir dir;
  std::string xml = DefaultCancelRequest(request::TargetNamespace);
  xml.replace(xml.find("11222333000181"), 14, "\xE6\x97\xA5");
  WriteFile(dir / "han.xml", xml);
  auto nfse = request::OpenCancelarNfseEnvio((dir / "han.xml").string())
                  ->Pedido()
                  ->InfPedidoCancelamento()
                  ->IdentificacaoNfse();
  if (sample->holdsHan) {
    EXPECT_EQ(nfse->Cnpj(), "\xE6\x97\xA5");
  } else {
    const std::string error = ErrorOf([&] { nfse->Cnpj(); });
    EXPECT_NE(error.find("\"\xE6\x97\xA5\" (U+65E5)"), std::string::npos) << error;
  }
}

TEST(PlatformText, WidePathsAndTextHoldAnyCharacter) {
  TempDir dir;
  const fs::path path = dir.path() / fs::path(u"\u00E7 \u00E3 \u65E5.xml");
  auto query = query_documents::NewConsultarNfseRpsEnvio();
  query->Prestador()->SetCnpj(u"S\u00E3o Paulo \u65E5");
  query->OwnerDocument()->SaveToFile(path);
  EXPECT_EQ(Utf8Name(*fs::directory_iterator(dir.path())), "\xC3\xA7 \xC3\xA3 \xE6\x97\xA5.xml");
  EXPECT_EQ(query_documents::OpenConsultarNfseRpsEnvio(path.u16string())->Prestador()->Cnpj(),
            u"S\u00E3o Paulo \u65E5");
}

}  // namespace

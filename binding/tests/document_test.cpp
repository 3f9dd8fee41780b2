#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "binding/tests/fixtures.h"
#include "files/files.h"
#include "test_support/test_support.h"

namespace binding::testing_types {
namespace {

namespace fs = std::filesystem;

class TempFolder : public ::testing::Test {
 protected:
  fs::path Write(const std::string& name, std::string_view bytes) {
    return folder_.Write(name, bytes);
  }
  static std::string Read(const fs::path& path) { return files::ReadFileBytes(path); }
  test_support::TempFolder folder_;
};

TEST(NewDocument, BoundRootDeclaresItsNamespaceAndSavesWithoutWhitespace) {
  auto root = BindDocument<Root>(NewDocument("1.0"), "Root", kNs);
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(),
            "<?xml version=\"1.0\"?>\n<Root xmlns=\"urn:test:a\"/>\n");
  root->OwnerDocument()->SetEncoding("UTF-8");
  root->LeafChild()->SetCnpj("1");
  root->LeafChild()->SetNumero(4294967295u);
  EXPECT_EQ(root->OwnerDocument()->XmlBytes(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Root xmlns=\"urn:test:a\"><Leaf><Cnpj>1</Cnpj><Numero>-1</Numero></Leaf></Root>\n");
  EXPECT_EQ(root->LeafChild()->Numero(), 4294967295u);
}

TEST(NewDocument, DeclarationFieldsAreRebuiltInOrder) {
  auto doc = NewDocument("1.0");
  doc->SetStandalone("yes");
  doc->SetEncoding("ISO-8859-1");
  EXPECT_EQ(doc->XmlBytes(),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\"?>\n");
  doc->SetEncoding("");
  EXPECT_EQ(doc->Encoding(), "");
}

TEST(BindDocument, RootOfAnotherNameOrNamespaceIsNotSupported) {
  for (const char* xml : {R"(<Root xmlns="urn:test:b"/>)", R"(<Other xmlns="urn:test:a"/>)"}) {
    try {
      Parse(xml);
      FAIL() << xml;
    } catch (const InterfaceError& e) {
      EXPECT_STREQ(e.what(), "Interface not supported");
    }
  }
  EXPECT_NO_THROW(Parse(R"(<q:Root xmlns:q="urn:test:a"/>)"));
}

TEST(CopyToNewDocument, TheCopyDeclaresWhatItUses) {
  auto outer = ParseDocument(
      "<e:Envelope xmlns:e=\"urn:e\" xmlns:b=\"urn:test:b\"><e:Body><Root xmlns=\"urn:test:a\" "
      "b:at=\"1\"><Leaf><Cnpj>7</Cnpj></Leaf></Root></e:Body></e:Envelope>");
  auto body = outer->DocumentElement()->ChildNodes()[0];
  auto made = CopyToNewDocument(*body->ChildNodes()[0]);
  EXPECT_EQ(made->XmlBytes(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Root xmlns=\"urn:test:a\" "
            "xmlns:b=\"urn:test:b\" b:at=\"1\"><Leaf><Cnpj>7</Cnpj></Leaf></Root>\n");
  EXPECT_EQ(BindDocument<Root>(made, "Root", kNs)->LeafChild()->Cnpj(), "7");
}

TEST(ParseErrors, TextIsReasonLineAndTheStartOfTheOffendingLine) {
  try {
    ParseDocument("<Root>\n  <A>" + std::string(60, 'x') + "</B>\n</Root>");
    FAIL();
  } catch (const ParseError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("Opening and ending tag mismatch"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nLine: 2\r\n  <A>xxxx"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2).size(), 40u) << text;
  }
}

struct BadFile {
  const char* name;
  std::string bytes;
};

class BadFiles : public TempFolder, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFiles, FailToOpenWithAParseErrorQuickly) {
  const fs::path path = Write("bad.xml", GetParam().bytes);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(OpenDocument(path), ParseError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

std::string Laughs() {
  std::string dtd = "<!DOCTYPE Root [<!ENTITY l0 \"haha\">";
  for (int i = 1; i < 12; ++i)
    dtd += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
      std::string refs;
      for (int j = 0; j < 10; ++j) refs += "&l" + std::to_string(i - 1) + ";";
      return refs;
    }() + "\">";
  return dtd + "]><Root>&l11;</Root>";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFiles,
    ::testing::Values(BadFile{"Empty", ""}, BadFile{"Blank", "  \n "},
                      BadFile{"Binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                      BadFile{"Truncated", "<?xml version=\"1.0\"?><Root><A>1</A"},
                      BadFile{"UndeclaredPrefix", "<p:Root/>"},
                      BadFile{"Gzip", std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03", 10)},
                      BadFile{"EntityExpansion", Laughs()},
                      BadFile{"DeepNesting", std::string(100000, '<')},
                      BadFile{"TwoRoots", "<a/><b/>"}),
    [](const auto& c) { return c.param.name; });

TEST_F(TempFolder, MissingFileAndFolderFailAsParseErrors) {
  EXPECT_THROW(OpenDocument(folder_ / "absent.xml"), ParseError);
  EXPECT_THROW(OpenDocument(folder_.path()), ParseError);
  try {
    OpenDocument(folder_ / "absent.xml");
  } catch (const ParseError& e) {
    EXPECT_NE(std::string(e.what()).find("\r\nLine: 0\r\n"), std::string::npos);
  }
}

TEST_F(TempFolder, ExternalEntitiesAreNeverLoaded) {
  const fs::path secret = Write("secret.txt", "TOP-SECRET");
  const fs::path path = Write("xxe.xml", "<!DOCTYPE Root [<!ENTITY x SYSTEM \"file:///" +
                                             secret.relative_path().generic_string() +
                                             "\">]><Root xmlns=\"urn:test:a\"><A>&x;</A></Root>");
  auto root = BindDocument<Root>(OpenDocument(path), "Root", kNs);
  EXPECT_THROW(root->ElementText("A"), Error);
  EXPECT_EQ(Body(root).find("TOP-SECRET"), std::string::npos);
}

TEST_F(TempFolder, OpenedFileKeepsItsDeclarationAndEncoding) {
  const fs::path path = Write("latin.xml",
                              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Root "
                              "xmlns=\"urn:test:a\"><Leaf><Cnpj>a\xE7\xE3o</Cnpj></Leaf></Root>");
  auto root = BindDocument<Root>(OpenDocument(path), "Root", kNs);
  EXPECT_EQ(Local8BitToUtf8(root->LeafChild()->Cnpj()), "ação");
  EXPECT_EQ(root->OwnerDocument()->FileName(), path);
  root->OwnerDocument()->SaveToFile(path);
  EXPECT_EQ(Read(path),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Root "
            "xmlns=\"urn:test:a\"><Leaf><Cnpj>a\xE7\xE3o</Cnpj></Leaf></Root>\n");
  const fs::path bare = Write("bare.xml", "<Root xmlns=\"urn:test:a\"/>");
  OpenDocument(bare)->SaveToFile(bare);
  EXPECT_EQ(Read(bare), "<Root xmlns=\"urn:test:a\"/>\n");
}

TEST_F(TempFolder, FileFailuresReachTheCallerAsTheLayersErrors) {
  try {
    OpenDocument(folder_.path());
    ADD_FAILURE() << "a folder was opened";
  } catch (const ParseError& e) {
    EXPECT_NE(std::string(e.what()).find("\"" + folder_.path().string() + "\": it is a folder"),
              std::string::npos)
        << e.what();
  }
  EXPECT_THROW(NewDocument("1.0")->SaveToFile(folder_.path()), Error);
  EXPECT_TRUE(fs::is_directory(folder_.path()));
}

}  // namespace
}  // namespace binding::testing_types

#include "files/files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "files/testing.h"
#include "files/tests/hostile_paths.h"
#include "test_support/test_support.h"

namespace files {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

class Files : public ::testing::Test {
 protected:
  void TearDown() override { testing::SetBeforeReplace(nullptr); }
  fs::path Write(const std::string& name, std::string_view bytes) {
    return temp_.Write(name, bytes);
  }
  std::ptrdiff_t Entries() const {
    return std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
  }
  test_support::TempFolder temp_;
  const fs::path& folder_ = temp_.path();
};

TEST_F(Files, SaveReplacesTheFileKeepingItsPermissions) {
  const fs::path path = Write("out.xml", "old");
  constexpr fs::perms kMode =
      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, kMode);
  const bool modeBits = (fs::status(path).permissions() & fs::perms::all) == kMode;
  WriteFileAtomically(path, "new bytes");
  EXPECT_EQ(ReadFileBytes(path), "new bytes");
  EXPECT_EQ(Entries(), 1);
  if (!modeBits)
    GTEST_SKIP() << "files here have no mode bits to keep (Windows has only a read-only flag, "
                    "and a read-only file is not replaced)";
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, kMode);
}

TEST_F(Files, NamesBeyondAsciiAreReadSavedAndReported) {
  const fs::path name = fs::path(u8"Servi\u00e7o S\u00e3o \u65e5.xml");
  WriteFileAtomically(folder_ / name, "first");
  WriteFileAtomically(folder_ / name, "second");
  EXPECT_EQ(ReadFileBytes(folder_ / name), "second");
  ASSERT_EQ(Entries(), 1);
  EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), name);

  const fs::path absent = folder_ / fs::path(u8"\u65e5\u672c.xml");
  try {
    ReadFileBytes(absent);
    ADD_FAILURE() << "an absent file was read";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Could not read \"" + Utf8(absent) + "\": No such file or directory");
  }
}

TEST_F(Files, FailedSaveLeavesTheOldFileAndNoTemporary) {
  const fs::path target = folder_ / "taken";
  fs::create_directory(target);
  EXPECT_THROW(WriteFileAtomically(target, "x"), Error);
  EXPECT_THROW(WriteFileAtomically(folder_ / "missing" / "x.xml", "x"), Error);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Entries(), 1);
}

// The step that can still fail once every byte is written: the temporary taking the target's
// place. An exception there leaves the old file, or no file, and no temporary.
TEST_F(Files, SaveInterruptedBeforeTheReplaceLeavesTheOldFileAndNoTemporary) {
  const fs::path kept = Write("kept.xml", "old bytes");
  for (const fs::path& target : {kept, folder_ / "new.xml"}) {
    fs::path seen;
    testing::SetBeforeReplace([&](const fs::path& temporary) {
      seen = temporary;
      EXPECT_EQ(ReadFileBytes(temporary), "new bytes");
      throw Error("interrupted");
    });
    try {
      WriteFileAtomically(target, "new bytes");
      ADD_FAILURE() << "the save went on";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "interrupted");
    }
    EXPECT_EQ(seen.parent_path(), folder_) << "the temporary must sit beside the target";
    EXPECT_FALSE(fs::exists(seen));
  }
  EXPECT_EQ(ReadFileBytes(kept), "old bytes");
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Files, OnlyRegularFilesOfBoundedSizeAreReadWithoutBlocking) {
  std::vector<std::shared_ptr<void>> keep;
  std::vector<test::HostilePath> refused = test::PlatformHostilePaths(folder_, keep);
  const fs::path huge = folder_ / "huge.xml";
  std::ofstream(huge).put('<');
  fs::resize_file(huge, kMaxFileBytes + 1);  // sparse where the file system can
  refused.push_back({folder_, "it is a folder", true});
  refused.push_back({huge, "it is larger than 16 MiB, the largest file that can be opened", false});
  refused.push_back({folder_ / "absent.xml", "No such file or directory", false});

  for (const auto& file : refused) {
    const auto start = std::chrono::steady_clock::now();
    try {
      ReadFileBytes(file.path);
      ADD_FAILURE() << file.path << " was read";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()),
                "Could not read \"" + Utf8(file.path) + "\": " + file.reason);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << file.path;
  }
}

TEST_F(Files, WhatIsNotARegularFileIsNotReplaced) {
  std::vector<std::shared_ptr<void>> keep;
  std::vector<test::HostilePath> refused = test::PlatformHostilePaths(folder_, keep);
  refused.push_back({folder_, "it is a folder", true});
  const std::ptrdiff_t entries = Entries();
  for (const auto& file : refused) {
    if (!file.saved) continue;
    std::error_code ec;
    const fs::file_type before = fs::symlink_status(file.path, ec).type();
    try {
      WriteFileAtomically(file.path, "x");
      ADD_FAILURE() << file.path << " was replaced";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()),
                "Could not save \"" + Utf8(file.path) + "\": " + file.reason);
    }
    EXPECT_EQ(fs::symlink_status(file.path, ec).type(), before) << file.path;
  }
  EXPECT_EQ(Entries(), entries);
}

TEST_F(Files, ReadOnlyFileIsNotReplaced) {
  const fs::path path = Write("kept.xml", "old bytes");
  constexpr fs::perms kReadOnly =
      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(path, kReadOnly);
  try {
    WriteFileAtomically(path, "new");
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Could not save \"" + Utf8(path) + "\": it is read-only");
  }
  EXPECT_EQ(ReadFileBytes(path), "old bytes");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, kReadOnly);
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Files, LinksAreFollowedOnReadAndSave) {
  const fs::path real = Write("real.xml", "old");
  if (!test::MakeLink(real, folder_ / "link.xml")) GTEST_SKIP() << test::kNoLinks;
  EXPECT_EQ(ReadFileBytes(folder_ / "link.xml"), "old");
  WriteFileAtomically(folder_ / "link.xml", "new");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.xml"));
  EXPECT_EQ(ReadFileBytes(real), "new");

  // A link does not make a read-only file writable.
  fs::permissions(real, fs::perms::owner_read);
  try {
    WriteFileAtomically(folder_ / "link.xml", "newer");
    ADD_FAILURE() << "a read-only file was replaced through a link";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Could not save \"" + Utf8(real) + "\": it is read-only");
  }
  EXPECT_EQ(ReadFileBytes(real), "new");
  EXPECT_EQ(Entries(), 2);
}

}  // namespace
}  // namespace files

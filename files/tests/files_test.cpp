#include "files/files.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "test_support/test_support.h"

namespace files {
namespace {

namespace fs = std::filesystem;

using test_support::FailsWith;

class Files : public ::testing::Test {
 protected:
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
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteFileAtomically(path, "new bytes");
  EXPECT_EQ(ReadFileBytes(path), "new bytes");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Files, FailedSaveLeavesTheOldFileAndNoTemporary) {
  const fs::path target = folder_ / "taken";
  fs::create_directory(target);
  EXPECT_THROW(WriteFileAtomically(target, "x"), Error);
  EXPECT_THROW(WriteFileAtomically(folder_ / "missing" / "x.xml", "x"), Error);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Entries(), 1);
}

TEST_F(Files, OnlyRegularFilesOfBoundedSizeAreRead) {
  const fs::path fifo = folder_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path socket = folder_ / "socket";
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socket.string().copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const fs::path huge = Write("huge.xml", "<");
  fs::resize_file(huge, kMaxFileBytes + 1);  // sparse: no disk is used
  const fs::path linkToDevice = folder_ / "zero.xml";
  fs::create_symlink("/dev/zero", linkToDevice);

  const struct {
    fs::path path;
    std::string reason;
  } refused[] = {
      {folder_, "it is a folder"},
      {"/dev/zero", "it is not a regular file"},
      {"/dev/urandom", "it is not a regular file"},
      {fifo, "it is not a regular file"},  // would block for ever if opened for reading
      {socket, "it is not a regular file"},
      {linkToDevice, "it is not a regular file"},
      {huge, "it is larger than 16 MiB, the largest file that can be opened"},
      {folder_ / "absent.xml", "No such file or directory"},
  };
  for (const auto& file : refused) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(FailsWith<Error>([&] { ReadFileBytes(file.path); },
                                 "Could not read \"" + file.path.string() + "\": " + file.reason));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << file.path;
  }
  ::close(listener);

  // A link to a regular file is followed.
  const fs::path real = Write("real.xml", "<Root/>");
  fs::create_symlink(real, folder_ / "link.xml");
  EXPECT_EQ(ReadFileBytes(folder_ / "link.xml"), "<Root/>");
}

TEST_F(Files, ReadOnlyFileIsNotReplaced) {
  const fs::path path = Write("kept.xml", "old bytes");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink(path, folder_ / "link.xml");
  for (const fs::path& target : {path, folder_ / "link.xml"}) {
    EXPECT_TRUE(FailsWith<Error>([&] { WriteFileAtomically(target, "new"); },
                                 "Could not save \"" + path.string() + "\": it is read-only"))
        << target;
  }
  EXPECT_EQ(ReadFileBytes(path), "old bytes");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Entries(), 2);
}

TEST_F(Files, SaveWritesThroughALinkAndRefusesAFifo) {
  const fs::path real = Write("real.xml", "old");
  fs::create_symlink(real, folder_ / "link.xml");
  WriteFileAtomically(folder_ / "link.xml", "new");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.xml"));
  EXPECT_EQ(ReadFileBytes(real), "new");

  const fs::path fifo = folder_ / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(WriteFileAtomically(fifo, "x"), Error);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

}  // namespace
}  // namespace files

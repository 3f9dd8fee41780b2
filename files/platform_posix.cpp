// The file operations of files.cpp on Linux, macOS and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "files/platform.h"

namespace files::platform {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void FailWithErrno() { throw Failure(std::strerror(errno)); }

}  // namespace

InputFile::InputFile(const fs::path& path) {
  // Asked before opening, since opening a FIFO or a device can block or act; asked again of the
  // opened file, in case the path was swapped in between. A path that cannot be asked about
  // fails at the open with the reason.
  std::error_code ec;
  const fs::file_status before = fs::status(path, ec);
  if (!ec && before.type() == fs::file_type::directory) throw Failure(kFolder);
  if (!ec && before.type() != fs::file_type::regular && before.type() != fs::file_type::not_found)
    throw Failure(kNotRegularFile);

  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) FailWithErrno();
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    throw Failure(S_ISDIR(opened.st_mode) ? kFolder : kNotRegularFile);
  }
  handle_ = fd;
  size_ = static_cast<std::uintmax_t>(opened.st_size);
}

InputFile::~InputFile() { ::close(static_cast<int>(handle_)); }

std::size_t InputFile::Read(char* into, std::size_t size) {
  ssize_t got;
  while ((got = ::read(static_cast<int>(handle_), into, size)) < 0 && errno == EINTR) {
  }
  if (got < 0) FailWithErrno();
  return static_cast<std::size_t>(got);
}

std::optional<NewFile> NewFile::Create(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd >= 0) return NewFile(fd);
  if (errno == EEXIST) return std::nullopt;
  FailWithErrno();
}

NewFile::NewFile(NewFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

NewFile::~NewFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

void NewFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) FailWithErrno();
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void NewFile::Finish() {
  const int fd = static_cast<int>(std::exchange(handle_, -1));
  const bool synced = ::fsync(fd) == 0;
  const int syncError = errno;
  if (::close(fd) != 0 || !synced) {
    if (!synced) errno = syncError;
    FailWithErrno();
  }
}

void CheckReplaceable(const fs::path& target) {
  std::error_code ec;
  const fs::file_status existing = fs::status(target, ec);
  if (ec || !fs::exists(existing)) return;
  if (existing.type() == fs::file_type::directory) throw Failure(kFolder);
  if (existing.type() != fs::file_type::regular) throw Failure(kNotRegularFile);
  // Renaming over a file ignores its own mode; so does root. Also a file writable only by
  // others is not ours to replace.
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((existing.permissions() & kWrite) == fs::perms::none || ::access(target.c_str(), W_OK) != 0)
    throw Failure(kReadOnly);
}

void Replace(const fs::path& temporary, const fs::path& target) {
  std::error_code ec;
  const fs::file_status existing = fs::status(target, ec);
  if (!ec && fs::exists(existing)) fs::permissions(temporary, existing.permissions(), ec);
  fs::rename(temporary, target, ec);
  if (ec) throw Failure(ec.message());
}

}  // namespace files::platform

#include "files/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace files {

namespace fs = std::filesystem;

namespace {

std::FILE* OpenFile(const fs::path& path, bool createNew) {
#ifdef _WIN32
  return _wfopen(path.c_str(), createNew ? L"wbx" : L"rb");
#else
  return std::fopen(path.c_str(), createNew ? "wbx" : "rb");
#endif
}

std::string Failure(const char* what, const fs::path& path, const std::string& reason) {
  return std::string(what) + " \"" + path.string() + "\": " + reason;
}

// A new file beside `target` that nothing else uses.
std::FILE* CreateTemporary(const fs::path& target, fs::path& temporary) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / ("." + target.filename().string() + "." +
                          std::to_string(random() % 1000000007) + ".tmp");
    if (std::FILE* file = OpenFile(temporary, true)) return file;
    if (errno != EEXIST) break;
  }
  throw Error(Failure("Could not save", target, std::strerror(errno)));
}

std::string TooLarge() {
  return "it is larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) +
         " MiB, the largest file that can be opened";
}

// Why a file of that type is not read, or null when it is: a folder, a device (which may never
// end) or a FIFO or socket (which may block for ever) is refused. An unknown type comes from a
// path that was swapped after it was first looked at.
const char* UnreadableReason(fs::file_type type) {
  switch (type) {
    case fs::file_type::regular:
    case fs::file_type::not_found:  // opening it names the reason
      return nullptr;
    case fs::file_type::directory:
      return "it is a folder";
    default:
      return "it is not a regular file";
  }
}

// An existing file is replaced only when it is a regular file the user may write: renaming over
// it would ignore its own mode, and would swap a device or FIFO for a plain file.
void RefuseToReplace(const fs::path& target) {
  std::error_code ec;
  const fs::file_status existing = fs::status(target, ec);
  if (ec || !fs::exists(existing)) return;
  const auto refuse = [&](const char* reason) {
    throw Error(Failure("Could not save", target, reason));
  };
  if (existing.type() == fs::file_type::directory) refuse("it is a folder");
  if (existing.type() != fs::file_type::regular) refuse("it is not a regular file");
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  bool writable = (existing.permissions() & kWrite) != fs::perms::none;
#ifndef _WIN32
  // Also a file writable only by others, which is not ours to replace.
  writable = writable && ::access(target.c_str(), W_OK) == 0;
#endif
  if (!writable) refuse("it is read-only");
}

}  // namespace

std::string ReadFileBytes(const fs::path& path) {
  const auto fail = [&](const std::string& reason) {
    throw Error(Failure("Could not read", path, reason));
  };
  // Asked before opening, since opening a FIFO or a device can block or act; asked again of the
  // opened file, in case the path was swapped in between.
  std::error_code ec;
  const fs::file_status before = fs::status(path, ec);
  if (const char* reason = ec ? nullptr : UnreadableReason(before.type())) fail(reason);
#ifdef _WIN32
  std::FILE* file = OpenFile(path, false);
  if (!file) fail(std::strerror(errno));
  const auto closeFile = [&] { std::fclose(file); };
  const auto readSome = [&](char* into, std::size_t n) -> long long {
    const std::size_t got = std::fread(into, 1, n, file);
    return std::ferror(file) ? -1 : static_cast<long long>(got);
  };
#else
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) fail(std::strerror(errno));
  const auto closeFile = [&] { ::close(fd); };
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    closeFile();
    fail(UnreadableReason(S_ISDIR(opened.st_mode) ? fs::file_type::directory
                                                  : fs::file_type::unknown));
  }
  if (static_cast<std::uintmax_t>(opened.st_size) > kMaxFileBytes) {
    closeFile();
    fail(TooLarge());
  }
  const auto readSome = [&](char* into, std::size_t n) -> long long {
    ssize_t got;
    while ((got = ::read(fd, into, n)) < 0 && errno == EINTR) {
    }
    return got;
  };
#endif
  // The size is read as the bytes come, not asked first, so a file that grows meanwhile stops
  // at the limit too.
  std::string bytes;
  char chunk[65536];
  long long n;
  while ((n = readSome(chunk, sizeof chunk)) > 0) {
    if (bytes.size() + static_cast<std::size_t>(n) > kMaxFileBytes) {
      closeFile();
      fail(TooLarge());
    }
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  const std::string reason = n < 0 ? std::strerror(errno) : "";
  closeFile();
  if (n < 0) fail(reason);
  return bytes;
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  std::error_code ec;
  // Replace what a link points to, not the link.
  fs::path target = fs::is_symlink(path, ec) ? fs::canonical(path, ec) : path;
  if (ec) target = path;
  RefuseToReplace(target);
  fs::path temporary;
  std::FILE* file = CreateTemporary(target, temporary);
  bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#ifndef _WIN32
  written = written && ::fsync(fileno(file)) == 0;
#endif
  const std::string reason = std::strerror(errno);
  written = std::fclose(file) == 0 && written;
  if (!written) {
    fs::remove(temporary, ec);
    throw Error(Failure("Could not save", target, reason));
  }
  const fs::file_status existing = fs::status(target, ec);
  if (!ec && fs::exists(existing)) fs::permissions(temporary, existing.permissions(), ec);
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw Error(Failure("Could not save", target, ec.message()));
  }
}

}  // namespace files

#include "binding/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "binding/errors.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace binding {

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

}  // namespace

std::string ReadFileBytes(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) throw Error(Failure("Could not read", path, "it is a folder"));
  std::FILE* file = OpenFile(path, false);
  if (!file) throw Error(Failure("Could not read", path, std::strerror(errno)));
  std::string bytes;
  char chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
  const bool failed = std::ferror(file);
  std::fclose(file);
  if (failed) throw Error(Failure("Could not read", path, "read error"));
  return bytes;
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  std::error_code ec;
  // Replace what a link points to, not the link.
  fs::path target = fs::is_symlink(path, ec) ? fs::canonical(path, ec) : path;
  if (ec) target = path;
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

}  // namespace binding

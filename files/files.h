#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// Reading and writing the user's files, and nothing about what they hold: the checked read that
// refuses what is not a regular file of bounded size without blocking, and the safe save that
// replaces a file atomically or leaves it as it was.
namespace files {

// A file that could not be read or saved; what() names the file and the reason (UTF-8).
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The largest file ReadFileBytes reads. Measured on responses parsed and then walked through the
// bindings, a document takes 11 bytes of memory per file byte once parsed and 16 once every
// value was read; a file of nothing but empty elements takes up to 80 once the bindings have
// made a node object for each. 16 MiB keeps that worst case near 1.3 GiB and the usual one near
// 256 MiB, while real messages are a few kilobytes.
inline constexpr std::uintmax_t kMaxFileBytes = 16 * 1024 * 1024;

// The whole file as bytes; fails with files::Error naming the reason. Only a regular file (after
// following links) of at most kMaxFileBytes is read: a folder, device, FIFO or socket is refused
// without blocking or reading from it.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target, keeping an existing
// file's permissions, so the target is either the old file or the new bytes, never a mix. A link
// is written through to the file it points to. An existing target that is not a regular file, or
// that has no write permission, is refused and left as it was.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace files

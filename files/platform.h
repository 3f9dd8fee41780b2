#pragma once

// What the checked read and the safe save ask of the operating system, one file per platform:
// platform_posix.cpp and platform_windows.cpp. files.cpp holds the rules both share (the size
// limit, the temporary's name, cleaning up after a failure) and words the failures. Not
// installed: callers use files/files.h.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace files::platform {

// Why a step failed, without the file's name (files.cpp adds it); UTF-8.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The reasons both platforms give for refusing a file, in the same words.
inline constexpr const char* kFolder = "it is a folder";
inline constexpr const char* kNotRegularFile = "it is not a regular file";
inline constexpr const char* kReadOnly = "it is read-only";

// A regular file open for reading. Opening never blocks and refuses, with Failure, anything
// else: a folder, a device, a pipe, a FIFO or a socket, also when a link leads to one.
class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // The size when opened; the file may still grow or shrink while it is read.
  std::uintmax_t Size() const { return size_; }
  // Up to `size` bytes into `into`; 0 at the end of the file.
  std::size_t Read(char* into, std::size_t size);

 private:
  std::intptr_t handle_;
  std::uintmax_t size_ = 0;
};

// A new file being written. Destroying it only closes it: removing a file given up on is the
// caller's part.
class NewFile {
 public:
  // Creates `path` for writing, or returns nothing when something of that name exists.
  static std::optional<NewFile> Create(const std::filesystem::path& path);
  ~NewFile();
  NewFile(NewFile&& other) noexcept;
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  NewFile& operator=(NewFile&&) = delete;

  void Write(std::string_view bytes);
  // Puts the bytes on the disk, not only in a cache, and closes the file.
  void Finish();

 private:
  explicit NewFile(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_;
};

// Fails unless `target` is absent or a regular file the user may write, so that a save never
// swaps a folder, device or pipe for a plain file, nor replaces what its owner made read-only.
void CheckReplaceable(const std::filesystem::path& target);

// Puts `temporary`, a finished file in the same folder, in the place of `target` in one step,
// keeping an existing target's permissions. On failure, `target` is as it was and `temporary`
// is still there.
void Replace(const std::filesystem::path& temporary, const std::filesystem::path& target);

}  // namespace files::platform

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace test_support {

// A folder of one test's own under the system's temporary folder, named after the running test
// and a random part, so that no two tests or runs share a file (the default and the sanitizer
// builds run side by side). It goes, with all it holds, when the object goes; read-only files
// and folders inside do not stop that.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

  // Writes `bytes` to the file `name` of the folder, replacing it, and returns its path. A
  // write that fails fails the test.
  std::filesystem::path Write(const std::filesystem::path& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

// The bytes of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

}  // namespace test_support

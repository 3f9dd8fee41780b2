#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// What is not a regular disk file on this platform, for the tests of the checked read and the
// safe save and for the acceptance suite: hostile_paths_posix.cpp or hostile_paths_windows.cpp.
namespace files::test {

struct HostilePath {
  std::filesystem::path path;
  std::string reason;  // why ReadFileBytes refuses it
  bool saved;          // also given to WriteFileAtomically, which must refuse it and leave it be
};

// The platform's hostile paths; those that need making (a FIFO, a socket, a pipe) are made in
// `folder` or with a unique name, and stay usable while `keep` holds what serves them.
std::vector<HostilePath> PlatformHostilePaths(const std::filesystem::path& folder,
                                              std::vector<std::shared_ptr<void>>& keep);

// Makes `link` point to `target`; false where links cannot be made, which a test skipping its
// links says with kNoLinks.
inline bool MakeLink(const std::filesystem::path& target, const std::filesystem::path& link) {
  std::error_code ec;
  std::filesystem::create_symlink(target, link, ec);
  return !ec;
}
inline constexpr const char* kNoLinks =
    "links cannot be made here (MinGW's std::filesystem has none, and on Windows making one "
    "takes a privilege users lack)";

}  // namespace files::test

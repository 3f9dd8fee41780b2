#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// What is not a regular disk file on this platform, for the tests of the checked read and the
// safe save: hostile_paths_posix.cpp or hostile_paths_windows.cpp.
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

}  // namespace files::test

#include <windows.h>

#include <random>
#include <stdexcept>

#include "files/tests/hostile_paths.h"

namespace files::test {

namespace fs = std::filesystem;

std::vector<HostilePath> PlatformHostilePaths(const fs::path& folder,
                                              std::vector<std::shared_ptr<void>>& keep) {
  // A named pipe with a server waiting for a client: opening it would connect, and a read
  // would wait for the server to write.
  const fs::path pipe = L"\\\\.\\pipe\\files-test-" + std::to_wstring(std::random_device()());
  const HANDLE server =
      CreateNamedPipeW(pipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  if (server == INVALID_HANDLE_VALUE) throw std::runtime_error("CreateNamedPipeW failed");
  keep.emplace_back(server, [](void* handle) { CloseHandle(handle); });

  return {
      {"NUL", "it is not a regular file", true},
      {"CON", "it is not a regular file", true},
      {"conin$", "it is not a regular file", false},
      {folder / "nul.xml", "it is not a regular file", true},  // a device in every folder
      {folder / "COM1", "it is not a regular file", true},
      {pipe, "it is not a regular file", true},
      {L"\\\\.\\pipe\\no-such-pipe", "it is not a regular file", false},
      {L"\\\\.\\C:", "it is not a regular file", false},  // the whole volume
  };
}

}  // namespace files::test

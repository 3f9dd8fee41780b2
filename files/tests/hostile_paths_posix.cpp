#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <stdexcept>

#include "files/tests/hostile_paths.h"

namespace files::test {

namespace fs = std::filesystem;

std::vector<HostilePath> PlatformHostilePaths(const fs::path& folder,
                                              std::vector<std::shared_ptr<void>>& keep) {
  const fs::path fifo = folder / "fifo";
  if (::mkfifo(fifo.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");

  const fs::path socket = folder / "socket";
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  keep.emplace_back(nullptr, [listener](void*) { ::close(listener); });
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socket.string().copy(address.sun_path, sizeof address.sun_path - 1);
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    throw std::runtime_error("bind failed");

  const fs::path linkToDevice = folder / "zero.xml";
  fs::create_symlink("/dev/zero", linkToDevice);

  // Devices outside the test's folder are only read: a save that went wrong there, as root,
  // would put a plain file in place of a device node.
  return {
      {"/dev/zero", "it is not a regular file", false},
      {"/dev/urandom", "it is not a regular file", false},
      {fifo, "it is not a regular file", true},  // would block for ever if opened for reading
      {socket, "it is not a regular file", true},
      {linkToDevice, "it is not a regular file", false},
  };
}

}  // namespace files::test

#include "files/files.h"

#include <memory>
#include <random>
#include <utility>

#include "files/platform.h"
#include "files/testing.h"

namespace files {

namespace fs = std::filesystem;

namespace {

std::function<void(const fs::path&)>& BeforeReplace() {
  static std::function<void(const fs::path&)> hook;
  return hook;
}

// The name as UTF-8 on every platform: on Windows fs::path::string() is not UTF-8, and its
// conversion can throw for a name beyond ASCII.
std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

std::string Failure(const char* what, const fs::path& path, const std::string& reason) {
  return std::string(what) + " \"" + Utf8Name(path) + "\": " + reason;
}

std::string TooLarge() {
  return "it is larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) +
         " MiB, the largest file that can be opened";
}

// The temporary file of a save. It is closed, then removed, unless it took the target's place.
class Temporary {
 public:
  Temporary(fs::path path, platform::NewFile file)
      : path_(std::move(path)), file_(std::move(file)) {}
  ~Temporary() {
    file_.reset();
    std::error_code ignored;
    if (!placed_) fs::remove(path_, ignored);
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;

  platform::NewFile& File() { return *file_; }
  const fs::path& Path() const { return path_; }
  void Placed() { placed_ = true; }

 private:
  fs::path path_;
  std::optional<platform::NewFile> file_;
  bool placed_ = false;
};

// A new file beside `target` that nothing else uses: ".<name>.<number>.tmp".
std::unique_ptr<Temporary> CreateTemporary(const fs::path& target) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path name(u8".");
    name += target.filename();
    name += "." + std::to_string(random() % 1000000007) + ".tmp";
    if (std::optional<platform::NewFile> file = platform::NewFile::Create(folder / name))
      return std::make_unique<Temporary>(folder / name, std::move(*file));
  }
  throw platform::Failure("no free name for a temporary file beside it");
}

}  // namespace

namespace testing {

void SetBeforeReplace(std::function<void(const fs::path& temporary)> hook) {
  BeforeReplace() = std::move(hook);
}

}  // namespace testing

std::string ReadFileBytes(const fs::path& path) {
  try {
    platform::InputFile file(path);
    if (file.Size() > kMaxFileBytes) throw platform::Failure(TooLarge());
    // The size is also counted as the bytes come, so a file that grows meanwhile stops at the
    // limit too.
    std::string bytes;
    char chunk[65536];
    while (const std::size_t n = file.Read(chunk, sizeof chunk)) {
      if (bytes.size() + n > kMaxFileBytes) throw platform::Failure(TooLarge());
      bytes.append(chunk, n);
    }
    return bytes;
  } catch (const platform::Failure& e) {
    throw Error(Failure("Could not read", path, e.what()));
  }
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  std::error_code ec;
  // Replace what a link points to, not the link.
  fs::path target = fs::is_symlink(path, ec) ? fs::canonical(path, ec) : path;
  if (ec) target = path;
  try {
    platform::CheckReplaceable(target);
    const std::unique_ptr<Temporary> temporary = CreateTemporary(target);
    temporary->File().Write(bytes);
    temporary->File().Finish();
    if (BeforeReplace()) BeforeReplace()(temporary->Path());
    platform::Replace(temporary->Path(), target);
    temporary->Placed();
  } catch (const platform::Failure& e) {
    throw Error(Failure("Could not save", target, e.what()));
  }
}

}  // namespace files

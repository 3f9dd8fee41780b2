#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace test_support {

namespace fs = std::filesystem;

namespace {

// The running test as "Suite.Name", with the characters a file name cannot hold replaced.
std::string TestName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name =
      test == nullptr ? "no-test" : std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '_' || c == '-';
    if (!plain) c = '_';
  }
  return name;
}

}  // namespace

TempFolder::TempFolder() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const fs::path base = fs::temp_directory_path();
  // create_directory tells a new folder from one that was there: another run's is never reused.
  for (;;) {
    path_ = base / ("nfse-" + TestName() + "-" + std::to_string(random() % 1000000000));
    if (fs::create_directory(path_)) return;
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A read-only entry would stop the removal on some systems; make everything writable first.
  for (auto entry = fs::recursive_directory_iterator(path_, ignored);
       entry != fs::recursive_directory_iterator(); entry.increment(ignored)) {
    if (!entry->is_symlink(ignored)) {
      fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path_, ignored);
}

fs::path TempFolder::Write(const fs::path& name, std::string_view bytes) const {
  const fs::path file = path_ / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) ADD_FAILURE() << "cannot write " << file;
  return file;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace test_support

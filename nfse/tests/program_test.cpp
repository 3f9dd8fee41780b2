// The program itself, run as a script runs it: its exit statuses, and one clear line for each
// input it cannot take, never a crash or a wait.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "nfse/tests/samples.h"
#include "test_support/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace nfse::testing {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs the program with `arguments` (shell words, quoted by the caller) and `redirection` for its
// standard input; its standard error lands in `err`.
Ran RunProgram(const test_support::TempFolder& folder, const std::string& arguments,
               const std::string& redirection = "</dev/null") {
  const fs::path out = folder / "program.out";
  const fs::path err = folder / "program.err";
  const std::string command = Quoted(NFSE_PROGRAM) + " " + arguments + " " + redirection + " >" +
                              Quoted(out.string()) + " 2>" + Quoted(err.string());
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test_support::ReadBytes(out),
          test_support::ReadBytes(err)};
}

TEST(Program, ExitStatusesAndOneLinePerFailure) {
  test_support::TempFolder folder;
  const std::string request =
      Quoted(folder.Write("request.xml", SpecifiedCancelRequest()).string());
  const fs::path fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path large = folder.Write("large.xml", "");
  fs::resize_file(large, 16 * 1024 * 1024 + 1);
  const struct {
    std::string arguments;
    std::string redirection;
    int status;
    std::size_t errorLines;
  } cases[] = {
      {"list " + request, "</dev/null", kSucceeded, 0},
      {"--help", "</dev/null", kSucceeded, 0},
      {"list " + request + " " + Quoted((folder / "missing.xml").string()), "</dev/null", kFailed,
       1},
      {"list /dev/zero " + Quoted(fifo.string()) + " " + Quoted(folder.path().string()) + " " +
           Quoted(large.string()),
       "</dev/null", kFailed, 4},
      {"list -", "</dev/zero", kFailed, 1},
      {"list -", "<&-", kFailed, 1},
      {"list -", "<" + request, kSucceeded, 0},
      {"unwrap " + request + " " + Quoted((folder / "out.xml").string()), "</dev/null", kFailed, 1},
      {"list --layout guess " + request, "</dev/null", kUsageError, 2},
      {"", "</dev/null", kUsageError, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments + " " + c.redirection);
    const Ran ran = RunProgram(folder, c.arguments, c.redirection);
    EXPECT_EQ(ran.status, c.status);
    EXPECT_EQ(LinesOf(ran.err).size(), c.errorLines) << ran.err;
  }
}

// Every hostile input the fuzzers start from, as a file of its own in a batch: each one that
// fails is one line, and none stops the others.
TEST(Program, TheFuzzersAttackFilesFailEachOnItsOwnLine) {
  test_support::TempFolder folder;
  const std::string corpus = (folder / "corpus").string();
  const std::string make = "python3 " +
                           Quoted(std::string(NFSE_SOURCE_DIR) + "/fuzz/make_corpus.py") + " " +
                           Quoted(corpus) + " " + Quoted(std::string(binding::PlatformSchemaHost));
  ASSERT_EQ(std::system(make.c_str()), 0);
  std::vector<std::string> attacks;
  for (const char* harness : {"cancel_request_fuzzer", "cancel_response_fuzzer",
                              "query_request_fuzzer", "query_response_fuzzer"}) {
    for (const auto& file : fs::directory_iterator(fs::path(corpus) / harness)) {
      const std::string name = file.path().filename().string();
      if (!name.starts_with("request") && !name.starts_with("response"))
        attacks.push_back(file.path().string());
    }
  }
  ASSERT_GT(attacks.size(), 50u);
  for (const std::string& attack : attacks) {
    SCOPED_TRACE(attack);
    const Ran ran = RunProgram(folder, "list " + Quoted(attack));
    EXPECT_EQ(ran.status, kFailed);
    EXPECT_EQ(LinesOf(ran.err).size(), 1u) << ran.err;
  }
}

#else

TEST(Program, RunsOnlyWhereThereIsAPosixShell) { GTEST_SKIP(); }

#endif

}  // namespace
}  // namespace nfse::testing

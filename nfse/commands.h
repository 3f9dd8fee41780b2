#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// The command line `nfse`, as a function the program and the benchmarks call alike:
//   nfse list [--layout specified|service|auto] [--format text|json] FILE...
//   nfse convert --to specified|service IN OUT
//   nfse unwrap ENVELOPE OUT
namespace nfse {

// The exit statuses.
inline constexpr int kSucceeded = 0;   // every file succeeded (or help was asked for)
inline constexpr int kFailed = 1;      // one file or more failed
inline constexpr int kUsageError = 2;  // the command line was not understood; nothing was read

// Where a run reads and writes.
struct Streams {
  std::istream& in;   // read for the input "-"
  std::ostream& out;  // listings, help, and an output "-"
  std::ostream& err;  // one line per failure, usage errors, and the progress of a batch
  bool outIsTerminal = false;
  bool errIsTerminal = false;  // shows the progress of a batch
};

// Runs the command line `args` (the arguments after the program's name) and returns its exit
// status. Each file that fails is told on one line of `streams.err`, and the others are still
// processed.
int Run(const std::vector<std::string>& args, const Streams& streams);

}  // namespace nfse

#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace nfse {

// The progress of a batch on one line of a terminal: files done, their total and the rate,
// redrawn in place at most ten times a second. Shown only when asked (standard error is a
// terminal) and the batch has more than one file; cleared when the batch ends.
class Progress {
 public:
  // `err` is the terminal's stream; `out` shares its screen when `outIsTerminal`.
  Progress(std::ostream& err, std::ostream& out, std::size_t total, bool shown, bool outIsTerminal);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // One more file is done.
  void Advance();
  // Before a line goes to standard error, or to standard output on the same screen: the progress
  // line makes way, to be drawn again after.
  void BeforeError();
  void BeforeOutput();

 private:
  void Clear();

  std::ostream& err_;
  std::ostream& out_;
  std::size_t total_;
  std::size_t done_ = 0;
  bool shown_;
  bool outIsTerminal_;
  std::size_t drawn_ = 0;  // the characters of the line on the screen now
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point lastDrawn_{};
};

}  // namespace nfse

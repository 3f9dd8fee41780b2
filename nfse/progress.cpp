#include "nfse/progress.h"

namespace nfse {

namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

Progress::Progress(std::ostream& err, std::ostream& out, std::size_t total, bool shown,
                   bool outIsTerminal)
    : err_(err),
      out_(out),
      total_(total),
      shown_(shown && total > 1),
      outIsTerminal_(outIsTerminal) {}

Progress::~Progress() { Clear(); }

void Progress::Advance() {
  ++done_;
  if (!shown_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastDrawn_ < kRedrawEvery && done_ < total_) return;
  lastDrawn_ = now;
  const double seconds = std::chrono::duration<double>(now - started_).count();
  std::string line = std::to_string(done_) + "/" + std::to_string(total_) + " files";
  if (seconds > 0)
    line += ", " + std::to_string(static_cast<long long>(done_ / seconds)) + " files/s";
  // Spaces over what is left of a longer line before: no terminal control sequence is needed.
  const std::size_t length = line.size();
  if (length < drawn_) line.append(drawn_ - length, ' ');
  if (outIsTerminal_) out_.flush();
  err_ << '\r' << line << std::flush;
  drawn_ = length;
}

void Progress::BeforeError() { Clear(); }

void Progress::BeforeOutput() {
  if (outIsTerminal_) Clear();
}

void Progress::Clear() {
  if (drawn_ == 0) return;
  err_ << '\r' << std::string(drawn_, ' ') << '\r' << std::flush;
  drawn_ = 0;
}

}  // namespace nfse

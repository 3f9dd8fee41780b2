#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// The command line's inputs and outputs: files by name, "-" for the standard streams, and the
// lines it writes about them.
namespace nfse {

// The name that stands for standard input (or output, in place of an output file).
inline constexpr std::string_view kStandardStream = "-";

// The bytes of the input `name`: `in` for "-", read up to files::kMaxFileBytes as a file is, or
// else the file through the checked read. Fails with files::Error or Failure naming the reason.
std::string ReadInput(const std::string& name, std::istream& in);

// Writes `bytes` to `name`: to `out` for "-", or else through the safe save (a temporary file
// renamed over the target). Fails with files::Error naming the reason.
void WriteOutput(const std::string& name, std::string_view bytes, std::ostream& out);

// `name` (8-bit text in the user's code page) as the error lines show it.
std::string ShownName(const std::string& name);

// Why `name` failed, on one line, from the failure's text: the file layer's
// `Could not read "NAME": ` becomes `could not read: `, as the line names the file already; each
// line break becomes "; " and every other control character U+FFFD, so no text from a file acts
// on a terminal.
std::string Reason(std::string_view failure, const std::string& name);

// The failure line: "nfse: NAME: REASON".
std::string FailureLine(const std::string& name, const std::string& reason);

}  // namespace nfse

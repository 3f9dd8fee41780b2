#include "nfse/io.h"

#include "binding/text.h"
#include "files/files.h"
#include "nfse/messages.h"

namespace nfse {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Text on one line: line breaks as "; ", with none at either end, and other control characters
// (C0, DEL, C1) as U+FFFD. Tabs stay.
std::string OnOneLine(std::string_view text) {
  const std::string utf8 = binding::ValidUtf8(text);
  std::string out;
  bool pendingBreak = false;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c == '\r' || c == '\n') {
      pendingBreak = !out.empty();
      continue;
    }
    if (pendingBreak) out += "; ";
    pendingBreak = false;
    if ((c < 0x20 && c != '\t') || c == 0x7F) {
      out += kReplacement;
    } else if (c == 0xC2 && i + 1 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      out += kReplacement;
      ++i;
    } else {
      out += utf8[i];
    }
  }
  return out;
}

}  // namespace

std::string ReadInput(const std::string& name, std::istream& in) {
  if (name != kStandardStream) return files::ReadFileBytes(binding::Local8BitPath(name));
  std::string bytes;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    if (bytes.size() + static_cast<std::size_t>(in.gcount()) > files::kMaxFileBytes) {
      throw Failure("it is larger than " + std::to_string(files::kMaxFileBytes / (1024 * 1024)) +
                    " MiB, the largest input that is read");
    }
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw Failure("standard input could not be read");
  return bytes;
}

void WriteOutput(const std::string& name, std::string_view bytes, std::ostream& out) {
  if (name != kStandardStream)
    return files::WriteFileAtomically(binding::Local8BitPath(name), bytes);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ShownName(const std::string& name) {
  if (name == kStandardStream) return "standard input";
  return OnOneLine(binding::Local8BitToUtf8(name));
}

std::string Reason(std::string_view failure, const std::string& name) {
  const std::string path = binding::Local8BitPath(name).string();
  for (std::string_view verb : {"read", "save"}) {
    const std::string prefix = "Could not " + std::string(verb) + " \"" + path + "\": ";
    if (failure.starts_with(prefix))
      return "could not " + std::string(verb) + ": " + OnOneLine(failure.substr(prefix.size()));
  }
  return OnOneLine(failure);
}

std::string FailureLine(const std::string& name, const std::string& reason) {
  return "nfse: " + ShownName(name) + ": " + reason;
}

}  // namespace nfse

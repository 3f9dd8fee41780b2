#include "listings/listing.h"

#include <algorithm>

namespace listings {

void ThrowIfStopped(const Listing& listing) {
  if (listing.failure) throw Stopped(*listing.failure);
}

std::string OneLine(std::string_view text) {
  static constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";       // U+2028
  static constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";  // U+2029
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with("\r\n")) {
      out += kLineBreakMark;
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      out += kLineBreakMark;
    } else if (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator)) {
      out += kLineBreakMark;
      i += kLineSeparator.size() - 1;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<std::string> Texts(std::span<const Value> values) {
  std::vector<std::string> texts;
  texts.reserve(values.size());
  for (const Value& value : values) texts.push_back(value.text);
  return texts;
}

std::vector<std::string> Lines(std::span<const Value> values) {
  std::vector<std::string> lines;
  lines.reserve(values.size());
  for (const Value& value : values) lines.push_back(OneLine(value.text));
  return lines;
}

std::pair<std::span<const Value>, std::span<const Value>> SplitAtReturnMessages(
    const Listing& listing) {
  const std::span<const Value> all = listing.values;
  const auto messages = std::find_if(all.begin(), all.end(), [](const Value& value) {
    return value.path.starts_with("ListaMensagemRetorno/");
  });
  const auto at = static_cast<std::size_t>(messages - all.begin());
  return {all.first(at), all.subspan(at)};
}

}  // namespace listings

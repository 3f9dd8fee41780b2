#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "binding/errors.h"

// A document's values as the programs list them, each labelled with where it sits, and the rule
// that shows one value on one line.
namespace listings {

// One listed value. `path` says where it sits below the document's root: element names joined
// by "/", an attribute as "@Id", an item of a repeated element with its index from 0
// ("ListaMensagemRetorno/MensagemRetorno[0]/Codigo"). `text` is the value as the programs show
// it, in UTF-8, line breaks and all.
struct Value {
  std::string path;
  std::string text;

  friend bool operator==(const Value&, const Value&) = default;
};

// A document's values in listing order. A value that cannot be read stops the listing: the
// values read before it stay, and `failure` holds the reason (the error's own text). A complete
// listing has no failure.
struct Listing {
  std::vector<Value> values;
  std::optional<std::string> failure;
};

// A stopped listing raised as an error; what() is the listing's failure.
class Stopped : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws Stopped when the listing stopped before its end; a complete listing passes.
void ThrowIfStopped(const Listing& listing);

// The text `read()` gives, or empty text for a value the document leaves out where reading
// creates nothing (the service layout): a captured file lists completely, and only a value that
// is there and cannot be read stops the listing.
template <class Read>
std::string ShownOrEmpty(Read&& read) {
  try {
    return read();
  } catch (const binding::MissingValueError&) {
    return {};
  }
}

// Runs `list(values)`, which appends values in order, and ends it at its first failure: the
// listing keeps the values appended before it and records the failure's text.
template <class List>
Listing Gather(List&& list) {
  Listing listing;
  try {
    list(listing.values);
  } catch (const std::exception& e) {
    listing.failure = e.what();
  } catch (...) {
    listing.failure = "unknown failure";
  }
  return listing;
}

// The mark a line break of a value shows as: "⏎" (U+23CE).
inline constexpr std::string_view kLineBreakMark = "\xE2\x8F\x8E";

// `text` (UTF-8) on one line: each line break (CR LF, a lone CR or LF, U+2028, U+2029) becomes
// one kLineBreakMark. A value holding a line break would otherwise fill several lines of a
// listing, and every later value would sit on the wrong line.
std::string OneLine(std::string_view text);

// The texts of `values` as they are, for the grids.
std::vector<std::string> Texts(std::span<const Value> values);
// The texts of `values` one line each (OneLine), as a listing box or the command line shows
// them.
std::vector<std::string> Lines(std::span<const Value> values);

// A response listing cut before its first return message ("ListaMensagemRetorno/..."): the
// values of the document's body, then its return messages.
std::pair<std::span<const Value>, std::span<const Value>> SplitAtReturnMessages(
    const Listing& listing);

}  // namespace listings

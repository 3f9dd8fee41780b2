#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "binding/layout.h"
#include "listings/listing.h"

// How `nfse list` prints what it read of each file.
namespace nfse {

// One file as listed: the document its root names and the layout it was read in (none when the
// file was not read that far), its values in listing order, and why it failed, if it did.
struct Listed {
  std::string file;  // as given, 8-bit text in the user's code page
  std::optional<std::string> document;
  std::optional<binding::Layout> layout;
  std::vector<listings::Value> values;
  std::optional<std::string> error;
};

enum class Format { Text, Json };

// Prints listed files one after another, in the format asked for:
//   text  one line per value: its path, a tab, and its text on one line (listings::OneLine);
//   json  an array of one object per file: "file", "document", "layout", "values" (objects of
//         "path" and "value" in listing order) and "error" (null, or the reason).
// The array is closed by Finish.
class ListingWriter {
 public:
  ListingWriter(std::ostream& out, Format format) : out_(out), format_(format) {}
  void Write(const Listed& listed);
  void Finish();

 private:
  std::ostream& out_;
  Format format_;
  bool first_ = true;
};

}  // namespace nfse

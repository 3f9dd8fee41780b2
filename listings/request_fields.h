#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "listings/listing.h"

namespace listings {

// The two grids of a request tab: the one along the top, and the one below it.
enum class Grid { Upper, Lower };

// One row of a request grid, written once: the grid it sits in, its key and its value at start
// (UTF-8), the path of the field it fills, and how that field is written from the grid's text
// and read back as the grid shows it (UTF-8). `Text` is the grid's text in the form the
// program's bindings take without loss: UTF-8 for the cancellation request, whose fields
// convert it to 8-bit text, UTF-16 for the query request.
template <class Root, class Text>
struct RequestField {
  Grid grid;
  std::string_view key;
  std::string_view start;
  std::string_view path;
  void (*write)(Root& root, const Text& text);
  std::string (*read)(Root& root);
};

// Writes one text per field into the request, in the table's order, each field reaching its
// element from the root again; a text that cannot be written stops it there, with the fields
// before it written.
template <class Root, class Text>
void WriteRequest(Root& root, std::span<const RequestField<Root, Text>> fields,
                  const std::vector<Text>& texts) {
  if (texts.size() != fields.size()) {
    throw std::invalid_argument("one text per request field is needed");
  }
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i].write(root, texts[i]);
}

// The request's fields in the table's order, as the grids show them.
template <class Root, class Text>
Listing ListRequest(Root& root, std::span<const RequestField<Root, Text>> fields) {
  return Gather([&](std::vector<Value>& values) {
    for (const auto& field : fields)
      values.push_back({std::string(field.path), ShownOrEmpty([&] { return field.read(root); })});
  });
}

}  // namespace listings

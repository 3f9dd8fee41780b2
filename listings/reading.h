#pragma once

// How the listings read a document: each value from the root again through the typed readers,
// shown as text, under the path of the element it comes from.

#include <charconv>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "listings/listing.h"

namespace listings {

// A value as the programs show it, in UTF-8: 8-bit text (the cancellation bindings') from the
// user's code page, wide text (the query bindings') from UTF-16, an integer in decimal with "-"
// when negative (an 8-bit one as a number, not a character), a boolean as "-1" (true) or "0".
std::string Shown(const std::string& local8Bit);
std::string Shown(const std::u16string& wide);
std::string Shown(bool value);

template <std::integral Integer>
requires(!std::same_as<Integer, bool>) std::string Shown(Integer value) {
  char digits[24];
  const auto end =
      std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value)).ptr;
  return std::string(digits, end);
}

// One fixed value of a listing: its path and how it is read from the root.
template <class Root>
struct Line {
  std::string_view path;
  std::string (*read)(Root& root);
};

// Appends the value of each line in order; a read that fails goes on to the caller.
template <class Root>
void AddLines(Root& root, std::span<const Line<Root>> lines, std::vector<Value>& values) {
  for (const Line<Root>& line : lines)
    values.push_back({std::string(line.path), ShownOrEmpty([&] { return line.read(root); })});
}

// Appends Codigo, Mensagem and Correcao of every return message of a response, in order. The
// count is read once; each value reaches its item from the root again.
template <class Root>
void AddReturnMessages(Root& root, std::vector<Value>& values) {
  const std::int32_t count = root.ListaMensagemRetorno()->Count();
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string item = "ListaMensagemRetorno/MensagemRetorno[" + std::to_string(i) + "]/";
    values.push_back({item + "Codigo", Shown(root.ListaMensagemRetorno()->ItemAt(i)->Codigo())});
    values.push_back(
        {item + "Mensagem", Shown(root.ListaMensagemRetorno()->ItemAt(i)->Mensagem())});
    values.push_back(
        {item + "Correcao", Shown(root.ListaMensagemRetorno()->ItemAt(i)->Correcao())});
  }
}

// A response: its fixed lines, then its return messages; the first value that cannot be read
// stops it.
template <class Root>
Listing ListResponse(Root& root, std::span<const Line<Root>> lines) {
  return Gather([&](std::vector<Value>& values) {
    AddLines(root, lines, values);
    AddReturnMessages(root, values);
  });
}

}  // namespace listings

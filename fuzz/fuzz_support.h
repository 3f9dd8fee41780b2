#pragma once

// What every harness shares: the input as text, and a way to call one reader after another so
// that a value failing to convert does not stop the readers after it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "binding/binding.h"

namespace fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Runs `read`; a clear error from the node layer is an expected outcome of bad input.
template <class Read>
void Try(Read&& read) {
  try {
    read();
  } catch (const binding::Error&) {
  }
}

// Parses the input as `Root` under each layout, then gives it to `walk` and serialises what the
// walk left, as opening and then saving a document does. Input that is not such a document ends
// it. The two layouts take different paths through the node layer: reads that create elements,
// and reads that create nothing but pending views whose writes go in sequence order.
template <class Root, class Walk>
void OpenWalkSave(std::string_view bytes, std::string_view tag, std::string_view ns, Walk&& walk) {
  for (const binding::Layout layout : {binding::Layout::Specified, binding::Layout::Service}) {
    std::shared_ptr<Root> root;
    try {
      root = binding::BindDocument<Root>(binding::ParseDocument(bytes, layout), tag, ns);
    } catch (const binding::Error&) {
      return;
    }
    walk(*root);
    Try([&] { (void)root->OwnerDocument()->XmlBytes(); });
  }
}

}  // namespace fuzz

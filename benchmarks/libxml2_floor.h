#pragma once

#include <libxml/tree.h>

#include <cstddef>

// The floor the benchmarks measure the node layer against: libxml2 alone.
namespace benchmarks {

// Visits every element of the tree below and beside `node` once; their count.
inline std::size_t VisitElements(const xmlNode* node) {
  std::size_t count = 0;
  for (; node; node = node->next)
    if (node->type == XML_ELEMENT_NODE) count += 1 + VisitElements(node->children);
  return count;
}

}  // namespace benchmarks

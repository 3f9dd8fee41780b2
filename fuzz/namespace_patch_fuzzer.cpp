// Orvane's save-time adjustment over any bytes: it adjusts them or refuses them with a clear
// error, never anything worse.

#include <stdexcept>

#include "fuzz/fuzz_support.h"
#include "query_documents/namespaces.h"
#include "query_tool/namespace_patch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    (void)query_tool::AdjustedRequestBytes(fuzz::Bytes(data, size),
                                           query_documents::TypesNamespace);
  } catch (const std::runtime_error&) {
  }
  return 0;
}

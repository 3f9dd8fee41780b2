// Converts the input as `nfse convert` does, to each layout: what conversion writes must open
// again as the same document, in the layout it was written in, and list.

#include <optional>

#include "fuzz/fuzz_support.h"
#include "nfse/nfse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<nfse::Message> message;
  try {
    message = nfse::OpenMessage(fuzz::Bytes(data, size), std::nullopt);
  } catch (const binding::Error&) {
    return 0;
  } catch (const nfse::Failure&) {
    return 0;
  }
  for (binding::Layout target : {binding::Layout::Specified, binding::Layout::Service}) {
    std::string converted;
    try {
      converted = nfse::Convert(*message, target)->XmlBytes();
    } catch (const binding::Error&) {
      continue;  // text the declaration's encoding cannot hold
    }
    try {
      const nfse::Message again = nfse::OpenMessage(converted, target);
      if (again.document != message->document) __builtin_trap();
      (void)nfse::List(again);
    } catch (const binding::Error&) {
      __builtin_trap();  // convert wrote a file that does not open
    } catch (const nfse::Failure&) {
      __builtin_trap();
    }
  }
  return 0;
}

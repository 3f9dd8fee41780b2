// Converts the input as `nfse convert` does, to each layout: what conversion writes must open
// again, as the command line opens any file, as the same document, and list. (It is not asked to
// open in the layout it was written in: a document of elements no type declares keeps them in
// their parent's namespace, and so reads as specified.)

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
      converted = nfse::ConvertedBytes(*message, target);
    } catch (const binding::Error&) {
      continue;  // text the declaration's encoding cannot hold
    } catch (const nfse::Failure&) {
      continue;  // bytes that would not read back, which convert refuses to write
    }
    try {
      const nfse::Message again = nfse::OpenMessage(converted, std::nullopt);
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

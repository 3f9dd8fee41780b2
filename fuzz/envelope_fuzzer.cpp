// Takes the input as `nfse unwrap` and `nfse list` do: as a SOAP envelope, the message it
// carries is taken out, and that message must open again as the document it was found to be;
// then the input is opened as the command line opens any file and listed.

#include <optional>

#include "fuzz/fuzz_support.h"
#include "nfse/nfse.h"

namespace {

// What unwrap writes: the message, which was recognised as one of the four documents.
void Unwrap(std::string_view bytes) {
  std::string message;
  try {
    const auto document = binding::ParseDocument(bytes, binding::Layout::Service);
    if (!nfse::IsEnvelope(*document->DocumentElement())) return;
    message = nfse::CarriedMessage(*document);
  } catch (const binding::Error&) {
    return;
  } catch (const nfse::Failure&) {
    return;
  }
  try {
    (void)nfse::OpenMessage(message, std::nullopt);
  } catch (const binding::Error&) {
    __builtin_trap();  // unwrap wrote a file that does not open
  } catch (const nfse::Failure&) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  (void)nfse::DeclaringUtf8(bytes);
  Unwrap(bytes);
  try {
    (void)nfse::List(nfse::OpenMessage(bytes, std::nullopt));
  } catch (const binding::Error&) {
  } catch (const nfse::Failure&) {
  }
  return 0;
}

#pragma once

#include <string>
#include <string_view>

#include "binding/binding.h"

// SOAP envelopes, as the service's messages travel in them: requests carry their message as
// escaped text in the second part of the body (the first is a header message), responses in
// their return part, and either may also carry it as an element of the body.
namespace nfse {

// Whether `element` is a SOAP 1.1 or SOAP 1.2 envelope.
bool IsEnvelope(binding::TXMLNode& element);

// The message an envelope carries, as the bytes of a document of its own: the first of the four
// documents found in the body, depth first, either an element (copied out with the namespaces
// it uses) or the text of a part. A part's text is written as it came, but for its XML
// declaration, which names UTF-8: the text was unescaped into UTF-8 whatever encoding its
// declaration named. Fails with Failure naming why when the body holds no such document.
std::string CarriedMessage(binding::TXMLDocument& envelope);

// `text` (UTF-8) with the encoding its XML declaration names replaced by UTF-8 when it names
// another; text with no declaration, or one that names no encoding, is UTF-8 already.
std::string DeclaringUtf8(std::string_view text);

}  // namespace nfse

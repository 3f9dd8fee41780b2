#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "binding/binding.h"
#include "listings/listing.h"

// The four documents the command line reads, which one a file holds and in which layout, and
// what the programs show of it.
namespace nfse {

// A file the command cannot take, with the reason as what() (UTF-8).
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Document { CancelRequest, CancelResponse, QueryRequest, QueryResponse };

// The document whose root element has that local name and namespace (the namespace compared
// without regard to ASCII letter case, as the bindings compare it), or none.
std::optional<Document> DocumentOf(std::string_view localName, std::string_view ns);
// The local name of a document's root element: "CancelarNfseEnvio", ...
std::string_view RootName(Document document);

// A message opened for listing or converting: which document it is, the layout it was read in
// and its root bound as that document's root type.
struct Message {
  Document document;
  binding::Layout layout;
  std::shared_ptr<binding::TXMLNode> root;
};

// Opens the message that `bytes` hold: a document of its own, or the one a SOAP envelope
// carries. `layout` none picks the layout the document's elements are in, and the specified
// layout when nothing tells. Fails with binding::Error when the bytes are not XML, and with
// Failure when they hold none of the four documents, or when the service layout is asked for a
// document whose elements are in the specified one (as the windows refuse it).
Message OpenMessage(std::string_view bytes, std::optional<binding::Layout> layout);

// The values the programs show of the message: a response as its program's listing shows it, a
// request as Open puts it in the grids.
listings::Listing List(const Message& message);

// A new document holding the message in the `target` layout: the same values in the same order.
std::shared_ptr<binding::TXMLDocument> Convert(const Message& message, binding::Layout target);

// The bytes `nfse convert` writes: the message converted to `target`, in the encoding its
// declaration names. Fails with Failure when those bytes would not read back as the same
// document (an encoding such as UTF-7 writes even the markup in its own way), so nothing
// unreadable is written.
std::string ConvertedBytes(const Message& message, binding::Layout target);

}  // namespace nfse

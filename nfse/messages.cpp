#include "nfse/messages.h"

#include "cancel_documents/cancel_documents.h"
#include "listings/cancel.h"
#include "listings/query.h"
#include "nfse/envelope.h"
#include "query_documents/query_documents.h"

namespace nfse {

namespace {

using binding::Layout;
using CancelRequest = cancel_documents::request::TXMLCancelarNfseEnvio;
using CancelResponse = cancel_documents::response::TXMLCancelarNfseResposta;
using QueryRequest = query_documents::TXMLConsultarNfseRpsEnvio;
using QueryResponse = query_documents::TXMLConsultarNfseRpsResposta;

struct Kind {
  Document document;
  std::string_view root;
  const std::string& ns;
};

const Kind& KindOf(Document document) {
  static const Kind kinds[] = {
      {Document::CancelRequest, cancel_documents::request::RootName,
       cancel_documents::request::TargetNamespace},
      {Document::CancelResponse, cancel_documents::response::RootName,
       cancel_documents::response::TargetNamespace},
      {Document::QueryRequest, query_documents::RequestRootName, query_documents::RequestNamespace},
      {Document::QueryResponse, query_documents::ResponseRootName,
       query_documents::ResponseNamespace},
  };
  return kinds[static_cast<int>(document)];
}

template <class Root>
std::shared_ptr<binding::TXMLNode> Bind(const std::shared_ptr<binding::TXMLDocument>& document,
                                        Document kind) {
  return binding::BindDocument<Root>(document, KindOf(kind).root, KindOf(kind).ns);
}

std::shared_ptr<binding::TXMLNode> BindAs(Document kind,
                                          const std::shared_ptr<binding::TXMLDocument>& document) {
  switch (kind) {
    case Document::CancelRequest:
      return Bind<CancelRequest>(document, kind);
    case Document::CancelResponse:
      return Bind<CancelResponse>(document, kind);
    case Document::QueryRequest:
      return Bind<QueryRequest>(document, kind);
    case Document::QueryResponse:
      break;
  }
  return Bind<QueryResponse>(document, kind);
}

// XInclude is never followed: a document that holds an inclusion is not whole as it is read,
// and its listing would tell nothing of what it includes, so it fails. Only a file whose bytes
// name the namespace is walked; one that names it otherwise (in UTF-16, or through character
// references) is listed as it reads, its inclusion unfollowed all the same.
constexpr std::string_view kXIncludeNamespace = "http://www.w3.org/2001/XInclude";

bool HoldsElementIn(binding::TXMLNode& element, std::string_view ns) {
  for (const auto& child : element.ChildNodes())
    if (child->IsElement() && (child->NamespaceURI() == ns || HoldsElementIn(*child, ns)))
      return true;
  return false;
}

bool HoldsXInclude(std::string_view bytes, binding::TXMLNode& root) {
  return bytes.find(kXIncludeNamespace) != std::string_view::npos &&
         HoldsElementIn(root, kXIncludeNamespace);
}

// The root was bound as the document's type when the message was opened.
template <class Root>
Root& As(const Message& message) {
  return static_cast<Root&>(*message.root);
}

Message OpenDocument(std::shared_ptr<binding::TXMLDocument> document, std::string_view bytes,
                     std::optional<Layout> layout, bool envelopeAllowed) {
  const std::shared_ptr<binding::TXMLNode> element = document->DocumentElement();
  if (envelopeAllowed && IsEnvelope(*element)) {
    const std::string carried = CarriedMessage(*document);
    const Layout first = layout.value_or(Layout::Service);
    return OpenDocument(binding::ParseDocument(carried, first), carried, layout, false);
  }
  const std::optional<Document> kind = DocumentOf(element->LocalName(), element->NamespaceURI());
  if (!kind) {
    throw Failure("not an NFS-e message: its root element is \"" + element->LocalName() +
                  "\" in the namespace \"" + element->NamespaceURI() + "\"");
  }
  if (HoldsXInclude(bytes, *element))
    throw Failure("it holds an XInclude element, and what that would include is never read");
  const std::optional<Layout> detected = binding::DetectLayout(*document);
  // As the windows refuse it under the service choice: every value would read as left out.
  if (layout == Layout::Service && detected == Layout::Specified) {
    throw Failure(
        "its elements are in the specified layout: read it with --layout specified or auto");
  }
  const Layout chosen = layout ? *layout : detected.value_or(Layout::Specified);
  // Whitespace between elements is kept or dropped as the parse's layout says, so a document
  // read in another layout than it was parsed in is parsed again.
  if (chosen != document->NamespaceLayout()) document = binding::ParseDocument(bytes, chosen);
  return {*kind, chosen, BindAs(*kind, document)};
}

}  // namespace

std::optional<Document> DocumentOf(std::string_view localName, std::string_view ns) {
  for (Document d : {Document::CancelRequest, Document::CancelResponse, Document::QueryRequest,
                     Document::QueryResponse}) {
    if (localName == KindOf(d).root && binding::EqualsIgnoringAsciiCase(ns, KindOf(d).ns)) return d;
  }
  return std::nullopt;
}

std::string_view RootName(Document document) { return KindOf(document).root; }

Message OpenMessage(std::string_view bytes, std::optional<Layout> layout) {
  // Parsed first in the service layout, which keeps all a file holds: an envelope's whitespace,
  // and a service file's as it is read.
  const Layout first = layout.value_or(Layout::Service);
  return OpenDocument(binding::ParseDocument(bytes, first), bytes, layout, true);
}

listings::Listing List(const Message& message) {
  switch (message.document) {
    case Document::CancelRequest:
      return listings::ListCancelRequest(As<CancelRequest>(message));
    case Document::CancelResponse:
      return listings::ListCancelResponse(As<CancelResponse>(message));
    case Document::QueryRequest:
      return listings::ListQueryRequest(As<QueryRequest>(message));
    case Document::QueryResponse:
      break;
  }
  return listings::ListQueryResponse(As<QueryResponse>(message));
}

std::shared_ptr<binding::TXMLDocument> Convert(const Message& message, Layout target) {
  return binding::ConvertLayout(*message.root, target);
}

std::string ConvertedBytes(const Message& message, Layout target) {
  std::string bytes = Convert(message, target)->XmlBytes();
  try {
    if (OpenMessage(bytes, std::nullopt).document == message.document) return bytes;
  } catch (const std::exception& e) {
    throw Failure(std::string("the converted document would not read back: ") + e.what());
  }
  throw Failure("the converted document would not read back as the same document");
}

}  // namespace nfse

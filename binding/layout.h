#pragma once

#include <memory>
#include <optional>
#include <string_view>

namespace binding {

class TXMLDocument;
class TXMLNode;

// Where a document's elements sit. Chosen when a document is made or opened, and kept by it.
//   Specified  every child in its parent's namespace: the namespace of the root throughout;
//   Service    each element in the namespace the platform's schemas give it: the document's
//              own, the shared types, none, or the XML Signature namespace.
enum class Layout { Specified, Service };

// "specified" or "service".
std::string_view LayoutName(Layout layout);
// The layout of that name, or none.
std::optional<Layout> LayoutNamed(std::string_view name);

// The layout a parsed document's elements are in: Specified when every element outside the
// signatures is in the root's namespace, Service when some are elsewhere, and none when nothing
// below the root tells (an empty root, or one holding only signatures).
std::optional<Layout> DetectLayout(const TXMLDocument& document);

// A new document holding `root`'s document in the `target` layout: the same declaration, and the
// same elements, attributes and text in the same order, each element created in the namespace
// the target layout gives it, with the declarations a new document of that layout makes. The
// bound types of `root` and below tell where each element belongs; an element no type declares
// stays in its parent's namespace.
std::shared_ptr<TXMLDocument> ConvertLayout(TXMLNode& root, Layout target);

}  // namespace binding

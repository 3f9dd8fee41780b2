#pragma once

// Private to the node layer: its one view of libxml2. Every call into libxml2 is made in xml.cpp;
// the rest of the layer reads the fields of libxml2's structures and calls these helpers.

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

namespace binding::xml {

// Owning handles, freed by libxml2's own functions.
struct FreeDoc {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct FreeNode {
  void operator()(xmlNode* node) const { xmlFreeNode(node); }
};
using DocPtr = std::unique_ptr<xmlDoc, FreeDoc>;
using NodePtr = std::unique_ptr<xmlNode, FreeNode>;

inline const xmlChar* Chars(const char* s) { return reinterpret_cast<const xmlChar*>(s); }
inline const xmlChar* Chars(const std::string& s) { return Chars(s.c_str()); }
inline std::string_view View(const xmlChar* s) {
  return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}
inline std::string String(const xmlChar* s) { return std::string(View(s)); }

// xmlDoc and xmlAttr begin with the same fields as xmlNode, which is how libxml2 itself walks
// them as nodes.
inline xmlNode* AsNode(xmlDoc* doc) { return reinterpret_cast<xmlNode*>(doc); }
inline xmlNode* AsNode(xmlAttr* attr) { return reinterpret_cast<xmlNode*>(attr); }

// Only elements and attributes have a namespace field (a document's layout differs there).
inline bool HasNamespaceField(const xmlNode* n) {
  return n->type == XML_ELEMENT_NODE || n->type == XML_ATTRIBUTE_NODE;
}
inline std::string_view NamespaceOf(const xmlNode* n) {
  return HasNamespaceField(n) && n->ns ? View(n->ns->href) : "";
}
inline std::string_view PrefixOf(const xmlNode* n) {
  return HasNamespaceField(n) && n->ns ? View(n->ns->prefix) : "";
}
inline bool IsTextLike(const xmlNode* n) {
  return n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE;
}

// Initialises libxml2 once, before the first document is made or parsed, and keeps its messages
// off standard error: failures reach callers as exceptions.
void InitialiseParser();

// The local name equals `name` (compared without measuring the DOM's string first).
bool LocalNameIs(const xmlNode* n, std::string_view name);
// Qualified name equals `tag`, or failing that the local name does.
bool NameMatches(const xmlNode* n, std::string_view tag);
// The element matching rule of the specified layout: an empty `ns` matches any namespace,
// otherwise the namespace must equal it without regard to ASCII letter case.
bool ElementMatches(const xmlNode* n, std::string_view tag, std::string_view ns);
// The element rule of the service layout: the local name, and exactly the namespace `uri` ("" for
// none), letter case aside; the prefix plays no part.
bool ElementIn(const xmlNode* n, std::string_view local, std::string_view uri);

// Parses bytes with libxml2's `options`; fails with binding::ParseError naming the first error.
DocPtr Parse(std::string_view bytes, int options);
// The document unformatted in its declaration's encoding, with or without the declaration.
std::string Serialise(xmlDoc* doc, bool withDeclaration);
DocPtr NewDoc(std::string_view version);
// Sets one of the declaration's fields; an empty value leaves it out.
void SetDeclarationField(const xmlChar*& field, std::string_view value);

// A new element for `tag` in namespace `ns` that will go under `parent`: prefixed as an in-scope
// declaration of `ns` is, or declaring `ns` itself when none is in scope. A prefixed `tag` keeps
// its prefix, declared for `ns` on the new element unless already bound to `ns` in scope.
xmlNode* NewElementInNamespace(xmlNode* parent, std::string_view tag, std::string_view ns);
// A new child of `parent` as the specified layout makes one: the parent's prefix and namespace
// and no declaration; a prefixed tag lands in the namespace its prefix is declared for, or
// declares its prefix for the parent's namespace.
xmlNode* NewElementLikeParent(xmlNode* parent, std::string_view tag);
// A new child of `parent` in namespace `uri` ("" for none) as the service layout makes one: the
// prefix of an in-scope declaration of `uri`; with none in scope, its own declaration (for the
// prefix of `tag`, or as the default namespace). An element in no namespace under a default
// namespace undeclares it.
xmlNode* NewElementIn(xmlNode* parent, std::string_view tag, std::string_view uri);
// Declares `uri` on `element` for `prefix` ("" for the default namespace).
void Declare(xmlNode* element, std::string_view uri, std::string_view prefix);

void Append(xmlNode* parent, xmlNode* child);
void InsertBefore(xmlNode* sibling, xmlNode* node);
void Unlink(xmlNode* node);
void FreeSubtree(xmlNode* node);
// A new text node holding `utf8`, appended to `element`.
void AppendText(xmlNode* element, std::string_view utf8);
// Replaces the content of a text or CDATA node.
void SetContent(xmlNode* textNode, std::string_view utf8);
// Sets an attribute in no namespace, creating or replacing it.
void SetAttribute(xmlNode* element, std::string_view name, std::string_view utf8);
// Copies the attributes of `from` onto `to`, declaring what namespaced ones need.
void CopyAttributes(const xmlNode* from, xmlNode* to);
// A deep copy of `element` as the root of `doc`, declaring on it what namespaces it uses.
void CopyAsRoot(const xmlNode* element, xmlDoc* doc);
// A deep copy of a node that is not an element (text, comment, processing instruction, DTD), for
// `doc`; a DTD becomes the document's internal subset.
xmlNode* CopyNode(const xmlNode* node, xmlDoc* doc);

// An attribute's value as written: entity references stay references, never expanded.
std::string AttributeText(const xmlAttr* attribute);

}  // namespace binding::xml

#pragma once

// Private to the node layer: the few places that cast between libxml2's types and ours.

#include <libxml/tree.h>

#include <string>
#include <string_view>

#include "binding/text.h"

namespace binding::xml {

inline const xmlChar* Chars(const std::string& s) {
  return reinterpret_cast<const xmlChar*>(s.c_str());
}
inline std::string_view View(const xmlChar* s) {
  return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}
inline std::string String(const xmlChar* s) { return std::string(View(s)); }

// xmlDoc and xmlAttr begin with the same fields as xmlNode, which is how libxml2 itself walks
// them as nodes.
inline xmlNode* AsNode(xmlDoc* doc) { return reinterpret_cast<xmlNode*>(doc); }
inline xmlNode* AsNode(xmlAttr* attr) { return reinterpret_cast<xmlNode*>(attr); }
inline xmlAttr* AsAttr(xmlNode* node) { return reinterpret_cast<xmlAttr*>(node); }

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

// Initialises libxml2 once, before the first document is made or parsed.
void InitialiseParser();

// Qualified name equals `tag`, or failing that the local name does.
bool NameMatches(const xmlNode* n, std::string_view tag);

// The element matching rule: an empty `ns` matches any namespace, otherwise the namespace must
// equal it without regard to ASCII letter case.
bool ElementMatches(const xmlNode* n, std::string_view tag, std::string_view ns);

// A new element for `tag` in namespace `ns` that will go under `parent`: prefixed as an in-scope
// declaration of `ns` is, or declaring `ns` itself when none is in scope. A prefixed `tag` keeps
// its prefix, declared for `ns` on the new element unless already bound to `ns` in scope.
xmlNode* NewElementInNamespace(xmlNode* parent, std::string_view tag, std::string_view ns);

}  // namespace binding::xml

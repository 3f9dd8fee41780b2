// The node layer's calls into libxml2. Parsing files the program did not write: never from the
// network, never loading DTDs or external entities, never expanding entities into the tree,
// within libxml2's default size, depth and amplification limits.

#include "binding/xml.h"

#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <cstring>

#include "binding/errors.h"
#include "binding/text.h"

namespace binding::xml {

namespace {

void Ignore(void*, const char*, ...) {}
void IgnoreStructured(void*, xmlError*) {}

struct FreeParser {
  void operator()(xmlParserCtxt* parser) const { xmlFreeParserCtxt(parser); }
};
struct FreeBuffer {
  void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
};

constexpr std::size_t kSourceTextLength = 40;

struct FirstError {
  bool seen = false;
  std::string reason;
  int line = 0;
};

void RecordError(void* context, xmlError* error) {
  auto* parser = static_cast<xmlParserCtxt*>(context);
  auto* first = static_cast<FirstError*>(parser->_private);
  if (first->seen || error->level < XML_ERR_ERROR) return;
  first->seen = true;
  first->reason = error->message ? error->message : "";
  while (!first->reason.empty() && (first->reason.back() == '\n' || first->reason.back() == '\r'))
    first->reason.pop_back();
  first->line = error->line;
}

// The first characters of the offending line, as the error shows them.
std::string SourceText(std::string_view bytes, int line) {
  if (line < 1) return {};
  std::size_t start = 0;
  for (int i = 1; i < line && start < bytes.size(); ++i) {
    const std::size_t end = bytes.find('\n', start);
    start = end == std::string_view::npos ? bytes.size() : end + 1;
  }
  std::size_t end = bytes.find_first_of("\r\n", start);
  if (end == std::string_view::npos) end = bytes.size();
  const std::u16string text = Utf8ToUtf16(ValidUtf8(bytes.substr(start, end - start)));
  return Utf16ToUtf8(std::u16string_view(text).substr(0, kSourceTextLength));
}

std::string Owned(std::string_view s) { return std::string(s); }

}  // namespace

// The handlers are per thread: set them as defaults for new threads and for this one on every
// call.
void InitialiseParser() {
  static const bool initialised = [] {
    xmlInitParser();
    xmlThrDefSetGenericErrorFunc(nullptr, &Ignore);
    xmlThrDefSetStructuredErrorFunc(nullptr, &IgnoreStructured);
    return true;
  }();
  (void)initialised;
  xmlSetGenericErrorFunc(nullptr, &Ignore);
  xmlSetStructuredErrorFunc(nullptr, &IgnoreStructured);
}

bool LocalNameIs(const xmlNode* n, std::string_view name) {
  const auto* local = reinterpret_cast<const char*>(n->name);
  return local && !name.empty() && local[0] == name[0] &&
         std::strncmp(local, name.data(), name.size()) == 0 && local[name.size()] == '\0';
}

bool NameMatches(const xmlNode* n, std::string_view tag) {
  if (LocalNameIs(n, tag)) return true;
  const std::string_view prefix = PrefixOf(n);
  return !prefix.empty() && tag.size() > prefix.size() && tag[prefix.size()] == ':' &&
         tag.starts_with(prefix) && LocalNameIs(n, tag.substr(prefix.size() + 1));
}

bool ElementMatches(const xmlNode* n, std::string_view tag, std::string_view ns) {
  return n->type == XML_ELEMENT_NODE && NameMatches(n, tag) &&
         (ns.empty() || EqualsIgnoringAsciiCase(ns, NamespaceOf(n)));
}

bool ElementIn(const xmlNode* n, std::string_view local, std::string_view uri) {
  return n->type == XML_ELEMENT_NODE && LocalNameIs(n, local) &&
         EqualsIgnoringAsciiCase(uri, NamespaceOf(n));
}

DocPtr Parse(std::string_view bytes, int options) {
  InitialiseParser();
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
    throw ParseError("The file is too large to parse", 0, {});
  const std::unique_ptr<xmlParserCtxt, FreeParser> parser(xmlNewParserCtxt());
  if (!parser) throw Error("The XML DOM could not be created");
  FirstError first;
  parser->_private = &first;
  parser->sax->serror = &RecordError;
  DocPtr doc(xmlCtxtReadMemory(parser.get(), bytes.data(), static_cast<int>(bytes.size()), nullptr,
                               nullptr, options));
  // libxml2 returns a document after a namespace error, and none and no error for empty input.
  if (!doc || first.seen || !parser->wellFormed || !parser->nsWellFormed) {
    if (!first.seen)
      first.reason = bytes.empty() ? "Document is empty" : "Not a well-formed XML document";
    throw ParseError(first.reason, first.line, SourceText(bytes, first.line));
  }
  return doc;
}

std::string Serialise(xmlDoc* doc, bool withDeclaration) {
  InitialiseParser();
  const std::unique_ptr<xmlBuffer, FreeBuffer> buffer(xmlBufferCreate());
  const int options = XML_SAVE_AS_XML | (withDeclaration ? 0 : XML_SAVE_NO_DECL);
  const char* encoding = reinterpret_cast<const char*>(doc->encoding);
  xmlSaveCtxt* save = xmlSaveToBuffer(buffer.get(), encoding, options);
  if (!save) throw Error("Cannot write the encoding \"" + String(doc->encoding) + "\"");
  const bool written = xmlSaveDoc(save, doc) >= 0;
  // Closing flushes the encoder, which is where text the encoding cannot hold fails.
  if (xmlSaveClose(save) < 0 || !written)
    throw Error("The document could not be written in the encoding \"" + String(doc->encoding) +
                "\"");
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                     static_cast<std::size_t>(xmlBufferLength(buffer.get())));
}

DocPtr NewDoc(std::string_view version) {
  InitialiseParser();
  DocPtr doc(xmlNewDoc(Chars(Owned(version.empty() ? "1.0" : version))));
  if (!doc) throw Error("The XML DOM could not be created");
  return doc;
}

void SetDeclarationField(const xmlChar*& field, std::string_view value) {
  if (field) xmlFree(const_cast<xmlChar*>(field));
  field = value.empty() ? nullptr : xmlStrdup(Chars(Owned(value)));
}

xmlNode* NewElementInNamespace(xmlNode* parent, std::string_view tag, std::string_view ns) {
  const std::size_t colon = tag.find(':');
  const std::string prefix = colon == std::string_view::npos ? "" : Owned(tag.substr(0, colon));
  const std::string local = Owned(colon == std::string_view::npos ? tag : tag.substr(colon + 1));
  const std::string uri(ns);
  xmlDoc* doc = parent->doc;
  if (uri.empty()) return xmlNewDocNode(doc, nullptr, Chars(Owned(tag)), nullptr);
  const bool underElement = parent->type == XML_ELEMENT_NODE;
  // A prefixed name keeps its prefix, so that it is written, and found again, under that name;
  // a declaration in scope serves only when it binds that prefix to this namespace.
  xmlNs* inScope = !underElement    ? nullptr
                   : prefix.empty() ? xmlSearchNsByHref(doc, parent, Chars(uri))
                                    : xmlSearchNs(doc, parent, Chars(prefix));
  if (inScope && !prefix.empty() && View(inScope->href) != uri) inScope = nullptr;
  if (inScope) return xmlNewDocNode(doc, inScope, Chars(local), nullptr);
  xmlNode* element = xmlNewDocNode(doc, nullptr, Chars(local), nullptr);
  xmlSetNs(element, xmlNewNs(element, Chars(uri), prefix.empty() ? nullptr : Chars(prefix)));
  return element;
}

xmlNode* NewElementLikeParent(xmlNode* parent, std::string_view tag) {
  const std::size_t colon = tag.find(':');
  const bool isElement = parent->type == XML_ELEMENT_NODE;
  if (colon == std::string_view::npos)
    return xmlNewDocNode(parent->doc, isElement ? parent->ns : nullptr, Chars(Owned(tag)), nullptr);
  // A prefixed name lands in the namespace its prefix is declared for. With no declaration in
  // scope it declares its prefix for the parent's namespace, so the file stays well-formed and the
  // next lookup finds the element again.
  const std::string prefix = Owned(tag.substr(0, colon));
  const std::string local = Owned(tag.substr(colon + 1));
  xmlNs* ns = isElement ? xmlSearchNs(parent->doc, parent, Chars(prefix)) : nullptr;
  if (ns) return xmlNewDocNode(parent->doc, ns, Chars(local), nullptr);
  if (!isElement || !parent->ns)
    return xmlNewDocNode(parent->doc, nullptr, Chars(Owned(tag)), nullptr);
  xmlNode* element = xmlNewDocNode(parent->doc, nullptr, Chars(local), nullptr);
  xmlSetNs(element, xmlNewNs(element, parent->ns->href, Chars(prefix)));
  return element;
}

xmlNode* NewElementIn(xmlNode* parent, std::string_view tag, std::string_view uri) {
  const std::size_t colon = tag.find(':');
  const std::string prefix = colon == std::string_view::npos ? "" : Owned(tag.substr(0, colon));
  const std::string local = Owned(colon == std::string_view::npos ? tag : tag.substr(colon + 1));
  xmlDoc* doc = parent->doc;
  const bool underElement = parent->type == XML_ELEMENT_NODE;
  xmlNode* element = nullptr;
  if (uri.empty()) {
    element = xmlNewDocNode(doc, nullptr, Chars(local), nullptr);
    xmlNs* inheritedDefault = underElement ? xmlSearchNs(doc, parent, nullptr) : nullptr;
    if (inheritedDefault && inheritedDefault->href && *inheritedDefault->href)
      xmlNewNs(element, Chars(""), nullptr);
    return element;
  }
  const std::string href(uri);
  if (xmlNs* inScope = underElement ? xmlSearchNsByHref(doc, parent, Chars(href)) : nullptr)
    return xmlNewDocNode(doc, inScope, Chars(local), nullptr);
  element = xmlNewDocNode(doc, nullptr, Chars(local), nullptr);
  xmlSetNs(element, xmlNewNs(element, Chars(href), prefix.empty() ? nullptr : Chars(prefix)));
  return element;
}

void Declare(xmlNode* element, std::string_view uri, std::string_view prefix) {
  xmlNewNs(element, Chars(Owned(uri)), prefix.empty() ? nullptr : Chars(Owned(prefix)));
}

void Append(xmlNode* parent, xmlNode* child) { xmlAddChild(parent, child); }
void InsertBefore(xmlNode* sibling, xmlNode* node) { xmlAddPrevSibling(sibling, node); }
void Unlink(xmlNode* node) { xmlUnlinkNode(node); }
void FreeSubtree(xmlNode* node) { xmlFreeNode(node); }

void AppendText(xmlNode* element, std::string_view utf8) {
  xmlAddChild(element,
              xmlNewDocTextLen(element->doc, Chars(Owned(utf8)), static_cast<int>(utf8.size())));
}

void SetContent(xmlNode* textNode, std::string_view utf8) {
  xmlNodeSetContentLen(textNode, Chars(Owned(utf8)), static_cast<int>(utf8.size()));
}

void SetAttribute(xmlNode* element, std::string_view name, std::string_view utf8) {
  xmlSetNsProp(element, nullptr, Chars(Owned(name)), Chars(Owned(utf8)));
}

void CopyAttributes(const xmlNode* from, xmlNode* to) {
  // xmlCopyProp makes the copy for `to` but leaves linking it to the caller.
  xmlAttr* last = to->properties;
  while (last && last->next) last = last->next;
  for (xmlAttr* a = from->properties; a; a = a->next) {
    xmlAttr* copy = xmlCopyProp(to, a);
    if (!copy) continue;
    copy->prev = last;
    (last ? last->next : to->properties) = copy;
    last = copy;
  }
}

void CopyAsRoot(const xmlNode* element, xmlDoc* doc) {
  xmlNode* copy = xmlDocCopyNode(const_cast<xmlNode*>(element), doc, 1);
  if (!copy) throw Error("The XML DOM could not be created");
  xmlDocSetRootElement(doc, copy);
  xmlReconciliateNs(doc, copy);
}

xmlNode* CopyNode(const xmlNode* node, xmlDoc* doc) {
  if (node->type == XML_DTD_NODE) {
    xmlDtd* dtd = xmlCopyDtd(reinterpret_cast<xmlDtd*>(const_cast<xmlNode*>(node)));
    if (dtd) dtd->doc = doc;
    doc->intSubset = dtd;
    return reinterpret_cast<xmlNode*>(dtd);
  }
  return xmlDocCopyNode(const_cast<xmlNode*>(node), doc, 1);
}

std::string AttributeText(const xmlAttr* attribute) {
  std::string value;
  for (const xmlNode* part = attribute->children; part; part = part->next) {
    if (part->type == XML_ENTITY_REF_NODE)
      value += "&" + String(part->name) + ";";
    else
      value += View(part->content);
  }
  return value;
}

}  // namespace binding::xml

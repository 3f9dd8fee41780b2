#include "binding/document.h"

#include <libxml/parser.h>

#include "binding/platform.h"
#include "binding/text.h"
#include "binding/xml.h"
#include "files/files.h"

namespace binding {

namespace {

// A new service-layout root declares its own namespace and the shared types namespace, once.
// Its own is the default namespace, unless a child of the root is in no namespace: then it takes
// this prefix, so that child needs no undeclaration.
constexpr std::string_view kOwnPrefix = "p1";
constexpr std::string_view kTypesPrefix = "tipos";

bool StartsWithDeclaration(std::string_view b) {
  using namespace std::string_view_literals;
  if (b.starts_with("\xEF\xBB\xBF")) b.remove_prefix(3);
  if (b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF")) b.remove_prefix(2);
  return b.starts_with("<?xml") || b.starts_with("<\0?\0x\0m\0l\0"sv) ||
         b.starts_with("\0<\0?\0x\0m\0l"sv);
}

bool HasChildInNoNamespace(const NodeType* type) {
  for (const Property& p : type->children())
    if (p.ns == Ns::None) return true;
  return false;
}

}  // namespace

ParseOptions ParseOptions::For(Layout layout) {
  ParseOptions options;
  options.poPreserveWhiteSpace = layout == Layout::Service;
  return options;
}

int ParseOptions::ParserFlags() const {
  // Never from the network, never loading a DTD or expanding entities, errors reported to the
  // caller rather than printed. Validation and external resolution are never asked for.
  int flags = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_BIG_LINES;
  if (!poPreserveWhiteSpace) flags |= XML_PARSE_NOBLANKS;
  return flags;
}

TXMLDocument::TXMLDocument(Key, xmlDoc* dom, std::filesystem::path fileName, bool hasDeclaration,
                           Layout layout)
    : dom_(dom),
      fileName_(std::move(fileName)),
      hasDeclaration_(hasDeclaration),
      layout_(layout),
      parseOptions_(ParseOptions::For(layout)) {}

TXMLDocument::~TXMLDocument() {
  nodes_.clear();
  // Removed subtrees first: they still refer to the document's dictionary.
  for (xmlNode* node : detached_) xml::FreeSubtree(node);
  xml::FreeDoc{}(dom_);
}

std::shared_ptr<TXMLDocument> TXMLDocument::Adopt(xmlDoc* dom, std::filesystem::path fileName,
                                                  bool hasDeclaration, Layout layout) {
  return std::make_shared<TXMLDocument>(Key{}, dom, std::move(fileName), hasDeclaration, layout);
}

TXMLNode* TXMLDocument::Own(std::unique_ptr<TXMLNode> node) {
  nodes_.push_back(std::move(node));
  return nodes_.back().get();
}

TXMLNode* TXMLDocument::DocumentNodeObject() {
  if (!documentNode_) {
    documentNode_ = Own(std::make_unique<TXMLNode>(NodeInit(this, xml::AsNode(dom_))));
    dom_->_private = documentNode_;
  }
  return documentNode_;
}

std::shared_ptr<TXMLNode> TXMLDocument::DocumentNode() {
  return std::shared_ptr<TXMLNode>(shared_from_this(), DocumentNodeObject());
}

std::shared_ptr<TXMLNode> TXMLDocument::DocumentElement() {
  TXMLNode* documentNode = DocumentNodeObject();
  xmlNode* last = nullptr;
  for (xmlNode* child = dom_->children; child; child = child->next)
    if (child->type == XML_ELEMENT_NODE) last = child;
  if (!last) return nullptr;
  return std::shared_ptr<TXMLNode>(shared_from_this(),
                                   documentNode->Wrap(last, documentNode->RegisteredType(last)));
}

std::shared_ptr<TXMLNode> TXMLDocument::BindRoot(std::string_view tag, std::string_view ns,
                                                 const NodeType* type) {
  ownNamespace_ = ns;
  DocumentNodeObject()->RegisterChildType(tag, type, ns);
  if (!xmlDocGetRootElement(dom_)) xml::Append(xml::AsNode(dom_), NewRoot(tag, ns, type));
  return DocumentElement();
}

xmlNode* TXMLDocument::NewRoot(std::string_view tag, std::string_view ns, const NodeType* type) {
  xmlNode* documentNode = xml::AsNode(dom_);
  if (layout_ == Layout::Specified) return xml::NewElementInNamespace(documentNode, tag, ns);
  const std::string prefixed = std::string(kOwnPrefix) + ":" + std::string(tag);
  xmlNode* root = xml::NewElementIn(documentNode, HasChildInNoNamespace(type) ? prefixed : tag, ns);
  xml::Declare(root, SharedTypesNamespace, kTypesPrefix);
  return root;
}

std::string_view TXMLDocument::NamespaceFor(Ns ns, const xmlNode* parent) const {
  switch (ns) {
    case Ns::Types:
      return SharedTypesNamespace;
    case Ns::Document:
      if (!ownNamespace_.empty()) return ownNamespace_;
      if (const xmlNode* root = xmlDocGetRootElement(dom_)) return xml::NamespaceOf(root);
      return {};
    case Ns::None:
      return {};
    case Ns::Signature:
      return XmlSignatureNamespace;
    case Ns::Inherit:
      break;
  }
  return parent ? xml::NamespaceOf(parent) : std::string_view();
}

bool TXMLDocument::Declares(const xmlNode* child, const Property& p) const {
  if (child->type != XML_ELEMENT_NODE) return false;
  const xmlNode* parent = child->parent;
  // The name first: it tells most siblings apart, and costs less than the namespace.
  if (layout_ == Layout::Service && parent && parent->type == XML_ELEMENT_NODE)
    return xml::LocalNameIs(child, p.local) &&
           xml::ElementIn(child, p.local, NamespaceFor(p.ns, parent));
  // A child written in its parent's namespace mostly shares its parent's declaration.
  if (parent && parent->type == XML_ELEMENT_NODE && child->ns == parent->ns)
    return xml::NameMatches(child, p.tag);
  return xml::ElementMatches(child, p.tag, parent ? xml::NamespaceOf(parent) : "");
}

xmlNode* TXMLDocument::NewChildElement(xmlNode* parent, const Property& p) const {
  if (layout_ == Layout::Service && parent->type == XML_ELEMENT_NODE)
    return xml::NewElementIn(parent, p.tag, NamespaceFor(p.ns, parent));
  return xml::NewElementLikeParent(parent, p.tag);
}

const std::uint32_t* TXMLDocument::Watch(const xmlNode* element) { return &generations_[element]; }

void TXMLDocument::ChildrenChanged(const xmlNode* element) {
  if (generations_.empty()) return;
  if (const auto it = generations_.find(element); it != generations_.end()) ++it->second;
}

std::string TXMLDocument::Version() const { return xml::String(dom_->version); }
std::string TXMLDocument::Encoding() const { return xml::String(dom_->encoding); }
std::string TXMLDocument::Standalone() const {
  return dom_->standalone == 1 ? "yes" : dom_->standalone == 0 ? "no" : "";
}

void TXMLDocument::SetVersion(std::string_view version) {
  xml::SetDeclarationField(dom_->version, version.empty() ? "1.0" : version);
  hasDeclaration_ = true;
}

void TXMLDocument::SetEncoding(std::string_view encoding) {
  if (!dom_->version) xml::SetDeclarationField(dom_->version, "1.0");
  xml::SetDeclarationField(dom_->encoding, encoding);
  hasDeclaration_ = true;
}

void TXMLDocument::SetStandalone(std::string_view standalone) {
  if (!dom_->version) xml::SetDeclarationField(dom_->version, "1.0");
  dom_->standalone = standalone == "yes" ? 1 : standalone == "no" ? 0 : -1;
  hasDeclaration_ = true;
}

std::string TXMLDocument::XmlBytes() const { return xml::Serialise(dom_, hasDeclaration_); }

void TXMLDocument::SaveToFile(const std::filesystem::path& path) const {
  const std::string bytes = XmlBytes();
  try {
    files::WriteFileAtomically(path, bytes);
  } catch (const files::Error& e) {
    throw Error(e.what());
  }
}

std::string_view LayoutName(Layout layout) {
  return layout == Layout::Service ? "service" : "specified";
}

std::optional<Layout> LayoutNamed(std::string_view name) {
  if (name == "specified") return Layout::Specified;
  if (name == "service") return Layout::Service;
  return std::nullopt;
}

std::optional<Layout> DetectLayout(const TXMLDocument& document) {
  const xmlNode* root = xmlDocGetRootElement(document.dom_);
  if (!root) return std::nullopt;
  const std::string_view own = xml::NamespaceOf(root);
  bool anyElement = false;
  // Depth first through the elements below the root, passing over signatures: they are in the
  // XML Signature namespace under either layout.
  for (const xmlNode* n = root->children; n;) {
    const bool signature = n->type == XML_ELEMENT_NODE &&
                           EqualsIgnoringAsciiCase(xml::NamespaceOf(n), XmlSignatureNamespace);
    if (n->type == XML_ELEMENT_NODE && !signature) {
      if (!EqualsIgnoringAsciiCase(xml::NamespaceOf(n), own)) return Layout::Service;
      anyElement = true;
    }
    if (n->children && n->type == XML_ELEMENT_NODE && !signature) {
      n = n->children;
      continue;
    }
    while (n != root && !n->next) n = n->parent;
    n = n == root ? nullptr : n->next;
  }
  return anyElement ? std::optional<Layout>(Layout::Specified) : std::nullopt;
}

std::shared_ptr<TXMLDocument> NewDocument(std::string_view version, Layout layout) {
  return TXMLDocument::Adopt(xml::NewDoc(version).release(), {}, true, layout);
}

namespace {

std::shared_ptr<TXMLDocument> ParseBytes(std::string_view bytes, std::filesystem::path fileName,
                                         Layout layout) {
  xml::DocPtr dom = xml::Parse(bytes, ParseOptions::For(layout).ParserFlags());
  return TXMLDocument::Adopt(dom.release(), std::move(fileName), StartsWithDeclaration(bytes),
                             layout);
}

}  // namespace

std::shared_ptr<TXMLDocument> ParseDocument(std::string_view bytes, Layout layout) {
  return ParseBytes(bytes, {}, layout);
}

std::shared_ptr<TXMLDocument> OpenDocument(const std::filesystem::path& path, Layout layout) {
  std::string bytes;
  try {
    bytes = files::ReadFileBytes(path);
  } catch (const files::Error& e) {
    throw ParseError(e.what(), 0, {});
  }
  return ParseBytes(bytes, path, layout);
}

}  // namespace binding

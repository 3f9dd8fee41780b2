#include "binding/node.h"

#include <algorithm>

#include "binding/collection.h"
#include "binding/document.h"
#include "binding/xml.h"

namespace binding {

namespace xml {

bool NameMatches(const xmlNode* n, std::string_view tag) {
  const std::string_view local = View(n->name);
  const std::string_view prefix = PrefixOf(n);
  const bool qualified = prefix.empty() ? tag == local
                                        : tag.size() == prefix.size() + 1 + local.size() &&
                                              tag.substr(0, prefix.size()) == prefix &&
                                              tag[prefix.size()] == ':' &&
                                              tag.substr(prefix.size() + 1) == local;
  return qualified || tag == local;
}

bool ElementMatches(const xmlNode* n, std::string_view tag, std::string_view ns) {
  return n->type == XML_ELEMENT_NODE &&
         (ns.empty() || EqualsIgnoringAsciiCase(ns, NamespaceOf(n))) && NameMatches(n, tag);
}

xmlNode* NewElementInNamespace(xmlNode* parent, std::string_view tag, std::string_view ns) {
  const std::size_t colon = tag.find(':');
  const std::string prefix =
      colon == std::string_view::npos ? "" : std::string(tag.substr(0, colon));
  const std::string local(colon == std::string_view::npos ? tag : tag.substr(colon + 1));
  const std::string uri(ns);
  xmlDoc* doc = parent->doc;
  if (uri.empty()) return xmlNewDocNode(doc, nullptr, Chars(std::string(tag)), nullptr);
  const bool underElement = parent->type == XML_ELEMENT_NODE;
  // A prefixed name keeps its prefix, so that it is written, and found again, under that name;
  // a declaration in scope serves only when it binds that prefix to this namespace.
  xmlNs* inScope = !underElement    ? nullptr
                   : prefix.empty() ? xmlSearchNsByHref(doc, parent, Chars(uri))
                                    : xmlSearchNs(doc, parent, Chars(prefix));
  if (inScope && !prefix.empty() && View(inScope->href) != uri) inScope = nullptr;
  if (inScope) return xmlNewDocNode(doc, inScope, Chars(local), nullptr);
  xmlNode* element = xmlNewDocNode(doc, nullptr, Chars(local), nullptr);
  xmlNs* declared = xmlNewNs(element, Chars(uri), prefix.empty() ? nullptr : Chars(prefix));
  xmlSetNs(element, declared);
  return element;
}

}  // namespace xml

namespace {

constexpr const char* kNotSingleText = "Element does not contain a single text node";

bool IsTextLike(const xmlNode* n) {
  return n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE;
}

}  // namespace

TXMLNode::TXMLNode(const NodeInit& init)
    : document_(init.document_),
      node_(init.node_),
      parent_(init.parent_),
      children_(init.sharesWith_ ? init.sharesWith_->children_ : std::make_shared<ChildState>()) {}

TXMLNode::~TXMLNode() = default;

std::shared_ptr<TXMLDocument> TXMLNode::Keeper() const { return document_->shared_from_this(); }

std::shared_ptr<TXMLDocument> TXMLNode::OwnerDocument() const { return Keeper(); }

bool TXMLNode::IsElement() const { return node_->type == XML_ELEMENT_NODE; }

std::string TXMLNode::NodeName() const {
  const std::string_view prefix = xml::PrefixOf(node_);
  if (node_->type != XML_ELEMENT_NODE && node_->type != XML_ATTRIBUTE_NODE)
    return xml::String(node_->name);
  return prefix.empty() ? xml::String(node_->name)
                        : std::string(prefix) + ":" + xml::String(node_->name);
}

std::string TXMLNode::LocalName() const { return xml::String(node_->name); }
std::string TXMLNode::Prefix() const { return std::string(xml::PrefixOf(node_)); }
std::string TXMLNode::NamespaceURI() const { return std::string(xml::NamespaceOf(node_)); }

std::shared_ptr<TXMLNode> TXMLNode::ParentNode() const { return Share(parent_); }

std::vector<std::shared_ptr<TXMLNode>> TXMLNode::ChildNodes() {
  std::vector<std::shared_ptr<TXMLNode>> out;
  for (TXMLNode* child : Children()) out.push_back(Share(child));
  return out;
}

std::vector<std::shared_ptr<TXMLNode>> TXMLNode::AttributeNodes() {
  if (!attributesBuilt_) {
    attributes_.clear();
    if (node_->type == XML_ELEMENT_NODE) {
      for (xmlAttr* a = node_->properties; a; a = a->next) {
        if (!a->_private)
          a->_private = document_->Own(
              std::make_unique<TXMLNode>(NodeInit(document_, xml::AsNode(a), nullptr, nullptr)));
        attributes_.push_back(static_cast<TXMLNode*>(a->_private));
      }
    }
    attributesBuilt_ = true;
  }
  std::vector<std::shared_ptr<TXMLNode>> out;
  for (TXMLNode* a : attributes_) out.push_back(Share(a));
  return out;
}

TXMLNode* TXMLNode::Current() {
  auto* current = static_cast<TXMLNode*>(node_->_private);
  return current && node_->type != XML_DOCUMENT_NODE ? current : this;
}

std::vector<TXMLNode*>& TXMLNode::Children() {
  ChildState& state = State();
  if (!state.built) {
    state.list.clear();
    for (xmlNode* c = node_->children; c; c = c->next) state.list.push_back(Wrap(c));
    state.built = true;
    ++state.generation;
  }
  return state.list;
}

// The object of a DOM child, as the registrations type it: the one it already has when that is
// of the right type, else a new one that takes over the old one's children.
TXMLNode* TXMLNode::Wrap(xmlNode* dom) {
  NodeFactory type = nullptr;
  for (const Registration& r : State().registrations) {
    if (xml::ElementMatches(dom, r.tag, r.ns)) {
      type = r.type;
      break;
    }
  }
  auto* existing = static_cast<TXMLNode*>(dom->_private);
  if (existing && existing->type_ == type) return existing;
  const NodeInit init(document_, dom, Current(), existing);
  TXMLNode* node = document_->Own(type ? type(init) : std::make_unique<TXMLNode>(init));
  node->type_ = type;
  dom->_private = node;
  return node;
}

TXMLNode* TXMLNode::InsertChild(xmlNode* dom, std::size_t position) {
  std::vector<TXMLNode*>& list = Children();
  TXMLNode* child = Wrap(dom);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), child);
  ++State().generation;
  return child;
}

void TXMLNode::DropChildren() {
  ChildState& state = State();
  state.list.clear();
  state.built = false;
  ++state.generation;
}

TXMLNode* TXMLNode::FindChild(std::string_view tag) {
  const std::string_view ns = xml::NamespaceOf(node_);
  for (TXMLNode* child : Children())
    if (xml::ElementMatches(child->node_, tag, ns)) return child;
  return nullptr;
}

TXMLNode* TXMLNode::ChildNode(std::string_view tag) {
  if (TXMLNode* found = FindChild(tag)) return found;
  // The document node creates only its missing document element.
  if (node_->type == XML_DOCUMENT_NODE && xmlDocGetRootElement(node_->doc))
    throw NotFoundError(tag);
  xmlNode* element;
  const std::size_t colon = tag.find(':');
  if (colon != std::string_view::npos) {
    // A prefixed name lands in the namespace its prefix is declared for. With no declaration in
    // scope it declares its prefix for the parent's namespace, so the file stays well-formed and
    // the next lookup finds the element again.
    const std::string prefix(tag.substr(0, colon));
    const std::string local(tag.substr(colon + 1));
    const bool isElement = node_->type == XML_ELEMENT_NODE;
    xmlNs* ns = isElement ? xmlSearchNs(node_->doc, node_, xml::Chars(prefix)) : nullptr;
    if (ns || !isElement || !node_->ns) {
      element = ns ? xmlNewDocNode(node_->doc, ns, xml::Chars(local), nullptr)
                   : xmlNewDocNode(node_->doc, nullptr, xml::Chars(std::string(tag)), nullptr);
    } else {
      element = xmlNewDocNode(node_->doc, nullptr, xml::Chars(local), nullptr);
      xmlSetNs(element, xmlNewNs(element, node_->ns->href, xml::Chars(prefix)));
    }
  } else {
    // Same prefix and namespace as the parent, no declaration of its own.
    element = xmlNewDocNode(node_->doc, node_->type == XML_ELEMENT_NODE ? node_->ns : nullptr,
                            xml::Chars(std::string(tag)), nullptr);
  }
  xmlAddChild(node_, element);
  return InsertChild(element, Children().size());
}

std::shared_ptr<TXMLNode> TXMLNode::ChildElement(std::string_view tag) {
  return Share(ChildNode(tag));
}

xmlNode* TXMLNode::SingleTextNode() {
  if (!node_->children) {
    xmlNode* empty = xmlNewDocText(node_->doc, reinterpret_cast<const xmlChar*>(""));
    xmlAddChild(node_, empty);
    if (State().built) InsertChild(empty, State().list.size());
  }
  xmlNode* only = node_->children;
  if (only->next || !IsTextLike(only)) throw Error(kNotSingleText);
  return only;
}

std::string TXMLNode::NodeText() { return xml::String(SingleTextNode()->content); }

void TXMLNode::SetNodeText(std::string_view utf8) {
  CheckXmlText(utf8);
  xmlNodeSetContent(SingleTextNode(), xml::Chars(std::string(utf8)));
}

DomValue TXMLNode::NodeValue() {
  std::string text = NodeText();
  if (text.empty()) return std::nullopt;
  return text;
}

std::string TXMLNode::ElementText(std::string_view tag) { return ChildNode(tag)->NodeText(); }

DomValue TXMLNode::ElementValue(std::string_view tag) { return ChildNode(tag)->NodeValue(); }

void TXMLNode::SetElementValue(std::string_view tag, std::string_view utf8) {
  ChildNode(tag)->SetNodeText(utf8);
}

std::string TXMLNode::AttributeValue(std::string_view name) {
  if (node_->type == XML_ELEMENT_NODE) {
    for (xmlAttr* a = node_->properties; a; a = a->next) {
      if (!xml::NameMatches(xml::AsNode(a), name)) continue;
      // Entity references stay as written; they are never expanded.
      std::string value;
      for (xmlNode* part = a->children; part; part = part->next) {
        if (part->type == XML_ENTITY_REF_NODE)
          value += "&" + xml::String(part->name) + ";";
        else
          value += xml::View(part->content);
      }
      return value;
    }
  }
  SetAttributeValue(name, "");
  return {};
}

void TXMLNode::SetAttributeValue(std::string_view name, std::string_view utf8) {
  if (node_->type != XML_ELEMENT_NODE) throw Error("Attributes belong to elements only");
  CheckXmlText(utf8);
  xmlSetNsProp(node_, nullptr, xml::Chars(std::string(name)), xml::Chars(std::string(utf8)));
  attributesBuilt_ = false;
}

void TXMLNode::RegisterChildType(std::string_view tag, NodeFactory type, std::string_view ns) {
  const std::string uri = ns.empty() ? NamespaceURI() : std::string(ns);
  std::vector<Registration>& entries = State().registrations;
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const Registration& r) { return r.tag == tag && r.ns == uri; });
  if (it != entries.end() && it->type == type) return;  // nothing changes
  if (it == entries.end()) {
    if (!type) return;
    entries.push_back({std::string(tag), uri, type});
  } else if (type) {
    it->type = type;
  } else {
    entries.erase(it);
  }
  DropChildren();
}

TXMLNodeCollection* TXMLNode::HostedCollection(std::type_index type, NodeFactory make,
                                               std::string_view itemName) {
  for (const Hosted& h : State().hosted)
    if (h.type == type && h.itemName == itemName) return h.collection;
  auto* collection = static_cast<TXMLNodeCollection*>(
      document_->Own(make(NodeInit(document_, node_, parent_, this))));
  collection->SetItemNamespace(NamespaceURI());
  collection->SetItemElementName(itemName);
  State().hosted.push_back({type, std::string(itemName), collection});
  return collection;
}

}  // namespace binding

#include "binding/node.h"

#include "binding/collection.h"
#include "binding/document.h"
#include "binding/node_state.h"
#include "binding/xml.h"

namespace binding {

namespace {

constexpr const char* kNotSingleText = "Element does not contain a single text node";
const NodeType* const kPlain = &kNodeType<TXMLNode>;

}  // namespace

TXMLNode::TXMLNode(const NodeInit& init) : document_(init.document_), node_(init.node_) {}

TXMLNode::~TXMLNode() = default;

TXMLNode::Extras& TXMLNode::MoreState() {
  if (!extras_) extras_ = std::make_unique<Extras>();
  return *extras_;
}

std::shared_ptr<TXMLDocument> TXMLNode::Keeper() const { return document_->shared_from_this(); }

std::shared_ptr<TXMLDocument> TXMLNode::OwnerDocument() const { return Keeper(); }

Layout TXMLNode::NodeLayout() const { return document_->NamespaceLayout(); }

xmlNode* TXMLNode::Dom() {
  if (node_ || !extras_) return node_;
  if (extras_->host) {
    node_ = extras_->host->Dom();
  } else if (extras_->pendingParent) {
    // Another view of the same child may have created its element since.
    node_ = extras_->pendingParent->FindChild(extras_->pendingAs);
    if (node_ && !node_->_private) node_->_private = this;
  }
  return node_;
}

xmlNode* TXMLNode::Materialize() {
  if (xmlNode* dom = Dom()) return dom;
  if (!extras_ || (!extras_->host && !extras_->pendingParent))
    throw Error("The node views no element");
  if (extras_->host) return node_ = extras_->host->Materialize();
  node_ = extras_->pendingParent->CreateChild(extras_->pendingAs);
  node_->_private = this;
  return node_;
}

TXMLNode* TXMLNode::Current() {
  if (!node_ || !node_->_private) return this;
  return static_cast<TXMLNode*>(node_->_private);
}

bool TXMLNode::Exists() { return Dom() != nullptr; }

bool TXMLNode::IsElement() const {
  return node_ ? node_->type == XML_ELEMENT_NODE : extras_ && extras_->pendingParent;
}

std::string TXMLNode::NodeName() const {
  if (!node_) return extras_ ? extras_->pendingTag : std::string();
  const std::string_view prefix = xml::PrefixOf(node_);
  if (!xml::HasNamespaceField(node_) || prefix.empty()) return xml::String(node_->name);
  return std::string(prefix) + ":" + xml::String(node_->name);
}

std::string TXMLNode::LocalName() const {
  if (!node_) return extras_ ? std::string(extras_->pendingAs.local) : std::string();
  return xml::String(node_->name);
}

std::string TXMLNode::Prefix() const {
  if (!node_) {
    const std::string_view tag = extras_ ? extras_->pendingAs.tag : std::string_view();
    const std::size_t colon = tag.find(':');
    return colon == std::string_view::npos ? std::string() : std::string(tag.substr(0, colon));
  }
  return std::string(xml::PrefixOf(node_));
}

std::string TXMLNode::NamespaceURI() const {
  if (node_) return std::string(xml::NamespaceOf(node_));
  if (!extras_ || !extras_->pendingParent) return {};
  const TXMLNode* parent = extras_->pendingParent;
  return std::string(document_->NamespaceFor(extras_->pendingAs.ns, parent->node_));
}

std::shared_ptr<TXMLNode> TXMLNode::ParentNode() const {
  if (!node_) return extras_ && extras_->pendingParent ? Share(extras_->pendingParent) : nullptr;
  if (node_->type == XML_ATTRIBUTE_NODE || node_->type == XML_DOCUMENT_NODE || !node_->parent)
    return nullptr;
  return Share(static_cast<TXMLNode*>(node_->parent->_private));
}

std::vector<std::shared_ptr<TXMLNode>> TXMLNode::ChildNodes() {
  std::vector<std::shared_ptr<TXMLNode>> out;
  if (xmlNode* dom = Dom())
    for (xmlNode* c = dom->children; c; c = c->next)
      out.push_back(Share(Wrap(c, RegisteredType(c))));
  return out;
}

std::vector<std::shared_ptr<TXMLNode>> TXMLNode::AttributeNodes() {
  Extras& extras = MoreState();
  if (!extras.attributesBuilt) {
    extras.attributes.clear();
    xmlNode* dom = Dom();
    if (dom && dom->type == XML_ELEMENT_NODE) {
      for (xmlAttr* a = dom->properties; a; a = a->next) {
        if (!a->_private)
          a->_private =
              document_->Own(std::make_unique<TXMLNode>(NodeInit(document_, xml::AsNode(a))));
        extras.attributes.push_back(static_cast<TXMLNode*>(a->_private));
      }
    }
    extras.attributesBuilt = true;
  }
  std::vector<std::shared_ptr<TXMLNode>> out;
  for (TXMLNode* a : extras.attributes) out.push_back(Share(a));
  return out;
}

// The child's wrapping: the first registration that names it, those made through
// RegisterChildType first, then those its parent's type declares.
const NodeType* TXMLNode::RegisteredType(xmlNode* child) {
  if (child->type != XML_ELEMENT_NODE) return kPlain;
  TXMLNode* current = Current();
  if (current->extras_)
    for (const Registration& r : current->extras_->registrations)
      if (xml::ElementMatches(child, r.tag, r.ns)) return r.type ? r.type : kPlain;
  for (const Property& q : current->type_->children())
    if (q.type && document_->Declares(child, q)) return q.type;
  return kPlain;
}

// The object of a DOM child, as `type`: the one it has when that is of the type, else a new one,
// which from then on is the one its element hands out.
TXMLNode* TXMLNode::Wrap(xmlNode* dom, const NodeType* type) {
  auto* existing = static_cast<TXMLNode*>(dom->_private);
  if (existing && existing->type_ == type) return existing;
  TXMLNode* node = document_->Own(type->make(NodeInit(document_, dom)));
  node->type_ = type;
  if (existing && existing->extras_ && !existing->extras_->registrations.empty())
    node->MoreState().registrations = existing->extras_->registrations;
  dom->_private = node;
  return node;
}

Property TXMLNode::Declared(std::string_view tag, Property& scratch) const {
  const TXMLNode* current =
      node_ && node_->_private ? static_cast<TXMLNode*>(node_->_private) : this;
  for (const Property& q : current->type_->children())
    if (q.tag == tag) return q;
  scratch = Property(tag, Ns::Inherit, Kind::Value, nullptr);
  return scratch;
}

xmlNode* TXMLNode::FindChild(const Property& p) {
  xmlNode* parent = Dom();
  if (!parent) return nullptr;
  for (xmlNode* c = parent->children; c; c = c->next)
    if (document_->Declares(c, p)) return c;
  return nullptr;
}

// The first child that the parent's sequence puts after `p`, before which a new `p` goes.
xmlNode* TXMLNode::NextInSequence(const Property& p) {
  xmlNode* parent = Dom();
  const std::span<const Property> sequence = Current()->type_->children();
  const auto indexOf = [&](const xmlNode* c) {
    for (std::size_t i = 0; i < sequence.size(); ++i)
      if (document_->Declares(c, sequence[i])) return i;
    return sequence.size();
  };
  std::size_t index = sequence.size();
  for (std::size_t i = 0; i < sequence.size() && index == sequence.size(); ++i)
    if (sequence[i].local == p.local && sequence[i].ns == p.ns) index = i;
  if (index == sequence.size()) return nullptr;
  for (xmlNode* c = parent->children; c; c = c->next) {
    if (c->type != XML_ELEMENT_NODE) continue;
    const std::size_t at = indexOf(c);
    if (at != sequence.size() && at > index) return c;
  }
  return nullptr;
}

xmlNode* TXMLNode::CreateChild(const Property& p) {
  xmlNode* parent = Materialize();
  // The document node creates only its missing document element.
  if (parent->type == XML_DOCUMENT_NODE && xmlDocGetRootElement(parent->doc))
    throw NotFoundError(p.tag);
  xmlNode* element = document_->NewChildElement(parent, p);
  xmlNode* next = NodeLayout() == Layout::Service ? NextInSequence(p) : nullptr;
  if (next)
    xml::InsertBefore(next, element);
  else
    xml::Append(parent, element);
  document_->ChildrenChanged(parent);
  return element;
}

xmlNode* TXMLNode::FindOrCreate(const Property& p) {
  if (xmlNode* found = FindChild(p)) return found;
  return CreateChild(p);
}

TXMLNode* TXMLNode::PendingChild(const Property& p) {
  Extras& extras = MoreState();
  for (TXMLNode* child : extras.pending) {
    const Property& q = child->extras_->pendingAs;
    if (q.tag == p.tag && q.ns == p.ns) return child;
  }
  const NodeType* type = p.type ? p.type : kPlain;
  TXMLNode* child = document_->Own(type->make(NodeInit(document_, nullptr)));
  child->type_ = type;
  Extras& more = child->MoreState();
  more.pendingParent = this;
  more.pendingTag = p.tag;
  more.pendingAs = Property(more.pendingTag, p.ns, p.kind, p.type);
  extras.pending.push_back(child);
  return child;
}

TXMLNode* TXMLNode::ChildNode(const Property& p) {
  const auto typeOf = [&](xmlNode* dom) {
    const bool declaredOnly =
        p.kind == Kind::Child && (!Current()->extras_ || Current()->extras_->registrations.empty());
    return declaredOnly ? p.type : RegisteredType(dom);
  };
  if (xmlNode* found = FindChild(p)) return Wrap(found, typeOf(found));
  if (NodeLayout() == Layout::Service && !(node_ && node_->type == XML_DOCUMENT_NODE))
    return PendingChild(p);
  xmlNode* created = CreateChild(p);
  return Wrap(created, typeOf(created));
}

// The text of an element with no child but one text or CDATA node. An empty element reads as
// empty text; under the specified layout it first gets an empty text child, as reading it there
// always has.
std::string_view TXMLNode::TextOf(xmlNode* element) {
  xmlNode* only = element->children;
  if (!only) {
    if (NodeLayout() == Layout::Specified) {
      xml::AppendText(element, "");
      document_->ChildrenChanged(element);
    }
    return {};
  }
  if (only->next || !xml::IsTextLike(only)) throw Error(kNotSingleText);
  return xml::View(only->content);
}

void TXMLNode::SetText(xmlNode* element, std::string_view utf8) {
  xmlNode* only = element->children;
  if (!only) {
    xml::AppendText(element, utf8);
    document_->ChildrenChanged(element);
    return;
  }
  if (only->next || !xml::IsTextLike(only)) throw Error(kNotSingleText);
  xml::SetContent(only, utf8);
}

std::string_view TXMLNode::ReadText(const Property& p) {
  xmlNode* child = FindChild(p);
  if (!child) {
    if (NodeLayout() == Layout::Service) return {};
    child = CreateChild(p);
  }
  return TextOf(child);
}

DomValue TXMLNode::ReadValue(const Property& p, std::string_view typeName) {
  xmlNode* child = FindChild(p);
  if (!child) {
    if (NodeLayout() == Layout::Service) throw MissingValueError(kNoValueTypeName, typeName);
    child = CreateChild(p);
  }
  const std::string_view text = TextOf(child);
  return text.empty() ? DomValue() : DomValue(text);
}

// Text XML cannot hold fails the write. Under the specified layout the element is reached
// first, as it always has been, so it stays behind; under the service layout nothing changes.
void TXMLNode::WriteText(const Property& p, std::string_view utf8) {
  if (NodeLayout() == Layout::Service) CheckXmlText(utf8);
  xmlNode* element = FindOrCreate(p);
  CheckXmlText(utf8);
  SetText(element, utf8);
}

std::string TXMLNode::ReadAttribute(std::string_view name) {
  if (xmlNode* dom = Dom(); dom && dom->type == XML_ELEMENT_NODE)
    for (xmlAttr* a = dom->properties; a; a = a->next)
      if (xml::NameMatches(xml::AsNode(a), name)) return xml::AttributeText(a);
  if (NodeLayout() == Layout::Specified) SetAttributeValue(name, "");
  return {};
}

std::string TXMLNode::NodeText() {
  xmlNode* dom = Dom();
  return dom ? std::string(TextOf(dom)) : std::string();
}

void TXMLNode::SetNodeText(std::string_view utf8) {
  CheckXmlText(utf8);
  SetText(Materialize(), utf8);
}

std::optional<std::string> TXMLNode::NodeValue() {
  std::string text = NodeText();
  if (text.empty()) return std::nullopt;
  return text;
}

std::shared_ptr<TXMLNode> TXMLNode::ChildElement(std::string_view tag) {
  Property scratch;
  return Share(ChildNode(Declared(tag, scratch)));
}

std::string TXMLNode::ElementText(std::string_view tag) {
  Property scratch;
  return std::string(ReadText(Declared(tag, scratch)));
}

std::optional<std::string> TXMLNode::ElementValue(std::string_view tag) {
  Property scratch;
  const Property p = Declared(tag, scratch);
  if (NodeLayout() == Layout::Service && !FindChild(p)) return std::nullopt;
  const DomValue value = ReadValue(p, "Variant");
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

void TXMLNode::SetElementValue(std::string_view tag, std::string_view utf8) {
  Property scratch;
  WriteText(Declared(tag, scratch), utf8);
}

std::string TXMLNode::AttributeValue(std::string_view name) { return ReadAttribute(name); }

void TXMLNode::SetAttributeValue(std::string_view name, std::string_view utf8) {
  xmlNode* dom = Materialize();
  if (dom->type != XML_ELEMENT_NODE) throw Error("Attributes belong to elements only");
  CheckXmlText(utf8);
  xml::SetAttribute(dom, name, utf8);
  if (extras_) extras_->attributesBuilt = false;
}

void TXMLNode::RegisterChildType(std::string_view tag, const NodeType* type, std::string_view ns) {
  const std::string uri = ns.empty() ? NamespaceURI() : std::string(ns);
  std::vector<Registration>& entries = Current()->MoreState().registrations;
  for (Registration& r : entries) {
    if (r.tag == tag && r.ns == uri) {
      r.type = type;
      return;
    }
  }
  entries.push_back({std::string(tag), uri, type});
}

}  // namespace binding

#include "binding/collection.h"

#include <algorithm>

#include "binding/document.h"
#include "binding/node_state.h"
#include "binding/xml.h"

namespace binding {

TXMLNodeCollection::TXMLNodeCollection(const NodeInit& init) : TXMLNode(init) {}

// A collection hosted by this view: the one made before for that type and those item names, or a
// new one over the same element.
TXMLNodeCollection* TXMLNode::HostedCollection(const Property& items, const NodeType* type) {
  Extras& extras = MoreState();
  for (const Extras::Hosted& h : extras.hosted)
    if (h.type == type && h.itemNames == items.tag) return h.collection;
  auto* collection =
      static_cast<TXMLNodeCollection*>(document_->Own(type->make(NodeInit(document_, node_))));
  collection->type_ = type;
  collection->MoreState().host = this;
  collection->SetItems(items.tag, items.ns, items.type);
  extras.hosted.push_back({type, std::string(items.tag), collection});
  return collection;
}

TXMLNodeCollection* TXMLNode::NamedCollection(const NodeType* type, const NodeType* itemType,
                                              std::string_view itemNames) {
  const Property items(itemNames, Ns::Inherit, Kind::Items, itemType);
  TXMLNodeCollection* collection = HostedCollection(items, type);
  if (itemType)
    for (const Property& name : collection->itemNames_) RegisterChildType(name.tag, itemType);
  return collection;
}

void TXMLNodeCollection::SetItems(std::string_view names, Ns ns, const NodeType* itemType) {
  itemsSet_ = true;
  itemElementName_ = names;
  itemType_ = itemType;
  itemNames_.clear();
  const std::string_view all = itemElementName_;
  for (std::size_t start = 0; start <= all.size();) {
    const std::size_t end = std::min(all.find(';', start), all.size());
    if (end > start)
      itemNames_.emplace_back(all.substr(start, end - start), ns, Kind::Items, itemType);
    start = end + 1;
  }
  watched_ = nullptr;
}

void TXMLNodeCollection::ResolveItems() {
  if (itemsSet_) return;
  itemsSet_ = true;
  for (const Property& q : type_->children()) {
    if (q.kind != Kind::Items) continue;
    if (!itemElementName_.empty()) itemElementName_ += ';';
    itemElementName_ += q.tag;
    itemNames_.push_back(q);
    itemType_ = q.type;
  }
}

const std::string& TXMLNodeCollection::ItemElementName() {
  ResolveItems();
  return itemElementName_;
}

void TXMLNodeCollection::SetItemElementName(std::string_view names) {
  ResolveItems();
  const Ns ns = itemNames_.empty() ? Ns::Inherit : itemNames_.front().ns;
  SetItems(names, ns, itemType_);
  if (itemType_)
    for (const Property& name : itemNames_) RegisterChildType(name.tag, itemType_);
}

const std::string& TXMLNodeCollection::ItemNamespace() {
  if (!itemNamespaceSet_) itemNamespace_ = NamespaceURI();
  return itemNamespace_;
}

void TXMLNodeCollection::SetItemNamespace(std::string_view ns) {
  itemNamespace_ = ns;
  itemNamespaceSet_ = true;
}

bool TXMLNodeCollection::IsItem(xmlNode* child) {
  if (child->type != XML_ELEMENT_NODE) return false;
  const bool service = NodeLayout() == Layout::Service && child->parent->type == XML_ELEMENT_NODE;
  const bool named = std::any_of(itemNames_.begin(), itemNames_.end(), [&](const Property& q) {
    return service ? xml::ElementIn(child, q.local, document_->NamespaceFor(q.ns, child->parent))
                   : xml::NameMatches(child, q.tag);
  });
  return named && (!itemType_ || RegisteredType(child) == itemType_);
}

// The items are the matching children, listed again only when the element's children changed.
const std::vector<xmlNode*>& TXMLNodeCollection::ItemList() {
  ResolveItems();
  xmlNode* element = Dom();
  if (!element) {
    items_.clear();
    watched_ = nullptr;
    return items_;
  }
  if (watched_ == element && seen_ == *generation_) return items_;
  if (watched_ != element) generation_ = document_->Watch(element);
  items_.clear();
  for (xmlNode* c = element->children; c; c = c->next)
    if (IsItem(c)) items_.push_back(c);
  watched_ = element;
  seen_ = *generation_;
  return items_;
}

TXMLNode* TXMLNodeCollection::ItemObject(xmlNode* item) {
  TXMLNode* node = Wrap(item, itemType_ ? itemType_ : RegisteredType(item));
  node->collection_ = this;
  return node;
}

std::int32_t TXMLNodeCollection::Count() { return static_cast<std::int32_t>(ItemList().size()); }

TXMLNode* TXMLNodeCollection::NodeAt(std::int32_t index) {
  const std::vector<xmlNode*>& items = ItemList();
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) throw IndexError(index);
  return ItemObject(items[static_cast<std::size_t>(index)]);
}

std::shared_ptr<TXMLNode> TXMLNodeCollection::Nodes(std::int32_t index) {
  return Share(NodeAt(index));
}

TXMLNode* TXMLNodeCollection::NewItem(xmlNode* before) {
  ResolveItems();
  if (itemNames_.empty()) throw Error("ItemTag property is not initialized");
  xmlNode* element = Materialize();
  ItemList();
  const Property& name = itemNames_.front();
  xmlNode* item;
  if (NodeLayout() == Layout::Service) {
    item = xml::NewElementIn(element, name.tag, document_->NamespaceFor(name.ns, element));
    if (!before) before = NextInSequence(name);
  } else {
    item = xml::NewElementInNamespace(element, name.tag, ItemNamespace());
  }
  if (before)
    xml::InsertBefore(before, item);
  else
    xml::Append(element, item);
  document_->ChildrenChanged(element);
  if (IsItem(item)) {
    // Its place among the items: before the first item that follows it.
    auto at = items_.end();
    for (xmlNode* next = item->next; next && at == items_.end(); next = next->next)
      if (IsItem(next)) at = std::find(items_.begin(), items_.end(), next);
    items_.insert(at, item);
  }
  seen_ = *generation_;
  return ItemObject(item);
}

TXMLNode* TXMLNodeCollection::AppendItem() { return NewItem(nullptr); }

TXMLNode* TXMLNodeCollection::InsertItemAt(std::int32_t position) {
  xmlNode* element = Dom();
  std::int32_t count = 0;
  xmlNode* at = element ? element->children : nullptr;
  for (; at && count < position; at = at->next) ++count;
  if (position < 0 || count < position) throw IndexError(position);
  if (!at) return NewItem(nullptr);
  return NewItem(at);
}

// Takes the item's element out of the document. Its node objects stay valid: the document keeps
// the removed subtree until it is released.
void TXMLNodeCollection::Unlink(std::size_t index) {
  xmlNode* item = items_[index];
  if (auto* node = static_cast<TXMLNode*>(item->_private)) node->collection_ = nullptr;
  xmlNode* element = item->parent;
  xml::Unlink(item);
  document_->KeepDetached(item);
  document_->ChildrenChanged(element);
}

void TXMLNodeCollection::Delete(std::int32_t index) {
  const std::vector<xmlNode*>& items = ItemList();
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) throw IndexError(index);
  Unlink(static_cast<std::size_t>(index));
  items_.erase(items_.begin() + index);
  seen_ = *generation_;
}

std::int32_t TXMLNodeCollection::Remove(const std::shared_ptr<TXMLNode>& node) {
  const std::vector<xmlNode*>& items = ItemList();
  const auto it = std::find(items.begin(), items.end(), node ? node->node_ : nullptr);
  if (it == items.end()) return -1;
  const auto index = static_cast<std::int32_t>(it - items.begin());
  Delete(index);
  return index;
}

void TXMLNodeCollection::Clear() {
  ItemList();
  for (std::size_t i = 0; i < items_.size(); ++i) Unlink(i);
  items_.clear();
  if (generation_) seen_ = *generation_;
}

DomValue TXMLNodeCollection::ItemDomValue(std::int32_t index) {
  TXMLNode* item = NodeAt(index);
  const std::string_view text = item->TextOf(item->node_);
  return text.empty() ? DomValue() : DomValue(text);
}

std::string_view TXMLNodeCollection::ItemText(std::int32_t index) {
  TXMLNode* item = NodeAt(index);
  return item->TextOf(item->node_);
}

std::shared_ptr<TXMLNode> TXMLNodeCollection::WithText(TXMLNode* item, std::string_view utf8) {
  item->SetNodeText(utf8);
  return Share(item);
}

}  // namespace binding

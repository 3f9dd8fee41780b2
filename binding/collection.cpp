#include "binding/collection.h"

#include <algorithm>

#include "binding/document.h"
#include "binding/xml.h"

namespace binding {

TXMLNodeCollection::TXMLNodeCollection(const NodeInit& init)
    : TXMLNode(init),
      itemNamespace_(NamespaceURI()),
      isItem_([](const TXMLNode&) { return true; }) {}

void TXMLNodeCollection::SetItemElementName(std::string_view names) {
  itemElementName_ = names;
  itemNames_.clear();
  for (std::size_t start = 0; start <= names.size();) {
    const std::size_t end = std::min(names.find(';', start), names.size());
    if (end > start) itemNames_.emplace_back(names.substr(start, end - start));
    start = end + 1;
  }
  for (const std::string& name : itemNames_) RegisterItemName(name);
  itemsGeneration_ = ~std::uint64_t{0};
}

void TXMLNodeCollection::SetItemType(ItemTest isItem) {
  isItem_ = isItem;
  itemsGeneration_ = ~std::uint64_t{0};
}

bool TXMLNodeCollection::IsItem(const TXMLNode& node) const {
  const xmlNode* dom = node.Dom();
  if (dom->type != XML_ELEMENT_NODE || !isItem_(node)) return false;
  return std::any_of(itemNames_.begin(), itemNames_.end(),
                     [&](const std::string& name) { return xml::NameMatches(dom, name); });
}

// The items are a filtered view of the shared child list, rebuilt only when something other
// than this collection changed that list.
const std::vector<TXMLNode*>& TXMLNodeCollection::ItemList() {
  const std::vector<TXMLNode*>& children = Children();
  if (itemsGeneration_ != State().generation) {
    items_.clear();
    for (TXMLNode* child : children) {
      if (IsItem(*child)) {
        child->collection_ = this;
        items_.push_back(child);
      }
    }
    itemsGeneration_ = State().generation;
  }
  return items_;
}

std::int32_t TXMLNodeCollection::Count() { return static_cast<std::int32_t>(ItemList().size()); }

TXMLNode* TXMLNodeCollection::NodeAt(std::int32_t index) {
  const std::vector<TXMLNode*>& items = ItemList();
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) throw IndexError(index);
  return items[static_cast<std::size_t>(index)];
}

std::shared_ptr<TXMLNode> TXMLNodeCollection::Nodes(std::int32_t index) {
  return Share(NodeAt(index));
}

TXMLNode* TXMLNodeCollection::NewItem(xmlNode* before) {
  if (itemNames_.empty()) throw Error("ItemTag property is not initialized");
  ItemList();
  std::vector<TXMLNode*>& children = Children();
  xmlNode* element = xml::NewElementInNamespace(Dom(), itemNames_.front(), itemNamespace_);
  std::size_t position = children.size();
  if (before) {
    xmlAddPrevSibling(before, element);
    position =
        static_cast<std::size_t>(std::find_if(children.begin(), children.end(),
                                              [&](TXMLNode* c) { return c->Dom() == before; }) -
                                 children.begin());
  } else {
    xmlAddChild(Dom(), element);
  }
  TXMLNode* item = InsertChild(element, position);
  if (IsItem(*item)) {
    const auto first = children.begin();
    const auto itemsBefore =
        before ? std::count_if(first, first + static_cast<std::ptrdiff_t>(position),
                               [&](TXMLNode* c) { return IsItem(*c); })
               : static_cast<std::ptrdiff_t>(items_.size());
    item->collection_ = this;
    items_.insert(items_.begin() + itemsBefore, item);
  }
  itemsGeneration_ = State().generation;
  return item;
}

TXMLNode* TXMLNodeCollection::AppendItem() { return NewItem(nullptr); }

TXMLNode* TXMLNodeCollection::InsertItemAt(std::int32_t position) {
  const std::vector<TXMLNode*>& children = Children();
  if (position < 0 || static_cast<std::size_t>(position) > children.size())
    throw IndexError(position);
  return NewItem(static_cast<std::size_t>(position) == children.size()
                     ? nullptr
                     : children[static_cast<std::size_t>(position)]->Dom());
}

// Takes the item's element out of the document. Its node object stays valid: the document keeps
// the removed subtree until it is released.
void TXMLNodeCollection::Unlink(TXMLNode* item) {
  xmlUnlinkNode(item->Dom());
  document_->KeepDetached(item->Dom());
  item->parent_ = nullptr;
  item->collection_ = nullptr;
}

void TXMLNodeCollection::Delete(std::int32_t index) {
  TXMLNode* item = NodeAt(index);
  std::vector<TXMLNode*>& children = Children();
  children.erase(std::find(children.begin(), children.end(), item));
  items_.erase(items_.begin() + index);
  Unlink(item);
  itemsGeneration_ = ++State().generation;
}

std::int32_t TXMLNodeCollection::Remove(const std::shared_ptr<TXMLNode>& node) {
  const std::vector<TXMLNode*>& items = ItemList();
  const auto it = std::find(items.begin(), items.end(), node.get());
  if (it == items.end()) return -1;
  const auto index = static_cast<std::int32_t>(it - items.begin());
  Delete(index);
  return index;
}

void TXMLNodeCollection::Clear() {
  ItemList();
  std::vector<TXMLNode*>& children = Children();
  std::erase_if(children, [&](TXMLNode* c) { return IsItem(*c); });
  for (TXMLNode* item : items_) Unlink(item);
  items_.clear();
  itemsGeneration_ = ++State().generation;
}

std::shared_ptr<TXMLNode> TXMLNodeCollection::WithText(TXMLNode* item, std::string_view utf8) {
  item->SetNodeText(utf8);
  return Share(item);
}

}  // namespace binding

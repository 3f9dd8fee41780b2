#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "binding/node.h"

namespace binding {

// A node object for an element whose repeated children are its items. Under the specified layout
// an item is a child element whose local name, or failing that its qualified name, is one of the
// ";"-separated names of ItemElementName, and whose registration gives it the item type; its
// namespace plays no part. Under the service layout an item is a child of that local name in the
// namespace its declaration gives, whatever its prefix. New items are created in the item
// namespace, by default the element's own (under the service layout: their declared one).
//
// A collection is either the view of its element (a collection type bound as a child, whose
// declared Repeated property names its items) or hosted by the view of another type, viewing the
// same element (an Items property of that type, or CreateItemCollection).
class TXMLNodeCollection : public TXMLNode {
 public:
  using ItemType = void;
  static constexpr const NodeType* kItemType = nullptr;

  explicit TXMLNodeCollection(const NodeInit& init);

  std::int32_t Count();
  std::shared_ptr<TXMLNode> Nodes(std::int32_t index);
  void Clear();
  void Delete(std::int32_t index);
  // Removes that item and returns its former index, or -1 when it is not an item of this one.
  std::int32_t Remove(const std::shared_ptr<TXMLNode>& node);

  const std::string& ItemElementName();
  // Sets the item names; a typed collection registers its item type for them with the element.
  void SetItemElementName(std::string_view names);
  const std::string& ItemNamespace();
  void SetItemNamespace(std::string_view ns);

 protected:
  TXMLNode* NodeAt(std::int32_t index);
  // New item elements, appended (under the service layout, where the host's sequence puts them),
  // or inserted before the child at `position` of the element.
  TXMLNode* AppendItem();
  TXMLNode* InsertItemAt(std::int32_t position);

  // Items that hold one text each: read as a value (an empty item has none) or as text.
  template <class T>
  T ItemValue(std::int32_t index) {
    return Conversion<T>::Read(ItemDomValue(index));
  }
  std::string_view ItemText(std::int32_t index);
  template <class T>
  std::shared_ptr<TXMLNode> AddTextItem(const T& text) {
    return WithText(AppendItem(), Conversion<T>::Write(text));
  }
  template <class T>
  std::shared_ptr<TXMLNode> InsertTextItem(std::int32_t position, const T& text) {
    return WithText(InsertItemAt(position), Conversion<T>::Write(text));
  }

 private:
  friend class TXMLNode;

  // Item names and the type of items, set by the creator or declared by the collection's type.
  void SetItems(std::string_view names, Ns ns, const NodeType* itemType);
  void ResolveItems();
  const std::vector<_xmlNode*>& ItemList();
  bool IsItem(_xmlNode* child);
  TXMLNode* ItemObject(_xmlNode* item);
  TXMLNode* NewItem(_xmlNode* before);
  void Unlink(std::size_t index);
  DomValue ItemDomValue(std::int32_t index);
  std::shared_ptr<TXMLNode> WithText(TXMLNode* item, std::string_view utf8);

  bool itemsSet_ = false;
  std::string itemElementName_;
  std::vector<Property> itemNames_;     // views into itemElementName_
  const NodeType* itemType_ = nullptr;  // null: any element of an item name
  bool itemNamespaceSet_ = false;
  std::string itemNamespace_;

  std::vector<_xmlNode*> items_;  // in document order, while the element's children stay as seen
  const _xmlNode* watched_ = nullptr;
  const std::uint32_t* generation_ = nullptr;
  std::uint32_t seen_ = 0;
};

// A collection whose items are bound to `Item`.
template <class Item>
class TXMLItemCollection : public TXMLNodeCollection {
 public:
  using ItemType = Item;
  static constexpr const NodeType* kItemType = &kNodeType<Item>;

  using TXMLNodeCollection::TXMLNodeCollection;

  std::shared_ptr<Item> ItemAt(std::int32_t index) { return Bound<Item>(NodeAt(index)); }
  std::shared_ptr<Item> AddItem() { return Bound<Item>(AppendItem()); }
  std::shared_ptr<Item> InsertItem(std::int32_t position) {
    return Bound<Item>(InsertItemAt(position));
  }
};

// A collection of plain child elements holding text: 8-bit (std::string) or wide (std::u16string).
template <class TextType>
class TXMLTextList : public TXMLNodeCollection {
 public:
  using TXMLNodeCollection::TXMLNodeCollection;

  std::shared_ptr<TXMLNode> AddItem(const TextType& text) { return AddTextItem(text); }
  std::shared_ptr<TXMLNode> InsertItem(std::int32_t position, const TextType& text) {
    return InsertTextItem(position, text);
  }
  // Fails on an item without text.
  TextType ItemAt(std::int32_t index) { return ItemValue<TextType>(index); }
};

}  // namespace binding

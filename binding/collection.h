#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "binding/node.h"

namespace binding {

// A node object for an element whose repeated children are its items. An item is a child
// element whose node object is of the item type and whose local name, or failing that its
// qualified name, is one of the ";"-separated names of ItemElementName; its namespace plays no
// part. New items are created in the item namespace, by default the element's own.
class TXMLNodeCollection : public TXMLNode {
 public:
  explicit TXMLNodeCollection(const NodeInit& init);

  std::int32_t Count();
  std::shared_ptr<TXMLNode> Nodes(std::int32_t index);
  void Clear();
  void Delete(std::int32_t index);
  // Removes that item and returns its former index, or -1 when it is not an item of this one.
  std::int32_t Remove(const std::shared_ptr<TXMLNode>& node);

  const std::string& ItemElementName() const { return itemElementName_; }
  void SetItemElementName(std::string_view names);
  const std::string& ItemNamespace() const { return itemNamespace_; }
  void SetItemNamespace(std::string_view ns) { itemNamespace_ = ns; }

 protected:
  using ItemTest = bool (*)(const TXMLNode&);
  void SetItemType(ItemTest isItem);
  // Called for each item name as it is set, so typed collections can register their item type.
  virtual void RegisterItemName(std::string_view /*name*/) {}

  TXMLNode* NodeAt(std::int32_t index);
  // New item elements, appended, or inserted before the child at `position` of the element.
  TXMLNode* AppendItem();
  TXMLNode* InsertItemAt(std::int32_t position);

  // Items that hold one text each.
  template <class T>
  T ItemValue(std::int32_t index) {
    return Conversion<T>::Read(NodeAt(index)->NodeValue());
  }
  template <class T>
  std::shared_ptr<TXMLNode> AddTextItem(const T& text) {
    return WithText(AppendItem(), Conversion<T>::Write(text));
  }
  template <class T>
  std::shared_ptr<TXMLNode> InsertTextItem(std::int32_t position, const T& text) {
    return WithText(InsertItemAt(position), Conversion<T>::Write(text));
  }

 private:
  const std::vector<TXMLNode*>& ItemList();
  bool IsItem(const TXMLNode& node) const;
  TXMLNode* NewItem(_xmlNode* before);
  void Unlink(TXMLNode* item);
  std::shared_ptr<TXMLNode> WithText(TXMLNode* item, std::string_view utf8);

  std::string itemElementName_;
  std::vector<std::string> itemNames_;
  std::string itemNamespace_;
  ItemTest isItem_;
  std::vector<TXMLNode*> items_;
  std::uint64_t itemsGeneration_ = ~std::uint64_t{0};
};

// A collection whose items are bound to `Item`. Made as a child of its own (the item name given
// here) or as a hosted collection (the item name given by its creator).
template <class Item>
class TXMLItemCollection : public TXMLNodeCollection {
 public:
  using ItemType = Item;

  explicit TXMLItemCollection(const NodeInit& init, std::string_view itemElementName = {})
      : TXMLNodeCollection(init) {
    SetItemType([](const TXMLNode& node) { return dynamic_cast<const Item*>(&node) != nullptr; });
    if (!itemElementName.empty()) SetItemElementName(itemElementName);
  }

  std::shared_ptr<Item> ItemAt(std::int32_t index) { return Bound<Item>(NodeAt(index)); }
  std::shared_ptr<Item> AddItem() { return Bound<Item>(AppendItem()); }
  std::shared_ptr<Item> InsertItem(std::int32_t position) {
    return Bound<Item>(InsertItemAt(position));
  }

 protected:
  void RegisterItemName(std::string_view name) override { Register<Item>(name); }
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

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "binding/conversions.h"
#include "binding/errors.h"
#include "binding/layout.h"
#include "binding/schema.h"

struct _xmlNode;

namespace binding {

class TXMLDocument;
class TXMLNodeCollection;

// What the layer hands to the constructor of every node object it makes. Bound types take it in
// their constructor and pass it on to their base; nothing else can make one.
class NodeInit {
 private:
  friend class TXMLNode;
  friend class TXMLDocument;
  NodeInit(TXMLDocument* document, _xmlNode* node) : document_(document), node_(node) {}
  TXMLDocument* document_;
  _xmlNode* node_;
};

// A live view of one DOM node. It stores no values: every operation looks its element up again
// by name. Node objects are owned by their document and live as long as it does; every handle to
// one (a shared_ptr) keeps the whole document alive.
//
// Each element has one current node object, of the type its parent's registrations give it;
// handles taken earlier stay valid views of the same element.
//
// Under the specified layout a read of an absent element or attribute creates it empty and every
// child is created at the end of its parent. Under the service layout reading changes nothing:
// an absent child is a pending view, whose reads give empty text and whose first write creates
// it (and its pending parents) where its parent's sequence puts it.
class TXMLNode {
 public:
  explicit TXMLNode(const NodeInit& init);
  virtual ~TXMLNode();
  TXMLNode(const TXMLNode&) = delete;
  TXMLNode& operator=(const TXMLNode&) = delete;

  std::shared_ptr<TXMLDocument> OwnerDocument() const;

  // The wrapped DOM node. Names and text are UTF-8.
  bool IsElement() const;
  std::string NodeName() const;  // the qualified name, "prefix:local" or "local"
  std::string LocalName() const;
  std::string Prefix() const;
  std::string NamespaceURI() const;
  std::shared_ptr<TXMLNode> ParentNode() const;  // none for attributes and removed items
  TXMLNodeCollection* Collection() const { return collection_; }  // the one it is an item of
  std::vector<std::shared_ptr<TXMLNode>> ChildNodes();
  std::vector<std::shared_ptr<TXMLNode>> AttributeNodes();
  // False for a pending view under the service layout: its element is not in the document yet.
  bool Exists();

  // This node's own text: its single text or CDATA child. Fails with "Element does not contain a
  // single text node" on anything else. An empty element reads as empty text (and, under the
  // specified layout, first gets an empty text child).
  std::string NodeText();
  void SetNodeText(std::string_view utf8);
  // NodeText, or no value when it is empty.
  std::optional<std::string> NodeValue();

  // The child element of that name, appended when absent (under the service layout, created
  // where its parent's sequence puts it; a read gives a pending view instead). The name is found
  // in the namespace its declaration gives, or this element's own.
  std::shared_ptr<TXMLNode> ChildElement(std::string_view tag);
  std::string ElementText(std::string_view tag);
  std::optional<std::string> ElementValue(std::string_view tag);
  void SetElementValue(std::string_view tag, std::string_view utf8);
  // The attribute of that name (any namespace); under the specified layout created empty when
  // absent.
  std::string AttributeValue(std::string_view name);
  void SetAttributeValue(std::string_view name, std::string_view utf8);

  // Children that match (tag, namespace) are wrapped as `type` from now on; this comes on top of
  // the registrations the type declares. An empty namespace stands for this element's own; a
  // null type removes the entry.
  void RegisterChildType(std::string_view tag, const NodeType* type, std::string_view ns = {});

  // A collection viewing this same element, whose items are its children of that name; made once
  // per (type, item name) and returned again on every later call.
  template <class C>
  std::shared_ptr<C> CreateItemCollection(std::string_view itemElementName) {
    return Share(static_cast<C*>(NamedCollection(&kNodeType<C>, C::kItemType, itemElementName)));
  }

 protected:
  // The typed accessors every bound type is written with, one line per property.
  template <class T>
  T Get(const Element<T>& p) {
    if constexpr (kIsText<T>)
      return Conversion<T>::FromDom(ReadText(p));
    else
      return Conversion<T>::Read(ReadValue(p, Conversion<T>::kTypeName));
  }
  template <class T>
  void Set(const Element<T>& p, const std::type_identity_t<T>& value) {
    WriteText(p, Conversion<T>::Write(value));
  }
  template <class T>
  T Get(const Attribute<T>& a) {
    return Conversion<T>::FromDom(ReadAttribute(a.name));
  }
  template <class T>
  void Set(const Attribute<T>& a, const std::type_identity_t<T>& value) {
    SetAttributeValue(a.name, Conversion<T>::Write(value));
  }
  template <class T>
  std::shared_ptr<T> Get(const Child<T>& p) {
    return Bound<T>(ChildNode(p));
  }
  template <class C>
  std::shared_ptr<C> Get(const Items<C>& p) {
    return Share(static_cast<C*>(HostedCollection(p, p.collection)));
  }

  template <class T>
  std::shared_ptr<T> Share(T* node) const {
    return node ? std::shared_ptr<T>(Keeper(), node) : nullptr;
  }
  template <class T>
  std::shared_ptr<T> Bound(TXMLNode* node) const {
    // A node made as T is one; any other is asked.
    auto* bound =
        node && node->type_ == &kNodeType<T> ? static_cast<T*>(node) : dynamic_cast<T*>(node);
    if (!bound) throw InterfaceError();
    return Share(bound);
  }

  // The layout of this node's document.
  Layout NodeLayout() const;
  // The child bound for `p`, or a pending view of it (service layout, absent).
  TXMLNode* ChildNode(const Property& p);
  // The element's text as the DOM holds it; valid until the document changes.
  std::string_view ReadText(const Property& p);
  DomValue ReadValue(const Property& p, std::string_view typeName);
  void WriteText(const Property& p, std::string_view utf8);
  std::string ReadAttribute(std::string_view name);

 private:
  friend class TXMLDocument;
  friend class TXMLNodeCollection;
  friend std::shared_ptr<TXMLDocument> ConvertLayout(TXMLNode& root, Layout target);
  friend std::shared_ptr<TXMLDocument> CopyToNewDocument(TXMLNode& element, Layout layout);
  struct Extras;
  struct Registration;

  std::shared_ptr<TXMLDocument> Keeper() const;
  Extras& MoreState();

  // The DOM node, or null while a pending view's element does not exist.
  _xmlNode* Dom();
  // The DOM node, creating the element of a pending view (and its pending parents) first.
  _xmlNode* Materialize();
  // The object handed out for this node's element: itself, or the one that replaced it.
  TXMLNode* Current();
  // The declaration of a name among this element's children, or an undeclared one.
  Property Declared(std::string_view tag, Property& scratch) const;
  const NodeType* RegisteredType(_xmlNode* child);
  TXMLNode* Wrap(_xmlNode* dom, const NodeType* type);
  _xmlNode* FindChild(const Property& p);
  _xmlNode* NextInSequence(const Property& p);
  _xmlNode* CreateChild(const Property& p);
  _xmlNode* FindOrCreate(const Property& p);
  TXMLNode* PendingChild(const Property& p);
  TXMLNodeCollection* HostedCollection(const Property& items, const NodeType* type);
  TXMLNodeCollection* NamedCollection(const NodeType* type, const NodeType* itemType,
                                      std::string_view itemNames);
  std::string_view TextOf(_xmlNode* element);
  void SetText(_xmlNode* element, std::string_view utf8);

  TXMLDocument* document_;
  _xmlNode* node_;
  const NodeType* type_ = &kNodeType<TXMLNode>;
  TXMLNodeCollection* collection_ = nullptr;
  std::unique_ptr<Extras> extras_;  // what few nodes need: see node.cpp
};

}  // namespace binding

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "binding/conversions.h"
#include "binding/errors.h"

struct _xmlNode;

namespace binding {

class TXMLDocument;
class TXMLNode;
class TXMLNodeCollection;

// What the layer hands to the constructor of every node object it makes. Bound types take it in
// their constructor and pass it on to their base; nothing else can make one.
class NodeInit {
 private:
  friend class TXMLNode;
  friend class TXMLDocument;
  NodeInit(TXMLDocument* document, _xmlNode* node, TXMLNode* parent, TXMLNode* sharesWith)
      : document_(document), node_(node), parent_(parent), sharesWith_(sharesWith) {}
  TXMLDocument* document_;
  _xmlNode* node_;
  TXMLNode* parent_;
  TXMLNode* sharesWith_;  // another object of the same element, whose children it shares
};

// Makes the node object of one bound type; registrations carry one per child tag.
using NodeFactory = std::unique_ptr<TXMLNode> (*)(const NodeInit&);

template <class T>
std::unique_ptr<TXMLNode> MakeNode(const NodeInit& init) {
  return std::make_unique<T>(init);
}

// A live view of one DOM node. It stores no values: every operation looks its element up again
// by name and creates it when absent. Node objects are owned by their document and live as long
// as it does; every handle to one (a shared_ptr) keeps the whole document alive.
//
// Each DOM child has one node object, found again through the DOM node whenever a child list is
// rebuilt, so handles taken before a registration stay the ones later lookups return. When a
// registration gives a child another type, its new object shares the child list of the old one,
// as does every collection hosted by the element: every view of one element sees one list.
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

  // This node's own text: its single text or CDATA child (an empty element first gets an empty
  // one). Fails with "Element does not contain a single text node" on anything else.
  std::string NodeText();
  void SetNodeText(std::string_view utf8);
  // NodeText, or no value when it is empty.
  DomValue NodeValue();

  // The child element of that name in this element's namespace, appended when absent.
  std::shared_ptr<TXMLNode> ChildElement(std::string_view tag);
  std::string ElementText(std::string_view tag);
  DomValue ElementValue(std::string_view tag);
  void SetElementValue(std::string_view tag, std::string_view utf8);
  // The attribute of that name (any namespace), created empty when absent.
  std::string AttributeValue(std::string_view name);
  void SetAttributeValue(std::string_view name, std::string_view utf8);

  // Children that match (tag, namespace) are wrapped as `type`. An empty namespace stands for
  // this element's own; a null type removes the entry.
  void RegisterChildType(std::string_view tag, NodeFactory type, std::string_view ns = {});

  // A collection viewing this same element, sharing its children; made once per (type, item
  // name) and returned again on every later call.
  template <class C>
  std::shared_ptr<C> CreateItemCollection(std::string_view itemElementName) {
    return Share(static_cast<C*>(HostedCollection(typeid(C), &MakeNode<C>, itemElementName)));
  }

 protected:
  // The typed helpers every bound type is written with, one line per property.
  template <class T>
  void Register(std::string_view tag) {
    RegisterChildType(tag, &MakeNode<T>);
  }
  template <class T>
  std::shared_ptr<T> Child(std::string_view tag) {
    return Bound<T>(ChildNode(tag));
  }
  template <class T = std::string>
  T Text(std::string_view tag) {
    return Conversion<T>::FromDom(ElementText(tag));
  }
  template <class T>
  T Value(std::string_view tag) {
    return Conversion<T>::Read(ElementValue(tag));
  }
  template <class T>
  void SetValue(std::string_view tag, const T& value) {
    SetElementValue(tag, Conversion<T>::Write(value));
  }
  template <class T = std::string>
  T Attribute(std::string_view name) {
    return Conversion<T>::FromDom(AttributeValue(name));
  }
  template <class T>
  void SetAttribute(std::string_view name, const T& value) {
    SetAttributeValue(name, Conversion<T>::Write(value));
  }
  template <class C>
  std::shared_ptr<C> Items(std::string_view itemElementName) {
    return CreateItemCollection<C>(itemElementName);
  }

  template <class T>
  std::shared_ptr<T> Share(T* node) const {
    return node ? std::shared_ptr<T>(Keeper(), node) : nullptr;
  }
  template <class T>
  std::shared_ptr<T> Bound(TXMLNode* node) const {
    auto* bound = dynamic_cast<T*>(node);
    if (!bound) throw InterfaceError();
    return Share(bound);
  }

  _xmlNode* Dom() const { return node_; }
  TXMLNode* ChildNode(std::string_view tag);

 private:
  friend class TXMLDocument;
  friend class TXMLNodeCollection;

  struct Registration {
    std::string tag;
    std::string ns;
    NodeFactory type;
  };
  struct Hosted {
    std::type_index type;
    std::string itemName;
    TXMLNodeCollection* collection;
  };
  // The children of an element as node objects, shared by every object viewing that element.
  struct ChildState {
    std::vector<Registration> registrations;
    std::vector<TXMLNode*> list;  // mirrors the DOM children once built
    bool built = false;
    std::uint64_t generation = 0;  // bumped on every change of the list
    std::vector<Hosted> hosted;
  };

  std::shared_ptr<TXMLDocument> Keeper() const;
  ChildState& State() const { return *children_; }
  // The object the layer hands out for this node's DOM node: itself, or the one that replaced it.
  TXMLNode* Current();
  std::vector<TXMLNode*>& Children();
  TXMLNode* Wrap(_xmlNode* dom);
  TXMLNode* FindChild(std::string_view tag);
  TXMLNode* InsertChild(_xmlNode* dom, std::size_t position);
  void DropChildren();
  _xmlNode* SingleTextNode();
  TXMLNodeCollection* HostedCollection(std::type_index type, NodeFactory make,
                                       std::string_view itemName);

  TXMLDocument* document_;
  _xmlNode* node_;
  TXMLNode* parent_;
  NodeFactory type_ = nullptr;  // the registration it was wrapped with; none for a plain node
  TXMLNodeCollection* collection_ = nullptr;
  std::shared_ptr<ChildState> children_;
  std::vector<TXMLNode*> attributes_;
  bool attributesBuilt_ = false;
};

}  // namespace binding

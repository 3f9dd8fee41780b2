#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "binding/binding.h"

// Small bound types over a made-up vocabulary, enough to exercise every rule of the node layer.
namespace binding::testing_types {

inline constexpr std::string_view kNs = "urn:test:a";
inline constexpr std::string_view kOtherNs = "urn:test:b";

class Leaf : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  std::uint32_t Numero() { return Value<std::uint32_t>("Numero"); }
  std::string Cnpj() { return Text("Cnpj"); }
  std::string Id() { return Attribute("Id"); }
  void SetNumero(std::uint32_t v) { SetValue("Numero", v); }
  void SetCnpj(const std::string& v) { SetValue("Cnpj", v); }
  void SetId(const std::string& v) { SetAttribute("Id", v); }
};

class Messages : public TXMLItemCollection<Leaf> {
 public:
  explicit Messages(const NodeInit& init) : TXMLItemCollection(init, "Msg") {}
};

class Root : public TXMLNode {
 public:
  explicit Root(const NodeInit& init) : TXMLNode(init) {
    Register<Leaf>("Leaf");
    Register<Messages>("Lista");
    Register<Leaf>("Item");
  }
  std::shared_ptr<Leaf> LeafChild() { return Child<Leaf>("Leaf"); }
  std::shared_ptr<Messages> Lista() { return Child<Messages>("Lista"); }
  // The root's own "Item" children, viewed as a collection hosted by the root.
  std::shared_ptr<TXMLItemCollection<Leaf>> ItemList() {
    return Items<TXMLItemCollection<Leaf>>("Item");
  }
  std::shared_ptr<TXMLTextList<std::u16string>> Notes() {
    return Items<TXMLTextList<std::u16string>>("Note");
  }
};

inline std::shared_ptr<Root> Parse(std::string_view xml) {
  return BindDocument<Root>(ParseDocument(xml), "Root", kNs);
}

// The serialised document without its declaration line and final line break.
inline std::string Body(const std::shared_ptr<TXMLDocument>& doc) {
  std::string bytes = doc->XmlBytes();
  if (bytes.starts_with("<?xml")) bytes.erase(0, bytes.find('\n') + 1);
  if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
  return bytes;
}
template <class T>
std::string Body(const std::shared_ptr<T>& node) {
  return Body(node->OwnerDocument());
}

}  // namespace binding::testing_types

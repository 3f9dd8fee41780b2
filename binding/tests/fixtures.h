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
  static constexpr Element<std::uint32_t> kNumero{"Numero"};
  static constexpr Element<std::string> kCnpj{"Cnpj"};
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr auto kChildren = Sequence(kNumero, kCnpj);

  std::uint32_t Numero() { return Get(kNumero); }
  std::string Cnpj() { return Get(kCnpj); }
  std::string Id() { return Get(kId); }
  void SetNumero(std::uint32_t v) { Set(kNumero, v); }
  void SetCnpj(const std::string& v) { Set(kCnpj, v); }
  void SetId(const std::string& v) { Set(kId, v); }
};

class Messages : public TXMLItemCollection<Leaf> {
 public:
  using TXMLItemCollection::TXMLItemCollection;
  static constexpr Repeated<Leaf> kMsg{"Msg"};
  static constexpr auto kChildren = Sequence(kMsg);
};

class Root : public TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Child<Leaf> kLeaf{"Leaf"};
  static constexpr Child<Messages> kLista{"Lista"};
  // The root's own "Item" children, viewed as a collection hosted by the root.
  static constexpr Items<TXMLItemCollection<Leaf>> kItem{"Item"};
  static constexpr Items<TXMLTextList<std::u16string>> kNote{"Note"};
  static constexpr auto kChildren = Sequence(kLeaf, kLista, kItem, kNote);

  std::shared_ptr<Leaf> LeafChild() { return Get(kLeaf); }
  std::shared_ptr<Messages> Lista() { return Get(kLista); }
  std::shared_ptr<TXMLItemCollection<Leaf>> ItemList() { return Get(kItem); }
  std::shared_ptr<TXMLTextList<std::u16string>> Notes() { return Get(kNote); }
};

inline std::shared_ptr<Root> Parse(std::string_view xml, Layout layout = Layout::Specified) {
  return BindDocument<Root>(ParseDocument(xml, layout), "Root", kNs);
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

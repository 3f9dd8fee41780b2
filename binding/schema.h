#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>

// How a bound type declares its children: once per property, with the child's name, where the
// child sits under the service layout and, for a child or a collection, the type it is bound to.
// Every rule of the layer (lookup, creation, wrapping, the order of new elements) reads these
// declarations, so a name is written once and its namespace with it.
//
//   class TXMLTcContato : public binding::TXMLNode {
//    public:
//     using TXMLNode::TXMLNode;
//     static constexpr binding::Element<std::u16string> kTelefone{"Telefone"};
//     static constexpr binding::Element<std::u16string> kEmail{"Email"};
//     static constexpr auto kChildren = binding::Sequence(kTelefone, kEmail);
//
//     std::u16string Telefone() { return Get(kTelefone); }
//     void SetTelefone(const std::u16string& value) { Set(kTelefone, value); }
//     ...
//   };
//
// kChildren lists the type's child elements in the order its schema puts them: the service
// layout creates a new child where that order says. Attributes are in no namespace and in no
// sequence.
namespace binding {

class TXMLNode;
class NodeInit;
struct Property;

// Where a child element sits under the service layout. Under the specified layout every child is
// in its parent's namespace, whatever its declaration says.
enum class Ns : std::uint8_t {
  Types,      // the platform's shared types namespace (SharedTypesNamespace)
  Document,   // the namespace of the document's root element
  None,       // no namespace
  Signature,  // the XML Signature namespace (XmlSignatureNamespace)
  Inherit,    // the parent's namespace: for names no type declares
};

// A bound type as the layer makes and walks it.
struct NodeType {
  std::unique_ptr<TXMLNode> (*make)(const NodeInit&);
  std::span<const Property> (*children)();
};

template <class T>
std::unique_ptr<TXMLNode> MakeNode(const NodeInit& init) {
  return std::make_unique<T>(init);
}
template <class T>
std::span<const Property> ChildrenOf() {
  if constexpr (requires { T::kChildren; })
    return T::kChildren;
  else
    return {};
}
// The one NodeType of each bound type; its address identifies the type.
template <class T>
inline constexpr NodeType kNodeType{&MakeNode<T>, &ChildrenOf<T>};

enum class Kind : std::uint8_t {
  Value,  // an element holding a value
  Child,  // an element bound to a type
  Items,  // repeated elements, the items of a collection
};

// One child element of a bound type.
struct Property {
  std::string_view tag;    // as written: "Numero", or "dsig:Signature" with its prefix
  std::string_view local;  // the name without its prefix
  Ns ns;
  Kind kind;
  const NodeType* type;  // the child's or the items' bound type; null for plain elements

  constexpr Property() : ns(Ns::Inherit), kind(Kind::Value), type(nullptr) {}
  constexpr Property(std::string_view tagName, Ns where, Kind what, const NodeType* bound)
      : tag(tagName),
        local(tagName.substr(tagName.find(':') + 1)),
        ns(where),
        kind(what),
        type(bound) {}
};

// An element holding one value of type T: text (std::string, std::u16string), an integer or a
// boolean.
template <class T>
struct Element : Property {
  constexpr explicit Element(std::string_view tagName, Ns where = Ns::Types)
      : Property(tagName, where, Kind::Value, nullptr) {}
};

// An element bound to T.
template <class T>
struct Child : Property {
  constexpr explicit Child(std::string_view tagName, Ns where = Ns::Types)
      : Property(tagName, where, Kind::Child, &kNodeType<T>) {}
};

// The type of a collection's items; void for plain elements holding text.
template <class Item>
constexpr const NodeType* ItemTypeOf() {
  if constexpr (std::is_void_v<Item>)
    return nullptr;
  else
    return &kNodeType<Item>;
}

// Repeated elements of that name: the items of a collection, bound to Item (void: plain elements
// holding text). A collection type declares its own items this way.
template <class Item>
struct Repeated : Property {
  constexpr explicit Repeated(std::string_view tagName, Ns where = Ns::Types)
      : Property(tagName, where, Kind::Items, ItemTypeOf<Item>()) {}
};

// Repeated elements of that name among the parent's children, viewed as a collection C that the
// parent hosts.
template <class C>
struct Items : Repeated<typename C::ItemType> {
  constexpr explicit Items(std::string_view tagName, Ns where = Ns::Types)
      : Repeated<typename C::ItemType>(tagName, where), collection(&kNodeType<C>) {}
  const NodeType* collection;
};

// An attribute holding text of type T; attributes are in no namespace.
template <class T>
struct Attribute {
  std::string_view name;
};

namespace detail {
template <class Part>
constexpr std::size_t CountOf() {
  if constexpr (std::is_base_of_v<Property, Part>)
    return 1;
  else
    return std::tuple_size_v<Part>;
}
template <std::size_t N>
constexpr void Append(std::array<Property, N>& to, std::size_t& at, const Property& p) {
  to[at++] = p;
}
template <std::size_t N, std::size_t M>
constexpr void Append(std::array<Property, N>& to, std::size_t& at,
                      const std::array<Property, M>& from) {
  for (const Property& p : from) to[at++] = p;
}
}  // namespace detail

// The child elements of a type in their schema order, from properties and from the sequences of
// the types it extends.
template <class... Parts>
constexpr auto Sequence(const Parts&... parts) {
  std::array<Property, (std::size_t{0} + ... + detail::CountOf<Parts>())> out{};
  std::size_t at = 0;
  (detail::Append(out, at, parts), ...);
  return out;
}

}  // namespace binding

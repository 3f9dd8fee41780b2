#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "binding/binding.h"

// The XML signature that a cancellation document may carry in a "Signature" child, as a typed
// view of the stored text and nothing more: nothing here canonicalises, digests, signs, verifies
// or touches base64. The request and the response bindings each name their own set of these
// types; `Set` only tells the two sets apart, so every type of a set refers to types of the same
// set.
//
// Like every child of a bound type, the signature elements are looked up and created in the
// namespace of the element holding them: a "Signature" in the XML Signature namespace under a
// parent of another namespace is not the one the parent's Signature() reaches.
namespace cancel_documents::signature {

// A list of bound items; the creating parent gives the item name.
template <class Item>
using ItemList = binding::TXMLItemCollection<Item>;

// A list of plain items holding 8-bit text; the creating parent gives the item name. The two
// kinds behave alike: base64 content is stored and returned as it is written.
template <class Set>
class String_List : public binding::TXMLTextList<std::string> {
 public:
  using TXMLTextList::TXMLTextList;
};
template <class Set>
class Base64BinaryList : public binding::TXMLTextList<std::string> {
 public:
  using TXMLTextList::TXMLTextList;
};

// An element that is itself a list of plain "item" children holding text. Unlike a text list it
// reads an item as its text, so an item without text reads as empty text; the element's own
// reader named after the item does that.
class TextItemElement : public binding::TXMLTextList<std::string> {
 protected:
  TextItemElement(const binding::NodeInit& init, std::string_view itemElementName)
      : TXMLTextList(init) {
    SetItemElementName(itemElementName);
  }
  std::string ItemText(std::int32_t index) {
    return binding::Conversion<std::string>::FromDom(NodeAt(index)->NodeText());
  }

 private:
  using TXMLTextList::ItemAt;
};

template <class Set>
class CanonicalizationMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Algorithm() { return Attribute("Algorithm"); }
  void SetAlgorithm(const std::string& value) { SetAttribute("Algorithm", value); }
};

template <class Set>
class SignatureMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Algorithm() { return Attribute("Algorithm"); }
  std::int32_t HMACOutputLength() { return Value<std::int32_t>("HMACOutputLength"); }

  void SetAlgorithm(const std::string& value) { SetAttribute("Algorithm", value); }
  void SetHMACOutputLength(std::int32_t value) { SetValue("HMACOutputLength", value); }
};

template <class Set>
class DigestMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Algorithm() { return Attribute("Algorithm"); }
  void SetAlgorithm(const std::string& value) { SetAttribute("Algorithm", value); }
};

// "Transform": its "XPath" children are its items.
template <class Set>
class TransformType : public TextItemElement {
 public:
  explicit TransformType(const binding::NodeInit& init) : TextItemElement(init, "XPath") {}

  std::string Algorithm() { return Attribute("Algorithm"); }
  std::string XPath(std::int32_t index) { return ItemText(index); }

  void SetAlgorithm(const std::string& value) { SetAttribute("Algorithm", value); }
};

// "Transforms": its "Transform" children are its items.
template <class Set>
class TransformsType : public ItemList<TransformType<Set>> {
 public:
  explicit TransformsType(const binding::NodeInit& init)
      : ItemList<TransformType<Set>>(init, "Transform") {}
};

template <class Set>
class ReferenceType : public binding::TXMLNode {
 public:
  explicit ReferenceType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TransformsType<Set>>("Transforms");
    Register<DigestMethodType<Set>>("DigestMethod");
  }

  std::string Id() { return Attribute("Id"); }
  std::string URI() { return Attribute("URI"); }
  std::string Type() { return Attribute("Type"); }
  std::shared_ptr<TransformsType<Set>> Transforms() {
    return Child<TransformsType<Set>>("Transforms");
  }
  std::shared_ptr<DigestMethodType<Set>> DigestMethod() {
    return Child<DigestMethodType<Set>>("DigestMethod");
  }
  std::string DigestValue() { return Text("DigestValue"); }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
  void SetURI(const std::string& value) { SetAttribute("URI", value); }
  void SetType(const std::string& value) { SetAttribute("Type", value); }
  void SetDigestValue(const std::string& value) { SetValue("DigestValue", value); }
};

template <class Set>
class SignedInfoType : public binding::TXMLNode {
 public:
  explicit SignedInfoType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<CanonicalizationMethodType<Set>>("CanonicalizationMethod");
    Register<SignatureMethodType<Set>>("SignatureMethod");
    Register<ReferenceType<Set>>("Reference");
    Items<ItemList<ReferenceType<Set>>>("Reference");
  }

  std::string Id() { return Attribute("Id"); }
  std::shared_ptr<CanonicalizationMethodType<Set>> CanonicalizationMethod() {
    return Child<CanonicalizationMethodType<Set>>("CanonicalizationMethod");
  }
  std::shared_ptr<SignatureMethodType<Set>> SignatureMethod() {
    return Child<SignatureMethodType<Set>>("SignatureMethod");
  }
  std::shared_ptr<ItemList<ReferenceType<Set>>> Reference() {
    return Items<ItemList<ReferenceType<Set>>>("Reference");
  }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
};

// The signature value is the element's own text, reached through the node layer
// (NodeText, SetNodeText).
template <class Set>
class SignatureValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Id() { return Attribute("Id"); }
  void SetId(const std::string& value) { SetAttribute("Id", value); }
};

template <class Set>
class DSAKeyValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string P() { return Text("P"); }
  std::string Q() { return Text("Q"); }
  std::string G() { return Text("G"); }
  std::string Y() { return Text("Y"); }
  std::string J() { return Text("J"); }
  std::string Seed() { return Text("Seed"); }
  std::string PgenCounter() { return Text("PgenCounter"); }

  void SetP(const std::string& value) { SetValue("P", value); }
  void SetQ(const std::string& value) { SetValue("Q", value); }
  void SetG(const std::string& value) { SetValue("G", value); }
  void SetY(const std::string& value) { SetValue("Y", value); }
  void SetJ(const std::string& value) { SetValue("J", value); }
  void SetSeed(const std::string& value) { SetValue("Seed", value); }
  void SetPgenCounter(const std::string& value) { SetValue("PgenCounter", value); }
};

template <class Set>
class RSAKeyValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Modulus() { return Text("Modulus"); }
  std::string Exponent() { return Text("Exponent"); }

  void SetModulus(const std::string& value) { SetValue("Modulus", value); }
  void SetExponent(const std::string& value) { SetValue("Exponent", value); }
};

template <class Set>
class KeyValueType : public binding::TXMLNode {
 public:
  explicit KeyValueType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<DSAKeyValueType<Set>>("DSAKeyValue");
    Register<RSAKeyValueType<Set>>("RSAKeyValue");
  }

  std::shared_ptr<DSAKeyValueType<Set>> DSAKeyValue() {
    return Child<DSAKeyValueType<Set>>("DSAKeyValue");
  }
  std::shared_ptr<RSAKeyValueType<Set>> RSAKeyValue() {
    return Child<RSAKeyValueType<Set>>("RSAKeyValue");
  }
};

template <class Set>
class RetrievalMethodType : public binding::TXMLNode {
 public:
  explicit RetrievalMethodType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<TransformsType<Set>>("Transforms");
  }

  std::string URI() { return Attribute("URI"); }
  std::string Type() { return Attribute("Type"); }
  std::shared_ptr<TransformsType<Set>> Transforms() {
    return Child<TransformsType<Set>>("Transforms");
  }

  void SetURI(const std::string& value) { SetAttribute("URI", value); }
  void SetType(const std::string& value) { SetAttribute("Type", value); }
};

template <class Set>
class X509IssuerSerialType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string X509IssuerName() { return Text("X509IssuerName"); }
  // Fails on a serial number beyond the signed 32-bit range; its text stays as it is.
  std::int32_t X509SerialNumber() { return Value<std::int32_t>("X509SerialNumber"); }

  void SetX509IssuerName(const std::string& value) { SetValue("X509IssuerName", value); }
  void SetX509SerialNumber(std::int32_t value) { SetValue("X509SerialNumber", value); }
};

template <class Set>
class X509DataType : public binding::TXMLNode {
 public:
  explicit X509DataType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<X509IssuerSerialType<Set>>("X509IssuerSerial");
    Items<ItemList<X509IssuerSerialType<Set>>>("X509IssuerSerial");
    Items<Base64BinaryList<Set>>("X509SKI");
    Items<String_List<Set>>("X509SubjectName");
    Items<Base64BinaryList<Set>>("X509Certificate");
    Items<Base64BinaryList<Set>>("X509CRL");
  }

  std::shared_ptr<ItemList<X509IssuerSerialType<Set>>> X509IssuerSerial() {
    return Items<ItemList<X509IssuerSerialType<Set>>>("X509IssuerSerial");
  }
  std::shared_ptr<Base64BinaryList<Set>> X509SKI() {
    return Items<Base64BinaryList<Set>>("X509SKI");
  }
  std::shared_ptr<String_List<Set>> X509SubjectName() {
    return Items<String_List<Set>>("X509SubjectName");
  }
  std::shared_ptr<Base64BinaryList<Set>> X509Certificate() {
    return Items<Base64BinaryList<Set>>("X509Certificate");
  }
  std::shared_ptr<Base64BinaryList<Set>> X509CRL() {
    return Items<Base64BinaryList<Set>>("X509CRL");
  }
};

template <class Set>
class PGPDataType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string PGPKeyID() { return Text("PGPKeyID"); }
  std::string PGPKeyPacket() { return Text("PGPKeyPacket"); }

  void SetPGPKeyID(const std::string& value) { SetValue("PGPKeyID", value); }
  void SetPGPKeyPacket(const std::string& value) { SetValue("PGPKeyPacket", value); }
};

// "SPKIData": its "SPKISexp" children are its items.
template <class Set>
class SPKIDataType : public TextItemElement {
 public:
  explicit SPKIDataType(const binding::NodeInit& init) : TextItemElement(init, "SPKISexp") {}

  std::string SPKISexp(std::int32_t index) { return ItemText(index); }
};

// Every kind of key information is a list, so a "KeyInfo" holds any number of each, in any mix.
template <class Set>
class KeyInfoType : public binding::TXMLNode {
 public:
  explicit KeyInfoType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<KeyValueType<Set>>("KeyValue");
    Register<RetrievalMethodType<Set>>("RetrievalMethod");
    Register<X509DataType<Set>>("X509Data");
    Register<PGPDataType<Set>>("PGPData");
    Register<SPKIDataType<Set>>("SPKIData");
    Items<String_List<Set>>("KeyName");
    Items<ItemList<KeyValueType<Set>>>("KeyValue");
    Items<ItemList<RetrievalMethodType<Set>>>("RetrievalMethod");
    Items<ItemList<X509DataType<Set>>>("X509Data");
    Items<ItemList<PGPDataType<Set>>>("PGPData");
    Items<ItemList<SPKIDataType<Set>>>("SPKIData");
    Items<String_List<Set>>("MgmtData");
  }

  std::string Id() { return Attribute("Id"); }
  std::shared_ptr<String_List<Set>> KeyName() { return Items<String_List<Set>>("KeyName"); }
  std::shared_ptr<ItemList<KeyValueType<Set>>> KeyValue() {
    return Items<ItemList<KeyValueType<Set>>>("KeyValue");
  }
  std::shared_ptr<ItemList<RetrievalMethodType<Set>>> RetrievalMethod() {
    return Items<ItemList<RetrievalMethodType<Set>>>("RetrievalMethod");
  }
  std::shared_ptr<ItemList<X509DataType<Set>>> X509Data() {
    return Items<ItemList<X509DataType<Set>>>("X509Data");
  }
  std::shared_ptr<ItemList<PGPDataType<Set>>> PGPData() {
    return Items<ItemList<PGPDataType<Set>>>("PGPData");
  }
  std::shared_ptr<ItemList<SPKIDataType<Set>>> SPKIData() {
    return Items<ItemList<SPKIDataType<Set>>>("SPKIData");
  }
  std::shared_ptr<String_List<Set>> MgmtData() { return Items<String_List<Set>>("MgmtData"); }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
};

// The object's content is reached through the node layer.
template <class Set>
class ObjectType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;

  std::string Id() { return Attribute("Id"); }
  std::string MimeType() { return Attribute("MimeType"); }
  std::string Encoding() { return Attribute("Encoding"); }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
  void SetMimeType(const std::string& value) { SetAttribute("MimeType", value); }
  void SetEncoding(const std::string& value) { SetAttribute("Encoding", value); }
};

template <class Set>
class SignatureType : public binding::TXMLNode {
 public:
  explicit SignatureType(const binding::NodeInit& init) : TXMLNode(init) {
    Register<SignedInfoType<Set>>("SignedInfo");
    Register<SignatureValueType<Set>>("SignatureValue");
    Register<KeyInfoType<Set>>("KeyInfo");
    Register<ObjectType<Set>>("Object");
    Items<ItemList<ObjectType<Set>>>("Object");
  }

  std::string Id() { return Attribute("Id"); }
  std::shared_ptr<SignedInfoType<Set>> SignedInfo() {
    return Child<SignedInfoType<Set>>("SignedInfo");
  }
  std::shared_ptr<SignatureValueType<Set>> SignatureValue() {
    return Child<SignatureValueType<Set>>("SignatureValue");
  }
  std::shared_ptr<KeyInfoType<Set>> KeyInfo() { return Child<KeyInfoType<Set>>("KeyInfo"); }
  std::shared_ptr<ItemList<ObjectType<Set>>> Object() {
    return Items<ItemList<ObjectType<Set>>>("Object");
  }

  void SetId(const std::string& value) { SetAttribute("Id", value); }
};

}  // namespace cancel_documents::signature

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "binding/binding.h"

// The XML signature that a cancellation document may carry in a "Signature" child, as a typed
// view of the stored text and nothing more: nothing here canonicalises, digests, signs, verifies
// or touches base64. The request and the response bindings each name their own set of these
// types; `Family` only tells the two sets apart, so every type of a set refers to types of the same
// set.
//
// Under the specified layout the signature elements are looked up and created in the namespace
// of the element holding them, like every child; under the service layout the whole subtree is in
// the XML Signature namespace, whatever prefix it is written with.
namespace cancel_documents::signature {

using binding::Ns;
template <class T>
using Text = binding::Element<T>;
template <class T>
using Attribute = binding::Attribute<T>;
constexpr Ns kDs = Ns::Signature;

// A list of bound items; the creating parent gives the item name.
template <class Item>
using ItemList = binding::TXMLItemCollection<Item>;

// A list of plain items holding 8-bit text; the creating parent gives the item name. The two
// kinds behave alike: base64 content is stored and returned as it is written.
template <class Family>
class String_List : public binding::TXMLTextList<std::string> {
 public:
  using TXMLTextList::TXMLTextList;
};
template <class Family>
class Base64BinaryList : public binding::TXMLTextList<std::string> {
 public:
  using TXMLTextList::TXMLTextList;
};

// An element that is itself a list of plain children holding text, declared by the type as its
// Repeated property. Unlike a text list it reads an item as its text, so an item without text
// reads as empty text; the element's own reader named after the item does that.
class TextItemElement : public binding::TXMLTextList<std::string> {
 protected:
  using TXMLTextList::TXMLTextList;
  std::string ItemString(std::int32_t index) {
    return binding::Conversion<std::string>::FromDom(ItemText(index));
  }

 private:
  using TXMLTextList::ItemAt;
};

template <class Family>
class CanonicalizationMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kAlgorithm{"Algorithm"};

  std::string Algorithm() { return Get(kAlgorithm); }
  void SetAlgorithm(const std::string& value) { Set(kAlgorithm, value); }
};

template <class Family>
class SignatureMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kAlgorithm{"Algorithm"};
  static constexpr Text<std::int32_t> kHMACOutputLength{"HMACOutputLength", kDs};
  static constexpr auto kChildren = binding::Sequence(kHMACOutputLength);

  std::string Algorithm() { return Get(kAlgorithm); }
  std::int32_t HMACOutputLength() { return Get(kHMACOutputLength); }

  void SetAlgorithm(const std::string& value) { Set(kAlgorithm, value); }
  void SetHMACOutputLength(std::int32_t value) { Set(kHMACOutputLength, value); }
};

template <class Family>
class DigestMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kAlgorithm{"Algorithm"};

  std::string Algorithm() { return Get(kAlgorithm); }
  void SetAlgorithm(const std::string& value) { Set(kAlgorithm, value); }
};

// "Transform": its "XPath" children are its items.
template <class Family>
class TransformType : public TextItemElement {
 public:
  using TextItemElement::TextItemElement;
  static constexpr Attribute<std::string> kAlgorithm{"Algorithm"};
  static constexpr binding::Repeated<void> kXPath{"XPath", kDs};
  static constexpr auto kChildren = binding::Sequence(kXPath);

  std::string Algorithm() { return Get(kAlgorithm); }
  std::string XPath(std::int32_t index) { return ItemString(index); }

  void SetAlgorithm(const std::string& value) { Set(kAlgorithm, value); }
};

// "Transforms": its "Transform" children are its items.
template <class Family>
class TransformsType : public ItemList<TransformType<Family>> {
 public:
  using ItemList<TransformType<Family>>::ItemList;
  static constexpr binding::Repeated<TransformType<Family>> kTransform{"Transform", kDs};
  static constexpr auto kChildren = binding::Sequence(kTransform);
};

template <class Family>
class ReferenceType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr Attribute<std::string> kURI{"URI"};
  static constexpr Attribute<std::string> kType{"Type"};
  static constexpr binding::Child<TransformsType<Family>> kTransforms{"Transforms", kDs};
  static constexpr binding::Child<DigestMethodType<Family>> kDigestMethod{"DigestMethod", kDs};
  static constexpr Text<std::string> kDigestValue{"DigestValue", kDs};
  static constexpr auto kChildren = binding::Sequence(kTransforms, kDigestMethod, kDigestValue);

  std::string Id() { return Get(kId); }
  std::string URI() { return Get(kURI); }
  std::string Type() { return Get(kType); }
  std::shared_ptr<TransformsType<Family>> Transforms() { return Get(kTransforms); }
  std::shared_ptr<DigestMethodType<Family>> DigestMethod() { return Get(kDigestMethod); }
  std::string DigestValue() { return Get(kDigestValue); }

  void SetId(const std::string& value) { Set(kId, value); }
  void SetURI(const std::string& value) { Set(kURI, value); }
  void SetType(const std::string& value) { Set(kType, value); }
  void SetDigestValue(const std::string& value) { Set(kDigestValue, value); }
};

template <class Family>
class SignedInfoType : public binding::TXMLNode {
  using Canonicalization = CanonicalizationMethodType<Family>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr binding::Child<Canonicalization> kCanonicalizationMethod{
      "CanonicalizationMethod", kDs};
  static constexpr binding::Child<SignatureMethodType<Family>> kSignatureMethod{"SignatureMethod",
                                                                                kDs};
  static constexpr binding::Items<ItemList<ReferenceType<Family>>> kReference{"Reference", kDs};
  static constexpr auto kChildren =
      binding::Sequence(kCanonicalizationMethod, kSignatureMethod, kReference);

  std::string Id() { return Get(kId); }
  std::shared_ptr<Canonicalization> CanonicalizationMethod() {
    return Get(kCanonicalizationMethod);
  }
  std::shared_ptr<SignatureMethodType<Family>> SignatureMethod() { return Get(kSignatureMethod); }
  std::shared_ptr<ItemList<ReferenceType<Family>>> Reference() { return Get(kReference); }

  void SetId(const std::string& value) { Set(kId, value); }
};

// The signature value is the element's own text, reached through the node layer
// (NodeText, SetNodeText).
template <class Family>
class SignatureValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};

  std::string Id() { return Get(kId); }
  void SetId(const std::string& value) { Set(kId, value); }
};

template <class Family>
class DSAKeyValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Text<std::string> kP{"P", kDs};
  static constexpr Text<std::string> kQ{"Q", kDs};
  static constexpr Text<std::string> kG{"G", kDs};
  static constexpr Text<std::string> kY{"Y", kDs};
  static constexpr Text<std::string> kJ{"J", kDs};
  static constexpr Text<std::string> kSeed{"Seed", kDs};
  static constexpr Text<std::string> kPgenCounter{"PgenCounter", kDs};
  static constexpr auto kChildren = binding::Sequence(kP, kQ, kG, kY, kJ, kSeed, kPgenCounter);

  std::string P() { return Get(kP); }
  std::string Q() { return Get(kQ); }
  std::string G() { return Get(kG); }
  std::string Y() { return Get(kY); }
  std::string J() { return Get(kJ); }
  std::string Seed() { return Get(kSeed); }
  std::string PgenCounter() { return Get(kPgenCounter); }

  void SetP(const std::string& value) { Set(kP, value); }
  void SetQ(const std::string& value) { Set(kQ, value); }
  void SetG(const std::string& value) { Set(kG, value); }
  void SetY(const std::string& value) { Set(kY, value); }
  void SetJ(const std::string& value) { Set(kJ, value); }
  void SetSeed(const std::string& value) { Set(kSeed, value); }
  void SetPgenCounter(const std::string& value) { Set(kPgenCounter, value); }
};

template <class Family>
class RSAKeyValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Text<std::string> kModulus{"Modulus", kDs};
  static constexpr Text<std::string> kExponent{"Exponent", kDs};
  static constexpr auto kChildren = binding::Sequence(kModulus, kExponent);

  std::string Modulus() { return Get(kModulus); }
  std::string Exponent() { return Get(kExponent); }

  void SetModulus(const std::string& value) { Set(kModulus, value); }
  void SetExponent(const std::string& value) { Set(kExponent, value); }
};

template <class Family>
class KeyValueType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Child<DSAKeyValueType<Family>> kDSAKeyValue{"DSAKeyValue", kDs};
  static constexpr binding::Child<RSAKeyValueType<Family>> kRSAKeyValue{"RSAKeyValue", kDs};
  static constexpr auto kChildren = binding::Sequence(kDSAKeyValue, kRSAKeyValue);

  std::shared_ptr<DSAKeyValueType<Family>> DSAKeyValue() { return Get(kDSAKeyValue); }
  std::shared_ptr<RSAKeyValueType<Family>> RSAKeyValue() { return Get(kRSAKeyValue); }
};

template <class Family>
class RetrievalMethodType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kURI{"URI"};
  static constexpr Attribute<std::string> kType{"Type"};
  static constexpr binding::Child<TransformsType<Family>> kTransforms{"Transforms", kDs};
  static constexpr auto kChildren = binding::Sequence(kTransforms);

  std::string URI() { return Get(kURI); }
  std::string Type() { return Get(kType); }
  std::shared_ptr<TransformsType<Family>> Transforms() { return Get(kTransforms); }

  void SetURI(const std::string& value) { Set(kURI, value); }
  void SetType(const std::string& value) { Set(kType, value); }
};

template <class Family>
class X509IssuerSerialType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Text<std::string> kX509IssuerName{"X509IssuerName", kDs};
  static constexpr Text<std::int32_t> kX509SerialNumber{"X509SerialNumber", kDs};
  static constexpr auto kChildren = binding::Sequence(kX509IssuerName, kX509SerialNumber);

  std::string X509IssuerName() { return Get(kX509IssuerName); }
  // Fails on a serial number beyond the signed 32-bit range; its text stays as it is.
  std::int32_t X509SerialNumber() { return Get(kX509SerialNumber); }

  void SetX509IssuerName(const std::string& value) { Set(kX509IssuerName, value); }
  void SetX509SerialNumber(std::int32_t value) { Set(kX509SerialNumber, value); }
};

template <class Family>
class X509DataType : public binding::TXMLNode {
  using IssuerSerialList = ItemList<X509IssuerSerialType<Family>>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr binding::Items<IssuerSerialList> kX509IssuerSerial{"X509IssuerSerial", kDs};
  static constexpr binding::Items<Base64BinaryList<Family>> kX509SKI{"X509SKI", kDs};
  static constexpr binding::Items<String_List<Family>> kX509SubjectName{"X509SubjectName", kDs};
  static constexpr binding::Items<Base64BinaryList<Family>> kX509Certificate{"X509Certificate",
                                                                             kDs};
  static constexpr binding::Items<Base64BinaryList<Family>> kX509CRL{"X509CRL", kDs};
  static constexpr auto kChildren =
      binding::Sequence(kX509IssuerSerial, kX509SKI, kX509SubjectName, kX509Certificate, kX509CRL);

  std::shared_ptr<IssuerSerialList> X509IssuerSerial() { return Get(kX509IssuerSerial); }
  std::shared_ptr<Base64BinaryList<Family>> X509SKI() { return Get(kX509SKI); }
  std::shared_ptr<String_List<Family>> X509SubjectName() { return Get(kX509SubjectName); }
  std::shared_ptr<Base64BinaryList<Family>> X509Certificate() { return Get(kX509Certificate); }
  std::shared_ptr<Base64BinaryList<Family>> X509CRL() { return Get(kX509CRL); }
};

template <class Family>
class PGPDataType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Text<std::string> kPGPKeyID{"PGPKeyID", kDs};
  static constexpr Text<std::string> kPGPKeyPacket{"PGPKeyPacket", kDs};
  static constexpr auto kChildren = binding::Sequence(kPGPKeyID, kPGPKeyPacket);

  std::string PGPKeyID() { return Get(kPGPKeyID); }
  std::string PGPKeyPacket() { return Get(kPGPKeyPacket); }

  void SetPGPKeyID(const std::string& value) { Set(kPGPKeyID, value); }
  void SetPGPKeyPacket(const std::string& value) { Set(kPGPKeyPacket, value); }
};

// "SPKIData": its "SPKISexp" children are its items.
template <class Family>
class SPKIDataType : public TextItemElement {
 public:
  using TextItemElement::TextItemElement;
  static constexpr binding::Repeated<void> kSPKISexp{"SPKISexp", kDs};
  static constexpr auto kChildren = binding::Sequence(kSPKISexp);

  std::string SPKISexp(std::int32_t index) { return ItemString(index); }
};

// Every kind of key information is a list, so a "KeyInfo" holds any number of each, in any mix.
template <class Family>
class KeyInfoType : public binding::TXMLNode {
  using KeyValueList = ItemList<KeyValueType<Family>>;
  using RetrievalMethodList = ItemList<RetrievalMethodType<Family>>;
  using X509DataList = ItemList<X509DataType<Family>>;
  using PGPDataList = ItemList<PGPDataType<Family>>;
  using SPKIDataList = ItemList<SPKIDataType<Family>>;

 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr binding::Items<String_List<Family>> kKeyName{"KeyName", kDs};
  static constexpr binding::Items<KeyValueList> kKeyValue{"KeyValue", kDs};
  static constexpr binding::Items<RetrievalMethodList> kRetrievalMethod{"RetrievalMethod", kDs};
  static constexpr binding::Items<X509DataList> kX509Data{"X509Data", kDs};
  static constexpr binding::Items<PGPDataList> kPGPData{"PGPData", kDs};
  static constexpr binding::Items<SPKIDataList> kSPKIData{"SPKIData", kDs};
  static constexpr binding::Items<String_List<Family>> kMgmtData{"MgmtData", kDs};
  static constexpr auto kChildren = binding::Sequence(kKeyName, kKeyValue, kRetrievalMethod,
                                                      kX509Data, kPGPData, kSPKIData, kMgmtData);

  std::string Id() { return Get(kId); }
  std::shared_ptr<String_List<Family>> KeyName() { return Get(kKeyName); }
  std::shared_ptr<KeyValueList> KeyValue() { return Get(kKeyValue); }
  std::shared_ptr<RetrievalMethodList> RetrievalMethod() { return Get(kRetrievalMethod); }
  std::shared_ptr<X509DataList> X509Data() { return Get(kX509Data); }
  std::shared_ptr<PGPDataList> PGPData() { return Get(kPGPData); }
  std::shared_ptr<SPKIDataList> SPKIData() { return Get(kSPKIData); }
  std::shared_ptr<String_List<Family>> MgmtData() { return Get(kMgmtData); }

  void SetId(const std::string& value) { Set(kId, value); }
};

// The object's content is reached through the node layer.
template <class Family>
class ObjectType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr Attribute<std::string> kMimeType{"MimeType"};
  static constexpr Attribute<std::string> kEncoding{"Encoding"};

  std::string Id() { return Get(kId); }
  std::string MimeType() { return Get(kMimeType); }
  std::string Encoding() { return Get(kEncoding); }

  void SetId(const std::string& value) { Set(kId, value); }
  void SetMimeType(const std::string& value) { Set(kMimeType, value); }
  void SetEncoding(const std::string& value) { Set(kEncoding, value); }
};

template <class Family>
class SignatureType : public binding::TXMLNode {
 public:
  using TXMLNode::TXMLNode;
  static constexpr Attribute<std::string> kId{"Id"};
  static constexpr binding::Child<SignedInfoType<Family>> kSignedInfo{"SignedInfo", kDs};
  static constexpr binding::Child<SignatureValueType<Family>> kSignatureValue{"SignatureValue",
                                                                              kDs};
  static constexpr binding::Child<KeyInfoType<Family>> kKeyInfo{"KeyInfo", kDs};
  static constexpr binding::Items<ItemList<ObjectType<Family>>> kObject{"Object", kDs};
  static constexpr auto kChildren =
      binding::Sequence(kSignedInfo, kSignatureValue, kKeyInfo, kObject);

  std::string Id() { return Get(kId); }
  std::shared_ptr<SignedInfoType<Family>> SignedInfo() { return Get(kSignedInfo); }
  std::shared_ptr<SignatureValueType<Family>> SignatureValue() { return Get(kSignatureValue); }
  std::shared_ptr<KeyInfoType<Family>> KeyInfo() { return Get(kKeyInfo); }
  std::shared_ptr<ItemList<ObjectType<Family>>> Object() { return Get(kObject); }

  void SetId(const std::string& value) { Set(kId, value); }
};

}  // namespace cancel_documents::signature

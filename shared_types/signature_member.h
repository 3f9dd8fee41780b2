#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"

// The two forms the "Signature" member of a cancellation record takes. Each document set picks
// one through its `WithSignature` (see cancellation.h); both add their accessors after those of
// the record they extend, and their element after its elements. The signature is in the XML
// Signature namespace under the service layout.
namespace shared_types {

// No signature member.
template <class Base>
using WithoutSignature = Base;

// A "Signature" child bound to the set's signature type.
template <class Base, class SignatureType>
class WithSignatureChild : public Base {
 public:
  using Base::Base;
  static constexpr binding::Child<SignatureType> kSignature{"Signature", binding::Ns::Signature};
  static constexpr auto kChildren = binding::Sequence(Base::kChildren, kSignature);

  std::shared_ptr<SignatureType> Signature() { return this->Get(kSignature); }
};

// A plain element "dsig:Signature" read and written as text, for sets without a signature model.
template <class Base, class TextType>
class WithSignatureText : public Base {
 public:
  using Base::Base;
  static constexpr binding::Element<TextType> kSignature{"dsig:Signature", binding::Ns::Signature};
  static constexpr auto kChildren = binding::Sequence(Base::kChildren, kSignature);

  TextType Signature() { return this->Get(kSignature); }

  void SetSignature(const TextType& value) { this->Set(kSignature, value); }
};

}  // namespace shared_types

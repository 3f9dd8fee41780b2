#pragma once

#include <memory>
#include <string>

#include "binding/binding.h"

// The two forms the "Signature" member of a cancellation record takes. Each document set picks
// one through its `WithSignature` (see cancellation.h); both add their accessors after those of
// the record they extend and register after it.
namespace shared_types {

// No signature member.
template <class Base>
using WithoutSignature = Base;

// A "Signature" child bound to the set's signature type.
template <class Base, class SignatureType>
class WithSignatureChild : public Base {
 public:
  explicit WithSignatureChild(const binding::NodeInit& init) : Base(init) {
    this->template Register<SignatureType>("Signature");
  }

  std::shared_ptr<SignatureType> Signature() {
    return this->template Child<SignatureType>("Signature");
  }
};

// A plain element "dsig:Signature" read and written as text, for sets without a signature model.
template <class Base, class TextType>
class WithSignatureText : public Base {
 public:
  using Base::Base;

  TextType Signature() { return this->template Text<TextType>("dsig:Signature"); }

  void SetSignature(const TextType& value) { this->SetValue("dsig:Signature", value); }
};

}  // namespace shared_types

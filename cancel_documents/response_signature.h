#pragma once

#include "cancel_documents/signature.h"

// The response set of signature types, named the way the response bindings name them.
namespace cancel_documents::response {

// The response set: what a parent binds its "Signature" child to.
struct Signatures;

using TXMLSignatureType_ = signature::SignatureType<Signatures>;
using TXMLSignedInfoType_ = signature::SignedInfoType<Signatures>;
using TXMLCanonicalizationMethodType_ = signature::CanonicalizationMethodType<Signatures>;
using TXMLSignatureMethodType_ = signature::SignatureMethodType<Signatures>;
using TXMLReferenceType_ = signature::ReferenceType<Signatures>;
using TXMLReferenceType_List = signature::ItemList<TXMLReferenceType_>;
using TXMLTransformsType_ = signature::TransformsType<Signatures>;
using TXMLTransformType_ = signature::TransformType<Signatures>;
using TXMLDigestMethodType_ = signature::DigestMethodType<Signatures>;
using TXMLSignatureValueType_ = signature::SignatureValueType<Signatures>;
using TXMLKeyInfoType_ = signature::KeyInfoType<Signatures>;
using TXMLKeyValueType_ = signature::KeyValueType<Signatures>;
using TXMLKeyValueType_List = signature::ItemList<TXMLKeyValueType_>;
using TXMLDSAKeyValueType_ = signature::DSAKeyValueType<Signatures>;
using TXMLRSAKeyValueType_ = signature::RSAKeyValueType<Signatures>;
using TXMLRetrievalMethodType_ = signature::RetrievalMethodType<Signatures>;
using TXMLRetrievalMethodType_List = signature::ItemList<TXMLRetrievalMethodType_>;
using TXMLX509DataType_ = signature::X509DataType<Signatures>;
using TXMLX509DataType_List = signature::ItemList<TXMLX509DataType_>;
using TXMLX509IssuerSerialType_ = signature::X509IssuerSerialType<Signatures>;
using TXMLX509IssuerSerialType_List = signature::ItemList<TXMLX509IssuerSerialType_>;
using TXMLPGPDataType_ = signature::PGPDataType<Signatures>;
using TXMLPGPDataType_List = signature::ItemList<TXMLPGPDataType_>;
using TXMLSPKIDataType_ = signature::SPKIDataType<Signatures>;
using TXMLSPKIDataType_List = signature::ItemList<TXMLSPKIDataType_>;
using TXMLObjectType_ = signature::ObjectType<Signatures>;
using TXMLObjectType_List = signature::ItemList<TXMLObjectType_>;
using TXMLBase64BinaryList = signature::Base64BinaryList<Signatures>;
using TXMLString_List = signature::String_List<Signatures>;

}  // namespace cancel_documents::response

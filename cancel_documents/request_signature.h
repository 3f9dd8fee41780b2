#pragma once

#include "cancel_documents/signature.h"

// The request set of signature types, named the way the request bindings name them.
namespace cancel_documents::request {

// The request set: what a parent binds its "Signature" child to.
struct Signatures;

using TXMLSignatureType_dsig = signature::SignatureType<Signatures>;
using TXMLSignedInfoType_dsig = signature::SignedInfoType<Signatures>;
using TXMLCanonicalizationMethodType_dsig = signature::CanonicalizationMethodType<Signatures>;
using TXMLSignatureMethodType_dsig = signature::SignatureMethodType<Signatures>;
using TXMLReferenceType_dsig = signature::ReferenceType<Signatures>;
using TXMLReferenceType_dsigList = signature::ItemList<TXMLReferenceType_dsig>;
using TXMLTransformsType_dsig = signature::TransformsType<Signatures>;
using TXMLTransformType_dsig = signature::TransformType<Signatures>;
using TXMLDigestMethodType_dsig = signature::DigestMethodType<Signatures>;
using TXMLSignatureValueType_dsig = signature::SignatureValueType<Signatures>;
using TXMLKeyInfoType_dsig = signature::KeyInfoType<Signatures>;
using TXMLKeyValueType_dsig = signature::KeyValueType<Signatures>;
using TXMLKeyValueType_dsigList = signature::ItemList<TXMLKeyValueType_dsig>;
using TXMLDSAKeyValueType_dsig = signature::DSAKeyValueType<Signatures>;
using TXMLRSAKeyValueType_dsig = signature::RSAKeyValueType<Signatures>;
using TXMLRetrievalMethodType_dsig = signature::RetrievalMethodType<Signatures>;
using TXMLRetrievalMethodType_dsigList = signature::ItemList<TXMLRetrievalMethodType_dsig>;
using TXMLX509DataType_dsig = signature::X509DataType<Signatures>;
using TXMLX509DataType_dsigList = signature::ItemList<TXMLX509DataType_dsig>;
using TXMLX509IssuerSerialType_dsig = signature::X509IssuerSerialType<Signatures>;
using TXMLX509IssuerSerialType_dsigList = signature::ItemList<TXMLX509IssuerSerialType_dsig>;
using TXMLPGPDataType_dsig = signature::PGPDataType<Signatures>;
using TXMLPGPDataType_dsigList = signature::ItemList<TXMLPGPDataType_dsig>;
using TXMLSPKIDataType_dsig = signature::SPKIDataType<Signatures>;
using TXMLSPKIDataType_dsigList = signature::ItemList<TXMLSPKIDataType_dsig>;
using TXMLObjectType_dsig = signature::ObjectType<Signatures>;
using TXMLObjectType_dsigList = signature::ItemList<TXMLObjectType_dsig>;
using TXMLBase64BinaryList = signature::Base64BinaryList<Signatures>;
using TXMLString_List = signature::String_List<Signatures>;

}  // namespace cancel_documents::request

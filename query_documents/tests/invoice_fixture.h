#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "binding/binding.h"
#include "query_documents/invoice_body.h"
#include "query_documents/namespaces.h"

// Invoice bodies parsed from inline XML, bound at "InfNfse" as their own document element, so
// each test shows just the elements it is about.
namespace invoice_fixture {

using query_documents::TXMLTcInfNfse;

// `inner` inside an "InfNfse" element in the response namespace, written with `prefix` when
// one is given.
inline std::string InfNfse(std::string_view inner, std::string_view prefix = {}) {
  const std::string tag = prefix.empty() ? "InfNfse" : std::string(prefix) + ":InfNfse";
  const std::string xmlns = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
  return "<" + tag + " " + xmlns + "=\"" + query_documents::ResponseNamespace + "\">" +
         std::string(inner) + "</" + tag + ">";
}

inline std::shared_ptr<TXMLTcInfNfse> Parse(const std::string& xml) {
  return binding::BindDocument<TXMLTcInfNfse>(binding::ParseDocument(xml), "InfNfse",
                                              query_documents::ResponseNamespace);
}

// A new document holding only an empty "InfNfse" element.
inline std::shared_ptr<TXMLTcInfNfse> NewBody() {
  return binding::NewBoundDocument<TXMLTcInfNfse>("InfNfse", query_documents::ResponseNamespace);
}

// The serialised document without its declaration line and final line break.
inline std::string Saved(const std::shared_ptr<binding::TXMLNode>& node) {
  std::string bytes = node->OwnerDocument()->XmlBytes();
  if (bytes.starts_with("<?xml")) bytes.erase(0, bytes.find('\n') + 1);
  if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
  return bytes;
}

}  // namespace invoice_fixture

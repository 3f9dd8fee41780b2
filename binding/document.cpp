#include "binding/document.h"

#include <libxml/globals.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include "binding/xml.h"
#include "files/files.h"

namespace binding {

namespace {

void Ignore(void*, const char*, ...) {}
void IgnoreStructured(void*, xmlError*) {}

}  // namespace

// libxml2 prints its messages on standard error unless given handlers; ours reach the caller as
// exceptions (parse and save report their own), so the rest go nowhere. The handlers are per
// thread: set them as defaults for new threads and for this one on every call.
void xml::InitialiseParser() {
  static const bool initialised = [] {
    xmlInitParser();
    xmlThrDefSetGenericErrorFunc(nullptr, &Ignore);
    xmlThrDefSetStructuredErrorFunc(nullptr, &IgnoreStructured);
    return true;
  }();
  (void)initialised;
  xmlSetGenericErrorFunc(nullptr, &Ignore);
  xmlSetStructuredErrorFunc(nullptr, &IgnoreStructured);
}

namespace {

void ReplaceString(const xmlChar*& field, std::string_view value) {
  if (field) xmlFree(const_cast<xmlChar*>(field));
  field = value.empty() ? nullptr : xmlStrdup(xml::Chars(std::string(value)));
}

}  // namespace

TXMLDocument::TXMLDocument(Key, xmlDoc* dom, std::filesystem::path fileName, bool hasDeclaration)
    : dom_(dom), fileName_(std::move(fileName)), hasDeclaration_(hasDeclaration) {}

TXMLDocument::~TXMLDocument() {
  nodes_.clear();
  // Removed subtrees first: they still refer to the document's dictionary.
  for (xmlNode* node : detached_) xmlFreeNode(node);
  xmlFreeDoc(dom_);
}

std::shared_ptr<TXMLDocument> TXMLDocument::Adopt(xmlDoc* dom, std::filesystem::path fileName,
                                                  bool hasDeclaration) {
  return std::make_shared<TXMLDocument>(Key{}, dom, std::move(fileName), hasDeclaration);
}

TXMLNode* TXMLDocument::Own(std::unique_ptr<TXMLNode> node) {
  nodes_.push_back(std::move(node));
  return nodes_.back().get();
}

TXMLNode* TXMLDocument::DocumentNodeObject() {
  if (!documentNode_)
    documentNode_ =
        Own(std::make_unique<TXMLNode>(NodeInit(this, xml::AsNode(dom_), nullptr, nullptr)));
  return documentNode_;
}

std::shared_ptr<TXMLNode> TXMLDocument::DocumentNode() {
  return std::shared_ptr<TXMLNode>(shared_from_this(), DocumentNodeObject());
}

std::shared_ptr<TXMLNode> TXMLDocument::DocumentElement() {
  TXMLNode* last = nullptr;
  for (TXMLNode* child : DocumentNodeObject()->Children())
    if (child->IsElement()) last = child;
  return last ? std::shared_ptr<TXMLNode>(shared_from_this(), last) : nullptr;
}

std::shared_ptr<TXMLNode> TXMLDocument::BindRoot(std::string_view tag, std::string_view ns,
                                                 NodeFactory type) {
  TXMLNode* documentNode = DocumentNodeObject();
  documentNode->RegisterChildType(tag, type, ns);
  documentNode->DropChildren();
  if (!xmlDocGetRootElement(dom_))
    xmlAddChild(xml::AsNode(dom_), xml::NewElementInNamespace(xml::AsNode(dom_), tag, ns));
  return DocumentElement();
}

std::string TXMLDocument::Version() const { return xml::String(dom_->version); }
std::string TXMLDocument::Encoding() const { return xml::String(dom_->encoding); }
std::string TXMLDocument::Standalone() const {
  return dom_->standalone == 1 ? "yes" : dom_->standalone == 0 ? "no" : "";
}

void TXMLDocument::SetVersion(std::string_view version) {
  ReplaceString(dom_->version, version.empty() ? "1.0" : version);
  hasDeclaration_ = true;
}

void TXMLDocument::SetEncoding(std::string_view encoding) {
  if (!dom_->version) ReplaceString(dom_->version, "1.0");
  ReplaceString(dom_->encoding, encoding);
  hasDeclaration_ = true;
}

void TXMLDocument::SetStandalone(std::string_view standalone) {
  if (!dom_->version) ReplaceString(dom_->version, "1.0");
  dom_->standalone = standalone == "yes" ? 1 : standalone == "no" ? 0 : -1;
  hasDeclaration_ = true;
}

std::string TXMLDocument::XmlBytes() const {
  xml::InitialiseParser();
  xmlBuffer* buffer = xmlBufferCreate();
  const int options = XML_SAVE_AS_XML | (hasDeclaration_ ? 0 : XML_SAVE_NO_DECL);
  const char* encoding = reinterpret_cast<const char*>(dom_->encoding);
  xmlSaveCtxt* save = xmlSaveToBuffer(buffer, encoding, options);
  if (!save) {
    xmlBufferFree(buffer);
    throw Error("Cannot write the encoding \"" + Encoding() + "\"");
  }
  const bool written = xmlSaveDoc(save, dom_) >= 0;
  // Closing flushes the encoder, which is where text the encoding cannot hold fails.
  if (xmlSaveClose(save) < 0 || !written) {
    xmlBufferFree(buffer);
    throw Error("The document could not be written in the encoding \"" + Encoding() + "\"");
  }
  std::string bytes(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                    static_cast<std::size_t>(xmlBufferLength(buffer)));
  xmlBufferFree(buffer);
  return bytes;
}

void TXMLDocument::SaveToFile(const std::filesystem::path& path) const {
  const std::string bytes = XmlBytes();
  try {
    files::WriteFileAtomically(path, bytes);
  } catch (const files::Error& e) {
    throw Error(e.what());
  }
}

std::shared_ptr<TXMLDocument> NewDocument(std::string_view version) {
  xml::InitialiseParser();
  xmlDoc* dom = xmlNewDoc(xml::Chars(std::string(version.empty() ? "1.0" : version)));
  if (!dom) throw Error("The XML DOM could not be created");
  return TXMLDocument::Adopt(dom, {}, true);
}

}  // namespace binding

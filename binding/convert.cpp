// A document copied into the other namespace layout.

#include "binding/document.h"
#include "binding/node.h"
#include "binding/xml.h"

namespace binding {

namespace {

const NodeType* const kPlain = &kNodeType<TXMLNode>;

// The declaration of `element` among those of `type` in `from`, or an undeclared one that keeps
// it in its parent's namespace.
Property DeclarationOf(const TXMLDocument& from, const xmlNode* element, const NodeType* type) {
  for (const Property& q : type->children())
    if (from.Declares(element, q)) return q;
  return Property(xml::View(element->name), Ns::Inherit, Kind::Value, nullptr);
}

// Copies the children of `from` (bound as `type`) under `to`, in order.
void CopyChildren(const TXMLDocument& source, TXMLDocument& target, const xmlNode* from,
                  const NodeType* type, xmlNode* to) {
  for (const xmlNode* c = from->children; c; c = c->next) {
    if (c->type != XML_ELEMENT_NODE) {
      xml::Append(to, xml::CopyNode(c, to->doc));
      continue;
    }
    const Property p = DeclarationOf(source, c, type);
    xmlNode* made = target.NewChildElement(to, p);
    xml::Append(to, made);
    xml::CopyAttributes(c, made);
    CopyChildren(source, target, c, p.type ? p.type : kPlain, made);
  }
}

}  // namespace

std::shared_ptr<TXMLDocument> ConvertLayout(TXMLNode& root, Layout target) {
  const std::shared_ptr<TXMLDocument> source = root.OwnerDocument();
  xmlNode* from = root.Dom();
  if (!from) throw Error("The node views no element");
  const std::shared_ptr<TXMLDocument> made = NewDocument("1.0", target);
  xml::SetDeclarationField(made->dom_->version, source->Version());
  xml::SetDeclarationField(made->dom_->encoding, source->Encoding());
  made->dom_->standalone = source->dom_->standalone;
  made->hasDeclaration_ = source->hasDeclaration_;

  const std::string tag = xml::String(from->name);
  const std::string ns =
      source->ownNamespace_.empty() ? std::string(xml::NamespaceOf(from)) : source->ownNamespace_;
  xmlNode* documentNode = xml::AsNode(made->dom_);
  for (const xmlNode* c = source->dom_->children; c; c = c->next) {
    if (c != from) {
      xml::Append(documentNode, xml::CopyNode(c, made->dom_));
      continue;
    }
    xmlNode* to = made->NewRoot(tag, ns, root.type_);
    xml::Append(documentNode, to);
    xml::CopyAttributes(from, to);
    CopyChildren(*source, *made, from, root.type_, to);
  }
  made->BindRoot(tag, ns, root.type_);
  return made;
}

std::shared_ptr<TXMLDocument> CopyToNewDocument(TXMLNode& element, Layout layout) {
  xmlNode* from = element.Dom();
  if (!from || from->type != XML_ELEMENT_NODE) throw Error("The node views no element");
  const std::shared_ptr<TXMLDocument> made = NewDocument("1.0", layout);
  made->SetEncoding("UTF-8");
  xml::CopyAsRoot(from, made->dom_);
  return made;
}

}  // namespace binding

#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "binding/layout.h"
#include "binding/node.h"

struct _xmlDoc;

namespace binding {

// Records the settings every document of the system has; the layer's behaviour is fixed to them.
struct DocumentOptions {
  bool doNodeAutoCreate = true;
  bool doAttrNull = true;
  bool doAutoPrefix = true;
  bool doNamespaceDecl = true;
  bool doNodeAutoIndent = false;
  bool doAutoSave = false;
  std::string NodeIndentStr = "  ";
  std::string PrefixBase = "NS";
};

// How files are parsed: synchronously, never validated, never resolving anything external. These
// fields make the parser's flags. Whitespace-only text between elements is dropped under the
// specified layout and kept under the service layout, so that a signed file saves again with its
// signature's text exactly as it came.
struct ParseOptions {
  bool poResolveExternals = false;
  bool poValidateOnParse = false;
  bool poPreserveWhiteSpace = false;
  bool poAsyncLoad = false;

  static ParseOptions For(Layout layout);
  int ParserFlags() const;
};

// One XML document. It owns its DOM and every node object made over it; any handle to one of
// those nodes keeps the document alive.
class TXMLDocument : public std::enable_shared_from_this<TXMLDocument> {
  struct Key {};

 public:
  TXMLDocument(Key, _xmlDoc* dom, std::filesystem::path fileName, bool hasDeclaration,
               Layout layout);
  ~TXMLDocument();
  TXMLDocument(const TXMLDocument&) = delete;
  TXMLDocument& operator=(const TXMLDocument&) = delete;

  const DocumentOptions& Options() const { return options_; }
  const ParseOptions& Parsing() const { return parseOptions_; }
  const std::filesystem::path& FileName() const { return fileName_; }
  // The layout the document was made or opened with.
  Layout NamespaceLayout() const { return layout_; }

  // The node of the document itself; its registered child types are the root bindings.
  std::shared_ptr<TXMLNode> DocumentNode();
  // The last element child of the document, or none.
  std::shared_ptr<TXMLNode> DocumentElement();

  // The XML declaration's fields; an empty value is left out of the declaration.
  std::string Version() const;
  std::string Encoding() const;
  std::string Standalone() const;
  void SetVersion(std::string_view version);
  void SetEncoding(std::string_view encoding);
  void SetStandalone(std::string_view standalone);

  // The bytes SaveToFile writes: the document in its declaration's encoding, unformatted.
  std::string XmlBytes() const;
  // Replaces the file atomically; a failure leaves any existing file as it was.
  void SaveToFile(const std::filesystem::path& path) const;

  // Records a root binding and returns the document element as it wraps, creating the element
  // when the document has none: under the specified layout declaring `ns` as its default
  // namespace, under the service layout declaring `ns` and the shared types namespace.
  std::shared_ptr<TXMLNode> BindRoot(std::string_view tag, std::string_view ns,
                                     const NodeType* type);

  // The namespace URI a declaration stands for under the service layout, below `parent`.
  std::string_view NamespaceFor(Ns ns, const _xmlNode* parent) const;
  // Whether `child` is the element `p` declares, by this document's layout: under the specified
  // layout by name in its parent's namespace, under the service layout by local name in the
  // declared namespace.
  bool Declares(const _xmlNode* child, const Property& p) const;
  // A new element for `p` that will go under `parent`, named and declared by this layout's rules.
  _xmlNode* NewChildElement(_xmlNode* parent, const Property& p) const;

  // Made by NewDocument, OpenDocument and ParseDocument only.
  static std::shared_ptr<TXMLDocument> Adopt(_xmlDoc* dom, std::filesystem::path fileName,
                                             bool hasDeclaration, Layout layout);

 private:
  friend class TXMLNode;
  friend class TXMLNodeCollection;
  friend std::optional<Layout> DetectLayout(const TXMLDocument& document);
  friend std::shared_ptr<TXMLDocument> ConvertLayout(TXMLNode& root, Layout target);
  friend std::shared_ptr<TXMLDocument> CopyToNewDocument(TXMLNode& element, Layout layout);

  TXMLNode* Own(std::unique_ptr<TXMLNode> node);
  void KeepDetached(_xmlNode* node) { detached_.push_back(node); }
  TXMLNode* DocumentNodeObject();
  // The document element a new document of this layout gets, not yet in the document.
  _xmlNode* NewRoot(std::string_view tag, std::string_view ns, const NodeType* type);
  // Collections keep their items while their element's children stay as they were; this is how
  // they tell. A counter per element that a collection watches, bumped on every change.
  const std::uint32_t* Watch(const _xmlNode* element);
  void ChildrenChanged(const _xmlNode* element);

  _xmlDoc* dom_;
  std::filesystem::path fileName_;
  bool hasDeclaration_;
  Layout layout_;
  std::string ownNamespace_;  // the namespace the root is bound in
  DocumentOptions options_;
  ParseOptions parseOptions_;
  std::vector<std::unique_ptr<TXMLNode>> nodes_;
  std::vector<_xmlNode*> detached_;  // removed subtrees, freed with the document
  std::unordered_map<const _xmlNode*, std::uint32_t> generations_;
  TXMLNode* documentNode_ = nullptr;
};

// A new, empty document whose declaration has that version.
std::shared_ptr<TXMLDocument> NewDocument(std::string_view version,
                                          Layout layout = Layout::Specified);
// Parses a file. Fails with a parse error when it cannot be read or is not well-formed.
std::shared_ptr<TXMLDocument> OpenDocument(const std::filesystem::path& path,
                                           Layout layout = Layout::Specified);
// Parses bytes held in memory, as OpenDocument parses a file's.
std::shared_ptr<TXMLDocument> ParseDocument(std::string_view bytes,
                                            Layout layout = Layout::Specified);

// A new document of version "1.0" and encoding "UTF-8" whose root is a copy of `element` and
// everything below it, declaring the namespaces it uses; for a message carried inside another.
std::shared_ptr<TXMLDocument> CopyToNewDocument(TXMLNode& element,
                                                Layout layout = Layout::Specified);

// The document element bound as `Root`; fails with "Interface not supported" when it has another
// name or namespace.
template <class Root>
std::shared_ptr<Root> BindDocument(const std::shared_ptr<TXMLDocument>& document,
                                   std::string_view tag, std::string_view ns) {
  std::shared_ptr<TXMLNode> root = document->BindRoot(tag, ns, &kNodeType<Root>);
  auto* bound = dynamic_cast<Root*>(root.get());
  if (!bound) throw InterfaceError();
  return std::shared_ptr<Root>(root, bound);
}

// The entry functions of a document type: New<Root>() and Open<Root>(path).
template <class Root>
std::shared_ptr<Root> NewBoundDocument(std::string_view tag, std::string_view ns,
                                       Layout layout = Layout::Specified) {
  return BindDocument<Root>(NewDocument("1.0", layout), tag, ns);
}
template <class Root>
std::shared_ptr<Root> OpenBoundDocument(const std::filesystem::path& path, std::string_view tag,
                                        std::string_view ns, Layout layout = Layout::Specified) {
  return BindDocument<Root>(OpenDocument(path, layout), tag, ns);
}

}  // namespace binding

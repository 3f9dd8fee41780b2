// Parsing files the program did not write: never from the network, never loading DTDs or
// external entities, never expanding entities into the tree, within libxml2's default size,
// depth and amplification limits.

#include <libxml/parser.h>

#include "binding/document.h"
#include "binding/text.h"
#include "binding/xml.h"
#include "files/files.h"

namespace binding {

namespace {

constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR |
                              XML_PARSE_NOWARNING | XML_PARSE_BIG_LINES;
constexpr std::size_t kSourceTextLength = 40;

struct FirstError {
  bool seen = false;
  std::string reason;
  int line = 0;
};

void RecordError(void* context, xmlError* error) {
  auto* parser = static_cast<xmlParserCtxt*>(context);
  auto* first = static_cast<FirstError*>(parser->_private);
  if (first->seen || error->level < XML_ERR_ERROR) return;
  first->seen = true;
  first->reason = error->message ? error->message : "";
  while (!first->reason.empty() && (first->reason.back() == '\n' || first->reason.back() == '\r'))
    first->reason.pop_back();
  first->line = error->line;
}

// The first characters of the offending line, as the error shows them.
std::string SourceText(std::string_view bytes, int line) {
  if (line < 1) return {};
  std::size_t start = 0;
  for (int i = 1; i < line && start < bytes.size(); ++i) {
    const std::size_t end = bytes.find('\n', start);
    start = end == std::string_view::npos ? bytes.size() : end + 1;
  }
  std::size_t end = bytes.find_first_of("\r\n", start);
  if (end == std::string_view::npos) end = bytes.size();
  const std::u16string text = Utf8ToUtf16(ValidUtf8(bytes.substr(start, end - start)));
  return Utf16ToUtf8(std::u16string_view(text).substr(0, kSourceTextLength));
}

bool StartsWithDeclaration(std::string_view b) {
  using namespace std::string_view_literals;
  if (b.starts_with("\xEF\xBB\xBF")) b.remove_prefix(3);
  if (b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF")) b.remove_prefix(2);
  return b.starts_with("<?xml") || b.starts_with("<\0?\0x\0m\0l\0"sv) ||
         b.starts_with("\0<\0?\0x\0m\0l"sv);
}

}  // namespace

std::shared_ptr<TXMLDocument> ParseBytes(std::string_view bytes, std::filesystem::path fileName) {
  xml::InitialiseParser();
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
    throw ParseError("The file is too large to parse", 0, {});
  xmlParserCtxt* parser = xmlNewParserCtxt();
  if (!parser) throw Error("The XML DOM could not be created");
  FirstError first;
  parser->_private = &first;
  parser->sax->serror = &RecordError;
  xmlDoc* dom = xmlCtxtReadMemory(parser, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                  nullptr, kParseOptions);
  const bool wellFormed = dom && !first.seen && parser->wellFormed && parser->nsWellFormed;
  xmlFreeParserCtxt(parser);
  if (!wellFormed) {
    if (dom) xmlFreeDoc(dom);
    if (!first.seen)
      first.reason = bytes.empty() ? "Document is empty" : "Not a well-formed XML document";
    throw ParseError(first.reason, first.line, SourceText(bytes, first.line));
  }
  return TXMLDocument::Adopt(dom, std::move(fileName), StartsWithDeclaration(bytes));
}

std::shared_ptr<TXMLDocument> ParseDocument(std::string_view bytes) {
  return ParseBytes(bytes, {});
}

std::shared_ptr<TXMLDocument> OpenDocument(const std::filesystem::path& path) {
  std::string bytes;
  try {
    bytes = files::ReadFileBytes(path);
  } catch (const files::Error& e) {
    throw ParseError(e.what(), 0, {});
  }
  return ParseBytes(bytes, path);
}

}  // namespace binding

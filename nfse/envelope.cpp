#include "nfse/envelope.h"

#include <memory>
#include <optional>
#include <vector>

#include "nfse/messages.h"

namespace nfse {

namespace {

using binding::TXMLNode;

constexpr std::string_view kSoap11 = "http://schemas.xmlsoap.org/soap/envelope/";
constexpr std::string_view kSoap12 = "http://www.w3.org/2003/05/soap-envelope";

bool InSoap(const TXMLNode& node, std::string_view localName) {
  if (!node.IsElement() || node.LocalName() != localName) return false;
  const std::string ns = node.NamespaceURI();
  return ns == kSoap11 || ns == kSoap12;
}

std::vector<std::shared_ptr<TXMLNode>> Elements(TXMLNode& parent) {
  std::vector<std::shared_ptr<TXMLNode>> elements;
  for (auto& child : parent.ChildNodes())
    if (child->IsElement()) elements.push_back(std::move(child));
  return elements;
}

std::shared_ptr<TXMLNode> SoapChild(TXMLNode& parent, std::string_view localName) {
  for (auto& child : Elements(parent))
    if (InSoap(*child, localName)) return child;
  return nullptr;
}

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view WithoutLeadingSpace(std::string_view text) {
  while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
  return text;
}

// A fault's reason: SOAP 1.1's faultstring, or the text of SOAP 1.2's Reason.
std::string FaultText(TXMLNode& fault) {
  for (auto& child : Elements(fault)) {
    if (child->LocalName() == "faultstring") return child->CharacterData().value_or("");
    if (InSoap(*child, "Reason"))
      for (auto& text : Elements(*child))
        if (InSoap(*text, "Text")) return text->CharacterData().value_or("");
  }
  return {};
}

// What a search through a body met: the message, a fault, and why the first part whose text
// looked like a message was not one.
struct Search {
  std::optional<std::string> message;
  std::optional<std::string> fault;
  std::string notXml;
};

void TryPart(TXMLNode& part, std::string_view text, Search& search) {
  std::string bytes = DeclaringUtf8(WithoutLeadingSpace(text));
  try {
    const auto document = binding::ParseDocument(bytes, binding::Layout::Service);
    const auto root = document->DocumentElement();
    if (root && DocumentOf(root->LocalName(), root->NamespaceURI()))
      search.message = std::move(bytes);
  } catch (const binding::Error& e) {
    if (search.notXml.empty())
      search.notXml = "the text of <" + part.NodeName() + "> is not XML: " + e.what();
  }
}

// Depth first through the elements below `parent`, until the first message.
void Find(TXMLNode& parent, Search& search) {
  for (const auto& child : Elements(parent)) {
    if (DocumentOf(child->LocalName(), child->NamespaceURI())) {
      search.message = binding::CopyToNewDocument(*child)->XmlBytes();
      return;
    }
    if (InSoap(*child, "Fault")) {
      if (!search.fault) search.fault = FaultText(*child);
      continue;
    }
    if (const std::optional<std::string> text = child->CharacterData()) {
      if (!WithoutLeadingSpace(*text).empty()) TryPart(*child, *text, search);
    } else {
      Find(*child, search);
    }
    if (search.message) return;
  }
}

bool IsUtf8Name(std::string_view name) {
  return binding::EqualsIgnoringAsciiCase(name, "UTF-8") ||
         binding::EqualsIgnoringAsciiCase(name, "UTF8");
}

}  // namespace

bool IsEnvelope(TXMLNode& element) { return InSoap(element, "Envelope"); }

std::string CarriedMessage(binding::TXMLDocument& envelope) {
  const std::shared_ptr<TXMLNode> root = envelope.DocumentElement();
  const std::shared_ptr<TXMLNode> body = root ? SoapChild(*root, "Body") : nullptr;
  if (!body) throw Failure("the SOAP envelope has no body");
  Search search;
  Find(*body, search);
  if (search.message) return std::move(*search.message);
  if (search.fault) throw Failure("the SOAP body carries a fault: " + *search.fault);
  std::string reason =
      "the SOAP body carries none of the documents CancelarNfseEnvio, CancelarNfseResposta, "
      "ConsultarNfseRpsEnvio and ConsultarNfseRpsResposta";
  if (!search.notXml.empty()) reason += "; " + search.notXml;
  throw Failure(reason);
}

std::string DeclaringUtf8(std::string_view text) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  const std::size_t start = text.starts_with(kBom) ? kBom.size() : 0;
  const std::string_view rest = text.substr(start);
  // "<?xml" and a space: "<?xml-stylesheet" is a processing instruction, not the declaration.
  if (!rest.starts_with("<?xml") || rest.size() < 6 || !IsXmlSpace(rest[5]))
    return std::string(text);
  const std::size_t end = rest.find("?>");
  if (end == std::string_view::npos) return std::string(text);
  // The pseudo-attributes: name, "=", and a quoted value, each maybe with spaces between.
  const std::string_view declaration = rest.substr(0, end);
  std::size_t i = 5;
  while (i < declaration.size()) {
    while (i < declaration.size() && IsXmlSpace(declaration[i])) ++i;
    const std::size_t nameStart = i;
    while (i < declaration.size() && declaration[i] != '=' && !IsXmlSpace(declaration[i])) ++i;
    const std::string_view name = declaration.substr(nameStart, i - nameStart);
    while (i < declaration.size() && IsXmlSpace(declaration[i])) ++i;
    if (i >= declaration.size() || declaration[i] != '=') break;
    ++i;
    while (i < declaration.size() && IsXmlSpace(declaration[i])) ++i;
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) break;
    const char quote = declaration[i++];
    const std::size_t valueStart = i;
    const std::size_t valueEnd = declaration.find(quote, valueStart);
    if (valueEnd == std::string_view::npos) break;
    const std::string_view value = declaration.substr(valueStart, valueEnd - valueStart);
    if (name == "encoding") {
      if (IsUtf8Name(value)) break;
      const std::size_t at = start + valueStart;
      return std::string(text.substr(0, at)) + "UTF-8" +
             std::string(text.substr(at + value.size()));
    }
    i = valueEnd + 1;
  }
  return std::string(text);
}

}  // namespace nfse

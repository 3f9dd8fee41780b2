#include "nfse/output.h"

#include <nlohmann/json.hpp>

#include "binding/text.h"

namespace nfse {

namespace {

using Json = nlohmann::ordered_json;

// Text that is not valid UTF-8 (a file name) is written with U+FFFD in its place.
std::string Dumped(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

template <class T>
Json OrNull(const std::optional<T>& value) {
  return value ? Json(*value) : Json(nullptr);
}

Json AsJson(const Listed& listed) {
  Json values = Json::array();
  for (const listings::Value& value : listed.values)
    values.push_back(Json{{"path", value.path}, {"value", value.text}});
  Json layout = nullptr;
  if (listed.layout) layout = std::string(binding::LayoutName(*listed.layout));
  return {{"file", binding::Local8BitToUtf8(listed.file)},
          {"document", OrNull(listed.document)},
          {"layout", layout},
          {"values", std::move(values)},
          {"error", OrNull(listed.error)}};
}

}  // namespace

void ListingWriter::Write(const Listed& listed) {
  if (format_ == Format::Text) {
    for (const listings::Value& value : listed.values)
      out_ << value.path << '\t' << listings::OneLine(value.text) << '\n';
    return;
  }
  out_ << (first_ ? "[\n" : ",\n") << Dumped(AsJson(listed));
  first_ = false;
}

void ListingWriter::Finish() {
  if (format_ == Format::Json) out_ << (first_ ? "[]\n" : "\n]\n");
}

}  // namespace nfse

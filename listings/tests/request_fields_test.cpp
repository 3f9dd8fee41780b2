// The request grids' tables without a window: the grid integer parse, what each field writes
// from the grid's text and reads back, and where a New stops.

#include <gtest/gtest.h>

#include <optional>

#include "binding/errors.h"
#include "listings/listings.h"
#include "test_support/test_support.h"

namespace listings {
namespace {

struct ParseCase {
  const char* text;
  std::optional<std::int32_t> value;  // none: the parse fails
};

class GridIntegerParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(GridIntegerParse, AcceptsDecimalAndHexWithinInt32Only) {
  const ParseCase& c = GetParam();
  if (c.value) {
    EXPECT_EQ(ParseGridInteger(c.text), *c.value);
  } else {
    EXPECT_TRUE(test_support::FailsWith<binding::ConversionError>(
        [&] { ParseGridInteger(c.text); },
        "Could not convert variant of type (String) into type (Integer)"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridIntegerParse,
    ::testing::Values(ParseCase{"1", 1}, ParseCase{"  -5", -5}, ParseCase{"\t+7", 7},
                      ParseCase{"$10", 16}, ParseCase{"x1F", 31}, ParseCase{"X1f", 31},
                      ParseCase{"0x10", 16}, ParseCase{"-$10", -16}, ParseCase{"007", 7},
                      ParseCase{"2147483647", INT32_MAX}, ParseCase{"-2147483648", INT32_MIN},
                      ParseCase{"$7FFFFFFF", INT32_MAX}, ParseCase{"-$80000000", INT32_MIN},
                      ParseCase{"", {}}, ParseCase{"   ", {}}, ParseCase{"abc", {}},
                      ParseCase{"1 ", {}}, ParseCase{"12a", {}}, ParseCase{"1.5", {}},
                      ParseCase{"$", {}}, ParseCase{"0x", {}}, ParseCase{"+", {}},
                      ParseCase{"--1", {}}, ParseCase{"+-1", {}}, ParseCase{"- 1", {}},
                      ParseCase{"$-1", {}}, ParseCase{"2147483648", {}},
                      ParseCase{"-2147483649", {}}, ParseCase{"$80000000", {}},
                      ParseCase{"$FFFFFFFF", {}}, ParseCase{"99999999999999999999", {}}));

// What a document holds between its root's start and end tags ("" for an empty root).
std::string Inner(const std::string& xml, std::string_view root) {
  const std::size_t open = xml.find('<' + std::string(root));
  const std::size_t body = xml.find('>', open) + 1;
  if (xml[body - 2] == '/') return {};
  return xml.substr(body, xml.rfind("</" + std::string(root)) - body);
}

// The start values, with the fields named in `typed` replaced.
template <class Field, class Text>
std::vector<Text> Typed(std::span<const Field> fields,
                        const std::vector<std::pair<std::string_view, Text>>& typed,
                        Text (*convert)(std::string_view)) {
  std::vector<Text> texts;
  for (const Field& field : fields) {
    texts.push_back(convert(field.start));
    for (const auto& [key, text] : typed)
      if (key == field.key) texts.back() = text;
  }
  return texts;
}

std::string Utf8(std::string_view text) { return std::string(text); }
std::u16string Utf16(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

struct CancelCase {
  const char* name;
  std::vector<std::pair<std::string_view, std::string>> typed;
  std::string written;                 // the request's elements after New
  std::optional<std::string> failure;  // why New stopped, if it did
  std::vector<std::string> listed;     // what the grids show of the request again
};

TEST(CancelRequestFields, WriteEachFieldFromTheGridsAndReadItBack) {
  const std::string start =
      "<Pedido><InfPedidoCancelamento Id=\"1\"><IdentificacaoNfse><Numero>1</Numero>"
      "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento</InscricaoMunicipal>"
      "<CodigoMunicipio>2927408</CodigoMunicipio></IdentificacaoNfse>"
      "<CodigoCancelamento>1</CodigoCancelamento></InfPedidoCancelamento></Pedido>";
  const std::string conversion = "Could not convert variant of type (String) into type (Integer)";
  const CancelCase cases[] = {
      {"start values", {}, start, {}, {"1", "1", "11222333000181", "Isento", "2927408", "1"}},
      {"numbers wrap as their fields do",
       {{"numero", "-1"}, {"codigoMunicipio", "$10"}, {"id", "Inscri\xC3\xA7\xC3\xA3o"}},
       "<Pedido><InfPedidoCancelamento Id=\"Inscri\xC3\xA7\xC3\xA3o\"><IdentificacaoNfse>"
       "<Numero>-1</Numero><Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento"
       "</InscricaoMunicipal><CodigoMunicipio>16</CodigoMunicipio></IdentificacaoNfse>"
       "<CodigoCancelamento>1</CodigoCancelamento></InfPedidoCancelamento></Pedido>",
       {},
       {"Inscri\xC3\xA7\xC3\xA3o", "4294967295", "11222333000181", "Isento", "16", "1"}},
      // The parents of a number are reached before it is parsed.
      {"numero that does not parse",
       {{"numero", "abc"}},
       "<Pedido><InfPedidoCancelamento Id=\"1\"><IdentificacaoNfse/></InfPedidoCancelamento>"
       "</Pedido>",
       conversion,
       {"1"}},
      {"text XML cannot hold",
       {{"inscricaoMunicipal", "a\x01"}},
       "<Pedido><InfPedidoCancelamento Id=\"1\"><IdentificacaoNfse><Numero>1</Numero>"
       "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal/></IdentificacaoNfse>"
       "</InfPedidoCancelamento></Pedido>",
       "The text cannot be written to the document: it holds the character U+0001, which XML "
       "cannot hold",
       {"1", "1", "11222333000181", ""}},
  };
  for (const CancelCase& c : cases) {
    const auto request = cancel_documents::request::NewCancelarNfseEnvio();
    request->OwnerDocument()->SetEncoding("UTF-8");
    const auto fields = CancelRequestFields();
    EXPECT_EQ(test_support::FailureOf(
                  [&] { WriteRequest(*request, fields, Typed(fields, c.typed, &Utf8)); }),
              c.failure)
        << c.name;
    EXPECT_EQ(Inner(request->OwnerDocument()->XmlBytes(), "CancelarNfseEnvio"), c.written)
        << c.name;
    const Listing listing = ListCancelRequest(*request);
    EXPECT_EQ(Texts(listing.values), c.listed) << c.name;
    EXPECT_EQ(listing.failure.has_value(), c.listed.size() < fields.size()) << c.name;
  }
}

TEST(CancelRequestFields, LabelEachValueWithTheFieldItComesFrom) {
  const auto request = cancel_documents::request::NewCancelarNfseEnvio();
  WriteRequest(*request, CancelRequestFields(), Typed(CancelRequestFields(), {}, &Utf8));
  const std::string p = "Pedido/InfPedidoCancelamento/";
  EXPECT_EQ(ListCancelRequest(*request).values,
            (std::vector<Value>{{p + "@Id", "1"},
                                {p + "IdentificacaoNfse/Numero", "1"},
                                {p + "IdentificacaoNfse/Cnpj", "11222333000181"},
                                {p + "IdentificacaoNfse/InscricaoMunicipal", "Isento"},
                                {p + "IdentificacaoNfse/CodigoMunicipio", "2927408"},
                                {p + "CodigoCancelamento", "1"}}));
}

struct QueryCase {
  const char* name;
  std::vector<std::pair<std::string_view, std::u16string>> typed;
  std::string written;
  bool stops;
  std::vector<std::string> listed;
};

TEST(QueryRequestFields, WriteEachFieldFromTheGridsAndReadItBack) {
  const std::string rps = "<IdentificacaoRps><Numero>4</Numero><Serie>1</Serie>";
  const std::string prestador =
      "<Prestador><Cnpj>99888777000166</Cnpj><InscricaoMunicipal>552190</InscricaoMunicipal>"
      "</Prestador>";
  const std::string wide = "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9D\x84\x9E";  // 中文 𝄞
  const QueryCase cases[] = {
      {"start values",
       {},
       rps + "<Tipo>1</Tipo></IdentificacaoRps>" + prestador,
       false,
       {"4", "1", "1", "99888777000166", "552190"}},
      {"numbers wrap and text beyond 16 bits stays",
       {{"Numero", u"-1"}, {"Tipo", u"200"}, {"Serie", u"\u4e2d\u6587 \U0001D11E"}},
       "<IdentificacaoRps><Numero>-1</Numero><Serie>" + wide +
           "</Serie><Tipo>-56</Tipo></IdentificacaoRps>" + prestador,
       false,
       {"4294967295", wide, "-56", "99888777000166", "552190"}},
      {"Tipo keeps its low 8 bits",
       {{"Tipo", u"256"}},
       rps + "<Tipo>0</Tipo></IdentificacaoRps>" + prestador,
       false,
       {"4", "1", "0", "99888777000166", "552190"}},
      // A number is parsed before its parent is reached.
      {"Numero that does not parse", {{"Numero", u"abc"}}, "", true, {}},
      {"Tipo that does not parse", {{"Tipo", u"x"}}, rps + "</IdentificacaoRps>", true, {"4", "1"}},
      {"an unpaired surrogate",
       {{"Serie", u"a\xD800"}},
       "<IdentificacaoRps><Numero>4</Numero></IdentificacaoRps>",
       true,
       {"4", ""}},
  };
  for (const QueryCase& c : cases) {
    const auto request = query_documents::NewConsultarNfseRpsEnvio();
    request->OwnerDocument()->SetEncoding("UTF-8");
    const auto fields = QueryRequestFields();
    EXPECT_EQ(test_support::FailureOf([&] {
                WriteRequest(*request, fields, Typed(fields, c.typed, &Utf16));
              }).has_value(),
              c.stops)
        << c.name;
    EXPECT_EQ(Inner(request->OwnerDocument()->XmlBytes(), "ConsultarNfseRpsEnvio"), c.written)
        << c.name;
    EXPECT_EQ(Texts(ListQueryRequest(*request).values), c.listed) << c.name;
  }
}

}  // namespace
}  // namespace listings

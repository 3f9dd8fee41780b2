// The responses' listings: every value under the path of the element it comes from, where a
// listing stops, and why.

#include <gtest/gtest.h>

#include <memory>

#include "listings/listings.h"
#include "test_support/test_support.h"

namespace listings {
namespace {

// A value as a document holds it and as the listing shows it.
struct Row {
  std::string path;
  std::string written;
  std::string listed;
};

// Rows whose listed text is their written one.
std::vector<Row> Same(const std::vector<Value>& values) {
  std::vector<Row> rows;
  for (const Value& value : values) rows.push_back({value.path, value.text, value.text});
  return rows;
}

std::vector<Value> Listed(const std::vector<Row>& rows) {
  std::vector<Value> values;
  for (const Row& row : rows) values.push_back({row.path, row.listed});
  return values;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '"')
      out += "&quot;";
    else if (c == '\r')
      out += "&#13;";  // kept by the parser, unlike a raw CR
    else
      out += c;
  }
  return out;
}

// The document the paths of `rows` describe: each element made once, in the order first named,
// an attribute on its element, "Name[i]" the i-th "Name" of its parent. So every listed value
// sits exactly where its path says, and nowhere else.
class Element {
 public:
  explicit Element(std::string name) : name_(std::move(name)) {}

  void Set(std::string_view path, const std::string& text) {
    const std::size_t slash = path.find('/');
    const std::string_view step = path.substr(0, slash);
    if (slash == std::string_view::npos && step.starts_with('@')) {
      attributes_.emplace_back(step.substr(1), text);
    } else if (slash == std::string_view::npos) {
      Child(step).text_ = text;
    } else {
      Child(step).Set(path.substr(slash + 1), text);
    }
  }

  std::string Xml(std::string_view declarations = {}) const {
    std::string xml = "<" + name_ + std::string(declarations);
    for (const auto& [name, value] : attributes_) xml += " " + name + "=\"" + Escaped(value) + "\"";
    xml += ">" + Escaped(text_);
    for (const auto& child : children_) xml += child->Xml();
    return xml + "</" + name_ + ">";
  }

 private:
  Element& Child(std::string_view step) {
    std::string name(step.substr(0, step.find('[')));
    const std::size_t index =
        step.ends_with(']') ? std::stoul(std::string(step.substr(name.size() + 1))) : 0;
    std::size_t seen = 0;
    for (const auto& child : children_)
      if (child->name_ == name && seen++ == index) return *child;
    for (; seen <= index; ++seen) children_.push_back(std::make_unique<Element>(name));
    return *children_.back();
  }

  std::string name_;
  std::vector<std::pair<std::string, std::string>> attributes_;
  std::string text_;
  std::vector<std::unique_ptr<Element>> children_;
};

std::string Document(const std::string& root, const std::string& ns, const std::vector<Row>& rows) {
  Element document(root);
  for (const Row& row : rows) document.Set(row.path, row.written);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + document.Xml(" xmlns=\"" + ns + "\"");
}

// Three return messages, each value its own text.
std::vector<Row> Messages(int count) {
  std::vector<Value> values;
  for (int i = 0; i < count; ++i) {
    const std::string item = "ListaMensagemRetorno/MensagemRetorno[" + std::to_string(i) + "]/";
    values.push_back({item + "Codigo", "E" + std::to_string(i)});
    values.push_back({item + "Mensagem", "Mensagem " + std::to_string(i)});
    values.push_back({item + "Correcao", "Corrija " + std::to_string(i)});
  }
  return Same(values);
}

const std::string kConfirmation = "Cancelamento/Confirmacao/";
const std::string kCancelled = kConfirmation + "Pedido/InfPedidoCancelamento/";

// Tarvel's nine values, each with a text of its own.
std::vector<Row> CancelConfirmation() {
  return {{kConfirmation + "@Id", "C1", "C1"},
          {kCancelled + "@Id", "P1", "P1"},
          {kCancelled + "IdentificacaoNfse/Numero", "-1", "4294967295"},
          {kCancelled + "IdentificacaoNfse/Cnpj", "11222333000181", "11222333000181"},
          {kCancelled + "IdentificacaoNfse/InscricaoMunicipal", "Isen\xC3\xA7\xC3\xA3o",
           "Isen\xC3\xA7\xC3\xA3o"},
          {kCancelled + "IdentificacaoNfse/CodigoMunicipio", "-5", "-5"},
          {kCancelled + "CodigoCancelamento", "2", "2"},
          {kConfirmation + "InfConfirmacaoCancelamento/Sucesso", "true", "-1"},
          {kConfirmation + "InfConfirmacaoCancelamento/DataHora", "2015-02-04T14:30:05",
           "2015-02-04T14:30:05"}};
}

const std::string kI = "CompNfse/Nfse/InfNfse/";
const std::string kP = "CompNfse/NfseCancelamento/Confirmacao/Pedido/InfPedidoCancelamento/";

// The paths of Orvane's 80 invoice values, in listing order.
std::vector<std::string> InvoicePaths() {
  std::vector<std::string> paths = {kI + "@Id",
                                    kI + "Numero",
                                    kI + "CodigoVerificacao",
                                    kI + "DataEmissao",
                                    kI + "IdentificacaoRps/Numero",
                                    kI + "IdentificacaoRps/Serie",
                                    kI + "IdentificacaoRps/Tipo",
                                    kI + "DataEmissaoRps",
                                    kI + "NaturezaOperacao",
                                    kI + "RegimeEspecialTributacao",
                                    kI + "OptanteSimplesNacional",
                                    kI + "IncentivadorCultural",
                                    kI + "Competencia",
                                    kI + "NfseSubstituida",
                                    kI + "OutrasInformacoes"};
  for (const char* value :
       {"ValorServicos", "ValorDeducoes", "ValorPis", "ValorCofins", "ValorInss", "ValorIr",
        "ValorCsll", "IssRetido", "ValorIss", "ValorIssRetido", "OutrasRetencoes", "BaseCalculo",
        "Aliquota", "ValorLiquidoNfse", "DescontoIncondicionado", "DescontoCondicionado"})
    paths.push_back(kI + "Servico/Valores/" + value);
  for (const char* value : {"ItemListaServico", "CodigoCnae", "CodigoTributacaoMunicipio",
                            "Discriminacao", "CodigoMunicipio"})
    paths.push_back(kI + "Servico/" + value);
  paths.push_back(kI + "ValorCredito");
  const std::string address[] = {
      "Endereco/Endereco", "Endereco/Numero",          "Endereco/Complemento",
      "Endereco/Bairro",   "Endereco/CodigoMunicipio", "Endereco/Uf",
      "Endereco/Cep",      "Contato/Telefone",         "Contato/Email"};
  for (const char* value :
       {"IdentificacaoPrestador/Cnpj", "IdentificacaoPrestador/InscricaoMunicipal", "RazaoSocial",
        "NomeFantasia"})
    paths.push_back(kI + "PrestadorServico/" + value);
  for (const std::string& value : address) paths.push_back(kI + "PrestadorServico/" + value);
  for (const char* value : {"IdentificacaoTomador/CpfCnpj/Cpf", "IdentificacaoTomador/CpfCnpj/Cnpj",
                            "IdentificacaoTomador/InscricaoMunicipal", "RazaoSocial"})
    paths.push_back(kI + "TomadorServico/" + value);
  for (const std::string& value : address) paths.push_back(kI + "TomadorServico/" + value);
  for (const char* value : {"RazaoSocial", "CpfCnpj/Cpf", "CpfCnpj/Cnpj", "InscricaoMunicipal"})
    paths.push_back(kI + "IntermediarioServico/" + value);
  for (const char* value : {"OrgaoGerador/CodigoMunicipio", "OrgaoGerador/Uf",
                            "ConstrucaoCivil/CodigoObra", "ConstrucaoCivil/Art"})
    paths.push_back(kI + value);
  paths.push_back("CompNfse/NfseCancelamento/Confirmacao/@Id");
  for (const char* value : {"@Id", "IdentificacaoNfse/Numero", "IdentificacaoNfse/Cnpj",
                            "IdentificacaoNfse/InscricaoMunicipal",
                            "IdentificacaoNfse/CodigoMunicipio", "CodigoCancelamento"})
    paths.push_back(kP + value);
  paths.push_back("CompNfse/NfseSubstituicao/SubstituicaoNfse/@Id");
  paths.push_back("CompNfse/NfseSubstituicao/SubstituicaoNfse/NfseSubstituidora");
  return paths;
}

// The invoice with each value its own number, which every integer kind holds.
std::vector<Row> Invoice() {
  std::vector<Value> values;
  for (const std::string& path : InvoicePaths())
    values.push_back({path, std::to_string(values.size() + 1)});
  return Same(values);
}

std::vector<Row> Without(std::vector<Row> rows, std::string_view prefix) {
  std::erase_if(rows, [&](const Row& row) { return row.path.starts_with(prefix); });
  return rows;
}

// `rows` with the value at `path` written and listed as given.
std::vector<Row> With(std::vector<Row> rows, std::string_view path, std::string written,
                      std::string listed) {
  for (Row& row : rows)
    if (row.path == path) row = {row.path, std::move(written), std::move(listed)};
  return rows;
}

std::vector<Row> operator+(std::vector<Row> a, const std::vector<Row>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<Value> First(const std::vector<Row>& rows, std::size_t count) {
  const std::vector<Value> listed = Listed(rows);
  return {listed.begin(), listed.begin() + static_cast<std::ptrdiff_t>(count)};
}

// How the node layer words an integer element that is absent or empty.
const std::string kNoInteger = "Could not convert variant of type (Null) into type (Int64)";

struct ResponseCase {
  const char* name;
  std::vector<Row> document;  // the values the file holds
  std::vector<Value> listed;  // what the listing shows
  std::optional<std::string> failure;
};

class Responses : public ::testing::Test {
 protected:
  Listing Cancel(const std::vector<Row>& rows) {
    const auto file = temp_.Write(
        "r.xml",
        Document("CancelarNfseResposta", cancel_documents::response::TargetNamespace, rows));
    return ListCancelResponse(*cancel_documents::response::OpenCancelarNfseResposta(file.string()));
  }
  Listing Query(const std::vector<Row>& rows) {
    const auto file = temp_.Write(
        "r.xml", Document("ConsultarNfseRpsResposta", query_documents::ResponseNamespace, rows));
    return ListQueryResponse(*query_documents::OpenConsultarNfseRpsResposta(file.u16string()));
  }
  void Expect(const ResponseCase& c, const Listing& listing) {
    EXPECT_EQ(listing.values, c.listed) << c.name;
    EXPECT_EQ(listing.failure, c.failure) << c.name;
  }
  test_support::TempFolder temp_;
};

TEST_F(Responses, CancelListsEachValueUnderItsPathAndStopsAtTheFirstItCannotRead) {
  const std::vector<Row> complete = CancelConfirmation();
  const std::string sucesso = kConfirmation + "InfConfirmacaoCancelamento/Sucesso";
  const std::vector<Row> notCancelled = With(complete, sucesso, "false", "0");
  const std::vector<Row> withMessages = complete + Messages(2);
  const ResponseCase cases[] = {
      {"nine values", complete, Listed(complete), {}},
      {"not cancelled", notCancelled, Listed(notCancelled), {}},
      {"two messages", withMessages, Listed(withMessages), {}},
      // Reading an absent element makes it empty: the Ids list empty, Numero cannot be read.
      {"only messages",
       Messages(1),
       {{kConfirmation + "@Id", ""}, {kCancelled + "@Id", ""}},
       kNoInteger},
      {"empty Sucesso", With(complete, sucesso, "", "") + Messages(1), First(complete, 7),
       "Could not convert variant of type (Null) into type (Boolean)"},
  };
  for (const ResponseCase& c : cases) Expect(c, Cancel(c.document));
}

TEST_F(Responses, QueryListsEachValueUnderItsPathAndStopsAtTheFirstItCannotRead) {
  const std::vector<Row> invoice = Invoice();
  const std::vector<Row> withMessages = invoice + Messages(3);
  // Line breaks stay in the values; only a listing's lines show them as marks.
  const std::vector<Row> severalLines =
      With(invoice, kI + "Servico/Discriminacao", "linha 1\nlinha 2\r\nlinha 3",
           "linha 1\nlinha 2\r\nlinha 3");
  const std::vector<Row> noCancellation = Without(invoice, "CompNfse/NfseCancelamento/");
  std::vector<Value> upToCancellation = First(invoice, 71);
  upToCancellation.push_back({"CompNfse/NfseCancelamento/Confirmacao/@Id", ""});
  upToCancellation.push_back({kP + "@Id", ""});
  const ResponseCase cases[] = {
      {"80 values", invoice, Listed(invoice), {}},
      {"three messages", withMessages, Listed(withMessages), {}},
      {"several lines", severalLines, Listed(severalLines), {}},
      {"no cancellation", noCancellation + Messages(1), upToCancellation, kNoInteger},
      {"only messages", Messages(1), {{kI + "@Id", ""}}, kNoInteger},
      {"a Tipo that is no number", With(invoice, kI + "IdentificacaoRps/Tipo", "x", ""),
       First(invoice, 6), "Could not convert variant of type (OleStr) into type (Integer)"},
  };
  for (const ResponseCase& c : cases) Expect(c, Query(c.document));
}

}  // namespace
}  // namespace listings

// Listings of files as the service writes them: what a file leaves out lists as an empty line,
// and only a value that is there and cannot be read stops the listing.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cancel_documents/tests/service_samples.h"
#include "listings/listings.h"
#include "query_documents/tests/complete_response.h"
#include "query_documents/tests/service_samples.h"

namespace listings {
namespace {

using binding::Layout;

template <class Root>
std::shared_ptr<Root> Service(const std::string& xml, std::string_view root, std::string_view ns) {
  return binding::BindDocument<Root>(binding::ParseDocument(xml, Layout::Service), root, ns);
}

std::shared_ptr<cancel_documents::response::TXMLCancelarNfseResposta> CancelResponse(
    const std::string& xml) {
  return Service<cancel_documents::response::TXMLCancelarNfseResposta>(
      xml, cancel_documents::response::RootName, cancel_documents::response::TargetNamespace);
}

std::shared_ptr<query_documents::TXMLConsultarNfseRpsResposta> QueryResponse(
    const std::string& xml) {
  return query_documents::testing::ParseResponse(xml, Layout::Service);
}

std::string Text(const Listing& listing, std::string_view path) {
  const auto it = std::find_if(listing.values.begin(), listing.values.end(),
                               [&](const Value& v) { return v.path == path; });
  return it == listing.values.end() ? "<not listed>" : it->text;
}

TEST(ServiceLayout, ACancellationResponseListsCompletely) {
  using cancel_documents::testing::Style;
  for (Style style : {Style::TypesByDefault, Style::TiposPrefix}) {
    const Listing listing = ListCancelResponse(*CancelResponse(ServiceResponse(style)));
    EXPECT_EQ(listing.failure, std::nullopt);
    ASSERT_EQ(listing.values.size(), 9u + 6u);
    EXPECT_EQ(Text(listing,
                   "Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/"
                   "IdentificacaoNfse/Numero"),
              "12");
    EXPECT_EQ(Text(listing, "Cancelamento/Confirmacao/InfConfirmacaoCancelamento/Sucesso"), "-1");
    EXPECT_EQ(Text(listing, "ListaMensagemRetorno/MensagemRetorno[1]/Correcao"), "");
  }
}

// A response of return messages only: nine empty lines, then the messages, and no failure.
TEST(ServiceLayout, WhatAFileLeavesOutListsEmpty) {
  const std::string xml = "<CancelarNfseResposta xmlns=\"" +
                          cancel_documents::response::TargetNamespace + "\" xmlns:t=\"" +
                          cancel_documents::TypesNamespace +
                          "\"><t:ListaMensagemRetorno><t:MensagemRetorno><t:Codigo>E9</t:Codigo>"
                          "</t:MensagemRetorno></t:ListaMensagemRetorno></CancelarNfseResposta>";
  const Listing listing = ListCancelResponse(*CancelResponse(xml));
  EXPECT_EQ(listing.failure, std::nullopt);
  ASSERT_EQ(listing.values.size(), 12u);
  for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(listing.values[i].text, "") << i;
  EXPECT_EQ(listing.values[9], (Value{"ListaMensagemRetorno/MensagemRetorno[0]/Codigo", "E9"}));
}

TEST(ServiceLayout, AQueryResponseListsCompletely) {
  using query_documents::testing::Style;
  for (Style style : {Style::TypesByDefault, Style::TiposPrefix}) {
    const Listing listing = ListQueryResponse(*QueryResponse(ServiceResponse(style)));
    EXPECT_EQ(listing.failure, std::nullopt);
    ASSERT_EQ(listing.values.size(), 80u + 3u);
    EXPECT_EQ(Text(listing, "CompNfse/Nfse/InfNfse/Numero"), "123");
    EXPECT_EQ(Text(listing, "CompNfse/Nfse/InfNfse/Servico/Valores/IssRetido"), "");
    EXPECT_EQ(Text(listing, "CompNfse/NfseSubstituicao/SubstituicaoNfse/NfseSubstituidora"), "124");
  }
  const Listing complete =
      ListQueryResponse(*QueryResponse(query_documents::testing::CompleteServiceResponseXml()));
  EXPECT_EQ(complete.failure, std::nullopt);
  ASSERT_EQ(complete.values.size(), 80u + 9u);
  std::vector<std::string> invoice;
  for (std::size_t i = 0; i < 80; ++i) invoice.push_back(complete.values[i].text);
  EXPECT_EQ(invoice, query_documents::testing::CompleteInvoiceListing());
}

TEST(ServiceLayout, APresentValueThatCannotBeReadStopsTheListing) {
  std::string xml = ServiceResponse(query_documents::testing::Style::TiposPrefix);
  const std::string numero = "<tipos:Numero>123</tipos:Numero>";
  xml.replace(xml.find(numero), numero.size(), "<tipos:Numero/>");
  const Listing listing = ListQueryResponse(*QueryResponse(xml));
  ASSERT_EQ(listing.values.size(), 1u);
  EXPECT_EQ(listing.failure, "Could not convert variant of type (Null) into type (Int64)");
}

}  // namespace
}  // namespace listings

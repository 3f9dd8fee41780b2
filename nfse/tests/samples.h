#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cancel_documents/cancel_documents.h"
#include "cancel_documents/tests/service_samples.h"
#include "listings/listing.h"
#include "nfse/commands.h"
#include "query_documents/query_documents.h"
#include "query_documents/tests/complete_response.h"
#include "query_documents/tests/service_samples.h"

// The four documents in both layouts, each pair holding the same values, and a way to run the
// command line in the test's process.
namespace nfse::testing {

using listings::Value;

inline const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Each as cancel_documents::testing's service files hold them: Id "ID1", Numero 12, ...
inline std::string SpecifiedCancelRequest() {
  return kDeclaration + "<CancelarNfseEnvio xmlns=\"" + cancel_documents::request::TargetNamespace +
         "\"><Pedido><InfPedidoCancelamento Id=\"ID1\"><IdentificacaoNfse><Numero>12</Numero>"
         "<Cnpj>11222333000181</Cnpj><InscricaoMunicipal>Isento</InscricaoMunicipal>"
         "<CodigoMunicipio>2927408</CodigoMunicipio></IdentificacaoNfse>"
         "<CodigoCancelamento>2</CodigoCancelamento></InfPedidoCancelamento></Pedido>"
         "</CancelarNfseEnvio>";
}

inline std::string SpecifiedCancelResponse() {
  return kDeclaration + "<CancelarNfseResposta xmlns=\"" +
         cancel_documents::response::TargetNamespace +
         "\"><Cancelamento><Confirmacao Id=\"C1\"><Pedido><InfPedidoCancelamento Id=\"P1\">"
         "<IdentificacaoNfse><Numero>12</Numero><Cnpj>11222333000181</Cnpj>"
         "<InscricaoMunicipal>Isento</InscricaoMunicipal><CodigoMunicipio>2927408"
         "</CodigoMunicipio></IdentificacaoNfse><CodigoCancelamento>2</CodigoCancelamento>"
         "</InfPedidoCancelamento></Pedido><InfConfirmacaoCancelamento><Sucesso>true</Sucesso>"
         "<DataHora>2024-03-15T10:21:37</DataHora></InfConfirmacaoCancelamento></Confirmacao>"
         "</Cancelamento><ListaMensagemRetorno><MensagemRetorno><Codigo>A1</Codigo>"
         "<Mensagem>Aviso</Mensagem><Correcao>Nenhuma</Correcao></MensagemRetorno>"
         "<MensagemRetorno><Codigo>A2</Codigo><Mensagem>Outro</Mensagem></MensagemRetorno>"
         "</ListaMensagemRetorno></CancelarNfseResposta>";
}

inline std::string SpecifiedQueryRequest() {
  return kDeclaration + "<ConsultarNfseRpsEnvio xmlns=\"" + query_documents::RequestNamespace +
         "\"><IdentificacaoRps><Numero>45</Numero><Serie>UNICA</Serie><Tipo>1</Tipo>"
         "</IdentificacaoRps><Prestador><Cnpj>11222333000181</Cnpj><InscricaoMunicipal>123456"
         "</InscricaoMunicipal></Prestador></ConsultarNfseRpsEnvio>";
}

inline std::string ServiceCancelRequest() {
  return cancel_documents::testing::ServiceRequest(cancel_documents::testing::Style::TiposPrefix);
}
inline std::string ServiceCancelResponse() {
  return cancel_documents::testing::ServiceResponse(
      cancel_documents::testing::Style::TypesByDefault);
}
inline std::string ServiceQueryRequest() {
  return query_documents::testing::ServiceRequest(query_documents::testing::Style::TiposPrefix);
}

inline const std::string kCancelPedido = "Pedido/InfPedidoCancelamento/";
inline const std::string kCancelConfirmacao = "Cancelamento/Confirmacao/";

inline std::vector<Value> CancelRequestValues() {
  const std::string& p = kCancelPedido;
  return {{p + "@Id", "ID1"},
          {p + "IdentificacaoNfse/Numero", "12"},
          {p + "IdentificacaoNfse/Cnpj", "11222333000181"},
          {p + "IdentificacaoNfse/InscricaoMunicipal", "Isento"},
          {p + "IdentificacaoNfse/CodigoMunicipio", "2927408"},
          {p + "CodigoCancelamento", "2"}};
}

inline std::vector<Value> CancelResponseValues() {
  const std::string& c = kCancelConfirmacao;
  const std::string p = c + kCancelPedido;
  const std::string m = "ListaMensagemRetorno/MensagemRetorno";
  return {{c + "@Id", "C1"},
          {p + "@Id", "P1"},
          {p + "IdentificacaoNfse/Numero", "12"},
          {p + "IdentificacaoNfse/Cnpj", "11222333000181"},
          {p + "IdentificacaoNfse/InscricaoMunicipal", "Isento"},
          {p + "IdentificacaoNfse/CodigoMunicipio", "2927408"},
          {p + "CodigoCancelamento", "2"},
          {c + "InfConfirmacaoCancelamento/Sucesso", "-1"},
          {c + "InfConfirmacaoCancelamento/DataHora", "2024-03-15T10:21:37"},
          {m + "[0]/Codigo", "A1"},
          {m + "[0]/Mensagem", "Aviso"},
          {m + "[0]/Correcao", "Nenhuma"},
          {m + "[1]/Codigo", "A2"},
          {m + "[1]/Mensagem", "Outro"},
          {m + "[1]/Correcao", ""}};
}

inline std::vector<Value> QueryRequestValues() {
  return {{"IdentificacaoRps/Numero", "45"},
          {"IdentificacaoRps/Serie", "UNICA"},
          {"IdentificacaoRps/Tipo", "1"},
          {"Prestador/Cnpj", "11222333000181"},
          {"Prestador/InscricaoMunicipal", "123456"}};
}

// The texts of the complete query response of two messages: its 80 invoice values, then the
// messages' three each. (Paths are checked apart: the invoice's are the listings' own.)
inline std::vector<std::string> QueryResponseTexts() {
  std::vector<std::string> texts = query_documents::testing::CompleteInvoiceListing();
  for (const char* code : {"E0", "E1"})
    texts.insert(texts.end(), {code, "NFS-e cancelada", "Consulte a NFS-e substituta"});
  return texts;
}

// What one run of the command line gave.
struct Ran {
  int status;
  std::string out;
  std::string err;
};

// Runs `nfse ARGS` in this process, `in` as its standard input.
inline Ran RunNfse(const std::vector<std::string>& args, const std::string& in = {}) {
  std::istringstream input(in);
  std::ostringstream out;
  std::ostringstream err;
  const int status = nfse::Run(args, {input, out, err});
  return {status, out.str(), err.str()};
}

// The lines of `text`, each without its line feed.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace nfse::testing

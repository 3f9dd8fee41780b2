#include "listings/cancel.h"

#include <cstdint>

#include "binding/text.h"
#include "listings/grid_integer.h"
#include "listings/reading.h"

namespace listings {

namespace {

using Envio = cancel_documents::request::TXMLCancelarNfseEnvio;
using Resposta = cancel_documents::response::TXMLCancelarNfseResposta;

auto InfPedido(Envio& root) { return root.Pedido()->InfPedidoCancelamento(); }
auto Identificacao(Envio& root) { return InfPedido(root)->IdentificacaoNfse(); }

// The grids' UTF-8 as the bindings' 8-bit text.
std::string Local(const std::string& utf8) { return binding::Utf8ToLocal8Bit(utf8); }

// In each writer the object of the call is reached before its argument is evaluated (C++17), so
// the parent elements exist before a number is parsed, also when the parse fails.
constexpr CancelRequestField kRequestFields[] = {
    {Grid::Upper, "id", "1", "Pedido/InfPedidoCancelamento/@Id",
     [](Envio& r, const std::string& text) { InfPedido(r)->SetId(Local(text)); },
     [](Envio& r) { return Shown(InfPedido(r)->Id()); }},
    {Grid::Lower, "numero", "1", "Pedido/InfPedidoCancelamento/IdentificacaoNfse/Numero",
     [](Envio& r, const std::string& text) {
       Identificacao(r)->SetNumero(static_cast<std::uint32_t>(ParseGridInteger(text)));
     },
     [](Envio& r) { return Shown(Identificacao(r)->Numero()); }},
    {Grid::Lower, "cnpj", "11222333000181", "Pedido/InfPedidoCancelamento/IdentificacaoNfse/Cnpj",
     [](Envio& r, const std::string& text) { Identificacao(r)->SetCnpj(Local(text)); },
     [](Envio& r) { return Shown(Identificacao(r)->Cnpj()); }},
    {Grid::Lower, "inscricaoMunicipal", "Isento",
     "Pedido/InfPedidoCancelamento/IdentificacaoNfse/InscricaoMunicipal",
     [](Envio& r, const std::string& text) {
       Identificacao(r)->SetInscricaoMunicipal(Local(text));
     },
     [](Envio& r) { return Shown(Identificacao(r)->InscricaoMunicipal()); }},
    {Grid::Lower, "codigoMunicipio", "2927408",
     "Pedido/InfPedidoCancelamento/IdentificacaoNfse/CodigoMunicipio",
     [](Envio& r, const std::string& text) {
       Identificacao(r)->SetCodigoMunicipio(ParseGridInteger(text));
     },
     [](Envio& r) { return Shown(Identificacao(r)->CodigoMunicipio()); }},
    {Grid::Upper, "codigoCancelamento", "1", "Pedido/InfPedidoCancelamento/CodigoCancelamento",
     [](Envio& r, const std::string& text) { InfPedido(r)->SetCodigoCancelamento(Local(text)); },
     [](Envio& r) { return Shown(InfPedido(r)->CodigoCancelamento()); }},
};

auto Confirmacao(Resposta& root) { return root.Cancelamento()->Confirmacao(); }
auto Pedido(Resposta& root) { return Confirmacao(root)->Pedido()->InfPedidoCancelamento(); }
auto Nfse(Resposta& root) { return Pedido(root)->IdentificacaoNfse(); }
auto Resultado(Resposta& root) { return Confirmacao(root)->InfConfirmacaoCancelamento(); }

constexpr Line<Resposta> kResponseLines[] = {
    {"Cancelamento/Confirmacao/@Id", [](Resposta& r) { return Shown(Confirmacao(r)->Id()); }},
    {"Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/@Id",
     [](Resposta& r) { return Shown(Pedido(r)->Id()); }},
    {"Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/Numero",
     [](Resposta& r) { return Shown(Nfse(r)->Numero()); }},
    {"Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/Cnpj",
     [](Resposta& r) { return Shown(Nfse(r)->Cnpj()); }},
    {"Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/InscricaoMunicipal",
     [](Resposta& r) { return Shown(Nfse(r)->InscricaoMunicipal()); }},
    {"Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/IdentificacaoNfse/CodigoMunicipio",
     [](Resposta& r) { return Shown(Nfse(r)->CodigoMunicipio()); }},
    {"Cancelamento/Confirmacao/Pedido/InfPedidoCancelamento/CodigoCancelamento",
     [](Resposta& r) { return Shown(Pedido(r)->CodigoCancelamento()); }},
    {"Cancelamento/Confirmacao/InfConfirmacaoCancelamento/Sucesso",
     [](Resposta& r) { return Shown(Resultado(r)->Sucesso()); }},
    {"Cancelamento/Confirmacao/InfConfirmacaoCancelamento/DataHora",
     [](Resposta& r) { return Shown(Resultado(r)->DataHora()); }},
};

}  // namespace

std::span<const CancelRequestField> CancelRequestFields() { return kRequestFields; }

Listing ListCancelRequest(Envio& root) { return ListRequest(root, CancelRequestFields()); }

Listing ListCancelResponse(Resposta& root) { return ListResponse<Resposta>(root, kResponseLines); }

}  // namespace listings

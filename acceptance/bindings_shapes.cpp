// The published shapes of the bindings, checked when this file compiles: handle types, value
// types, the node and collection bases and the entry functions' arguments.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "binding/binding.h"
#include "cancel_documents/cancel_documents.h"
#include "query_documents/query_documents.h"

namespace {

namespace request = cancel_documents::request;
namespace response = cancel_documents::response;

template <class Handle>
using Bound = typename std::remove_cvref_t<Handle>::element_type;

template <class Handle>
constexpr bool kIsNode =
    std::is_same_v<std::remove_cvref_t<Handle>, std::shared_ptr<Bound<Handle>>>&&
        std::is_base_of_v<binding::TXMLNode, Bound<Handle>>;

static_assert(
    std::is_same_v<std::remove_cv_t<decltype(binding::PlatformSchemaHost)>, std::string_view>);
static_assert(std::is_same_v<std::remove_cv_t<decltype(request::TargetNamespace)>, std::string>);
static_assert(
    std::is_same_v<std::remove_cv_t<decltype(query_documents::TypesNamespace)>, std::string>);

using CancelRequest = decltype(request::OpenCancelarNfseEnvio(std::declval<const std::string&>()));
using CancelResponse =
    decltype(response::OpenCancelarNfseResposta(std::declval<const std::string&>()));
using QueryRequest =
    decltype(query_documents::OpenConsultarNfseRpsEnvio(std::declval<const std::u16string&>()));
static_assert(std::is_same_v<decltype(request::NewCancelarNfseEnvio()), CancelRequest>);
static_assert(std::is_same_v<decltype(query_documents::NewConsultarNfseRpsEnvio()), QueryRequest>);
static_assert(kIsNode<CancelRequest> && kIsNode<CancelResponse> && kIsNode<QueryRequest>);
static_assert(std::is_same_v<decltype(std::declval<CancelRequest>()->OwnerDocument()),
                             std::shared_ptr<binding::TXMLDocument>>);

using Identification =
    decltype(std::declval<CancelRequest>()->Pedido()->InfPedidoCancelamento()->IdentificacaoNfse());
static_assert(kIsNode<Identification>);
static_assert(std::is_same_v<decltype(std::declval<Identification>()->Numero()), uint32_t>);
static_assert(std::is_same_v<decltype(std::declval<Identification>()->CodigoMunicipio()), int32_t>);
static_assert(std::is_same_v<decltype(std::declval<Identification>()->Cnpj()), std::string>);

using Rps = decltype(std::declval<QueryRequest>()->IdentificacaoRps());
static_assert(std::is_same_v<decltype(std::declval<Rps>()->Tipo()), int8_t>);
static_assert(std::is_same_v<decltype(std::declval<Rps>()->Serie()), std::u16string>);

using Confirmation = decltype(std::declval<CancelResponse>()->Cancelamento()->Confirmacao());
static_assert(
    std::is_same_v<decltype(std::declval<Confirmation>()->InfConfirmacaoCancelamento()->Sucesso()),
                   bool>);

using Messages = decltype(std::declval<CancelResponse>()->ListaMensagemRetorno());
static_assert(std::is_base_of_v<binding::TXMLNodeCollection, Bound<Messages>>);
static_assert(std::is_same_v<decltype(std::declval<Messages>()->Count()), int32_t>);
static_assert(kIsNode<decltype(std::declval<Messages>()->ItemAt(0))>);
static_assert(kIsNode<decltype(std::declval<Messages>()->AddItem())>);
static_assert(
    std::is_same_v<decltype(std::declval<Messages>()->Remove(std::declval<Messages>()->Nodes(0))),
                   int32_t>);

}  // namespace

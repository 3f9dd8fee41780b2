#pragma once

#include <string>

#include "shared_types/return_messages.h"

// The return messages of the query response, with wide text.
namespace query_documents {

using TXMLTcMensagemRetorno = shared_types::TcMensagemRetorno<std::u16string>;
using TXMLListaMensagemRetorno = shared_types::ListaMensagemRetorno<std::u16string>;

}  // namespace query_documents

#pragma once

// Orvane's typed bindings: the query request, the invoice body with its parties, and the types
// the query documents share.

#include "query_documents/identification_types.h"
#include "query_documents/invoice_body.h"
#include "query_documents/namespaces.h"
#include "query_documents/parties.h"
#include "query_documents/request.h"
#include "query_documents/string_list.h"

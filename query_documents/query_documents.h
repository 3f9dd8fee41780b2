#pragma once

// Orvane's typed bindings: the query request, the query response with the invoice body, its
// parties and records, and the types they share.

#include "query_documents/cancellation_records.h"
#include "query_documents/identification_types.h"
#include "query_documents/invoice_body.h"
#include "query_documents/namespaces.h"
#include "query_documents/parties.h"
#include "query_documents/request.h"
#include "query_documents/response.h"
#include "query_documents/return_messages.h"
#include "query_documents/string_list.h"

#pragma once

// Tarvel's typed bindings: the cancellation request and response documents.

#include "cancel_documents/namespaces.h"
#include "cancel_documents/request.h"
#include "cancel_documents/response.h"

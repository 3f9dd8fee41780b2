#pragma once

// Tarvel's window and its logic over the cancellation documents.

#include "cancel_tool/request_fields.h"
#include "cancel_tool/response_listing.h"
#include "cancel_tool/tarvel_window.h"

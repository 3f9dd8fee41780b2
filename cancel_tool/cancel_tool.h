#pragma once

// Tarvel's window and its logic over the cancellation documents.

#include "cancel_tool/proposed_name.h"
#include "cancel_tool/tarvel_window.h"

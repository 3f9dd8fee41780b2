#pragma once

// Tarvel's window and its logic, and the window shell the other program reuses.

#include "cancel_tool/request_fields.h"
#include "cancel_tool/response_listing.h"
#include "cancel_tool/tarvel_window.h"
#include "cancel_tool/window_shell.h"

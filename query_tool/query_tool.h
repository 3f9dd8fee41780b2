#pragma once

// Orvane's window and its logic, built on the shared window shell.

#include "query_tool/namespace_patch.h"
#include "query_tool/orvane_window.h"
#include "query_tool/proposed_name.h"

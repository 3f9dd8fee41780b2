#pragma once

// Bound types whose shape both programs share, as templates over the text type of their values.

#include "shared_types/cancellation.h"
#include "shared_types/return_messages.h"
#include "shared_types/signature_member.h"

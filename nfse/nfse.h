#pragma once

// The command line `nfse` as a library: its commands (Run), the four documents it opens from
// files and SOAP envelopes, and how it prints what it lists.

#include "nfse/commands.h"
#include "nfse/envelope.h"
#include "nfse/messages.h"
#include "nfse/output.h"

#include <unistd.h>

#include "nfse/platform.h"

namespace nfse::platform {

bool StandardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }
bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

void UseBinaryStandardStreams() {}

}  // namespace nfse::platform

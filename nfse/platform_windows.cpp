#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "nfse/platform.h"

namespace nfse::platform {

bool StandardOutputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }
bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

// Text mode would turn LF into CR LF on the way out, and end input at the first Ctrl+Z.
void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace nfse::platform

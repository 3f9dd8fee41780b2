#pragma once

// What the command line needs of the system it runs on; one file per system implements it.
namespace nfse::platform {

// Whether standard output, or standard error, is a terminal (a console on Windows).
bool StandardOutputIsTerminal();
bool StandardErrorIsTerminal();

// Standard input and output carry bytes as they are, with no line-ending translation.
void UseBinaryStandardStreams();

}  // namespace nfse::platform

// nfse: the command line over the document bindings. See nfse/commands.h.

#include <iostream>
#include <string>
#include <vector>

#include "nfse/commands.h"
#include "nfse/platform.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  nfse::platform::UseBinaryStandardStreams();
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return nfse::Run(args,
                   {std::cin, std::cout, std::cerr, nfse::platform::StandardOutputIsTerminal(),
                    nfse::platform::StandardErrorIsTerminal()});
}

// Tarvel's start-up up to its first painted frame.
#include "benchmarks/start_probe.h"
#include "cancel_tool/cancel_tool.h"

int main(int argc, char* argv[]) {
  return start_probe::Run(argc, argv, cancel_tool::MakeTarvelWindow);
}

// Orvane's start-up up to its first painted frame.
#include "benchmarks/start_probe.h"
#include "query_tool/query_tool.h"

int main(int argc, char* argv[]) {
  return start_probe::Run(argc, argv, query_tool::MakeOrvaneWindow);
}

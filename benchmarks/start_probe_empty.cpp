// The yardstick of the start-up probes: an empty Qt Widgets window, started and timed the same
// way as the programs.
#include "benchmarks/start_probe.h"

namespace {
std::unique_ptr<QWidget> MakeEmptyWindow() { return std::make_unique<QWidget>(); }
}  // namespace

int main(int argc, char* argv[]) { return start_probe::Run(argc, argv, MakeEmptyWindow); }

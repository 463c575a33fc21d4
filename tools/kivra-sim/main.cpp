// kivra-sim: the sensor, relay server and on-board terminal at the far end of the tool's lines.
#include "Options.h"
#include "SimLoop.h"

#include <cstdio>

int main(int argc, char** argv) {
  sim::SimConfig config;
  std::string error;
  switch (sim::ParseCommandLine(argc, argv, config, error)) {
    case sim::ParseResult::kHelp: std::fputs(sim::HelpText().c_str(), stdout); return 0;
    case sim::ParseResult::kError: std::fprintf(stderr, "kivra-sim: %s (see --help)\n", error.c_str()); return 2;
    case sim::ParseResult::kRun: break;
  }
  sim::JsonLog log;
  if (!log.Open(config.logPath, error)) {
    std::fprintf(stderr, "kivra-sim: %s\n", error.c_str());
    return 2;
  }
  sim::InstallStopSignals();
  sim::SimLoop loop(config, log);
  if (!loop.Start(error)) {
    std::fprintf(stderr, "kivra-sim: %s\n", error.c_str());
    return 1;
  }
  loop.Run();
  return 0;
}

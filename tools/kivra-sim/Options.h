// Command-line and scenario-file options of the simulator.
#pragma once
#include "SimConfig.h"

#include <string>

namespace sim {

enum class ParseResult { kRun, kHelp, kError };

// Parses argv into config; on kError, error says why.
ParseResult ParseCommandLine(int argc, char** argv, SimConfig& config, std::string& error);
// Applies one option by name (without the leading dashes). Only options that can
// change while running are taken when live is set.
bool ApplyOption(SimConfig& config, const std::string& name, const std::string& value, bool live, std::string& error);
// Reads a scenario: "option [value]" lines apply now, "at SECONDS option [value]"
// lines join the timeline; "#" starts a comment.
bool LoadScenario(const std::string& path, SimConfig& config, std::string& error);
std::string HelpText();

}  // namespace sim

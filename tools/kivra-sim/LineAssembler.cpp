// Line assembly for the text protocols.
#include "LineAssembler.h"

namespace sim {

std::optional<std::string> LineAssembler::Take(char c) {
  if (c != '\r' && c != '\n') {
    if (line_.size() < kMaxLine) line_ += c;
    return std::nullopt;
  }
  std::string line;
  line.swap(line_);
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return std::nullopt;
  return line.substr(start);
}

}  // namespace sim

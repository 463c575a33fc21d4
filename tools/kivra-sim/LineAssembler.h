// Collects the text lines of the relay and terminal command languages from a byte stream.
#pragma once
#include <optional>
#include <string>

namespace sim {

class LineAssembler {
 public:
  // One byte in; a finished, non-blank line out (leading blanks removed). CR and
  // LF end lines; a line longer than any command is cut so a peer cannot make it grow.
  std::optional<std::string> Take(char c);

 private:
  static constexpr size_t kMaxLine = 256;
  std::string line_;
};

}  // namespace sim

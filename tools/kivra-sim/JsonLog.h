// JSON-lines log of every frame and event, with time stamps, for people and tests.
#pragma once
#include "Bytes.h"

#include <cstdio>
#include <string>

namespace sim {

class JsonLine {
 public:
  JsonLine& Add(const char* key, const std::string& value);
  JsonLine& Add(const char* key, long long value);
  JsonLine& AddHex(const char* key, const Bytes& bytes);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class JsonLog {
 public:
  // No path or "-" writes to stderr.
  bool Open(const std::string& path, std::string& error);
  ~JsonLog();
  // t: seconds on the simulator's clock.
  void Write(double t, const JsonLine& line);

 private:
  FILE* out_ = stderr;
};

std::string JsonEscape(const std::string& s);

}  // namespace sim

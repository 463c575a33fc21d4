// JSON-lines writer.
#include "JsonLog.h"

#include <cerrno>
#include <cstring>

namespace sim {

std::string JsonEscape(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += char(c);
    }
  }
  return out;
}

JsonLine& JsonLine::Add(const char* key, const std::string& value) {
  text_ += std::string(",\"") + key + "\":\"" + JsonEscape(value) + "\"";
  return *this;
}

JsonLine& JsonLine::Add(const char* key, long long value) {
  text_ += std::string(",\"") + key + "\":" + std::to_string(value);
  return *this;
}

JsonLine& JsonLine::AddHex(const char* key, const Bytes& bytes) {
  std::string hex;
  char buf[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
    hex += buf;
  }
  return Add(key, hex);
}

bool JsonLog::Open(const std::string& path, std::string& error) {
  if (path.empty() || path == "-") return true;
  FILE* f = std::fopen(path.c_str(), "w");
  if (!f) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  out_ = f;
  return true;
}

JsonLog::~JsonLog() {
  if (out_ != stderr) std::fclose(out_);
}

void JsonLog::Write(double t, const JsonLine& line) {
  std::fprintf(out_, "{\"t\":%.6f", t);
  std::fputs(line.Text().c_str(), out_);
  std::fputs("}\n", out_);
  std::fflush(out_);
}

}  // namespace sim

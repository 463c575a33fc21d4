// On-board terminal commands and transparent pass-through.
#include "Terminal.h"

#include <algorithm>
#include <cstdio>

namespace sim {

namespace {
std::string Hex(unsigned v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", v);
  return buf;
}
}  // namespace

Terminal::Terminal(unsigned id, const SimConfig& config, SimSensor& sensor, const FaultConfig& faults, JsonLog& log,
                   std::string name, double now)
    : id_(id), config_(config), sensor_(sensor), faults_(faults), log_(log), name_(std::move(name)), startedAt_(now) {}

void Terminal::Send(const std::string& text, double now) {
  out_.insert(out_.end(), text.begin(), text.end());
  out_.push_back('\r');
  out_.push_back('\n');
  log_.Write(now, JsonLine().Add("link", name_).Add("dir", "tx").Add("kind", "reply").Add("text", text));
}

void Terminal::OnReceived(const uint8_t* data, size_t length, double now) {
  if (port_) {
    lastTraffic_ = now;
    port_->OnReceived(data, length, now);
    return;
  }
  for (size_t i = 0; i < length; ++i) {
    std::optional<std::string> line = lines_.Take(char(data[i]));
    if (!line) continue;
    OnLine(*line, now);
    if (port_ && i + 1 < length) {
      // The master may send sensor bytes right behind the command.
      OnReceived(data + i + 1, length - i - 1, now);
      return;
    }
  }
}

void Terminal::OnLine(const std::string& line, double now) {
  log_.Write(now, JsonLine().Add("link", name_).Add("dir", "rx").Add("kind", "command").Add("text", line));
  if (line[0] != '#') return;
  std::string keyword = line.substr(1, line.find_first_of("?=") - 1);
  for (const auto& [command, code] : config_.terminal.errors) {
    if (command == keyword) {
      Send("#ERR:" + std::to_string(code), now);
      return;
    }
  }
  if (line.rfind("#SEROPN=", 0) == 0) {
    if (OpenPort(line.substr(8), now)) Send("#OPEN", now);
    else Send("#ERR:2", now);
    return;
  }
  std::string reply = Reply(line, now);
  if (reply.empty()) {
    Send("#ERR:1", now);
    return;
  }
  Send(reply, now);
  Send("#OK", now);
}

std::string Terminal::Reply(const std::string& command, double now) {
  const TerminalConfig& t = config_.terminal;
  if (command == "#DEVID?") return "#DEVID:" + std::to_string(id_);
  if (command == "#VER?") return "#VER:KVT-SIM,2,1," + std::to_string(t.version) + "," + Hex(t.boardRevision);
  if (command == "#BRDREV?") return "#BRDREV:" + Hex(t.boardRevision);
  if (command == "#BRD?") return "#BRD:KVT-SIM";
  if (command == "#DIAG?") return "#DIAG:" + std::to_string(unsigned(now - startedAt_)) + ",24100";
  return "";
}

bool Terminal::OpenPort(const std::string& arguments, double now) {
  unsigned port, baud, zero, shortTime, longTime;
  char tail;
  if (std::sscanf(arguments.c_str(), "%u,%u,%u,%u,%u%c", &port, &baud, &zero, &shortTime, &longTime, &tail) != 5 ||
      baud == 0 || longTime == 0)
    return false;
  shortTime_ = shortTime / 100.0;  // both times come in units of 10 ms
  longTime_ = longTime / 100.0;
  lastTraffic_ = now;
  openedAt_ = now;
  port_ = std::make_unique<SensorLink>(name_, sensor_, faults_, config_.line, log_, now);
  port_->SetBaud(baud);
  return true;
}

bool Terminal::ForcedCloseDue(double now) const {
  return config_.terminal.closePortAfter > 0 && now - openedAt_ >= config_.terminal.closePortAfter;
}

void Terminal::Poll(double now) {
  if (!port_) return;
  port_->Process(now);
  Bytes bytes = port_->TakeOutput(now);
  if (!bytes.empty()) {
    held_.insert(held_.end(), bytes.begin(), bytes.end());
    forwardAt_ = now + shortTime_;
    lastTraffic_ = now;
  }
  if (!held_.empty() && now >= forwardAt_) {
    out_.insert(out_.end(), held_.begin(), held_.end());
    held_.clear();
  }
  if (held_.empty() && (now - lastTraffic_ >= longTime_ || ForcedCloseDue(now))) {
    port_.reset();
    Send(config_.terminal.closeMarker, now);
  }
}

std::optional<double> Terminal::NextWake() const {
  if (!port_) return std::nullopt;
  std::optional<double> wake = port_->NextWake();
  double other = held_.empty() ? lastTraffic_ + longTime_ : forwardAt_;
  if (held_.empty() && config_.terminal.closePortAfter > 0)
    other = std::min(other, openedAt_ + config_.terminal.closePortAfter);
  if (!wake || other < *wake) wake = other;
  return wake;
}

Bytes Terminal::TakeOutput() {
  Bytes out;
  out.swap(out_);
  return out;
}

}  // namespace sim

// Relay-server line protocol ahead of the joined terminal.
#include "RelaySession.h"

#include <algorithm>
#include <cstdio>

namespace sim {

std::optional<int> RelayPolicy::Refusal(unsigned terminalId) {
  const RelayConfig& r = config_.relay;
  if (r.errorCode != 0 && (r.errorCount < 0 || errorsSent_ < r.errorCount)) {
    ++errorsSent_;
    return r.errorCode;
  }
  if (!fleet_.Empty()) {
    const Vehicle* vehicle = fleet_.Find(terminalId);
    return vehicle ? fleet_.Refusal(*vehicle) : std::optional<int>(1);  // 1: no such terminal
  }
  const std::vector<unsigned>& ids = config_.terminal.ids;
  if (std::find(ids.begin(), ids.end(), terminalId) == ids.end()) return 1;  // no such terminal
  return std::nullopt;
}

RelaySession::RelaySession(RelayPolicy& policy, const SimConfig& config, SimSensor& sensor, SimFleet& fleet,
                           JsonLog& log, std::string name)
    : policy_(policy), config_(config), sensor_(sensor), fleet_(fleet), log_(log), name_(std::move(name)) {}

void RelaySession::OnReceived(const uint8_t* data, size_t length, double now) {
  for (size_t i = 0; i < length; ++i) {
    if (terminal_) {
      terminal_->OnReceived(data + i, length - i, now);
      return;
    }
    if (std::optional<std::string> line = lines_.Take(char(data[i]))) OnServerLine(*line, now);
  }
}

void RelaySession::OnServerLine(const std::string& line, double now) {
  log_.Write(now, JsonLine().Add("link", name_).Add("dir", "rx").Add("kind", "server").Add("text", line));
  unsigned id;
  char tail;
  std::string reply;
  if (std::sscanf(line.c_str(), "@CON=%u%c", &id, &tail) != 1) {
    reply = "@ERR:4";  // not a request this server knows
  } else if (std::optional<int> code = policy_.Refusal(id)) {
    reply = "@ERR:" + std::to_string(*code);
  } else {
    reply = "@OK";
    Vehicle* vehicle = fleet_.Find(id);
    terminal_ = vehicle ? std::make_unique<Terminal>(id, config_, vehicle->sensor, vehicle->faults, log_, name_, now)
                        : std::make_unique<Terminal>(id, config_, sensor_, config_.faults, log_, name_, now);
  }
  log_.Write(now, JsonLine().Add("link", name_).Add("dir", "tx").Add("kind", "server").Add("text", reply));
  reply += "\r\n";
  out_.insert(out_.end(), reply.begin(), reply.end());
}

void RelaySession::Poll(double now) {
  if (terminal_) terminal_->Poll(now);
}

std::optional<double> RelaySession::NextWake() const { return terminal_ ? terminal_->NextWake() : std::nullopt; }

Bytes RelaySession::TakeOutput() {
  Bytes out;
  out.swap(out_);
  if (terminal_) {
    Bytes more = terminal_->TakeOutput();
    out.insert(out.end(), more.begin(), more.end());
  }
  return out;
}

void RelaySession::SendUnsolicited(const Bytes& frame, double now) {
  if (terminal_ && terminal_->Port()) terminal_->Port()->SendUnsolicited(frame, now);
}

bool RelaySession::Broken() const { return terminal_ && terminal_->Port() && terminal_->Port()->CutForGood(); }

}  // namespace sim

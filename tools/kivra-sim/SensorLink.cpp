// Sensor line handling with pacing and injected faults.
#include "SensorLink.h"

#include "AdapterLatency.h"

#include <algorithm>
#include <limits>

namespace sim {

namespace {
constexpr double kForever = std::numeric_limits<double>::infinity();

JsonLine FrameLine(const std::string& link, const char* dir, const char* kind) {
  JsonLine line;
  line.Add("link", link).Add("dir", dir).Add("kind", kind);
  return line;
}
}  // namespace

SensorLink::SensorLink(std::string name, SimSensor& sensor, const FaultConfig& faults, const LineConfig& line,
                       JsonLog& log, double now)
    : name_(std::move(name)),
      sensor_(sensor),
      faults_(faults),
      lineConfig_(line),
      log_(log),
      line_(line.baud),
      createdAt_(now),
      rng_(faults.seed) {}

bool SensorLink::Chance(double p) { return p > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

bool SensorLink::CutForGood() const { return cutUntil_ == kForever; }

void SensorLink::Cut(double now, const std::string& reason) {
  cutUntil_ = faults_.cutFor > 0 ? now + faults_.cutFor : kForever;
  line_.Drop();
  pending_.clear();
  arrivals_.clear();
  scanner_.Clear();
  log_.Write(now, JsonLine().Add("link", name_).Add("kind", "cut").Add("note", reason));
}

void SensorLink::OnReceived(const uint8_t* data, size_t length, double now) {
  if (IsCut(now)) {
    log_.Write(now, FrameLine(name_, "rx", "lost").AddHex("bytes", Bytes(data, data + length)));
    return;
  }
  arrivals_.push_back({line_.Arrive(length, now), Bytes(data, data + length)});
}

void SensorLink::Process(double now) {
  if (faults_.cutAt > 0 && !timedCutDone_ && now - createdAt_ >= faults_.cutAt) {
    timedCutDone_ = true;
    Cut(now, "timed");
  }
  while (!arrivals_.empty() && arrivals_.front().at <= now) {
    Arrival a = std::move(arrivals_.front());
    arrivals_.pop_front();
    scanner_.Feed(a.bytes.data(), a.bytes.size());
    auto logSkipped = [&] {
      if (size_t skipped = scanner_.TakeSkipped())
        log_.Write(a.at, FrameLine(name_, "rx", "skipped").Add("length", (long long)skipped));
    };
    while (std::optional<Request> req = scanner_.Next()) {
      logSkipped();
      if (faults_.cutAtWrite && req->code == uint8_t(ERequestCode::WriteSettings)) {
        log_.Write(a.at, FrameLine(name_, "rx", "lost").AddHex("bytes", req->raw));
        Cut(a.at, "at a settings write");
        return;
      }
      SensorOutcome outcome = sensor_.Handle(*req, a.at);
      JsonLine line = FrameLine(name_, "rx", "request");
      line.Add("addr", req->address).Add("code", req->code).AddHex("bytes", req->raw);
      if (!outcome.note.empty()) line.Add("note", outcome.note);
      if (outcome.firmwareBlock) line.Add("block", outcome.firmwareBlock);
      log_.Write(a.at, line);
      if (outcome.firmwareBlock && outcome.firmwareBlock == faults_.cutAfterBlock) {
        Cut(a.at, "after firmware block " + std::to_string(outcome.firmwareBlock));
        return;
      }
      if (HearNeighbours(*req, outcome, a.at)) Answer(outcome, a.at);
    }
    logSkipped();
  }
}

void SensorLink::Answer(const SensorOutcome& outcome, double seenAt) {
  if (!outcome.answer) return;
  const Bytes& frame = *outcome.answer;
  ++answers_;
  const char* dropped = faults_.noAnswer ? "no-answer"
                        : faults_.dropEvery && answers_ % faults_.dropEvery == 0 ? "drop-every"
                                                                                 : nullptr;
  if (dropped) {
    log_.Write(seenAt, FrameLine(name_, "tx", "dropped").Add("fault", dropped).AddHex("bytes", frame));
    return;
  }
  double start = seenAt + lineConfig_.turnaround + faults_.delay;
  if (faults_.garbage) {
    Bytes junk;
    std::uniform_int_distribution<int> byte(0, 255);
    while (junk.size() < faults_.garbage) {
      uint8_t b = uint8_t(byte(rng_));
      if (b != 0x41 && b != 0x42 && b != 0x3E) junk.push_back(b);  // never the start of a frame
    }
    start = line_.Send(junk, start, -1);
    log_.Write(start, FrameLine(name_, "tx", "garbage").AddHex("bytes", junk));
  }
  JsonLine line = FrameLine(name_, "tx", "answer");
  line.Add("addr", frame[2]).Add("code", frame[3]);
  Emit(frame, start, line);
}

bool SensorLink::HearNeighbours(const Request& request, SensorOutcome& outcome, double seenAt) {
  std::vector<Bytes> answers;
  if (outcome.answer) answers.push_back(*outcome.answer);
  for (SimSensor* neighbour : neighbours_) {
    SensorOutcome heard = neighbour->Handle(request, seenAt);
    if (heard.answer) answers.push_back(*heard.answer);
  }
  if (answers.size() < 2) {
    outcome.answer = answers.empty() ? std::nullopt : std::optional<Bytes>(answers.front());
    return true;
  }
  // Drivers that meet on the line: a bit any of them sends as 0 is read as 0 (wired AND), for
  // as long as the longest answer lasts.
  Bytes met;
  for (const Bytes& answer : answers) {
    if (met.size() < answer.size()) met.resize(answer.size(), 0xFF);
    for (size_t i = 0; i < answer.size(); ++i) met[i] &= answer[i];
  }
  JsonLine line = FrameLine(name_, "tx", "collision");
  line.Add("addr", request.address).Add("answers", (long long)answers.size());
  Emit(met, seenAt + lineConfig_.turnaround + faults_.delay, line);
  return false;
}

void SensorLink::SendUnsolicited(const Bytes& frame, double now) {
  if (IsCut(now)) return;
  JsonLine line = FrameLine(name_, "tx", "lls");
  line.Add("addr", frame[1]);
  Emit(frame, now, line);
}

void SensorLink::Emit(Bytes frame, double start, JsonLine line) {
  bool corrupted = false;
  for (uint8_t& b : frame) {
    if (Chance(faults_.corruptRate)) {
      b ^= uint8_t(std::uniform_int_distribution<int>(1, 255)(rng_));
      corrupted = true;
    }
  }
  line.AddHex("bytes", frame);
  if (corrupted) line.Add("fault", "corrupt");
  size_t piece = faults_.splitSize ? faults_.splitSize : frame.size();
  int tag = nextTag_++;
  size_t pieces = 0;
  for (size_t at = 0; at < frame.size(); at += piece, ++pieces) {
    Bytes part(frame.begin() + at, frame.begin() + std::min(frame.size(), at + piece));
    start = line_.Send(part, start, tag) + faults_.splitGap;
  }
  if (pieces > 1) line.Add("pieces", (long long)pieces);
  pending_.emplace(tag, PendingLog{line, pieces});
}

Bytes SensorLink::TakeOutput(double now) {
  std::vector<std::pair<int, double>> tags;
  Bytes out = line_.TakeDue(LastTick(now, lineConfig_.adapterLatency), tags);
  for (auto [tag, at] : tags) {
    auto it = pending_.find(tag);
    if (it == pending_.end() || --it->second.pieces > 0) continue;
    log_.Write(at, it->second.line);
    pending_.erase(it);
  }
  return out;
}

std::optional<double> SensorLink::NextWake() const {
  std::optional<double> wake = line_.NextDue();
  if (wake) wake = HandedOverAt(*wake, lineConfig_.adapterLatency);
  if (!arrivals_.empty() && (!wake || arrivals_.front().at < *wake)) wake = arrivals_.front().at;
  if (faults_.cutAt > 0 && !timedCutDone_) {
    double cut = createdAt_ + faults_.cutAt;
    if (!wake || cut < *wake) wake = cut;
  }
  return wake;
}

}  // namespace sim

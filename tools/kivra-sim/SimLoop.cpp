// poll()-based loop over the serial device and the relay sockets.
#include "SimLoop.h"

#include "Options.h"
#include "WinePrefix.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {

namespace {

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_liftFaults = 0;
void OnStopSignal(int) { g_stop = 1; }
void OnLiftSignal(int) { g_liftFaults = 1; }

// Enough for every link a fleet run opens at once.
constexpr int kListenBacklog = 64;

constexpr double kIdleTick = 0.05;  // the gear and unsolicited output move on at least this often

std::string Failure(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

void InstallStopSignals() {
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  sa.sa_handler = OnLiftSignal;
  sigaction(SIGUSR1, &sa, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

SimLoop::SimLoop(SimConfig& config, JsonLog& log)
    : config_(config), log_(log), start_(std::chrono::steady_clock::now()), sensor_(config.sensor),
      fleet_(config, config.stateDir),
      policy_(config, fleet_) {
  std::stable_sort(config_.timeline.begin(), config_.timeline.end(),
                   [](const TimedOption& a, const TimedOption& b) { return a.at < b.at; });
}

SimLoop::~SimLoop() {
  for (auto& c : clients_) close(c->fd);
  if (listenFd_ >= 0) close(listenFd_);
  std::string error;
  if (winePortRegistered_ && !UnregisterWinePort(WinePortOf(), error)) std::fprintf(stderr, "kivra-sim: %s\n", error.c_str());
}

WinePort SimLoop::WinePortOf() const {
  return {config_.serial.winePrefix, config_.serial.com, serial_.Path(), config_.serial.portDescription};
}

double SimLoop::Now() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool SimLoop::Start(std::string& error) {
  if (config_.serial.enabled) {
    bool opened = config_.serial.tty.empty() ? serial_.OpenPty(error)
                                             : serial_.OpenTty(config_.serial.tty, config_.line.baud, error);
    if (!opened) return false;
    if (!config_.serial.linkPath.empty() && !MakeDeviceLink(serial_.Path(), config_.serial.linkPath, error))
      return false;
    if (!config_.serial.winePrefix.empty()) {
      winePortRegistered_ = true;  // a half-made registration is taken out again too
      if (!RegisterWinePort(WinePortOf(), error)) return false;
    }
    serialLink_ = std::make_unique<SensorLink>("serial", sensor_, config_.faults, config_.line, log_, Now());
    for (const LineNeighbour& n : config_.neighbours) {
      SensorConfig own = config_.sensor;
      own.address = n.address;
      own.serial = n.serial;
      own.refuseCommonAddress = n.refuseCommonAddress;
      own.settings.reset();
      neighbours_.push_back(std::make_unique<SimSensor>(own));
      serialLink_->AddNeighbour(*neighbours_.back());
    }
    std::printf("serial: %s\n", serial_.Path().c_str());
  }
  if (config_.relay.enabled) {
    listenFd_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) return error = Failure("socket"), false;
    int one = 1;
    setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(uint16_t(config_.relay.port));
    socklen_t len = sizeof addr;
    if (bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
      return error = Failure("bind 127.0.0.1:" + std::to_string(config_.relay.port)), false;
    if (listen(listenFd_, kListenBacklog) != 0 || getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
      return error = Failure("listen"), false;
    std::printf("relay: 127.0.0.1:%u\n", unsigned(ntohs(addr.sin_port)));
  }
  std::fflush(stdout);
  log_.Write(Now(), JsonLine().Add("kind", "start").Add("note", serial_.Path()));
  WriteFleetState(Now());
  return true;
}

void SimLoop::ApplyTimeline(double now) {
  while (nextTimed_ < config_.timeline.size() && config_.timeline[nextTimed_].at <= now) {
    const TimedOption& t = config_.timeline[nextTimed_++];
    std::string error;
    bool ok = ApplyOption(config_, t.name, t.value, true, error);
    JsonLine line;
    line.Add("kind", "scenario").Add("note", t.name + " " + t.value);
    if (!ok) line.Add("fault", error);
    log_.Write(now, line);
    // The sensor keeps its own copy of what may change.
    sensor_.Config().rejectWrites = config_.sensor.rejectWrites;
    sensor_.Config().forcedBlockStatus = config_.sensor.forcedBlockStatus;
    sensor_.Gear().Motion() = config_.sensor.motion;
  }
}

void SimLoop::Step(double now) {
  ApplyTimeline(now);
  if (serialLink_) serialLink_->Process(now);
  if (g_liftFaults) {
    g_liftFaults = 0;
    fleet_.LiftFaults();
    log_.Write(now, JsonLine().Add("kind", "scenario").Add("note", "faults lifted"));
  }
  SendUnsolicited(sensor_, now);
  for (auto& v : fleet_.Vehicles()) SendUnsolicited(v->sensor, now);
  if (fleet_.Changed()) WriteFleetState(now);
  for (auto& c : clients_) {
    c->session.Poll(now);
    Bytes more = c->session.TakeOutput();
    c->out.insert(c->out.end(), more.begin(), more.end());
  }
  if (serialLink_) {
    Bytes out = serialLink_->TakeOutput(now);
    // A line nobody listens to loses what is sent; so does a full pty.
    if (!out.empty() && write(serial_.Fd(), out.data(), out.size()) < 0 && errno != EAGAIN)
      log_.Write(now, JsonLine().Add("link", "serial").Add("kind", "error").Add("note", Failure("write")));
  }
}

void SimLoop::SendUnsolicited(SimSensor& sensor, double now) {
  std::optional<Bytes> lls = sensor.UnsolicitedDue(now);
  if (!lls) return;
  if (serialLink_ && &sensor == &sensor_) serialLink_->SendUnsolicited(*lls, now);
  for (auto& c : clients_)
    if (c->session.Joined() == &sensor) c->session.SendUnsolicited(*lls, now);
}

void SimLoop::WriteFleetState(double now) {
  if (config_.stateDir.empty() || fleet_.Empty()) return;
  std::string error;
  if (!ReplaceFile(config_.stateDir + "/sensors.jsonl", fleet_.StateText(), error))
    log_.Write(now, JsonLine().Add("kind", "error").Add("note", error));
}

void SimLoop::Accept(double now) {
  int fd = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return;
  std::string name = "relay" + std::to_string(++connections_);
  clients_.push_back(std::unique_ptr<Client>(new Client{fd, RelaySession(policy_, config_, sensor_, fleet_, log_, name), {}}));
  log_.Write(now, JsonLine().Add("link", name).Add("kind", "connected"));
}

bool SimLoop::ServeClient(Client& c, bool readable, double now) {
  if (readable) {
    uint8_t buf[4096];
    ssize_t n = recv(c.fd, buf, sizeof buf, 0);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return false;
    if (n > 0) c.session.OnReceived(buf, size_t(n), now);
  }
  Bytes more = c.session.TakeOutput();
  c.out.insert(c.out.end(), more.begin(), more.end());
  if (!c.out.empty()) {
    ssize_t n = send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL);
    if (n < 0 && errno != EAGAIN) return false;
    if (n > 0) c.out.erase(c.out.begin(), c.out.begin() + n);
  }
  return !c.session.Broken();
}

void SimLoop::CloseClient(size_t index, const char* why, double now) {
  log_.Write(now, JsonLine().Add("link", clients_[index]->session.Name()).Add("kind", "closed").Add("note", why));
  close(clients_[index]->fd);
  clients_.erase(clients_.begin() + long(index));
}

double SimLoop::NextWake(double now) const {
  double wake = now + kIdleTick;
  auto lower = [&wake](std::optional<double> t) {
    if (t && *t < wake) wake = *t;
  };
  if (serialLink_) lower(serialLink_->NextWake());
  for (auto& c : clients_) lower(c->session.NextWake());
  if (nextTimed_ < config_.timeline.size()) lower(config_.timeline[nextTimed_].at);
  if (config_.exitAfter > 0) lower(config_.exitAfter);
  return wake;
}

void SimLoop::Run() {
  while (!g_stop) {
    double now = Now();
    if (config_.exitAfter > 0 && now >= config_.exitAfter) break;
    Step(now);
    std::vector<pollfd> fds;
    if (serialLink_) fds.push_back({serial_.Fd(), POLLIN, 0});
    if (listenFd_ >= 0) fds.push_back({listenFd_, POLLIN, 0});
    size_t firstClient = fds.size();
    for (auto& c : clients_) fds.push_back({c->fd, short(POLLIN | (c->out.empty() ? 0 : POLLOUT)), 0});
    int timeoutMs = int(std::clamp((NextWake(now) - Now()) * 1000, 0.0, kIdleTick * 1000));
    if (poll(fds.data(), fds.size(), timeoutMs) < 0 && errno != EINTR) break;
    now = Now();
    if (serialLink_ && (fds[0].revents & POLLIN)) {
      uint8_t buf[4096];
      ssize_t n = read(serial_.Fd(), buf, sizeof buf);
      if (n > 0) serialLink_->OnReceived(buf, size_t(n), now);
    }
    if (listenFd_ >= 0 && (fds[firstClient - 1].revents & POLLIN)) Accept(now);
    for (size_t i = firstClient, k = 0; i < fds.size(); ++i) {
      bool readable = fds[i].revents & (POLLIN | POLLHUP | POLLERR);
      if (ServeClient(*clients_[k], readable, now)) ++k;
      else CloseClient(k, clients_[k]->session.Broken() ? "link cut" : "peer closed", now);
    }
  }
  WriteFleetState(Now());
  log_.Write(Now(), JsonLine().Add("kind", "stop").Add("note", g_stop ? "signal" : "exit-after"));
}

}  // namespace sim

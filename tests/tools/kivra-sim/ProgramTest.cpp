// The kivra-sim program itself: a pty line and the relay over loopback TCP, with bounded waits.
#include "SimTestSupport.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace simtest;
using sim::Bytes;

extern char** environ;

namespace {

double Seconds() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// Runs the simulator; killed at the end of the test if it is still there.
class Program {
 public:
  explicit Program(std::vector<std::string> args) {
    logPath_ = ::testing::TempDir() + "sim_program_" + std::to_string(getpid()) + "_" + std::to_string(++count_) + ".jsonl";
    args.insert(args.begin(), {KIVRA_SIM_PROGRAM, "--log", logPath_});
    int out[2];
    EXPECT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&pid_, KIVRA_SIM_PROGRAM, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    stdout_ = out[0];
  }
  ~Program() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(stdout_);
    std::remove(logPath_.c_str());
  }

  // The value of the first "key: value" line the program prints, waiting up to 5 s.
  std::string Endpoint(const std::string& key) {
    double until = Seconds() + 5;
    while (Seconds() < until) {
      size_t at = printed_.find(key + ": ");
      size_t end = at == std::string::npos ? at : printed_.find('\n', at);
      if (end != std::string::npos) return printed_.substr(at + key.size() + 2, end - at - key.size() - 2);
      pollfd p{stdout_, POLLIN, 0};
      if (poll(&p, 1, 100) > 0) {
        char buf[256];
        ssize_t n = read(stdout_, buf, sizeof buf);
        if (n <= 0) break;
        printed_.append(buf, size_t(n));
      }
    }
    ADD_FAILURE() << "no " << key << " line in: " << printed_;
    return "";
  }
  // Waits up to limit seconds for the exit; the exit status, or -1 when still running.
  int WaitExit(double limit) {
    for (double until = Seconds() + limit; Seconds() < until; usleep(20000)) {
      int status;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
    }
    return -1;
  }
  void Signal(int sig) { kill(pid_, sig); }
  std::vector<std::string> Log() const {
    std::ifstream in(logPath_);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }

 private:
  static inline int count_ = 0;
  pid_t pid_ = -1;
  bool exited_ = false;
  int stdout_ = -1;
  std::string printed_;
  std::string logPath_;
};

// Reads until `want` bytes (or a line end when want is 0) or the time limit.
Bytes ReadFor(int fd, size_t want, double limit, double* lastAt = nullptr) {
  Bytes got;
  for (double until = Seconds() + limit; Seconds() < until && (want == 0 || got.size() < want);) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 20) <= 0) continue;
    uint8_t buf[512];
    ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) break;
    got.insert(got.end(), buf, buf + n);
    if (lastAt) *lastAt = Seconds();
    if (want == 0 && got.back() == '\n') break;
  }
  return got;
}

std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }

double LogTime(const std::string& line) { return std::stod(line.substr(line.find(':') + 1)); }

TEST(Program, SerialLineIsPacedAndStopsByItself) {
  Program sim({"--baud", "9600", "--turnaround", "20", "--exit-after", "3"});
  std::string device = sim.Endpoint("serial");
  ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u);
  int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  termios t;
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
  CRequestFrame f;
  f.BuildReadSettings(255);
  double sent = Seconds(), last = 0;
  ASSERT_EQ(write(fd, f.Data(), f.Length()), ssize_t(f.Length()));
  Bytes answer = ReadFor(fd, 103, 2, &last);
  ASSERT_EQ(answer.size(), 103u);
  EXPECT_EQ(Parse(answer).code, 0x2B);
  const double bt = 10.0 / 9600;
  EXPECT_GE(last - sent, 6 * bt + 0.02 + 103 * bt - 0.002);
  EXPECT_LT(last - sent, 0.6);
  close(fd);
  EXPECT_EQ(sim.WaitExit(5), 0);
  std::vector<std::string> log = sim.Log();
  ASSERT_GE(log.size(), 4u);
  EXPECT_NE(log[1].find("\"dir\":\"rx\",\"kind\":\"request\",\"addr\":255,\"code\":43"), std::string::npos) << log[1];
  EXPECT_NE(log[2].find("\"dir\":\"tx\",\"kind\":\"answer\""), std::string::npos) << log[2];
  EXPECT_NEAR(LogTime(log[2]) - LogTime(log[1]), 0.02 + 103 * bt, 1e-4);
  EXPECT_NE(log.back().find("\"kind\":\"stop\",\"note\":\"exit-after\""), std::string::npos);
}

TEST(Program, ServesAGivenTtyAndLinksIt) {
  // The far end of a pty pair made here stands in for a real serial device.
  int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  std::string tty = ptsname(master);
  std::string link = ::testing::TempDir() + "sim_tty_link_" + std::to_string(getpid());
  Program sim({"--tty", tty, "--link", link, "--exit-after", "5"});
  EXPECT_EQ(sim.Endpoint("serial"), tty);
  char target[256] = {};
  EXPECT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), tty);
  CRequestFrame f;
  f.BuildReadIdentification(255);
  ASSERT_EQ(write(master, f.Data(), f.Length()), ssize_t(f.Length()));
  EXPECT_EQ(Parse(ReadFor(master, 37, 2)).code, 0x01);
  sim.Signal(SIGTERM);
  EXPECT_EQ(sim.WaitExit(3), 0);
  unlink(link.c_str());
  close(master);
}

TEST(Program, RelayAndTerminalOverLoopbackUntilSigterm) {
  Program sim({"--no-serial", "--relay-port", "0", "--terminal-id", "17", "--exit-after", "20"});
  std::string endpoint = sim.Endpoint("relay");
  ASSERT_EQ(endpoint.rfind("127.0.0.1:", 0), 0u);
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(uint16_t(std::stoi(endpoint.substr(10))));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  auto say = [s](const std::string& text) { ASSERT_EQ(send(s, text.data(), text.size(), 0), ssize_t(text.size())); };
  auto lines = [s](size_t count) {
    std::string got;
    for (size_t i = 0; i < count; ++i) got += Text(ReadFor(s, 0, 2));
    return got;
  };
  say("@CON=17\r");
  EXPECT_EQ(lines(1), "@OK\r\n");
  say("#DEVID?\r");
  EXPECT_EQ(lines(2), "#DEVID:17\r\n#OK\r\n");
  say("#VER?\r");
  EXPECT_EQ(lines(2), "#VER:KVT-SIM,2,1,125,190\r\n#OK\r\n");
  say("#SEROPN=2,19200,0,3,30000\r");
  EXPECT_EQ(lines(1), "#OPEN\r\n");
  CRequestFrame f;
  f.BuildReadData(255, 7);
  say(std::string(f.Data(), f.Data() + f.Length()));
  Bytes answer = ReadFor(s, 35, 2);
  Answer a = Parse(answer);
  EXPECT_EQ(a.code, 0x28);
  EXPECT_EQ(a.payload.size(), 30u);
  close(s);
  sim.Signal(SIGTERM);
  EXPECT_EQ(sim.WaitExit(3), 0);
  EXPECT_NE(sim.Log().back().find("\"note\":\"signal\""), std::string::npos);
}

TEST(Program, BadOptionsExitWithUsageError) {
  Program sim({"--baud", "x"});
  EXPECT_EQ(sim.WaitExit(3), 2);
}

}  // namespace

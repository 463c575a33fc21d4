// Far end of a serial line for the Windows tests, linked into a Wine prefix as a COM port.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// A pseudo terminal linked into the prefix as dosdevices/comN, driven line by line over a loopback
// TCP control connection:
//
//   kivra-serial-peer --control-port P --com N [--prefix DIR] [--lifetime S]
//
// Control lines (answer in brackets):
//   W <hex>        write the bytes to the line                         [OK]
//   R <n> <ms>     read until n bytes arrived or ms passed             [D <hex>]
//   T              report the line settings the port applied           [T <baud> <bits> <parity> <stop2> <rtscts> <xon> <xoff>]
//   H              hang up: close our end and remove the COM link      [OK]
//   N              point the COM link at a device that is no serial line
//                  (/dev/null): the port opens but cannot be set up     [OK]
//   Q / end        quit
namespace {

struct Options {
    int controlPort = 0;
    int com = 0;
    std::string prefix;
    int lifetimeSeconds = 120;
};

bool ParseOptions(int argc, char** argv, Options& o)
{
    if (const char* env = std::getenv("WINEPREFIX"))
        o.prefix = env;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const char* value = argv[i + 1];
        if (key == "--control-port")
            o.controlPort = std::atoi(value);
        else if (key == "--com")
            o.com = std::atoi(value);
        else if (key == "--prefix")
            o.prefix = value;
        else if (key == "--lifetime")
            o.lifetimeSeconds = std::atoi(value);
        else
            return false;
    }
    return o.controlPort > 0 && o.com > 0 && !o.prefix.empty();
}

std::string ToHex(const std::vector<unsigned char>& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::vector<unsigned char> FromHex(const std::string& text)
{
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

long long NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

unsigned BaudOf(speed_t s)
{
    struct { speed_t code; unsigned baud; } static const table[] = {
        {B1200, 1200}, {B2400, 2400}, {B4800, 4800}, {B9600, 9600}, {B19200, 19200},
        {B38400, 38400}, {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};
    for (const auto& e : table)
        if (e.code == s)
            return e.baud;
    return 0;
}

class Peer {
public:
    explicit Peer(const Options& o) : m_options(o) {}
    ~Peer()
    {
        Hangup();
        if (m_control >= 0)
            close(m_control);
    }

    bool Start()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return Complain("pseudo terminal");
        const char* slave = ptsname(m_master);
        if (!slave)
            return Complain("ptsname");
        m_slave = slave;
        // Our session owns the line as its controlling terminal, so that the Wine server, which
        // opens the port, does not; a hang-up then signals us (ignored) instead of it.
        setsid();
        signal(SIGHUP, SIG_IGN);
        const int owner = open(slave, O_RDWR);
        if (owner < 0)
            return Complain("open line");
        close(owner);
        // Raw until the port configures it, so nothing is echoed or translated.
        termios t{};
        tcgetattr(m_master, &t);
        cfmakeraw(&t);
        tcsetattr(m_master, TCSANOW, &t);
        m_link = m_options.prefix + "/dosdevices/com" + std::to_string(m_options.com);
        unlink(m_link.c_str());
        if (symlink(slave, m_link.c_str()) != 0)
            return Complain("symlink");
        m_control = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<unsigned short>(m_options.controlPort));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (m_control < 0 || connect(m_control, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            return Complain("control connection");
        return Send(std::string("READY ") + slave);
    }

    void Run()
    {
        const long long end = NowMs() + 1000LL * m_options.lifetimeSeconds;
        std::string line;
        while (NowMs() < end && ReadLine(line, end)) {
            if (line == "Q")
                return;
            if (!Execute(line))
                return;
        }
    }

private:
    bool Execute(const std::string& line)
    {
        const char op = line.empty() ? ' ' : line[0];
        const std::string arg = line.size() > 2 ? line.substr(2) : std::string();
        if (op == 'W')
            return Send(WriteLine(FromHex(arg)) ? "OK" : "ERR");
        if (op == 'R') {
            int count = 0;
            int ms = 0;
            std::sscanf(arg.c_str(), "%d %d", &count, &ms);
            return Send("D " + ToHex(ReadLineBytes(count, ms)));
        }
        if (op == 'T')
            return Send(Settings());
        if (op == 'H') {
            Hangup();
            return Send("OK");
        }
        if (op == 'N')
            return Send(unlink(m_link.c_str()) == 0 && symlink("/dev/null", m_link.c_str()) == 0 ? "OK" : "ERR");
        return Send("ERR");
    }

    bool WriteLine(const std::vector<unsigned char>& bytes)
    {
        std::size_t done = 0;
        while (m_master >= 0 && done < bytes.size()) {
            const ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return m_master >= 0;
    }

    std::vector<unsigned char> ReadLineBytes(int count, int ms)
    {
        std::vector<unsigned char> got;
        const long long end = NowMs() + ms;
        while (m_master >= 0 && static_cast<int>(got.size()) < count && NowMs() < end) {
            pollfd p{m_master, POLLIN, 0};
            if (poll(&p, 1, 5) <= 0 || !(p.revents & POLLIN)) {
                // Without an open slave the master reports a hang-up; wait for the port to open.
                if (p.revents & (POLLHUP | POLLERR))
                    usleep(5000);
                continue;
            }
            unsigned char buf[4096];
            const ssize_t n = read(m_master, buf, std::min<std::size_t>(sizeof buf, count - got.size()));
            if (n > 0)
                got.insert(got.end(), buf, buf + n);
            else
                usleep(5000);
        }
        return got;
    }

    std::string Settings() const
    {
        termios t{};
        if (m_master < 0 || tcgetattr(m_master, &t) != 0)
            return "ERR";
        const int bits = (t.c_cflag & CSIZE) == CS8 ? 8 : (t.c_cflag & CSIZE) == CS7 ? 7 : (t.c_cflag & CSIZE) == CS6 ? 6 : 5;
        char text[128];
        std::snprintf(text, sizeof text, "T %u %d %d %d %d %d %d", BaudOf(cfgetospeed(&t)), bits,
                      (t.c_cflag & PARENB) ? 1 : 0, (t.c_cflag & CSTOPB) ? 1 : 0,
                      (t.c_cflag & CRTSCTS) ? 1 : 0, (t.c_iflag & IXON) ? 1 : 0, (t.c_iflag & IXOFF) ? 1 : 0);
        return text;
    }

    void Hangup()
    {
        // The link goes first: once the line is closed its number may serve a later peer.
        if (!m_link.empty()) {
            // Only our own link: a later peer may have taken the name over.
            char target[256] = {};
            const ssize_t n = readlink(m_link.c_str(), target, sizeof target - 1);
            if (n > 0 && m_slave == target)
                unlink(m_link.c_str());
            m_link.clear();
        }
        if (m_master >= 0) {
            close(m_master);
            m_master = -1;
        }
    }

    bool ReadLine(std::string& line, long long end)
    {
        line.clear();
        for (;;) {
            const std::size_t eol = m_pending.find('\n');
            if (eol != std::string::npos) {
                line = m_pending.substr(0, eol);
                m_pending.erase(0, eol + 1);
                return true;
            }
            pollfd p{m_control, POLLIN, 0};
            const long long left = end - NowMs();
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
                return false;
            char buf[8192];
            const ssize_t n = read(m_control, buf, sizeof buf);
            if (n <= 0)
                return false;
            m_pending.append(buf, static_cast<std::size_t>(n));
        }
    }

    bool Send(const std::string& text)
    {
        const std::string line = text + "\n";
        return send(m_control, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size());
    }

    static bool Complain(const char* what)
    {
        std::fprintf(stderr, "kivra-serial-peer: %s: %s\n", what, std::strerror(errno));
        return false;
    }

    Options m_options;
    int m_master = -1;
    int m_control = -1;
    std::string m_slave;
    std::string m_link;
    std::string m_pending;
};

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: kivra-serial-peer --control-port P --com N [--prefix DIR] [--lifetime S]\n");
        return 2;
    }
    Peer peer(options);
    if (!peer.Start())
        return 1;
    peer.Run();
    return 0;
}

// Test fixture: the native program at the far end of a pseudo-terminal COM port of the Wine prefix.
#pragma once

#include <string>
#include <vector>

struct SerialLineSettings {
    unsigned baud = 0;
    int dataBits = 0;
    bool parity = false;
    bool twoStopBits = false;
    bool rtsCtsFlow = false;
    bool xonOutput = false;
    bool xonInput = false;
};

class SerialPeer {
public:
    SerialPeer() = default;
    SerialPeer(const SerialPeer&) = delete;
    SerialPeer& operator=(const SerialPeer&) = delete;
    ~SerialPeer();

    // Starts the peer, which links a new pseudo terminal into the prefix as COM<number>.
    bool Start(int comNumber);
    std::wstring PortName() const { return L"COM" + std::to_wstring(m_com); }

    bool Send(const std::vector<unsigned char>& bytes);
    // Everything the port wrote, up to count bytes or until the time runs out.
    std::vector<unsigned char> Receive(std::size_t count, int timeoutMs);
    bool Settings(SerialLineSettings& out);
    // Closes the peer's end of the line and removes the COM link.
    bool Hangup();
    // Points the COM link at a device that is no serial line: the port opens but cannot be set up.
    bool LinkToNonSerialDevice();

private:
    bool Command(const std::string& line, std::string& answer, int timeoutMs = 10000);
    bool ReadLine(std::string& line, int timeoutMs);

    int m_com = 0;
    unsigned long long m_socket = ~0ULL;
    std::string m_pending;
};

// Diagnostic log kept as a chain of time-stamped files, each closed at the size limit and linked
// to its successor by marker lines.
#pragma once

#include "runtime/TLogFile.h"

class TNotCyclicLogFile : public TLogFile {
public:
    // Bytes kept free at the end of each file for the forward link.
    static constexpr std::uint32_t kLinkReserve = 22;

    TNotCyclicLogFile();
    ~TNotCyclicLogFile() override;

    bool Open(const wchar_t* path, std::uint32_t limit, std::uint32_t flags) override;

    // The time stamp text (with its counter) that names the current file.
    const wchar_t* NamePart() const { return m_namePart.Get(); }
    std::int64_t WritePosition() const { return m_position; }

protected:
    bool WriteRecord(const unsigned char* data, std::size_t size) override;
    std::size_t BeforeStamp(std::uint64_t now, char* out, std::size_t cap) override;

private:
    bool StartNewFile(bool firstOfChain);
    bool CreateNext(wchar_t* part, std::size_t partCap);
    // Writes a short marker text at the current position, without the line format.
    bool WriteMarker(const wchar_t* format, const wchar_t* namePart);
    bool CloseAfterFailure(TFileObject& failed);

    THFileObject m_next;
    std::int64_t m_position = 0;
    TOwnedWString m_basePath;
    TOwnedWString m_namePart;
    std::uint32_t m_reserve = 0;
    bool m_switching = false;
};

// A diagnostic log file: the common line format in front of one of two file organisations.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include "runtime/TBuffer.h"
#include "runtime/TCriticalSection.h"
#include "runtime/TFileObject.h"

class TLogFile : public TObject {
public:
    static constexpr std::size_t kLineSize = 1024;

    ~TLogFile() override = default;

    // Both do nothing when the object is not ok or no file is open; lines never interleave.
    void WriteLine(int index, const wchar_t* prefix, const wchar_t* format, va_list args);
    void WriteRaw(const wchar_t* format, va_list args);
    void WriteRawF(const wchar_t* format, ...);

    // Switches to another file (an empty path turns logging off); the same path, compared
    // ignoring case, only changes limit and flags.
    virtual bool Open(const wchar_t* path, std::uint32_t limit, std::uint32_t flags) = 0;

    bool IsOpen() const { return m_file.IsOpen(); }
    const wchar_t* Path() const { return m_file.Path(); }
    std::uint32_t Limit() const { return m_limit; }
    std::uint32_t Flags() const { return m_flags; }

protected:
    explicit TLogFile(const wchar_t* name);

    // Hands one finished line to the organisation; called under the lock.
    virtual bool WriteRecord(const unsigned char* data, std::size_t size) = 0;
    // Writes text in front of the time stamp (the chain's clock line); returns its length.
    virtual std::size_t BeforeStamp(std::uint64_t now, char* out, std::size_t cap);

    void ForgetStamp() { m_stampTime = 0; m_stampLength = 0; m_stampValid = false; }
    std::uint64_t StampTime() const { return m_stampTime; }
    bool HasStamp() const { return m_stampValid; }
    static bool SamePath(const wchar_t* a, const wchar_t* b);
    // Limit raised to one line at least, path null read as empty.
    static std::uint32_t EffectiveLimit(std::uint32_t limit) { return limit < kLineSize ? kLineSize : limit; }

    TCriticalSection m_lock;
    TFileObject m_file;
    std::uint32_t m_flags = 0;
    std::uint32_t m_limit = 0;

private:
    void Compose(bool withHeader, int index, const wchar_t* prefix, const wchar_t* format, va_list args);
    std::size_t Stamp(char* out, std::size_t cap);

    TBuffer m_line;
    TBuffer m_format;
    std::uint64_t m_stampTime = 0;
    bool m_stampValid = false;
    std::size_t m_stampLength = 0;
    char m_stampText[32] = {};
};

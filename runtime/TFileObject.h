// Plain file wrapper used by the log files: stored path and creation parameters, silent failures.
#pragma once

#include <cstdint>

#include "runtime/OsHandle.h"
#include "runtime/TObject.h"

class TFileObject : public TObject {
public:
    TFileObject() = default;
    ~TFileObject() override;

    // Both refused with 0x20000002 while the file is open.
    bool SetPath(const wchar_t* path);
    bool SetParameters(std::uint32_t access, std::uint32_t share, std::uint32_t disposition, std::uint32_t flags);

    // The error code is the system's last error afterwards, success or not.
    bool Open();
    bool Close();
    bool IsOpen() const { return m_handle != InvalidHandleValue(); }
    // Takes over the other object's path and open file, leaving it closed.
    bool TakeOver(TFileObject& other);

    bool Flush();
    bool GetSize(std::int64_t* size);
    bool SetPosition(std::int64_t position);
    bool SetEnd(std::int64_t position);
    bool Read(void* data, std::uint32_t size, std::uint32_t* moved);
    bool Write(const void* data, std::uint32_t size, std::uint32_t* moved);
    // Writes count copies of a byte from the position on.
    bool Fill(unsigned char value, std::int64_t count, std::int64_t position);

    const wchar_t* Path() const { return GetName(); }

private:
    bool FailFromSystem();

    THandle m_handle = InvalidHandleValue();
    std::uint32_t m_access = 0;
    std::uint32_t m_share = 0;
    std::uint32_t m_disposition = 0;
    std::uint32_t m_flags = 0;
};

// The log files' second file wrapper; it behaves exactly as its base.
class THFileObject : public TFileObject {};

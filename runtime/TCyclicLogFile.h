// Diagnostic log kept in one file of fixed maximum size used as a ring; a zero byte follows the newest line.
#pragma once

#include "runtime/TLogFile.h"

class TCyclicLogFile : public TLogFile {
public:
    TCyclicLogFile();
    ~TCyclicLogFile() override;

    bool Open(const wchar_t* path, std::uint32_t limit, std::uint32_t flags) override;

    std::int64_t WritePosition() const { return m_position; }
    std::int64_t FileSize() const { return m_size; }

protected:
    bool WriteRecord(const unsigned char* data, std::size_t size) override;

private:
    bool OpenFile(const wchar_t* path);
    bool FindWritePosition();
    bool FitToLimit();
    bool Copy(std::int64_t from, std::int64_t to, std::int64_t count);
    // Writes at the file position and keeps track of the size; false with the system's cause.
    bool WriteAtPosition(const void* data, std::size_t size, std::uint32_t* moved);
    bool CloseAfterFailure();

    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
};

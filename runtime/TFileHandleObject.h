// Logging owner of one file handle with its size and position; base of the data log file.
#pragma once

#include <cstdint>

#include "runtime/THandleObject.h"

class TFileHandleObject : public THandleObject {
public:
    TFileHandleObject(const wchar_t* path, std::uint32_t access, std::uint32_t share, std::uint32_t disposition,
                      std::uint32_t flags);

    // After a successful Create the error code tells the system's note, e.g. 183 for a file
    // that already existed.
    bool Create() override;
    bool Destroy() override;

    bool SetPosition(std::int64_t position);
    // position -1 writes at the current position; fewer bytes written than asked is error 38.
    bool WriteAt(std::int64_t position, std::uint32_t length, const void* data);
    // Ends the file at position (before it, nothing is lost); the next write goes there.
    bool CutAt(std::int64_t position);

    std::int64_t Size() const { return m_size; }
    std::int64_t Position() const { return m_position; }
    const wchar_t* Path() const { return GetName(); }

private:
    bool FailCreate(const wchar_t* call);

    std::uint32_t m_access;
    std::uint32_t m_share;
    std::uint32_t m_disposition;
    std::uint32_t m_flags;
    std::int64_t m_size = -1;
    std::int64_t m_position = -1;
};

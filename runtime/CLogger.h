// The communication trace sink: collects one hex line per sensor frame until the log page takes it.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/RefCount.h"

class CLogger : public CRefCount {
public:
    virtual void Clear() = 0;
    // Time prefix of later lines: bit 0 seconds, bit 1 with milliseconds.
    virtual void SetMode(std::uint32_t mode) = 0;
    virtual bool AddText(bool received, const char* text) = 0;
    // True when the text changed.
    virtual bool AddFrame(bool received, std::uint32_t length, const unsigned char* bytes) = 0;
    // Moves the collected text out; false (and the string untouched) when there is none.
    virtual bool TakeText(std::wstring& out) = 0;
};

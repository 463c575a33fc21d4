// A buffer inside the process that owns a window: item records of tab and list-view controls
// must lie in the owner's memory, since those messages carry pointers the system does not copy
// between processes.
#pragma once

#include <windows.h>

#include <cstddef>

class CRemoteMemory
{
public:
    CRemoteMemory(HWND owner, size_t size); // throws CDriverFailure
    ~CRemoteMemory();
    CRemoteMemory(const CRemoteMemory&) = delete;
    CRemoteMemory& operator=(const CRemoteMemory&) = delete;

    // The address as the owner sees it, at an offset into the buffer.
    LPARAM At(size_t offset = 0) const;
    void Write(const void* data, size_t size, size_t offset = 0);
    void Read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE process = nullptr;
    void* address = nullptr;
    size_t size;
};

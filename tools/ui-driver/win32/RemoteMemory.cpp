#include "RemoteMemory.h"

#include "DriverTarget.h"

#include <string>

CRemoteMemory::CRemoteMemory(HWND owner, size_t size) : size(size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(owner, &processId);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process)
        throw CDriverFailure("cannot open the process of the window (error " + std::to_string(GetLastError()) + ")");
    address = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address) {
        const DWORD error = GetLastError();
        CloseHandle(process);
        throw CDriverFailure("cannot reserve memory in the process of the window (error " + std::to_string(error) + ")");
    }
}

CRemoteMemory::~CRemoteMemory()
{
    VirtualFreeEx(process, address, 0, MEM_RELEASE);
    CloseHandle(process);
}

LPARAM CRemoteMemory::At(size_t offset) const
{
    return reinterpret_cast<LPARAM>(static_cast<char*>(address) + offset);
}

void CRemoteMemory::Write(const void* data, size_t length, size_t offset)
{
    SIZE_T written = 0;
    if (offset + length > size || !WriteProcessMemory(process, static_cast<char*>(address) + offset, data, length, &written) || written != length)
        throw CDriverFailure("cannot write into the process of the window");
}

void CRemoteMemory::Read(void* data, size_t length, size_t offset) const
{
    SIZE_T read = 0;
    if (offset + length > size || !ReadProcessMemory(process, static_cast<char*>(address) + offset, data, length, &read) || read != length)
        throw CDriverFailure("cannot read from the process of the window");
}

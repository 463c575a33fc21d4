// Writes the exception line and one line per loaded module to the process log.
#include "runtime/win32/CrashReport.h"

#include <tlhelp32.h>

#include "runtime/TLogObject.h"

namespace {

unsigned long long AsNumber(const void* p) { return reinterpret_cast<ULONG_PTR>(p); }

void WriteModuleList()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module)) {
        const unsigned long long base = AsNumber(module.modBaseAddr);
        TLogObject::LogProcess(L"%ls:\tbase=%08llX,\tsize=%u,\tend=%08llX", module.szModule, base,
                               static_cast<unsigned>(module.modBaseSize), base + module.modBaseSize);
    }
    CloseHandle(snapshot);
}

}  // namespace

void WriteCrashReport(const EXCEPTION_RECORD& record)
{
    const unsigned long long rw = record.NumberParameters >= 1 ? record.ExceptionInformation[0] : 0;
    const unsigned long long vaddr = record.NumberParameters >= 2 ? record.ExceptionInformation[1] : 0;
    TLogObject::LogProcess(L"SE (thread=%08X,code=%08X,addr=%08llX,rw=%08llX,vaddr=%08llX)",
                           static_cast<unsigned>(GetCurrentThreadId()), static_cast<unsigned>(record.ExceptionCode),
                           AsNumber(record.ExceptionAddress), rw, vaddr);
    WriteModuleList();
}

// What this process holds of the system: memory counters, handle count, GDI objects.
#include "runtime/ProcessResources.h"

#include <windows.h>
#include <psapi.h>

unsigned ProbeOpenHandles(uintptr_t limit)
{
    unsigned count = 0;
    DWORD flags = 0;
    for (uintptr_t value = 4; value < limit; value += 4)
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    return count;
}

unsigned ProbeGdiObjects()
{
    // Wine keeps the process's GDI objects in one table indexed by the low word of the handle
    // and takes a handle whose high word is 0 as any generation of its entry.
    unsigned count = 0;
    for (uintptr_t index = 1; index <= 0xFFFF; ++index)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return count;
}

ProcessResources SampleProcessResources()
{
    ProcessResources sample;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        sample.memoryBytes = counters.PagefileUsage;
    DWORD handles = 0;
    if (!GetProcessHandleCount(GetCurrentProcess(), &handles) || handles == 0)
        handles = ProbeOpenHandles();
    sample.handles = handles;
    sample.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (sample.gdiObjects == 0)
        sample.gdiObjects = ProbeGdiObjects();
    return sample;
}

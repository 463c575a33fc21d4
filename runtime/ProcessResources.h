// What this process holds of the system, sampled for long runs: a leak shows as a rising line.
#pragma once

#include <cstdint>

struct ProcessResources {
    uint64_t memoryBytes = 0;  // private memory committed
    unsigned handles = 0;      // open kernel handles
    unsigned gdiObjects = 0;   // GDI objects (0 where the system does not count them)
};

ProcessResources SampleProcessResources();

// Counts open handles by asking the system about every possible handle value below
// limit, for where the system's own counter says 0 (Wine).
unsigned ProbeOpenHandles(uintptr_t limit = 0x10000);
// Counts GDI objects the same way, for where the system's counter is a stub that says 0.
unsigned ProbeGdiObjects();

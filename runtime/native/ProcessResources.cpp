// Host stand-in: resident memory and open file descriptors from /proc; no GDI.
#include "runtime/ProcessResources.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>

unsigned ProbeOpenHandles(uintptr_t)
{
    unsigned count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(folder))
            count += entry->d_name[0] != '.';
        closedir(folder);
        --count;  // the folder's own descriptor
    }
    return count;
}

unsigned ProbeGdiObjects() { return 0; }

ProcessResources SampleProcessResources()
{
    ProcessResources sample;
    unsigned long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%lu %lu", &pages, &resident) == 2)
            sample.memoryBytes = static_cast<uint64_t>(resident) * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
        std::fclose(statm);
    }
    sample.handles = ProbeOpenHandles();
    return sample;
}

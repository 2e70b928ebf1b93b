// The process's memory as the system counts it, for tests that must not grow over a lesson.
#pragma once

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace reliability {

// AddressSanitizer keeps freed memory in quarantine, so resident memory says nothing there about
// leaks; its leak checker speaks instead.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif

// Resident memory in bytes (/proc/self/statm), once the allocator has handed back what it keeps
// free, so that only memory still in use counts.
inline long residentBytes()
{
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    if (std::FILE* file = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(file);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// The highest resident memory so far, in bytes (VmHWM in /proc/self/status).
inline long peakResidentBytes()
{
    long kilobytes = 0;
    if (std::FILE* file = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, file)) {
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                kilobytes = std::strtol(line + 6, nullptr, 10);
        }
        std::fclose(file);
    }
    return kilobytes * 1024;
}

inline double megabytes(long bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

} // namespace reliability

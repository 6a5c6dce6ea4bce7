#include "ProcessMemory.h"

#include "Logging.h"

// psapi.h needs the types windows.h declares.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

namespace {

PROCESS_MEMORY_COUNTERS memoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        qCWarning(lcLarkspan) << "Cannot read the process's memory counters, error"
                              << GetLastError();
        counters = {};
    }
    return counters;
}

} // namespace

double residentBytes()
{
    return double(memoryCounters().WorkingSetSize);
}

double peakResidentBytes()
{
    return double(memoryCounters().PeakWorkingSetSize);
}

// Windows keeps the peak since the process started.
void resetPeakResident()
{
}

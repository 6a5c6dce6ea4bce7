#include "ProcessMemory.h"

#include <QByteArray>
#include <QFile>

#ifdef Q_OS_WIN
// psapi.h needs the types windows.h declares.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on
#endif

namespace {

#ifdef Q_OS_WIN
PROCESS_MEMORY_COUNTERS memoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        counters = {};
    return counters;
}
#else
double statusField(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ')[0].toDouble() * 1024;
    return 0;
}
#endif

} // namespace

double residentBytes()
{
#ifdef Q_OS_WIN
    return double(memoryCounters().WorkingSetSize);
#else
    return statusField("VmRSS:");
#endif
}

double peakResidentBytes()
{
#ifdef Q_OS_WIN
    return double(memoryCounters().PeakWorkingSetSize);
#else
    return statusField("VmHWM:");
#endif
}

void resetPeakResident()
{
#ifndef Q_OS_WIN
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
#endif
}

#include "ProcessMemory.h"

#include "Logging.h"

#include <QByteArray>
#include <QFile>

namespace {

double statusField(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        qCWarning(lcLarkspan) << "Cannot read" << status.fileName() << status.errorString();
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ')[0].toDouble() * 1024;
    return 0;
}

} // namespace

double residentBytes()
{
    return statusField("VmRSS:");
}

double peakResidentBytes()
{
    return statusField("VmHWM:");
}

void resetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        qCWarning(lcLarkspan) << "Cannot reset the peak resident size:" << clear.errorString();
}

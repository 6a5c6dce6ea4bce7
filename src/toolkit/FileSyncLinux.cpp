#include "FileSync.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

#include <unistd.h>

Result<> syncFileToDisk(QFileDevice& file)
{
    const int handle = file.handle();
    if (handle < 0)
        return Failure{QStringLiteral("the file is not open")};
    if (::fsync(handle) == 0)
        return {};
    return Failure{QString::fromLocal8Bit(std::strerror(errno))};
}

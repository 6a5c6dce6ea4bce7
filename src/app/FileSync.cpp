#include "app/FileSync.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

QString syncFileToDisk(QFileDevice& file)
{
    const int handle = file.handle();
    if (handle < 0)
        return QStringLiteral("the file is not open");
#ifdef Q_OS_WIN
    const int result = _commit(handle);
#else
    const int result = ::fsync(handle);
#endif
    if (result == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

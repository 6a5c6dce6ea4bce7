#include "FileSync.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Makes the system write what was written to the open file onto the disk. Returns the empty
// text on success, otherwise the system's reason.
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

// QSaveFile would put its file in place of the link's target, so the new file is made under a
// name of its own beside the link and renamed over it: a rename replaces the link itself.
QString replaceLink(const QString& path, const std::function<QString(QFileDevice&)>& write)
{
    const QFileInfo link(path);
    const QFileDevice::Permissions readWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                               QFileDevice::ReadOther | QFileDevice::WriteOther;
    QFile file;
    // Created new, the file cannot be a link planted under that name; a name that is taken
    // is drawn again.
    for (int attempt = 0; attempt < 10 && !file.isOpen(); ++attempt) {
        file.setFileName(link.dir().filePath(
            QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate64(), 0, 36)));
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered, readWrite);
    }
    if (!file.isOpen())
        return file.errorString();
    QString reason = write(file);
    if (reason.isEmpty())
        reason = syncFileToDisk(file);
    file.close();
    if (reason.isEmpty()) {
        std::error_code error;
        std::filesystem::rename(QFileInfo(file.fileName()).filesystemFilePath(),
                                link.filesystemFilePath(), error);
        if (error)
            reason = QString::fromLocal8Bit(error.message());
    }
    if (!reason.isEmpty())
        file.remove();
    return reason;
}

} // namespace

QString saveWhole(const QString& path, LinkAtPath atLink,
                  const std::function<QString(QFileDevice&)>& write)
{
    if (atLink == LinkAtPath::Replace && QFileInfo(path).isSymLink())
        return replaceLink(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    QString reason = write(file);
    // QSaveFile would ignore a failure to bring the data onto the disk and replace the old file
    // all the same.
    if (reason.isEmpty())
        reason = syncFileToDisk(file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeAll(QFileDevice& file, QByteArrayView bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written == bytes.size())
        return {};
    return file.error() != QFileDevice::NoError
               ? file.errorString()
               : QStringLiteral("only %1 of %2 bytes could be written")
                     .arg(written)
                     .arg(bytes.size());
}

QString notRegularFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile() ? QString() : QStringLiteral("it is not a regular file");
}

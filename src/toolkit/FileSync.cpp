#include "FileSync.h"

#include "Logging.h"
#include "MessageText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <filesystem>

namespace {

// Replaces what stands at `to`, a link itself rather than its target.
Result<> renameOver(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(QFileInfo(from).filesystemFilePath(),
                            QFileInfo(to).filesystemFilePath(), error);
    if (error)
        return Failure{QString::fromLocal8Bit(error.message())};
    return {};
}

// QSaveFile would put its file in place of the link's target, so the new file is made under a
// name of its own beside the link and renamed over it: a rename replaces the link itself.
Result<> replaceLink(const QString& path, const std::function<Result<>(QFileDevice&)>& write)
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
        return Failure{file.errorString()};
    Result<> result = write(file);
    if (result)
        result = fileSyncCalls().syncToDisk(file);
    file.close();
    if (result)
        result = fileSyncCalls().rename(file.fileName(), path);
    if (!result && !file.remove())
        qCWarning(lcLarkspan) << "Cannot remove" << file.fileName() << file.errorString();
    return result;
}

} // namespace

FileSyncCalls& fileSyncCalls()
{
    static FileSyncCalls calls{syncFileToDisk, renameOver};
    return calls;
}

Result<> saveWhole(const QString& path, LinkAtPath atLink,
                   const std::function<Result<>(QFileDevice&)>& write)
{
    if (atLink == LinkAtPath::Replace && QFileInfo(path).isSymLink())
        return replaceLink(path, write);
    // The file put in place of a pipe or a device (also at the end of a link) would take its
    // place for every program.
    if (Result<> regular = checkRegularFile(path); !regular)
        return regular;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    Result<> result = write(file);
    // QSaveFile would ignore a failure to bring the data onto the disk and replace the old file
    // all the same.
    if (result)
        result = fileSyncCalls().syncToDisk(file);
    if (!result) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

Result<> writeAll(QFileDevice& file, QByteArrayView bytes)
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
    return Failure{file.error() != QFileDevice::NoError
                       ? file.errorString()
                       : QStringLiteral("only %1 of %2 bytes could be written")
                             .arg(written)
                             .arg(bytes.size())};
}

Result<> copyReplacing(const QString& source, const QString& destination)
{
    const auto failed = [](const QString& path, const QString& reason) {
        return Failure{QStringLiteral("%1 (%2)").arg(reason, quotedPathForMessage(path))};
    };
    if (Result<> regular = checkRegularFile(source); !regular)
        return failed(source, regular.reason());
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return failed(source, in.errorString());
    bool readFailed = false;
    const Result<> saved = saveWhole(destination, LinkAtPath::Replace, [&](QFileDevice& out) {
        QByteArray buffer(1 << 20, Qt::Uninitialized);
        for (;;) {
            const qint64 read = in.read(buffer.data(), buffer.size());
            readFailed = read < 0;
            if (readFailed)
                return Result<>(Failure{in.errorString()});
            if (read == 0)
                return Result<>();
            if (Result<> written = writeAll(out, QByteArrayView(buffer.constData(), read));
                !written)
                return written;
        }
    });
    if (!saved)
        return failed(readFailed ? source : destination, saved.reason());
    // The copy can be run or read by whoever could the original.
    if (!QFile::setPermissions(destination, in.permissions()))
        qCWarning(lcLarkspan) << "Cannot give" << destination << "the permissions of" << source;
    return {};
}

Result<> checkRegularFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return Failure{QStringLiteral("it is not a regular file")};
}

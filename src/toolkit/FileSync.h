#pragma once

#include "Result.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

class QFileDevice;

// What writing a file does to a symbolic link that stands at its path.
enum class LinkAtPath {
    WriteTarget, // the link's target is replaced, as editors save a linked document
    Replace,     // the link itself gives way to a regular file; its target is not touched
};

// The calls that make a whole write safe: bringing an open file's data onto the disk, and
// renaming a file over what stands at a path (a link itself, not its target). Tests put their
// own in to watch them and to make them fail.
struct FileSyncCalls {
    std::function<Result<>(QFileDevice& file)> syncToDisk;
    std::function<Result<>(const QString& from, const QString& to)> rename;
};
// The calls saveWhole makes: the system's own until replaced.
FileSyncCalls& fileSyncCalls();

// The system's own: fsync on POSIX, _commit on Windows.
Result<> syncFileToDisk(QFileDevice& file);

// Writes a file whole or not at all: `write` fills the open file; only when it succeeds is the
// file brought onto the disk and put in place of what stood at the path, which keeps its
// content on any failure. What stands there, the link's target where one is written through,
// must be a regular file or nothing.
Result<> saveWhole(const QString& path, LinkAtPath atLink,
                   const std::function<Result<>(QFileDevice&)>& write);

// Writes every byte, counting them: a short write is no error to QSaveFile, which would then
// commit a truncated file. A failure's reason is told by a further write.
Result<> writeAll(QFileDevice& file, QByteArrayView bytes);

// Copies the file over the destination, whole or not at all: a failed copy leaves a file that
// stood there as it was, and a link standing there is replaced, not written through. Only a
// regular file is copied. A failure's reason ends with the path it concerns, in parentheses.
Result<> copyReplacing(const QString& source, const QString& destination);

// Fails for what the program does not read as a file: anything but a regular file (also
// through a link) or a path where nothing stands, which opening it will report.
Result<> checkRegularFile(const QString& path);

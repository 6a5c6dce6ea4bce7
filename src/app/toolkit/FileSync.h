#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QFileDevice;

// What writing a file does to a symbolic link that stands at its path.
enum class LinkAtPath {
    WriteTarget, // the link's target is replaced, as editors save a linked document
    Replace,     // the link itself gives way to a regular file; its target is not touched
};

// Writes a file whole or not at all: `write` fills the open file and returns the empty text or
// the reason it failed; only then is the file brought onto the disk and put in place of what
// stood at the path, which keeps its content on any failure. Returns the empty text on success,
// otherwise the reason.
[[nodiscard]] QString saveWhole(const QString& path, LinkAtPath atLink,
                                const std::function<QString(QFileDevice&)>& write);

// Writes every byte, counting them: a short write is no error to QSaveFile, which would then
// commit a truncated file. Returns the empty text or the reason, told by a further write.
QString writeAll(QFileDevice& file, QByteArrayView bytes);

// Why the program does not read the file at path: the empty text for a regular file (also
// through a link) and for a path where nothing stands, which opening it will report.
QString notRegularFile(const QString& path);

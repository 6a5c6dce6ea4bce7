#pragma once

#include "TestFiles.h"

// The lines of a log once it appears (`ms` at most), which it removes so that the next run's
// log is a fresh one; empty when none appeared.
inline QStringList takeLog(const QString& path, int ms)
{
    if (!QTest::qWaitFor([&path] { return QFile::exists(path); }, ms))
        return {};
    QStringList lines = QString::fromUtf8(contentOf(path)).split(u'\n');
    QFile::remove(path);
    lines.removeLast(); // what follows the last line break
    return lines;
}

#pragma once

#include <QtTest>

// The bytes of a file, or a marker no test expects when it cannot be read.
inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The lines of a log once it appears (`ms` at most), which it removes so that the next run's
// log is a fresh one; empty when none appeared.
inline QStringList takeLog(const QString& path, int ms)
{
    // Under Wine a file just renamed into place can exist a moment before it opens.
    QFile log(path);
    if (!QTest::qWaitFor([&log] { return log.open(QIODevice::ReadOnly); }, ms))
        return {};
    QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n');
    log.close();
    QFile::remove(path);
    lines.removeLast(); // what follows the last line break
    return lines;
}

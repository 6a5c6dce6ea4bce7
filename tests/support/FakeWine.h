#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A stand-in for wine, first on PATH while it lives, that writes where it ran, with what
// arguments and environment, to a log; the log appears only once the process ran.
class FakeWine {
public:
    FakeWine()
        : m_oldPath(qgetenv("PATH"))
    {
        const QString script = m_bin.filePath("wine");
        QFile file(script);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("#!/bin/sh\n"
                       "{ pwd; printf '%s\\n' \"$WINEDEBUG\" \"$LARKSPAN_COMMAND\" \"$@\"; } > \"" +
                       QFile::encodeName(log()) +
                       ".part\"\n"
                       "mv \"" +
                       QFile::encodeName(log()) + ".part\" \"" + QFile::encodeName(log()) + "\"\n");
            file.close();
        }
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
    }
    ~FakeWine() { qputenv("PATH", m_oldPath); }

    QString log() const { return m_bin.filePath("wine.log"); }

    // The lines the last run wrote (working folder, WINEDEBUG, LARKSPAN_COMMAND, arguments),
    // waiting for it a few seconds at most; empty when it did not run.
    QStringList waitForRun() const
    {
        QElapsedTimer timer;
        timer.start();
        while (!QFile::exists(log()) && timer.elapsed() < 5000)
            QTest::qWait(20);
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n');
        lines.removeLast();
        file.close();
        file.remove();
        return lines;
    }

private:
    QTemporaryDir m_bin;
    QByteArray m_oldPath;
};

#pragma once

#include <QByteArray>
#include <QDir>
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
        const QByteArray log = '"' + QFile::encodeName(this->log());
        QFile file(m_bin.filePath("wine"));
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n{ pwd; printf '%s\\n' \"$WINEDEBUG\" \"$LARKSPAN_COMMAND\" "
                       "\"$@\"; } > " +
                       log + ".part\"\nmv " + log + ".part\" " + log + "\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
    }
    ~FakeWine() { qputenv("PATH", m_oldPath); }

    QString log() const { return m_bin.filePath("wine.log"); }

    // The lines the last run wrote (working folder, WINEDEBUG, LARKSPAN_COMMAND, arguments),
    // waiting for it a few seconds at most; empty when it did not run.
    QStringList waitForRun() const
    {
        QFile file(log());
        if (!QTest::qWaitFor([&file] { return file.exists(); }, 5000) ||
            !file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n');
        lines.removeLast();
        file.remove();
        return lines;
    }

private:
    QTemporaryDir m_bin;
    QByteArray m_oldPath;
};

#pragma once

#include "TestFiles.h"

// A stand-in for wine, first on PATH while it lives, that writes where it ran, with what
// arguments and environment, to a log; the log appears only once the process ran.
class FakeWine {
public:
    FakeWine()
    {
        putFile(m_bin.filePath("wine"), "#!/bin/sh\n{ pwd; printf '%s\\n' \"$WINEDEBUG\" "
                                        "\"$LARKSPAN_COMMAND\" \"$@\"; } > \"$0.part\"\n"
                                        "mv \"$0.part\" \"$0.log\"\n");
        QFile::setPermissions(m_bin.filePath("wine"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
    }
    ~FakeWine() { qputenv("PATH", m_oldPath); }

    // The lines the last run wrote (working folder, WINEDEBUG, LARKSPAN_COMMAND, arguments),
    // waiting for it a few seconds at most; empty when it did not run.
    QStringList waitForRun() const { return takeLog(m_bin.filePath("wine.log"), 5000); }

private:
    QTemporaryDir m_bin;
    QByteArray m_oldPath = qgetenv("PATH");
};

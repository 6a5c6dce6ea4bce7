#pragma once

#include "TestFiles.h"

// A stand-in for wine that does nothing, first on PATH while it lives: the program finds Wine,
// and no test starts the real one.
class FakeWine {
public:
    FakeWine()
    {
        putFile(m_bin.filePath("wine"), "#!/bin/sh\n");
        QFile::setPermissions(m_bin.filePath("wine"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
    }
    ~FakeWine() { qputenv("PATH", m_oldPath); }

private:
    QTemporaryDir m_bin;
    QByteArray m_oldPath = qgetenv("PATH");
};

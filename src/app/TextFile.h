#pragma once

#include "app/CodePage.h"
#include "app/FileSync.h"

#include <QString>
#include <QStringList>

// The program's text files: text in the system's ANSI code page, batch files in its OEM page
// (CodePage), lines ended by CR LF.

struct TextFileContent {
    QString text;  // the whole file, line ends as they stand in it
    QString error; // empty when the file was read; otherwise names the path and the reason

    bool ok() const { return error.isEmpty(); }
};

// Refuses anything but a regular file (also through a link), which could block or never end.
TextFileContent readTextFile(const QString& path);

// Writes each line followed by CR LF, replacing the file as a whole: when anything fails, an
// existing file keeps its old content. Returns the empty text on success, otherwise a message
// naming the path and the reason. A character that the code page cannot store is refused, not
// replaced. A file the program generates replaces a link at its path (LinkAtPath::Replace).
[[nodiscard]] QString writeTextLines(const QString& path, const QStringList& lines,
                                     LinkAtPath atLink = LinkAtPath::WriteTarget,
                                     CodePage::Use use = CodePage::Ansi);

// The folder, the native separator and the name: the separator is always inserted.
QString joinPath(const QString& folder, const QString& name);

#pragma once

#include "CodePage.h"
#include "FileSync.h"

#include <QString>
#include <QStringList>

#include <functional>

// The program's text files: text in the system's ANSI code page, batch files in its OEM page
// (CodePage), lines ended by CR LF.

// The whole file, line ends as they stand in it. Refuses anything but a regular file (also
// through a link), which could block or never end.
Result<QString> readTextFile(const QString& path);
// The same, in pieces of about a megabyte handed to `piece` in order, each decoded into UTF-8
// on its own, so that the whole file is never held at once; when reading fails midway, some
// pieces came already.
Result<> readTextFileInPieces(const QString& path,
                              const std::function<void(QByteArrayView)>& piece);

// Writes each line followed by CR LF, replacing the file as a whole: when anything fails, an
// existing file keeps its old content. A character that the code page cannot store is
// refused, not replaced. A file the program generates replaces a link at its path
// (LinkAtPath::Replace).
Result<> writeTextLines(const QString& path, const QStringList& lines,
                        LinkAtPath atLink = LinkAtPath::WriteTarget,
                        CodePage::Use use = CodePage::Ansi);

// Writes UTF-8 text, its line breaks as they stand, followed by one CR LF, as writeTextLines
// writes lines; the text is encoded a piece at a time, never copied whole.
Result<> writeTextUtf8(const QString& path, QByteArrayView utf8);

// The folder, the native separator and the name: the separator is always inserted.
QString joinPath(const QString& folder, const QString& name);

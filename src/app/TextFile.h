#pragma once

#include <QString>
#include <QStringList>

// The program's text files: single-byte text in the system's 8-bit code page (Windows-1252
// where the system has no such code page of its own), lines ended by CR LF.

struct TextFileContent {
    QString text;  // the whole file, line ends as they stand in it
    QString error; // empty when the file was read; otherwise names the path and the reason

    bool ok() const { return error.isEmpty(); }
};

TextFileContent readTextFile(const QString& path);

// Writes each line followed by CR LF, replacing the file as a whole: when anything fails, an
// existing file keeps its old content. Returns the empty text on success, otherwise a message
// naming the path and the reason. A character that the code page cannot store is refused, not
// replaced.
[[nodiscard]] QString writeTextLines(const QString& path, const QStringList& lines);

// The name of the code page the files are written in, for messages.
QString textFileCodePage();

// The folder, the native separator and the name: the separator is always inserted.
QString joinPath(const QString& folder, const QString& name);

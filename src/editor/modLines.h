#pragma once

#include <QString>

class TextEditor;

// Line counting on an editor's text, where a line break is the pair CR LF and a caret position
// counts a CR LF as two characters. A lone CR or LF breaks no line.

// The 1-based line on which the caret position lies: 1 plus the CR LF pairs whose CR lies
// before it.
qsizetype LineAtPosition(const QString& text, qsizetype position);
// The number of lines: 1 plus the CR LF pairs of the text.
qsizetype CountLines(const QString& text);

// The same on the editor itself, in time that does not grow with the length of its text: the
// editor keeps its lines apart and joins them with CR LF.
qsizetype LineAtPosition(const TextEditor& editor, qsizetype position);
qsizetype CountLines(const TextEditor& editor);

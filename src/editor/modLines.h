#pragma once

#include <QtGlobal>

class TextEditor;

// Line counting on an editor's text, where a line break is the pair CR LF and a caret position
// counts a CR LF as two characters: the line of a position is 1 plus the CR LF pairs whose CR
// lies before it, and the line count 1 plus all pairs. The editor keeps its lines apart, so
// both take time that does not grow with the length of the text.
qsizetype LineAtPosition(const TextEditor& editor, qsizetype position);
qsizetype CountLines(const TextEditor& editor);

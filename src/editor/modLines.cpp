#include "modLines.h"

#include "TextEditor.h"

qsizetype LineAtPosition(const TextEditor& editor, qsizetype position)
{
    return editor.lineOfPosition(position) + 1;
}

qsizetype CountLines(const TextEditor& editor)
{
    return editor.lineCount();
}

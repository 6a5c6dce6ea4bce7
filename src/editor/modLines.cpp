#include "editor/modLines.h"

#include "editor/TextEditor.h"

namespace {

bool isPairAt(const QString& text, qsizetype i)
{
    return i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n';
}

} // namespace

qsizetype LineAtPosition(const QString& text, qsizetype position)
{
    qsizetype line = 1;
    const qsizetype end = std::min(position, text.size());
    for (qsizetype i = 0; i < end; ++i) {
        if (isPairAt(text, i))
            ++line;
    }
    return line;
}

qsizetype CountLines(const QString& text)
{
    return LineAtPosition(text, text.size());
}

qsizetype LineAtPosition(const TextEditor& editor, qsizetype position)
{
    return editor.lineOfPosition(position) + 1;
}

qsizetype CountLines(const TextEditor& editor)
{
    return editor.lineCount();
}

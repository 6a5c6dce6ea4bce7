#pragma once

#include "TextEditor.h"

#include <QString>

#include <algorithm>

// The editor's text with its selection in brackets, as "one [two]"; a caret alone shows as "[]",
// as SelStart, SelLength and SelText give it. A caret at the start of its selection: "one [<two]".
inline QString marked(const TextEditor& editor)
{
    const QString text = editor.Text();
    const bool caretFirst = editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS) <
                            editor.SendScintilla(QsciScintillaBase::SCI_GETANCHOR);
    return text.left(editor.SelStart()) + (caretFirst ? "[<" : "[") + editor.SelText() + ']' +
           text.mid(editor.SelStart() + editor.SelLength());
}

// Makes the editor hold `written`, as marked() shows it; without brackets the caret is at the
// start.
inline void setMarked(TextEditor& editor, const QString& written)
{
    const qsizetype start = std::max<qsizetype>(written.indexOf(u'['), 0);
    editor.setText(QString(written).remove(u'[').remove(u']'));
    editor.setSelStart(start);
    editor.setSelLength(std::max<qsizetype>(written.indexOf(u']') - start - 1, 0));
}

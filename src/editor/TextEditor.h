#pragma once

#include "editor/LineStore.h"

#include <QPlainTextEdit>
#include <QStringList>

class QPrinter;

// The document editor: plain text, seen by the rest of the program as its whole text with
// CR LF between lines, where a caret position counts a CR LF as two characters.
class TextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextEditor(QWidget* parent = nullptr);

    // The whole text exactly as held, CR LF between lines.
    QString Text() const;
    // The same text as lines, without their breaks; cheap, as the editor keeps them.
    QStringList Lines() const;
    // Replaces the whole text as one change; any kind of line break starts a new line.
    void setText(const QString& text);

    qsizetype SelStart() const;
    // Puts the caret there, with nothing selected.
    void setSelStart(qsizetype position);
    qsizetype SelLength() const;
    void setSelLength(qsizetype length);
    QString SelText() const;
    // Replaces the selection, or inserts at the caret; the caret ends after the new text.
    void setSelText(const QString& text);

    // Loads the file whole in place of the text; returns the empty text, or why it failed.
    QString LoadFile(const QString& path);
    // Prints the selection, or the whole text when nothing is selected.
    void SelPrint(QPrinter* printer) const;

    // The editor's own coordinates, in which a line break is the one character '\n'.
    QString textRange(qsizetype position, qsizetype length) const;
    void replaceRange(qsizetype position, qsizetype length, const QString& text);

    // The 0-based line of a caret position counted with CR LF as two characters: a position
    // between a CR and its LF is on the next line.
    qsizetype lineOfPosition(qsizetype position) const;
    qsizetype lineCount() const;

signals:
    // A key went down, before it acts.
    void KeyDown();
    // A click placed the caret.
    void Click();
    // The text changed, by the user or by code: at position (a line break one character),
    // insertedLength characters took the place of `removed`.
    void Change(qsizetype position, const QString& removed, qsizetype insertedLength);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void onContentsChange(int position, int removed, int added);
    void reloadLines();
    QStringList linesOfDocument() const;
    qsizetype crlfStartOfLine(qsizetype line) const;
    qsizetype toEditorPosition(qsizetype crlfPosition) const;
    qsizetype toCrlfPosition(qsizetype editorPosition) const;

    // The text of every line as it stood after the last change: what a change removed is read
    // here, since the editor reports only where its text changed.
    LineStore m_lines;
    qsizetype m_length = 0; // in the editor's coordinates
    bool m_replacingAll = false;
};

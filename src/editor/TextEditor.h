#pragma once

#include "Result.h"

#include <Qsci/qsciscintilla.h>

#include <QStringList>

#include <memory>

class QPaintDevice;
class QPrinter;
class QTextDocument;

// The document editor: plain text, seen by the rest of the program as its whole text with
// CR LF between lines, where a position counts UTF-16 code units and a CR LF as two.
// The widget holds the text as UTF-8; positions are translated through its line index once
// the text holds more than ASCII.
class TextEditor : public QsciScintilla {
    Q_OBJECT

public:
    explicit TextEditor(QWidget* parent = nullptr);

    // The whole text exactly as held, CR LF between lines.
    QString Text() const;
    // The same text as the widget holds it, in UTF-8, until it next changes.
    QByteArrayView utf8Text() const;
    // Replaces the whole text as one change; any kind of line break becomes CR LF.
    void setText(const QString& text) override;
    void clear() override;

    qsizetype SelStart() const;
    // Puts the caret there, with nothing selected.
    void setSelStart(qsizetype position);
    qsizetype SelLength() const;
    void setSelLength(qsizetype length);
    // The whole text, anchored at its start with the caret at its end; the view stays put.
    void selectAll(bool select = true) override;
    QString SelText() const;
    // Replaces the selection, or inserts at the caret; the caret ends after the new text.
    void setSelText(const QString& text);
    void paste() override;
    void cut() override;

    // Loads the file whole in place of the text; on a failure the text stays as it was.
    Result<> LoadFile(const QString& path);
    // Prints the selection, or the whole text when nothing is selected.
    void SelPrint(QPrinter* printer) const;
    // What SelPrint puts on the device's pages, tab stops as on screen.
    std::unique_ptr<QTextDocument> printDocument(QPaintDevice& device) const;

    // The text in positions as above, taken and replaced verbatim.
    QString textRange(qsizetype position, qsizetype length) const;
    void replaceRange(qsizetype position, qsizetype length, const QString& text);
    qsizetype textLength() const;

    // The 0-based line of a position: a position between a CR and its LF is on the next line.
    qsizetype lineOfPosition(qsizetype position) const;
    qsizetype lineCount() const;

    // Between positions and the widget's byte offsets.
    qsizetype bytePosition(qsizetype position) const;
    qsizetype position(qsizetype bytePosition) const;

signals:
    // A key went down, before it acts.
    void KeyDown();
    // A click placed the caret.
    void Click();
    // The text changed, by the user or by code: at position, insertedLength characters took
    // the place of `removed`. One user action gives one change, reported once it is done.
    void Change(qsizetype position, const QString& removed, qsizetype insertedLength);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

private:
    // Changes that happen while one is alive are reported as one when the outermost ends.
    class ChangeScope {
    public:
        explicit ChangeScope(TextEditor& editor);
        ~ChangeScope();

    private:
        TextEditor& m_editor;
    };

    // A message to the widget with position arguments.
    long send(unsigned int message, qsizetype wParam = 0, qsizetype lParam = 0) const
    {
        return SendScintilla(message, static_cast<unsigned long>(wParam), long(lParam));
    }
    void onModified(int bytePosition, int type, const char* text, int byteLength);
    void settlePendingSpan();
    void setUpKeys();
    qsizetype caretBytePosition(qsizetype position) const;
    void dropCharacterIndex();
    QString bytesAsString(qsizetype from, qsizetype to) const;
    // A text being loaded, appended piece by piece.
    struct Load {
        bool afterCr = false;
        QByteArray normalized;
    };
    void startLoad(qsizetype length);
    void appendNormalized(QByteArrayView utf8, Load& load);

    int m_scopeDepth = 0;
    qsizetype m_lineCount = 1;
    // What screen readers were last told of the caret and the selection.
    void announceCaretAndSelection();
    int m_announcedCaret = 0;
    QPair<int, int> m_announcedSelection;
    // Most C sources are ASCII alone, where a position is the byte offset; the widget's UTF-16
    // line index, a third of the time a large file takes to load, is built only once a
    // character outside ASCII comes in.
    bool m_indexed = false;
    // The change not yet reported: the span of the current text it covers, and what that
    // span held before it.
    bool m_pending = false;
    qsizetype m_spanStart = 0;
    qsizetype m_spanEnd = 0;
    QString m_pendingRemoved;
    qsizetype m_lengthBefore = 0; // the text's length before the latest part of it
    qsizetype m_insertAt = 0;     // where the latest part inserted bytes, and how many
    qsizetype m_insertBytes = 0;
};

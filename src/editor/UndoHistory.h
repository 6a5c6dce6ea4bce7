#pragma once

#include <QList>
#include <QString>

// A document's undo history: one step per change of its text, the last Capacity steps kept.
// A step keeps what the change replaced, not a copy of the document, so a typed character costs
// a few dozen bytes whatever the document's size.
class UndoHistory {
public:
    static constexpr qsizetype Capacity = 1000;
    // Bytes of text the steps may keep before the oldest go, so that pasting and deleting large
    // texts cannot grow a history without end. A quarter of a gigabyte holds the deletion of a
    // 100 MB document whole, and is far beyond what editing ordinary sources ever keeps.
    static constexpr qsizetype DefaultTextBudget = qsizetype(256) << 20;

    explicit UndoHistory(qsizetype textBudget = DefaultTextBudget)
        : m_textBudget(textBudget)
    {
    }

    // The text that undo and redo change, in the positions its changes were recorded in.
    class Text {
    public:
        virtual ~Text() = default;
        virtual QString mid(qsizetype position, qsizetype length) const = 0;
        virtual void replace(qsizetype position, qsizetype length, const QString& text) = 0;
    };

    // A change put insertedLength characters where `removed` stood. Steps undone before it are
    // dropped; so are the oldest steps while the history holds more than Capacity steps or more
    // text than its budget, but never the newest.
    void record(qsizetype position, const QString& removed, qsizetype insertedLength);
    // Take the text one step back or forward; false, with nothing changed, when there is no
    // step that way.
    bool undo(Text& text);
    bool redo(Text& text);

    // Steps done: the position in the history of the current text, 0 for the oldest text kept.
    qsizetype UndoIndex() const { return m_index; }
    // Bytes this history holds on the heap.
    qsizetype memoryUsed() const;

private:
    struct Step {
        qsizetype position;
        qsizetype removedLength;
        qsizetype insertedLength;
        // The removed text while the step is done, the inserted text once it is undone.
        QString text;
    };

    QString swapText(Step& step, const QString& taken);

    qsizetype m_textBudget;
    QList<Step> m_steps;
    qsizetype m_textSize = 0; // characters the steps keep
    qsizetype m_index = 0;
};

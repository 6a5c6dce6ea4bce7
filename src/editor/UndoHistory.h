#pragma once

#include <QList>
#include <QString>

// A document's undo history: one step per change of its text, the last Capacity steps kept.
// A step keeps what the change replaced, not a copy of the document, so a typed character costs
// a few dozen bytes whatever the document's size.
class UndoHistory {
public:
    static constexpr qsizetype Capacity = 1000;

    // The text that undo and redo change, in the positions its changes were recorded in.
    class Text {
    public:
        virtual ~Text() = default;
        virtual QString mid(qsizetype position, qsizetype length) const = 0;
        virtual void replace(qsizetype position, qsizetype length, const QString& text) = 0;
    };

    // A change put insertedLength characters where `removed` stood. Steps undone before it are
    // dropped; when the history is full, so is its oldest step.
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
        // Where its text lies in the pool: the removed text while the step is done, the
        // inserted text once it is undone.
        qsizetype textStart;
    };

    qsizetype storedLength(qsizetype step) const;
    QString storeAndTake(Step& step, qsizetype length, const QString& text);
    void compactPoolIfWasteful();

    QList<Step> m_steps;
    QString m_pool;
    qsizetype m_waste = 0; // pool characters no step refers to any more
    qsizetype m_index = 0;
};

#include "UndoHistory.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A plain string standing in for the editor.
class StringText : public UndoHistory::Text {
public:
    QString value;
    QString mid(qsizetype position, qsizetype length) const override
    {
        return value.mid(position, length);
    }
    void replace(qsizetype position, qsizetype length, const QString& text) override
    {
        value.replace(position, length, text);
    }
};

// Types into the string and records the change, as the document window does.
void edit(UndoHistory& history, StringText& text, qsizetype position, qsizetype length,
          const QString& inserted)
{
    const QString removed = text.value.mid(position, length);
    text.value.replace(position, length, inserted);
    history.record(position, removed, inserted.size());
}

} // namespace

class UndoHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void agreesWithWholeTextSnapshots();
};

void UndoHistoryTest::agreesWithWholeTextSnapshots()
{
    // Against a history that keeps a copy of the whole text for every step, over random edits,
    // undos and redos, long enough to drop old steps and to compact the stored texts: undo
    // stops at the oldest step kept, redo at the newest, and an edit drops what was undone.
    UndoHistory history;
    StringText text;
    QStringList snapshots{QString()};
    qsizetype current = 0;
    QRandomGenerator random(42);
    for (int round = 0; round < 6000; ++round) {
        const int action = random.bounded(10);
        if (action < 2) {
            const bool undone = history.undo(text);
            QCOMPARE(undone, current > 0);
            if (undone)
                --current;
        } else if (action < 3) {
            const bool redone = history.redo(text);
            QCOMPARE(redone, current + 1 < snapshots.size());
            if (redone)
                ++current;
        } else {
            const qsizetype position = random.bounded(int(text.value.size() + 1));
            const qsizetype length = random.bounded(int(text.value.size() - position + 1));
            QString inserted(random.bounded(50), QChar(u'a' + random.bounded(26)));
            if (random.bounded(4) == 0)
                inserted = QString(); // a deletion
            edit(history, text, position, std::min<qsizetype>(length, 40), inserted);
            snapshots.resize(current + 1);
            snapshots.append(text.value);
            ++current;
            if (snapshots.size() > 1000 + 1) { // the last thousand steps are kept
                snapshots.removeFirst();
                --current;
            }
        }
        QCOMPARE(text.value, snapshots[current]);
        QCOMPARE(history.UndoIndex(), current);
    }
}

QTEST_MAIN(UndoHistoryTest)
#include "tst_undohistory.moc"

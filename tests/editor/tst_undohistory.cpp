#include "UndoHistory.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// A plain string standing in for the editor.
struct StringText : UndoHistory::Text {
    QString value;
    QString mid(qsizetype at, qsizetype n) const override { return value.mid(at, n); }
    void replace(qsizetype at, qsizetype n, const QString& s) override { value.replace(at, n, s); }
};

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
        if (action < 3) {
            const bool forward = action == 2;
            const bool stepped = forward ? history.redo(text) : history.undo(text);
            QCOMPARE(stepped, forward ? current + 1 < snapshots.size() : current > 0);
            current += stepped ? (forward ? 1 : -1) : 0;
        } else {
            const qsizetype at = random.bounded(int(text.value.size() + 1));
            const qsizetype n = std::min(random.bounded(int(text.value.size() - at + 1)), 40);
            QString inserted(random.bounded(50), QChar(u'a' + random.bounded(26)));
            if (random.bounded(4) == 0)
                inserted.clear(); // a deletion
            // The text changes first and the change is recorded after, as the document does.
            const QString removed = text.value.mid(at, n);
            text.value.replace(at, n, inserted);
            history.record(at, removed, inserted.size());
            snapshots.resize(current + 1);
            snapshots.append(text.value);
            if (snapshots.size() > 1000 + 1) // the last thousand steps are kept
                snapshots.removeFirst();
            else
                ++current;
        }
        QCOMPARE(text.value, snapshots[current]);
        QCOMPARE(history.UndoIndex(), current);
    }
}

QTEST_MAIN(UndoHistoryTest)
#include "tst_undohistory.moc"

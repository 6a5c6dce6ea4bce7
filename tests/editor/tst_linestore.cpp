#include "editor/LineStore.h"

#include <QRandomGenerator>
#include <QtTest>

class LineStoreTest : public QObject {
    Q_OBJECT

private slots:
    void agreesWithAPlainList();
};

void LineStoreTest::agreesWithAPlainList()
{
    // Random replacements over thousands of lines, so that pages fill, split and empty.
    QStringList plain;
    for (int i = 0; i < 3000; ++i)
        plain.append(QString::number(i));
    LineStore store;
    store.assign(plain);
    QRandomGenerator random(3);
    int serial = 0;
    for (int round = 0; round < 3000; ++round) {
        const qsizetype first = random.bounded(int(plain.size()));
        const qsizetype count =
            std::min<qsizetype>(random.bounded(round % 50 == 0 ? 1500 : 4), plain.size() - first);
        QStringList lines;
        const int added = random.bounded(round % 40 == 0 ? 1200 : 4);
        for (int i = 0; i < added; ++i)
            lines.append(QStringLiteral("n%1").arg(++serial));
        if (count == 0 && lines.isEmpty())
            continue;
        if (plain.size() - count + lines.size() == 0)
            lines.append(QString());
        plain.remove(first, count);
        for (qsizetype i = 0; i < lines.size(); ++i)
            plain.insert(first + i, lines[i]);
        store.replace(first, count, lines);
        QCOMPARE(store.count(), plain.size());

        const qsizetype from = random.bounded(int(plain.size()));
        const qsizetype offset = random.bounded(int(plain[from].size() + 1));
        const QString joined = plain.mid(from).join(u'\n');
        const qsizetype length =
            random.bounded(int(std::min<qsizetype>(joined.size() - offset, 5000) + 1));
        qsizetype last = -1;
        const QString text = store.text(from, offset, length, &last);
        QCOMPARE(text, joined.mid(offset, length));
        QCOMPARE(last, from + text.count(u'\n'));
    }
    QCOMPARE(store.toList(), plain);
}

QTEST_MAIN(LineStoreTest)
#include "tst_linestore.moc"

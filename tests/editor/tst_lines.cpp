#include "TextEditor.h"
#include "modLines.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The rule itself, on a text as it stands: the pairs CR LF before the position.
qsizetype lineOfText(const QString& text, qsizetype position)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i + 1 < text.size() && i < position; ++i) {
        if (text[i] == u'\r' && text[i + 1] == u'\n')
            ++line;
    }
    return line;
}

} // namespace

class LinesTest : public QObject {
    Q_OBJECT

private slots:
    void countsOnText_data();
    void countsOnText();
    void editorCountsAgreeWithText();
};

void LinesTest::countsOnText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    // The line at positions -1, 0, 1, ... up to two past the end.
    QTest::addColumn<QList<int>>("lineAt");

    QTest::newRow("empty") << "" << 1 << QList<int>{1, 1, 1, 1};
    QTest::newRow("ab CR LF cd") << "ab\r\ncd" << 2 << QList<int>{1, 1, 1, 1, 2, 2, 2, 2, 2, 2};
    QTest::newRow("ends with CR LF") << "a\r\n" << 2 << QList<int>{1, 1, 1, 2, 2, 2, 2};
    QTest::newRow("two pairs") << "x\r\ny\r\nz" << 3 << QList<int>{1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3};
}

void LinesTest::countsOnText()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(QList<int>, lineAt);
    TextEditor editor;
    editor.setText(text);
    QCOMPARE(CountLines(editor), lines);
    for (int i = 0; i < lineAt.size(); ++i)
        QCOMPARE(LineAtPosition(editor, i - 1), lineAt[i]);
}

void LinesTest::editorCountsAgreeWithText()
{
    // The editor counts from its block structure; it must give what the text gives, where
    // every line break it holds is CR LF.
    TextEditor editor;
    QRandomGenerator random(7);
    const QString alphabet = QStringLiteral("ab \t\r\n\u00a0");
    for (int round = 0; round < 40; ++round) {
        QString source;
        const int length = random.bounded(30);
        for (int i = 0; i < length; ++i)
            source += alphabet[random.bounded(alphabet.size())];
        editor.setText(source);
        const QString text = editor.Text();
        QCOMPARE(CountLines(editor), lineOfText(text, text.size()));
        for (qsizetype position = -2; position <= text.size() + 2; ++position)
            QCOMPARE(LineAtPosition(editor, position), lineOfText(text, position));
    }
}

QTEST_MAIN(LinesTest)
#include "tst_lines.moc"

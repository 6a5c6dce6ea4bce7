#include "TextEditor.h"
#include "modLines.h"

#include <QRandomGenerator>
#include <QtTest>

class LinesTest : public QObject {
    Q_OBJECT

private slots:
    void countsAgreeWithTheText();
};

void LinesTest::countsAgreeWithTheText()
{
    // The editor counts from its block structure; it must give what the text gives, where
    // every line break it holds is CR LF: one line more for each pair before the position, a
    // position between CR and LF being on the next line.
    TextEditor editor;
    QStringList sources{"", "a\r\n", "ab\r\ncd", "x\r\ny\r\nz"};
    QRandomGenerator random(7);
    const QString alphabet = QStringLiteral("ab \t\r\n\u00a0");
    for (int round = 0; round < 40; ++round) {
        sources.append(QString());
        for (int i = random.bounded(30); i > 0; --i)
            sources.last() += alphabet[random.bounded(alphabet.size())];
    }
    for (const QString& source : sources) {
        editor.setText(source);
        const QString text = editor.Text();
        qsizetype line = 1;
        QList<qsizetype> expected, counted; // from two before the start to two past the end
        for (qsizetype position = -2; position <= text.size() + 2; ++position) {
            line += position > 0 && text.mid(position - 1, 2) == u"\r\n";
            expected.append(line);
            counted.append(LineAtPosition(editor, position));
        }
        QCOMPARE(counted, expected);
        QCOMPARE(CountLines(editor), line);
    }
}

QTEST_MAIN(LinesTest)
#include "tst_lines.moc"

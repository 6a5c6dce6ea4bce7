#include "editor/TextEditor.h"

#include <QClipboard>
#include <QMimeData>
#include <QtTest>

class TextEditorTest : public QObject {
    Q_OBJECT

private slots:
    void textIsRawWithCrLf();
    void selectionCountsCrLfAsTwo();
    void copiesAndPastesPlainText();
};

void TextEditorTest::textIsRawWithCrLf()
{
    TextEditor editor;
    // Every kind of line break becomes a line; a no-break space stays one.
    editor.setText(QStringLiteral("a\u00a0b\r\nc\nd\re\t\x01"));
    QCOMPARE(editor.Text(), QStringLiteral("a\u00a0b\r\nc\r\nd\r\ne\t\x01"));
    QCOMPARE(editor.lineCount(), 4);
    QVERIFY(!editor.isUndoRedoEnabled());
    const QFontMetrics metrics(editor.font());
    QCOMPARE(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
}

void TextEditorTest::selectionCountsCrLfAsTwo()
{
    TextEditor editor;
    editor.setText("ab\r\ncd\r\nef");
    editor.setSelStart(4); // before the c
    QCOMPARE(editor.SelStart(), 4);
    editor.setSelLength(4); // "cd", CR LF
    QCOMPARE(editor.SelLength(), 4);
    QCOMPARE(editor.SelText(), QString("cd\r\n"));

    editor.setSelStart(0);
    editor.setSelLength(editor.Text().size());
    QCOMPARE(editor.SelText(), editor.Text());

    // Replacing the selection leaves the caret after the new text.
    editor.setSelStart(2);
    editor.setSelLength(2); // the line break
    editor.setSelText("-\r\n+");
    QCOMPARE(editor.Text(), QString("ab-\r\n+cd\r\nef"));
    QCOMPARE(editor.SelStart(), 6);
    QCOMPARE(editor.SelLength(), 0);

    // Positions past the end or inside a CR LF are held to the text.
    editor.setSelStart(1000);
    QCOMPARE(editor.SelStart(), editor.Text().size());
    editor.setSelStart(4); // between CR and LF
    QCOMPARE(editor.SelStart(), 3);
}

void TextEditorTest::copiesAndPastesPlainText()
{
    TextEditor editor;
    editor.setText("a\u00a0b\r\nc");
    editor.selectAll();
    editor.copy();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->formats(), QStringList{"text/plain"});
    QCOMPARE(data->text(), QString("a\u00a0b\r\nc"));

    // Whatever else the clipboard offers, the plain text goes in; a line separator breaks the
    // line like any other break.
    auto* offered = new QMimeData;
    offered->setData("text/markdown", "# Title\n\n* item\n");
    offered->setHtml("<b>bold</b>");
    offered->setText(QString("plain\u2028next"));
    QGuiApplication::clipboard()->setMimeData(offered);
    editor.setText("");
    editor.paste();
    QCOMPARE(editor.Text(), QString("plain\r\nnext"));
    editor.setSelText(QString("x\u2028y"));
    QCOMPARE(editor.Text(), QString("plain\r\nnextx\r\ny"));
}

QTEST_MAIN(TextEditorTest)
#include "tst_texteditor.moc"

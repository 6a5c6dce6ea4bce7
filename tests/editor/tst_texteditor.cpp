#include "TextEditor.h"
#include "modLines.h"

#include <Qsci/qscilexercpp.h>

#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

namespace {

using Sci = QsciScintillaBase;

// The text with the selection in brackets, as SelStart, SelLength and SelText give it.
QString shown(const TextEditor& editor)
{
    const QString text = editor.Text();
    return text.left(editor.SelStart()) + '[' + editor.SelText() + ']' +
           text.mid(editor.SelStart() + editor.SelLength());
}

} // namespace

class TextEditorTest : public QObject {
    Q_OBJECT

private slots:
    void columnsLineUpOnScreenAndOnPaper()
    {
        TextEditor editor;
        // Tab stops every four columns, in a fixed font: each x stands in the fifth.
        editor.setText("    x\r\n\tx\r\nab\tx\r\niiiix\r\nWWWWx");
        const std::unique_ptr<QTextDocument> printed = editor.printDocument();
        printed->adjustSize();
        QList<double> onScreen, onPaper;
        for (int line = 0; line < 5; ++line) {
            const int at = int(editor.text(line).indexOf(u'x'));
            onScreen.append(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0,
                                                 editor.positionFromLineIndex(line, at)));
            onPaper.append(printed->findBlockByNumber(line).layout()->lineAt(0).cursorToX(at));
        }
        QCOMPARE(onScreen + onPaper, QList<double>(5, onScreen[0]) + QList<double>(5, onPaper[0]));
    }

    void positionsCountCrLfAsTwo()
    {
        TextEditor editor;
        // Every kind of line break becomes a line; a no-break space stays one.
        editor.setText(QStringLiteral("a\u00a0b\r\nc\nd\re\t\x01"));
        QCOMPARE(editor.Text(), QStringLiteral("a\u00a0b\r\nc\r\nd\r\ne\t\x01"));
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETUNDOCOLLECTION), 0);

        editor.setText("ab\r\ncd\r\nef");
        editor.setSelStart(2);
        editor.setSelLength(4);
        QCOMPARE(shown(editor), QString("ab[\r\ncd]\r\nef"));
        // Replacing the selection leaves the caret after the new text; positions past the end
        // or between CR and LF are held to the text.
        editor.setSelText("-\r\n+");
        QCOMPARE(shown(editor), QString("ab-\r\n+[]\r\nef"));
        editor.setSelStart(1000);
        QCOMPARE(shown(editor), QString("ab-\r\n+\r\nef[]"));
        editor.setSelStart(4);
        QCOMPARE(shown(editor), QString("ab-[]\r\n+\r\nef"));

        // So do assistive tools and input methods, which get the caret's line alone.
        editor.setText("\u00e9b\r\n\u20acd\r\nlast");
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(&editor)->textInterface();
        QCOMPARE(text->text(1, 6), QString("b\r\n\u20acd"));
        text->setCursorPosition(3); // between CR and LF
        QCOMPARE(QPair(text->characterCount(), text->cursorPosition()), QPair(12, 2));
        text->setSelection(0, 4, 8);
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(shown(editor) + QString(" %1-%2").arg(start).arg(end),
                 QString("\u00e9b\r\n[\u20acd\r\n]last 4-8"));
        editor.setSelText("x");
        editor.setSelStart(6);
        const QWidget& widget = editor;
        QCOMPARE(QStringList({widget.inputMethodQuery(Qt::ImSurroundingText).toString(),
                              widget.inputMethodQuery(Qt::ImCursorPosition).toString(),
                              widget.inputMethodQuery(Qt::ImAnchorPosition).toString()}),
                 QStringList({"xlast", "2", "2"}));

        // The line of a position is one more for each CR LF before it, a position between CR
        // and LF being on the next line; over fixed and random texts.
        QStringList sources{"", "a\r\n", "ab\r\ncd", "x\r\ny\r\nz"};
        QRandomGenerator random(7);
        const QString alphabet = QStringLiteral("ab \t\r\n\u00a0");
        for (int round = 0; round < 44; ++round) {
            QString source = sources.value(round);
            for (int i = round < sources.size() ? 0 : random.bounded(30); i > 0; --i)
                source += alphabet[random.bounded(alphabet.size())];
            editor.setText(source);
            const QString text = editor.Text();
            qsizetype line = 1;
            QList<qsizetype> expected, counted; // from two before the start to two past the end
            for (qsizetype position = -2; position <= text.size() + 2; ++position) {
                line += position > 0 && text.mid(position - 1, 2) == u"\r\n";
                expected.append(line);
                counted.append(LineAtPosition(editor, position));
            }
            QCOMPARE(counted << CountLines(editor), expected << line);
        }
    }

    void copiesAndPastesPlainText()
    {
        TextEditor editor;
        editor.setText("a\u00a0b\r\nc");
        editor.selectAll();
        editor.copy();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->formats() << data->text(), QStringList({"text/plain", "a\u00a0b\r\nc"}));

        // Whatever else the clipboard offers, the plain text goes in, pasted or dropped; a line
        // separator breaks the line like any other break. Dropped files come with their
        // addresses as text, which goes in no more than the files.
        auto* offered = new QMimeData;
        offered->setData("text/markdown", "# Title\n\n* item\n");
        offered->setHtml("<b>bold</b>");
        offered->setText(QString("plain\u2028next"));
        QGuiApplication::clipboard()->setMimeData(offered);
        editor.setText("");
        editor.paste();
        editor.setSelText(QString("x\u2028y"));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile("/home/user/main.c")});
        files.setText("file:///home/user/main.c");
        for (QMimeData* dropped : {&files, offered}) {
            QDragEnterEvent enter({1, 1}, Qt::CopyAction, dropped, Qt::LeftButton, {});
            QDropEvent drop({1, 1}, Qt::CopyAction, dropped, Qt::LeftButton, {});
            QApplication::sendEvent(editor.viewport(), &enter);
            QApplication::sendEvent(editor.viewport(), &drop);
        }
        QCOMPARE(editor.Text(), QString("plain\r\nnextplain\r\nnextx\r\ny"));
    }

    void shownEditorScrollsSelectsAndColours()
    {
        TextEditor editor;
        editor.resize(300, 200);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        // The wheel only scrolls and the mouse selects running text, Ctrl or not.
        editor.setText(QStringLiteral("abcdef\r\n").repeated(100));
        QWidget* view = editor.viewport();
        const QPoint at(view->width() / 2, view->height() / 2);
        const long zoom = editor.SendScintilla(Sci::SCI_GETZOOM);
        for (const int delta : {120, -120}) {
            QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &wheel);
            QCOMPARE(editor.SendScintilla(Sci::SCI_GETZOOM), zoom);
        }
        QCOMPARE_GT(editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE), 0);
        const QPoint to = at + QPoint(30, 40);
        QTest::mousePress(view, Qt::LeftButton, Qt::ControlModifier, at);
        QMouseEvent drag(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::ControlModifier);
        QApplication::sendEvent(view, &drag);
        QTest::mouseRelease(view, Qt::LeftButton, Qt::ControlModifier, to);
        QCOMPARE_GT(editor.SelLength(), 0);
        QCOMPARE(editor.SendScintilla(Sci::SCI_SELECTIONISRECTANGLE), 0);

        // Edits do not notify the widget: its accessibility layer counts the text from its
        // start at every notice after a change, which would make a key cost time in proportion
        // to the text.
        QSignalSpy notices(&editor, &Sci::SCN_MODIFIED);
        QSignalSpy changes(&editor, &TextEditor::Change);
        editor.setText("ab\r\ncd");
        QTest::keyClicks(&editor, "xy");
        QTest::keyClick(&editor, Qt::Key_Return);
        QTest::keyClick(&editor, Qt::Key_Backspace);
        editor.setSelLength(4);
        QTest::keyClick(&editor, Qt::Key_Delete);
        QCOMPARE(QPair(editor.Text(), changes.size()), QPair(QString("xycd"), qsizetype(6)));
        QVERIFY(!notices.isEmpty());
        for (const QList<QVariant>& notice : notices)
            QCOMPARE(notice[1].toInt() & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT), 0);

        // C in colour: what is on screen gets its colours, whatever stood above it.
        const QString comment =
            "/* far above\r\n" + QString("x = 1;\r\n").repeated(400) + "end */ int";
        const QString quoted = "s = \"a\\\"b\"; int j;";
        using C = QsciLexerCPP;
        const std::tuple<QString, QString, int> cases[] = {
            {comment, "end", C::Comment}, // opened far above
            {comment, "int", C::Keyword},
            {quoted, "b", C::DoubleQuotedString}, // after an escaped quote
            {quoted, "int", C::Keyword},
            {"int k;\r\n#include <stdio.h>\r\n", "stdio", C::PreProcessor}};
        for (const auto& [text, marker, style] : cases) {
            editor.setText(text);
            const qsizetype at = text.lastIndexOf(marker);
            editor.setSelStart(at);
            QTRY_COMPARE(QPair(marker, int(editor.SendScintilla(Sci::SCI_GETSTYLEAT,
                                                                long(editor.bytePosition(at))))),
                         QPair(marker, style));
        }
    }
};

QTEST_MAIN(TextEditorTest)
#include "tst_texteditor.moc"

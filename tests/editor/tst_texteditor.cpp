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
        editor.setText("ab\r\ncd\r\nef");
        editor.setSelStart(2);
        editor.setSelLength(4);
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
        QRandomGenerator random(7);
        const QString alphabet = QStringLiteral("ab \t\r\n\u00a0");
        for (int round = 0; round < 44; ++round) {
            QString source; // the first one empty
            for (int i = round ? random.bounded(30) : 0; i > 0; --i)
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
        // Whatever else the clipboard offers, the plain text goes in, pasted or dropped; a line
        // separator breaks the line like any other break. Dropped files come with their
        // addresses as text, which goes in no more than the files.
        auto* offered = new QMimeData;
        offered->setHtml("<b>bold</b>");
        offered->setText(QString("plain\u2028next"));
        QGuiApplication::clipboard()->setMimeData(offered);
        editor.paste();
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile("/home/user/main.c")});
        files.setText("file:///home/user/main.c");
        for (QMimeData* dropped : {&files, offered}) {
            QDragEnterEvent enter({1, 1}, Qt::CopyAction, dropped, Qt::LeftButton, {});
            QDropEvent drop({1, 1}, Qt::CopyAction, dropped, Qt::LeftButton, {});
            QApplication::sendEvent(editor.viewport(), &enter);
            QApplication::sendEvent(editor.viewport(), &drop);
        }
        QCOMPARE(editor.Text(), QString("plain\r\nnextplain\r\nnext"));
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
        QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QCOMPARE(editor.SendScintilla(Sci::SCI_GETZOOM), zoom);
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
        editor.setText("ab\r\ncd");
        QTest::keyClicks(&editor, "xy");
        QTest::keyClick(&editor, Qt::Key_Backspace);
        QVERIFY(!notices.isEmpty());
        for (const QList<QVariant>& notice : notices)
            QCOMPARE(notice[1].toInt() & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT), 0);

        // C in colour: what is on screen gets its colours, whatever stood above it.
        editor.setText("/* far above\r\n" + QString("x = 1;\r\n").repeated(400) + "end */ int");
        editor.setSelStart(editor.textLength());
        const auto styleAt = [&editor](const QString& marker) {
            return int(
                editor.SendScintilla(Sci::SCI_GETSTYLEAT, long(editor.Text().lastIndexOf(marker))));
        };
        QTRY_COMPARE(QPair(styleAt("end"), styleAt("int")),
                     QPair(int(QsciLexerCPP::Comment), int(QsciLexerCPP::Keyword)));
    }
};

QTEST_MAIN(TextEditorTest)
#include "tst_texteditor.moc"

#include "StatusBar.h"
#include "TextEditor.h"
#include "frmDocument.h"

#include <QLabel>
#include <QMdiArea>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QString linePanel(const frmDocument& document)
{
    return document.StatusBar1->panelText(1);
}

// A click at the start of the given 0-based line of the editor.
void clickOnLine(TextEditor& editor, int line)
{
    using Sci = QsciScintillaBase;
    const long start = editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const QPoint place(int(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0, start)) + 1,
                       int(editor.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0, start)) + 2);
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, place);
}

// A new document window in the workspace, at the size it opens with in the program.
frmDocument* openIn(QMdiArea& area)
{
    area.resize(800, 600);
    area.show();
    auto* document = new frmDocument;
    document->Form_Load();
    area.addSubWindow(document);
    document->show();
    return document;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void statusShowsLineBeforeTheKeyActs();
    void changesByCodeAndTyping();
    void randomKeysKeepTextAndHistory();
    void layoutPass();
    void indicatorsFollowTheLockKeys();
};

void DocumentTest::statusShowsLineBeforeTheKeyActs()
{
    frmDocument document;
    document.Form_Load();
    document.show();
    QCOMPARE(linePanel(document), QString("Line 1 of 1"));
    QTest::keyClick(document.rtfText, Qt::Key_Right);
    QCOMPARE(linePanel(document), QString("Line 1 of 1"));

    QTest::keyClick(document.rtfText, Qt::Key_A);
    QTest::keyClick(document.rtfText, Qt::Key_Return);
    QCOMPARE(linePanel(document), QString("Line 1 of 1"));
    QCOMPARE(document.LineCount, 2);
    QTest::keyClick(document.rtfText, Qt::Key_B);
    QCOMPARE(linePanel(document), QString("Line 2 of 2"));
    // Up shows the line the caret was on before it moved.
    QTest::keyClick(document.rtfText, Qt::Key_Up);
    QCOMPARE(linePanel(document), QString("Line 2 of 2"));
    QTest::keyClick(document.rtfText, Qt::Key_End);
    QCOMPARE(linePanel(document), QString("Line 1 of 2"));

    // 1440 twips is the least width: the panel grows to show its text, the others stay put.
    const QList<QLabel*> panels = document.StatusBar1->findChildren<QLabel*>();
    QCOMPARE(panels[0]->width(), 96);
    const QRect insert = panels[4]->geometry();
    document.rtfText->setText(QString("\r\n").repeated(4097));
    QTest::keyClick(document.rtfText, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(document.rtfText, Qt::Key_End);
    QCOMPARE(linePanel(document), QString("Line 4098 of 4098"));
    QCOMPARE_GE(panels[0]->width(), panels[0]->sizeHint().width());
    QCOMPARE(panels[4]->geometry(), insert);
}

void DocumentTest::changesByCodeAndTyping()
{
    frmDocument document;
    document.Form_Load();
    document.resize(400, 300);
    document.show();
    document.rtfText->setText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10");
    QCOMPARE(document.LineCount, 10);
    QCOMPARE(linePanel(document), QString("Line 1 of 1"));
    QTest::keyClick(document.rtfText, Qt::Key_Down);
    QCOMPARE(linePanel(document), QString("Line 1 of 10"));
    // A click shows its line at once.
    clickOnLine(*document.rtfText, 2);
    QCOMPARE(linePanel(document), QString("Line 3 of 10"));

    // Undo of the load puts the old text back and recounts, recording nothing.
    document.Undo();
    QCOMPARE(document.rtfText->Text(), QString());
    QCOMPARE(document.LineCount, 1);
    QCOMPARE(document.UndoIndex(), 0);

    // Typing is undone letter by letter.
    QTest::keyClicks(document.rtfText, "abc");
    QCOMPARE(document.UndoIndex(), 3);
    QTest::keyClick(document.rtfText, Qt::Key_Home);

    document.Undo();
    QCOMPARE(document.rtfText->Text(), QString("ab"));
    // The caret goes to the end, with nothing selected.
    QCOMPARE(document.rtfText->SelStart(), 2);
    QCOMPARE(document.rtfText->SelLength(), 0);
    document.Redo();
    QCOMPARE(document.rtfText->Text(), QString("abc"));
    QCOMPARE(document.rtfText->SelStart(), 3);
    QCOMPARE(document.InUndo, false);
}

void DocumentTest::randomKeysKeepTextAndHistory()
{
    QMdiArea area;
    frmDocument& document = *openIn(area);
    TextEditor& editor = *document.rtfText;
    // The Insert key's toggle is the application's: the next test starts inserting again.
    const auto insertOff = qScopeGuard([&editor] {
        if (editor.overwriteMode())
            QTest::keyClick(&editor, Qt::Key_Insert);
    });
    // Once a crash: the widget moved the caret over a document left mid-change.
    QTest::keyClicks(&editor, "\r\r\r\r\r");
    QTest::keyClick(&editor, Qt::Key_PageUp);
    QTest::keyClicks(&editor, "\rb\r\r\r\r\r\r\r\r\r\r");
    QTest::keyClick(&editor, Qt::Key_Home, Qt::ControlModifier);
    for (const Qt::Key key : {Qt::Key_F, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Backspace})
        QTest::keyClick(&editor, key);
    QCOMPARE(document.UndoIndex(), 19);

    QString fromNotices = editor.Text();
    int notices = 0;
    QObject::connect(&editor, &TextEditor::Change, &editor,
                     [&](qsizetype position, const QString& removed, qsizetype inserted) {
                         fromNotices.replace(position, removed.size(),
                                             editor.textRange(position, inserted));
                         ++notices;
                     });
    QRandomGenerator random(7);
    // More typing than deleting, so that the text outgrows a page.
    const QStringList keys =
        QStringLiteral("A B C Space Return Return Return Backspace Del Left Right Up "
                       "Down PgUp PgDown Home End Ctrl+Home Ctrl+End Ins")
            .split(u' ');
    QString blockText = editor.Text();
    int blockNotices = 0;
    for (int round = 1; round <= 30000; ++round) {
        const int noticesBefore = notices;
        const int action = random.bounded(1000);
        if (action < 980) {
            const QKeyCombination key =
                QKeySequence(keys[random.bounded(keys.size())], QKeySequence::PortableText)[0];
            // Selecting to either end and typing would wipe out the text too often.
            const bool shift = !key.keyboardModifiers() && random.bounded(8) == 0;
            QTest::keyClick(&editor, key.key(),
                            shift ? Qt::ShiftModifier : key.keyboardModifiers());
        } else if (action < 999) {
            QInputMethodEvent commit;
            commit.setCommitString(QStringLiteral("\u00fc"));
            QApplication::sendEvent(&editor, &commit);
        } else if (random.bounded(2)) {
            editor.clear();
        } else {
            editor.setText(QStringLiteral("new\r\ntext"));
        }
        // One key, one change: overwriting included.
        QCOMPARE_LE(notices, noticesBefore + 1);
        if (round % 250)
            continue;
        const QString text = editor.Text();
        QCOMPARE(fromNotices, text);
        QVERIFY(!text.contains(QChar::LineSeparator)); // Shift+Enter breaks the line too
        // Every change since the last check is one step back, and forward again.
        const int steps = notices - blockNotices;
        for (int step = 0; step < steps; ++step)
            document.Undo();
        QCOMPARE(editor.Text(), blockText);
        for (int step = 0; step < steps; ++step)
            document.Redo();
        QCOMPARE(editor.Text(), text);
        blockText = text;
        blockNotices = notices;
    }
    QCOMPARE_GT(notices, 10000);
}

void DocumentTest::layoutPass()
{
    QMdiArea area;
    frmDocument* document = openIn(area);
    // Opens with the design client area; a status bar 5670 twips wide leaves panel 2 with
    // 5670 - 350 - 3240.
    QCOMPARE(document->widget()->size(), QSize(378, 300));
    QCOMPARE(document->StatusBar1->panelWidth(2), 2080.0);

    // In every window state the editor fills the client area above the docked status bar.
    for (const auto show :
         {&QWidget::show, &QWidget::showMaximized, &QWidget::showMinimized, &QWidget::showNormal}) {
        (document->*show)();
        if (document->isMinimized())
            continue;
        const QSize client = document->widget()->size();
        QCOMPARE(document->rtfText->geometry(), QRect(0, 0, client.width(), client.height() - 17));
        QCOMPARE(document->StatusBar1->geometry(),
                 QRect(0, client.height() - 17, client.width(), 17));
    }
}

void DocumentTest::indicatorsFollowTheLockKeys()
{
    frmDocument document;
    document.Form_Load();
    document.show();
    const StatusBar& bar = *document.StatusBar1;
    QCOMPARE(bar.panelText(3), QString("CAPS"));
    QCOMPARE(bar.panelText(4), QString("NUM"));
    QCOMPARE(bar.panelText(5), QString("INS"));
    const bool caps = bar.panelShowsOn(3);
    QTest::keyClick(document.rtfText, Qt::Key_CapsLock);
    QCOMPARE(bar.panelShowsOn(3), !caps);
    QCOMPARE(bar.panelShowsOn(4), false);

    // Insert switches the editor to overwriting and the indicator with it.
    QTest::keyClick(document.rtfText, Qt::Key_Insert);
    QCOMPARE(bar.panelShowsOn(5), true);
    QVERIFY(document.rtfText->overwriteMode());
    QTest::keyClicks(document.rtfText, "ab");
    QTest::keyClick(document.rtfText, Qt::Key_Home);
    QTest::keyClick(document.rtfText, Qt::Key_X);
    QCOMPARE(document.rtfText->Text(), QString("xb"));
    // Shift+Insert pastes: neither the mode nor the indicator changes.
    QTest::keyClick(document.rtfText, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(bar.panelShowsOn(5), true);
    QTest::keyClick(document.rtfText, Qt::Key_Insert);
    QCOMPARE(bar.panelShowsOn(5), false);
    QVERIFY(!document.rtfText->overwriteMode());
}

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"

#include "StatusBar.h"
#include "TextEditor.h"
#include "frmDocument.h"

#include <QLabel>
#include <QMdiArea>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// Presses keys named as in a menu ("Ctrl+End"), one after the other.
void press(TextEditor& editor, const QString& names)
{
    for (const QString& name : names.split(u' ')) {
        const QKeyCombination key = QKeySequence(name, QKeySequence::PortableText)[0];
        QTest::keyClick(&editor, key.key(), key.keyboardModifiers());
    }
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
frmDocument& openIn(QMdiArea& area)
{
    area.resize(800, 600);
    area.show();
    auto* document = new frmDocument;
    document->Form_Load();
    area.addSubWindow(document);
    document->show();
    return *document;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void statusBarFollowsKeysAndClicks();
    void randomKeysKeepTextAndHistory();
    void layoutPass();
};

void DocumentTest::statusBarFollowsKeysAndClicks()
{
    QMdiArea area;
    frmDocument& document = openIn(area);
    TextEditor& editor = *document.rtfText;
    const StatusBar& bar = *document.StatusBar1;
    const bool caps = bar.panelShowsOn(3);
    press(editor, "CapsLock");
    QCOMPARE(bar.panelShowsOn(3), !caps);
    QCOMPARE(bar.panelShowsOn(4), false);
    // Insert toggles overwriting and its indicator; Shift+Insert pastes and toggles neither.
    editor.setText("ab");
    for (const auto& [keys, overwrite, text] : {std::tuple{"Ins Shift+Ins Home X", true, "xb"},
                                                std::tuple{"Shift+Ins Ins Home X", false, "xxb"}}) {
        press(editor, keys);
        QCOMPARE(editor.Text(), QString(text));
        QCOMPARE(bar.panelShowsOn(5), overwrite);
    }

    // A key shows the line the caret was on before the key acted, a click where it put it; a
    // change by code shows at the next key.
    editor.clear();
    const std::pair<const char*, const char*> steps[] = {
        {"Right A Return", "Line 1 of 1"}, {"B Up", "Line 2 of 2"}, {"End", "Line 1 of 2"}};
    for (const auto& [keys, panel] : steps) {
        press(editor, keys);
        QCOMPARE(bar.panelText(1), QString(panel));
    }
    // 1440 twips is the least width: the panel grows to show its text, the others stay put.
    const QList<QLabel*> panels = bar.findChildren<QLabel*>();
    QCOMPARE(panels[0]->width(), 96);
    const QRect insert = panels[4]->geometry();
    editor.setText(QString("\r\n").repeated(4097));
    QCOMPARE(bar.panelText(1), QString("Line 1 of 2"));
    press(editor, "Down");
    QCOMPARE(bar.panelText(1), QString("Line 1 of 4098"));
    clickOnLine(editor, 2);
    QCOMPARE(bar.panelText(1), QString("Line 3 of 4098"));
    press(editor, "Ctrl+End End");
    QCOMPARE(bar.panelText(1), QString("Line 4098 of 4098"));
    QCOMPARE_GE(panels[0]->width(), panels[0]->sizeHint().width());
    QCOMPARE(panels[4]->geometry(), insert);
}

void DocumentTest::randomKeysKeepTextAndHistory()
{
    QMdiArea area;
    frmDocument& document = openIn(area);
    TextEditor& editor = *document.rtfText;
    // The Insert key's toggle is the application's: the next test starts inserting again.
    const auto insertOff = qScopeGuard([&editor] {
        if (editor.overwriteMode())
            press(editor, "Ins");
    });
    // Once a crash: the widget moved the caret over a document left mid-change.
    press(editor, QString("Return ").repeated(5) + "PgUp Return B " +
                      QString("Return ").repeated(10) + "Ctrl+Home F PgDown Up Backspace");
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
    const QStringList keys = QString("A B C Space Return Return Return Backspace Del Left Right "
                                     "Up Down PgUp PgDown Home End Ctrl+Home Ctrl+End Ins")
                                 .split(u' ');
    QString blockText = editor.Text();
    int blockNotices = 0;
    for (int round = 1; round <= 30000; ++round) {
        const int noticesBefore = notices;
        const int action = random.bounded(1000);
        if (action < 980) {
            const QString key = keys[random.bounded(keys.size())];
            // Selecting to either end and typing would wipe out the text too often.
            press(editor, !key.contains(u'+') && random.bounded(8) == 0 ? "Shift+" + key : key);
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
        // Every change since the last check is one step back, and forward again; each step
        // leaves the caret at the end with nothing selected, and recounts the lines.
        const int steps = notices - blockNotices;
        for (const bool forward : {false, true}) {
            for (int step = 0; step < steps; ++step)
                forward ? document.Redo() : document.Undo();
            const QString& stepped = forward ? text : blockText;
            QCOMPARE(editor.Text(), stepped);
            QCOMPARE(QPair(editor.SelStart(), editor.SelLength()),
                     QPair(stepped.size(), qsizetype(0)));
            QCOMPARE(document.LineCount, stepped.count(u"\r\n") + 1);
        }
        blockText = text;
        blockNotices = notices;
    }
    QCOMPARE_GT(notices, 10000);
}

void DocumentTest::layoutPass()
{
    QMdiArea area;
    frmDocument& document = openIn(area);
    // Opens with the design client area; a status bar 5670 twips wide leaves panel 2 with
    // 5670 - 350 - 3240.
    QCOMPARE(document.widget()->size(), QSize(378, 300));
    QCOMPARE(document.StatusBar1->panelWidth(2), 2080.0);

    // In every window state the editor fills the client area above the docked status bar.
    for (const auto show :
         {&QWidget::show, &QWidget::showMaximized, &QWidget::showMinimized, &QWidget::showNormal}) {
        (document.*show)();
        if (document.isMinimized())
            continue;
        const QSize client = document.widget()->size();
        QCOMPARE(document.rtfText->geometry(), QRect(0, 0, client.width(), client.height() - 17));
        QCOMPARE(document.StatusBar1->geometry(),
                 QRect(0, client.height() - 17, client.width(), 17));
    }
}

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"

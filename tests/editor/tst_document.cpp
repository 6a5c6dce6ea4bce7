#include "MarkedText.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "StatusBar.h"
#include "TestFiles.h"
#include "TextEditor.h"
#include "UndoHistory.h"
#include "frmDocument.h"
#include "frmMain.h"
#include "modLines.h"

#include <Qsci/qscilexercpp.h>

#include <QtPrintSupport>
#include <QtTest>

namespace {

using Sci = QsciScintillaBase;

// Presses keys named as in a menu ("Ctrl+End"), one after the other.
void press(TextEditor& editor, const QString& names)
{
    for (const QString& name : names.split(u' ')) {
        const QKeyCombination key = QKeySequence(name, QKeySequence::PortableText)[0];
        QTest::keyClick(&editor, key.key(), key.keyboardModifiers());
    }
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

// A plain string standing in for the editor.
struct StringText : UndoHistory::Text {
    QString value;
    QString mid(qsizetype at, qsizetype n) const override { return value.mid(at, n); }
    void replace(qsizetype at, qsizetype n, const QString& s) override { value.replace(at, n, s); }
};

// A main window whose project folder is a fresh one, its dialogs answered from a script.
struct Session {
    Session()
    {
        Project::current().setProjectFolder(dir.path());
        main.show();
    }
    // The active document's caption and text, then the folder's files, each with its bytes.
    QString state() const
    {
        const frmDocument* document = main.activeDocument();
        QStringList parts{document ? document->windowTitle() + ": " + document->rtfText->Text()
                                   : "<none>"};
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            parts.append(name + '=' + contentOf(dir.filePath(name)));
        return parts.join(" | ");
    }
    TextEditor& editor() const { return *main.activeDocument()->rtfText; }
    // Runs a menu command; its file dialog gets the answer given, or is cancelled.
    void run(void (frmMain::*command)(), const QString& answer = QString())
    {
        if (!answer.isEmpty())
            dialogs.answerFile(answer);
        (main.*command)();
    }
    QString file(const QString& name, const QByteArray& bytes) const
    {
        putFile(dir.filePath(name), bytes);
        return dir.filePath(name);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    frmMain main;
};

// Tab stops every four columns, in a fixed font: each x stands in the fifth.
void tabStopsLineUpOnScreenAndPaper(TextEditor& editor)
{
    editor.setText("    x\r\n\tx\r\nab\tx\r\niiiix\r\nWWWWx");
    QPrinter printer;
    const std::unique_ptr<QTextDocument> printed = editor.printDocument(printer);
    QList<double> onScreen, onPaper;
    for (int line = 0; line < 5; ++line) {
        const int at = int(editor.text(line).indexOf(u'x'));
        onScreen.append(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0,
                                             editor.positionFromLineIndex(line, at)));
        onPaper.append(printed->findBlockByNumber(line).layout()->lineAt(0).cursorToX(at));
    }
    QCOMPARE(onScreen + onPaper, QList<double>(5, onScreen[0]) + QList<double>(5, onPaper[0]));
}

// The wheel only scrolls and the mouse selects running text, Ctrl or not.
void wheelScrollsAndMouseSelectsRunningText(TextEditor& editor)
{
    editor.setText(QStringLiteral("abcdef\r\n").repeated(100));
    QWidget* view = editor.viewport();
    const QPoint at(view->width() / 2, view->height() / 2);
    QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    QCOMPARE(editor.SendScintilla(Sci::SCI_GETZOOM), 0);
    QCOMPARE_GT(editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE), 0);
    const QPoint to = at + QPoint(30, 40);
    QTest::mousePress(view, Qt::LeftButton, Qt::ControlModifier, at);
    QMouseEvent drag(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::ControlModifier);
    QApplication::sendEvent(view, &drag);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ControlModifier, to);
    QCOMPARE_GT(editor.SelLength(), 0);
    QCOMPARE(editor.SendScintilla(Sci::SCI_SELECTIONISRECTANGLE), 0);
}

// No edit notice reaches the widget: its accessibility layer would count the text from its start
// at each one, and a key would cost time in proportion to the text.
void noEditNoticeReachesTheWidget(TextEditor& editor)
{
    QSignalSpy notices(&editor, &Sci::SCN_MODIFIED);
    editor.setText("ab\r\ncd");
    QTest::keyClicks(&editor, "xy");
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QVERIFY(!notices.isEmpty());
    for (const QList<QVariant>& notice : notices)
        QCOMPARE(notice[1].toInt() & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT), 0);
}

// C in colour where it shows, whatever stood above, which alone counts for the scroll bar;
// keywords and matched braces bold, a preprocessor line coloured within.
void cInColourThatReads(TextEditor& editor)
{
    editor.setText("/* far above " + QString(300, u'w') + QString("\r\nx = 1;").repeated(400) +
                   "\r\nend */ int\r\n#include <a.h> // c\r\n#include \"b.h\"");
    editor.setSelStart(editor.textLength());
    const QsciLexer& lexer = *editor.lexer();
    const auto styleAt = [&editor](const QString& marker) {
        return int(
            editor.SendScintilla(Sci::SCI_GETSTYLEAT, long(editor.Text().lastIndexOf(marker))));
    };
    QTRY_COMPARE(QList({styleAt("end"), styleAt("int"), styleAt("#"), styleAt("<a"),
                        styleAt("// c"), styleAt("\"b")}),
                 QList<int>({QsciLexerCPP::Comment, QsciLexerCPP::Keyword,
                             QsciLexerCPP::PreProcessor, QsciLexerCPP::DoubleQuotedString,
                             QsciLexerCPP::CommentLine, QsciLexerCPP::DoubleQuotedString}));
    QCOMPARE(QList({lexer.font(styleAt("int")).bold(), lexer.font(styleAt("x =")).bold(),
                    editor.SendScintilla(Sci::SCI_STYLEGETBOLD, Sci::STYLE_BRACELIGHT) == 1,
                    editor.horizontalScrollBar()->isVisible()}),
             QList({true, false, true, false}));
    editor.setSelStart(0); // the line far above shows, and the scroll bar with it
    QTRY_COMPARE(editor.horizontalScrollBar()->isVisible(), true);
    editor.setText("ab"); // and is gone
    QTRY_COMPARE(editor.horizontalScrollBar()->isVisible(), false);

    // Every token's colour reads at 4.5 : 1 or more, by WCAG's relative luminance, on a light
    // and on a dark background; a matched brace's hue is far from the selection's.
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
               0.0722 * linear(c.blueF()) + 0.05;
    };
    for (const QRgb base : {0xffffffu, 0x1e1e1eu}) {
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, ~base); // black on white, light grey on near-black
        editor.setPalette(palette);
        for (int style = 0; style < 128; ++style) {
            const auto [dim, bright] =
                std::minmax({luminance(lexer.color(style)), luminance(lexer.paper(style))});
            QVERIFY2(bright / dim >= 4.5 || lexer.description(style).isEmpty(),
                     qPrintable(QString("style %1 on %2").arg(style).arg(base, 0, 16)));
        }
        const long brace = editor.SendScintilla(Sci::SCI_STYLEGETBACK, Sci::STYLE_BRACELIGHT);
        const int apart = std::abs(QColor(brace & 0xff, brace >> 8 & 0xff, brace >> 16).hslHue() -
                                   palette.color(QPalette::Highlight).hslHue());
        QCOMPARE_GE(std::min(apart, 360 - apart), 90);
    }
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void positionsCountCrLfAsTwo()
    {
        TextEditor editor;
        setMarked(editor, "ab[\r\ncd]\r\nef");
        // The caret lands after the new text; positions past the end or inside a CR LF are held.
        editor.setSelText("-\r\n+");
        QStringList held{marked(editor)};
        for (const qsizetype position : {1000, 4})
            editor.setSelStart(position), held.append(marked(editor));
        QCOMPARE(held, QStringList({"ab-\r\n+[]\r\nef", "ab-\r\n+\r\nef[]", "ab-[]\r\n+\r\nef"}));

        // So do assistive tools and input methods, which get the caret's line alone.
        editor.setText("\u00e9b\r\n\u20acd\r\nlast");
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(&editor)->textInterface();
        QCOMPARE(text->text(1, 6), QString("b\r\n\u20acd"));
        text->setSelection(0, 4, 8);
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(marked(editor) + QString(" %1-%2").arg(start).arg(end),
                 QString("\u00e9b\r\n[\u20acd\r\n]last 4-8"));
        editor.setSelText("x");
        // A screen reader edits like the user, through the history as well.
        QAccessibleInterface& reader = *QAccessible::queryAccessibleInterface(&editor);
        QVERIFY(reader.state().editable && reader.state().multiLine);
        reader.editableTextInterface()->replaceText(5, 99, "z");
        reader.editableTextInterface()->insertText(5, "y");
        QCOMPARE(marked(editor), QString("\u00e9b\r\nx[]yz"));
        editor.setSelStart(6);
        const QWidget& widget = editor;
        QCOMPARE(QStringList({widget.inputMethodQuery(Qt::ImSurroundingText).toString(),
                              widget.inputMethodQuery(Qt::ImCursorPosition).toString(),
                              widget.inputMethodQuery(Qt::ImAnchorPosition).toString()}),
                 QStringList({"xyz", "2", "2"}));
        // Past a character outside the BMP, offsets count as readers do: code points in AT-SPI.
        const int emoji = QT_CONFIG(accessibility_atspi_bridge) ? 1 : 2;
        editor.setText("/*\U0001F600*/\r\nx");
        text->setCursorPosition(3 + emoji);
        QCOMPARE(
            QStringList({QString::number(text->characterCount() - emoji), text->text(2, 2 + emoji),
                         QString::number(text->cursorPosition() - emoji), marked(editor)}),
            QStringList({"7", "\U0001F600", "3", "/*\U0001F600*[]/\r\nx"}));

        // Each CR LF before a position adds a line; one between CR and LF is on the next line.
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
        // Only the plain text goes in, pasted or dropped, a line separator breaking the line;
        // dropped files come with their addresses as text, which stays out like the files.
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

    void shownEditorLinesUpScrollsSelectsAndColours()
    {
        TextEditor editor;
        editor.resize(300, 200);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        tabStopsLineUpOnScreenAndPaper(editor);
        wheelScrollsAndMouseSelectsRunningText(editor);
        noEditNoticeReachesTheWidget(editor);
        cInColourThatReads(editor);
    }

    void layoutAndStatusBarFollowKeysAndClicks()
    {
        QMdiArea area;
        frmDocument& document = openIn(area);
        TextEditor& editor = *document.rtfText;
        const StatusBar& bar = *document.StatusBar1;
        // In every window state the editor fills the client area above the docked status bar.
        for (const auto show : {&QWidget::showMaximized, &QWidget::showNormal}) {
            (document.*show)();
            const QSize client = document.widget()->size();
            QCOMPARE(QList({editor.geometry(), bar.geometry()}),
                     QList({QRect(0, 0, client.width(), client.height() - 17),
                            QRect(0, client.height() - 17, client.width(), 17)}));
        }

        if (editor.overwriteMode()) // the Insert key's toggle is the application's
            press(editor, "Ins");
        const bool caps = bar.panelShowsOn(3);
        press(editor, "CapsLock");
        // Windows keeps the lock states, which a key made by the test does not change.
        const bool flips = QSysInfo::kernelType() != "winnt";
        QCOMPARE(QPair(bar.panelShowsOn(3), bar.panelShowsOn(4)), QPair(caps != flips, false));
        // Insert toggles overwriting and its indicator; Shift+Insert pastes and toggles neither.
        editor.setText("ab");
        press(editor, "Ins Shift+Ins Home X");
        QCOMPARE(QPair(editor.Text(), bar.panelShowsOn(5)), QPair(QString("xb"), true));
        press(editor, "Ins");

        // A key shows the line the caret was on before it acted, a click where it put it, a change
        // by code the next key's; the panel grows to fit its text, the others stay put.
        const QList<QLabel*> panels = bar.findChildren<QLabel*>();
        const QRect insert = panels[4]->geometry();
        editor.clear();
        QString shown;
        for (const QString& step :
             QString("Right A Return|B Up|End|set text|Down|click|Ctrl+End End").split(u'|')) {
            const long start = editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, 2);
            if (step == "set text")
                editor.setText(QString("\r\n").repeated(4097));
            else if (step == "click") // at the start of the third line
                QTest::mouseClick(
                    editor.viewport(), Qt::LeftButton, {},
                    {int(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0, start)) + 1,
                     int(editor.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0, start)) + 2});
            else
                press(editor, step);
            shown += bar.panelText(1) + '|';
        }
        QCOMPARE(shown, QString("Line 1 of 1|Line 2 of 2|Line 1 of 2|Line 1 of 2|Line 1 of 4098|"
                                "Line 3 of 4098|Line 4098 of 4098|"));
        QCOMPARE_GE(panels[0]->width(), panels[0]->sizeHint().width());
        QCOMPARE(panels[4]->geometry(), insert);
    }

    void randomKeysKeepTextAndHistory()
    {
        QMdiArea area;
        frmDocument& document = openIn(area);
        TextEditor& editor = *document.rtfText;
        // Once a crash: the widget moved the caret over a document left mid-change.
        press(editor, QString("Return ").repeated(5) + "PgUp Return B " +
                          QString("Return ").repeated(10) + "Ctrl+Home F PgDown Up Backspace");
        QCOMPARE(document.UndoIndex(), 19);

        // The history is made of these notices: stepping through it checks them.
        int notices = 0;
        QObject::connect(&editor, &TextEditor::Change, &editor, [&notices] { ++notices; });
        QRandomGenerator random(7);
        // More typing than deleting, so that the text outgrows a page.
        const QStringList keys =
            QString("A B C Space Return Return Return Backspace Del Left "
                    "Right Up Down PgUp PgDown Home End Ctrl+Home Ctrl+End Ins")
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
            } else {
                random.bounded(2) ? editor.clear() : editor.setText(QStringLiteral("new\r\ntext"));
            }
            // One key, one change: overwriting included.
            QCOMPARE_LE(notices, noticesBefore + 1);
            if (round % 250)
                continue;
            const QString text = editor.Text();
            QVERIFY(!text.contains(QChar::LineSeparator)); // Shift+Enter breaks the line too
            // Every change since the last check is one step back, and forward again; each step
            // leaves the caret at the end with nothing selected, and recounts the lines.
            const int steps = notices - blockNotices;
            for (const bool forward : {false, true}) {
                for (int step = 0; step < steps; ++step)
                    forward ? document.Redo() : document.Undo();
                const QString& stepped = forward ? text : blockText;
                QCOMPARE(editor.Text(), stepped);
                QCOMPARE(
                    QList({editor.SelStart(), editor.SelLength(), qsizetype(document.LineCount)}),
                    QList({stepped.size(), qsizetype(0), stepped.count(u"\r\n") + 1}));
            }
            blockText = text;
            blockNotices = notices;
        }
        QCOMPARE_GT(notices, 10000);
    }

    void historyAgreesWithWholeTextSnapshots()
    {
        // Against a copy of the whole text for every step, over random edits, undos and redos
        // that drop old steps and compact the stored texts: undo stops at the oldest step kept,
        // redo at the newest, and an edit drops what was undone.
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
            QCOMPARE(QPair(text.value, history.UndoIndex()), QPair(snapshots[current], current));
        }

        // Over budget the oldest steps go, the newest stays even alone: deletions of 400 and 3000.
        UndoHistory bounded(1000 * sizeof(QChar));
        QList<qsizetype> kept;
        for (const qsizetype length : {400, 400, 400, 3000})
            bounded.record(0, QString(length, u'p'), 0), kept.append(bounded.UndoIndex());
        QCOMPARE(kept, QList<qsizetype>({1, 2, 2, 1}));
    }

    void saveAsksOnlyForUntitledDocuments()
    {
        Session s;
        // Without a document Save, Save As and Close do nothing; closed windows keep their numbers.
        for (const auto command : {&frmMain::mnuFileSave_Click, &frmMain::mnuFileSaveAs_Click,
                                   &frmMain::mnuFileClose_Click, &frmMain::mnuFileNewC_Click,
                                   &frmMain::mnuFileClose_Click, &frmMain::mnuFileNewH_Click})
            s.run(command);
        s.editor().setText("int x;");
        // Cancelled dialogs do nothing; each save writes the name typed, the document untitled.
        for (const auto command : {&frmMain::mnuFileSave_Click, &frmMain::mnuFileSaveAs_Click,
                                   &frmMain::mnuFileOpen_Click})
            s.run(command);
        for (const QString name : {"first", "second.h"})
            s.run(&frmMain::mnuFileSave_Click, s.dir.filePath(name));
        const QString saved = " | first=int x;\r\n | second.h=int x;\r\n";
        QCOMPARE(s.state(), "C Header File - Larkspan: int x;" + saved);
        // A window offers the name it was last saved under, never another's (one Enter away).
        s.run(&frmMain::mnuFileNewC_Click);
        s.run(&frmMain::mnuFileSaveAs_Click);
        s.main.mnuFileClose_Click();
        const FileDialogRequest asked = s.dialogs.fileDialogs.value(4);
        QCOMPARE(asked.kind, FileDialogKind::Save);
        QCOMPARE((QStringList{asked.title, asked.filter, asked.initialFolder, asked.fileName,
                              s.dialogs.fileDialogs.value(5).fileName}),
                 (QStringList{"Save", "C Header File (*.h)|*.h|All Files (*.*)|*.*", s.dir.path(),
                              s.dir.filePath("first"), ""}));

        // Open makes a document to load into; a numbered caption is a path in the current folder.
        s.main.mnuFileClose_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s.main.mnuFileOpen_Click();
        s.editor().setText("numbered");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(s.dir.path());
        s.main.mnuFileSave_Click();
        QDir::setCurrent(previous);

        // Open, Save As, edit, Save: the edit goes to the opened file, which Save As offered.
        QVERIFY(QDir(s.dir.path()).mkdir("src"));
        const QString original = QDir::toNativeSeparators(s.file("src/main.c", "old\r\n"));
        s.run(&frmMain::mnuFileOpen_Click, original);
        s.run(&frmMain::mnuFileSaveAs_Click, s.dir.filePath("copy.c"));
        // A titled document keeps the filter of the dialog's last use: Open's.
        const FileDialogRequest& saveAs = s.dialogs.fileDialogs.last();
        QCOMPARE((QStringList{saveAs.fileName, QDir(saveAs.initialFolder).path(), saveAs.filter}),
                 (QStringList{original, s.dir.filePath("src"), s.dialogs.fileDialogs[7].filter}));
        s.editor().setText("new");
        s.main.mnuFileSave_Click();
        QCOMPARE(contentOf(original), QByteArray("new\r\n"));
        QCOMPARE(s.state(),
                 original + ": new | copy.c=old\r\n\r\n | Document 4=numbered\r\n" + saved);
    }

    void openAndSaveKeepEveryByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved"); // its CR LF pairs, the lines the status bar counts
        QByteArray all, saved;
        for (int b = 0; b < 256; ++b) {
            all.append(char(b));
            saved.append(b == '\n' || b == '\r' ? QByteArray("\r\n") : QByteArray(1, char(b)));
        }
        QTest::newRow("every byte") << all << saved + "\r\n";
        // Every line end becomes CR LF, and only a CR LF pair is one: CR CR LF and LF CR are two.
        QTest::newRow("any line end")
            << QByteArray("unix\nmac\rdos\r\nCR\r\r\nLF\n\rend\r")
            << QByteArray("unix\r\nmac\r\ndos\r\nCR\r\n\r\nLF\r\n\r\nend\r\n\r\n");
        // Files are read a megabyte at a time.
        const QByteArray piece((1 << 20) - 1, 'x');
        QTest::newRow("CR LF across pieces") << piece + "\r\ny" << piece + "\r\ny\r\n";
        QTest::newRow("CR ends a piece") << piece + "\ry" << piece + "\r\ny\r\n";
        QTest::newRow("character across pieces") << piece + "\xe9y" << piece + "\xe9y\r\n";
        QTest::newRow("LF starts a piece") << piece + "x\ny" << piece + "x\r\ny\r\n";
    }

    void openAndSaveKeepEveryByte()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        Session s;
        const QString path = s.file("bytes.inf", file);
        s.run(&frmMain::mnuFileOpen_Click, path);
        s.main.mnuFileSave_Click();
        QTest::keyClick(&s.editor(), Qt::Key_Home); // the status bar shows the line count
        QCOMPARE(contentOf(path) + s.main.activeDocument()->StatusBar1->panelText(1).toLatin1(),
                 saved + "Line 1 of " + QByteArray::number(saved.count("\r\n")));
    }

    void failuresAreReportedAndChangeNothing()
    {
        Session s;
        s.main.mnuFileNewC_Click();
        // Saved a megabyte at a time: the line is counted across pieces.
        s.editor().setText("\n\n" + QString(1 << 20, u'x') + "snow \u2603");
        s.run(&frmMain::mnuFileSaveAs_Click, s.file("old.c", "old\r\n"));
        QCOMPARE(s.dialogs.messages.value(0).text.section("\": ", 1),
                 "line 3 holds the character \"\u2603\" (U+2603), which the code page "
                 "Windows-1252 cannot store");
        const QString unwritable = s.dir.filePath("no folder/x.c");
        s.editor().setText("fine");
        s.run(&frmMain::mnuFileSaveAs_Click, unwritable);
        QVERIFY(s.dialogs.messages.value(1).text.contains(QDir::toNativeSeparators(unwritable)));
        s.run(&frmMain::mnuFileOpen_Click, s.dir.filePath("missing.c"));
        QCOMPARE(s.dialogs.messages.size(), 3);
        QCOMPARE(s.state(), QString("C File - Larkspan: fine | old.c=old\r\n"));

        // Open loads into the active document as one change, the failed Open made none.
        const QString path = s.file("loaded.c", "line 1\r\nline 2\r\n");
        s.run(&frmMain::mnuFileOpen_Click, path);
        QCOMPARE(s.dialogs.fileDialogs.last().kind, FileDialogKind::Open);
        s.main.activeDocument()->Undo();
        QCOMPARE(s.state(), path + ": fine | loaded.c=line 1\r\nline 2\r\n | old.c=old\r\n");
    }
};

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"

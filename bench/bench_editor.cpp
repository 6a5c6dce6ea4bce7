// Measures one editor at one document size, in a process of its own so that memory figures
// are its alone: either Larkspan's document window or a bare QPlainTextEdit.
// Usage: bench_editor larkspan|bare <bytes>. Prints one line of figures; asserts nothing.
// Or: bench_editor history <cycles>, which pastes a megabyte and deletes it again that many
// times, and prints after some of the cycles what the document's undo history holds.

#include "DialogService.h"
#include "ProcessMemory.h"
#include "TextEditor.h"
#include "TextFile.h"
#include "Toolkit.h"
#include "frmDocument.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>

namespace {

// Answers every file dialog with one path.
class FixedAnswer : public DialogService {
public:
    QString path;
    MsgBoxResult messageBox(const MessageBoxRequest& request) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return MsgBoxResult::Ok;
    }
    QString fileDialog(const FileDialogRequest&) override { return path; }
    bool printerDialog(const PrinterDialogRequest&, QPrinter&) override { return false; }
};

// C text of about the given size, in lines of about sixty characters.
QString sourceText(qsizetype bytes)
{
    const QString line = QStringLiteral("    total = total + values[i] * factor; /* sum %1 */ "
                                        "if (s[0] == '\"') { f(\"%2\"); }");
    QString text;
    text.reserve(bytes + 200);
    for (int i = 0; text.size() < bytes; ++i) {
        text += i % 50 == 0 ? QStringLiteral("#define LIMIT %1").arg(i)
                            : line.arg(i % 1000, 3, 10, QLatin1Char('0')).arg(i);
        text += QLatin1String("\r\n");
    }
    return text;
}

double milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// What each editor does for the steps measured.
struct Subject {
    QWidget* editor;
    std::function<void(const QString& path)> open;
    std::function<void()> caretToMiddle;
    std::function<void()> selectAll;
    std::function<void(const QString& path)> save;
};

void paint(QWidget* editor)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(editor);
    (area ? area->viewport() : editor)->repaint();
}

// Paints and shows now what the window asked to repaint, as the event loop would next.
void paintPending(QWidget* editor)
{
    QCoreApplication::sendPostedEvents(editor->window(), QEvent::UpdateRequest);
}

// Pastes a megabyte through the Edit menu, then selects all and deletes it, cycle by cycle;
// prints the cycle, the history's memory and the process's resident memory, in MB.
void measureHistory(int cycles)
{
    frmMain main;
    main.show();
    main.NewDocument();
    const frmDocument& document = *main.activeDocument();
    Toolkit::ClipboardSetText(sourceText(1 << 20));
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        main.mnuEditPaste_Click();
        main.mnuEditSelectAll_Click();
        QTest::keyClick(document.rtfText, Qt::Key_Delete);
        if (cycle % 20 == 0 || cycle == cycles)
            std::printf("%d %.1f %.1f\n", cycle,
                        double(document.history().memoryUsed()) / (1 << 20),
                        residentBytes() / (1 << 20));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_editor larkspan|bare <bytes> | history <cycles>\n");
        return 2;
    }
    if (qstrcmp(argv[1], "history") == 0) {
        measureHistory(QByteArray(argv[2]).toInt());
        return 0;
    }
    const bool ours = qstrcmp(argv[1], "larkspan") == 0;
    const qsizetype size = QByteArray(argv[2]).toLongLong();
    QTemporaryDir dir;
    const QString path = dir.filePath("input.c");
    if (const Result<> written = writeTextLines(path, {sourceText(size)}); !written) {
        std::fprintf(stderr, "%s\n", qPrintable(written.reason()));
        return 1;
    }
    FixedAnswer dialogs;
    Toolkit::setDialogService(&dialogs);
    frmMain main;
    QPlainTextEdit bare;
    const QSize editorSize(700, 500);
    Subject subject;
    if (ours) {
        main.resize(900, 700);
        main.show();
        main.NewDocument();
        frmDocument* document = main.activeDocument();
        TextEditor* editor = document->rtfText;
        // The same size as the bare editor, so both paint as much.
        document->resize(document->size() + editorSize - editor->size());
        subject = {editor,
                   [&](const QString& file) {
                       dialogs.path = file;
                       main.mnuFileOpen_Click();
                   },
                   [editor] {
                       // The start of the middle line, where the bare editor's caret goes too.
                       using Sci = QsciScintillaBase;
                       const long middle =
                           editor->SendScintilla(Sci::SCI_POSITIONFROMLINE,
                                                 editor->SendScintilla(Sci::SCI_GETLINECOUNT) / 2);
                       editor->SendScintilla(Sci::SCI_GOTOPOS, middle);
                       // Typing is measured once colouring has caught up with the caret.
                       const long caret = editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
                       QElapsedTimer waited;
                       waited.start();
                       while (editor->SendScintilla(Sci::SCI_GETENDSTYLED) < caret &&
                              waited.elapsed() < 30'000)
                           QCoreApplication::processEvents();
                   },
                   [&main] { main.mnuEditSelectAll_Click(); },
                   [&](const QString& file) {
                       dialogs.path = file;
                       main.mnuFileSaveAs_Click();
                   }};
    } else {
        bare.setUndoRedoEnabled(false);
        bare.setLineWrapMode(QPlainTextEdit::NoWrap);
        bare.resize(editorSize);
        bare.show();
        subject = {&bare,
                   [&bare](const QString& file) {
                       QFile in(file);
                       in.open(QIODevice::ReadOnly);
                       // Latin-1: the text is ASCII, and a Qt built without ICU (as for
                       // Windows) decodes no other 8-bit page, leaving the editor empty.
                       bare.setPlainText(
                           QStringDecoder(QStringDecoder::Latin1).decode(in.readAll()));
                   },
                   [&bare] {
                       QTextCursor cursor(
                           bare.document()->findBlockByNumber(bare.document()->blockCount() / 2));
                       bare.setTextCursor(cursor);
                   },
                   [&bare] { bare.selectAll(); },
                   [&bare](const QString& file) {
                       QFile out(file);
                       out.open(QIODevice::WriteOnly);
                       out.write(QStringEncoder(QStringEncoder::Latin1)
                                     .encode(bare.toPlainText() + QLatin1String("\r\n")));
                   }};
    }
    QCoreApplication::processEvents();
    QWidget* editor = subject.editor;
    editor->setFocus();

    const double before = residentBytes();
    resetPeakResident();
    QElapsedTimer timer;
    timer.start();
    subject.open(path);
    paint(editor);
    const double open = milliseconds(timer);
    QCoreApplication::processEvents();
    const double memory = (peakResidentBytes() - before) / (1 << 20);

    // A typed key, the screen brought up to date after it: the median of 200.
    subject.caretToMiddle();

    QList<double> keys;
    for (int i = 0; i < 200; ++i) {
        timer.start();
        QTest::keyClick(editor, Qt::Key(Qt::Key_A + i % 26));
        paintPending(editor);
        keys.append(double(timer.nsecsElapsed()) / 1e3);
    }
    std::sort(keys.begin(), keys.end());

    timer.start();
    subject.selectAll();
    paint(editor);
    const double selectAll = milliseconds(timer);
    timer.start();
    subject.save(dir.filePath("saved.c"));
    const double save = milliseconds(timer);
    timer.start();
    subject.selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    paint(editor);
    const double selectAllDelete = milliseconds(timer);

    std::printf("%.1f %.1f %.1f %.2f %.1f %.1f\n", open, memory, keys[keys.size() / 2], selectAll,
                selectAllDelete, save);
    Toolkit::setDialogService(nullptr);
    return 0;
}

// Measures the document window against a bare QPlainTextEdit: the cost of a typed character at
// several document sizes, the undo history's bytes per keystroke, and opening and saving a
// large file. Prints the figures; asserts nothing.

#include "app/DialogService.h"
#include "app/TextFile.h"
#include "app/Toolkit.h"
#include "app/frmMain.h"
#include "editor/TextEditor.h"
#include "editor/frmDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

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

// C-like text of about the given size, in lines of about sixty characters.
QString sourceText(qsizetype bytes)
{
    const QString line = QStringLiteral("    total = total + values[index] * factor; /* sum %1 */");
    QString text;
    text.reserve(bytes + 100);
    for (int i = 0; text.size() < bytes; ++i) {
        text += line.arg(i % 1000, 3, 10, QLatin1Char('0'));
        text += QLatin1String("\r\n");
    }
    return text;
}

void putCaretInTheMiddle(QPlainTextEdit& editor)
{
    QTextCursor cursor(editor.document()->findBlockByNumber(editor.document()->blockCount() / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(cursor);
}

enum class Typing { Letters, LineBreaks };

// Microseconds per key, caret in the middle of the text. Letters: short lines of typing, a
// line ended every twenty keys. Line breaks: Enter, then Backspace joining the lines again.
// With repaint, the screen is brought up to date after every key as for a person typing.
double typingCost(QPlainTextEdit& editor, Typing typing, int keys, bool repaint)
{
    putCaretInTheMiddle(editor);
    const auto keyAt = [typing](int i) {
        if (typing == Typing::LineBreaks)
            return i % 2 == 0 ? Qt::Key_Return : Qt::Key_Backspace;
        return i % 20 == 19 ? Qt::Key_Return : Qt::Key(Qt::Key_A + i % 26);
    };
    for (int i = 0; i < 20; ++i) // warm up
        QTest::keyClick(&editor, keyAt(i));
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keys; ++i) {
        QTest::keyClick(&editor, keyAt(i));
        if (repaint)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1000.0 / keys;
}

double milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FixedAnswer dialogs;
    Toolkit::setDialogService(&dialogs);
    const QSize windowSize(700, 500);

    frmMain main;
    main.resize(900, 700);
    main.show();
    QPlainTextEdit bare;
    bare.setUndoRedoEnabled(false);
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.resize(windowSize);
    bare.show();

    std::printf("One key, caret in the middle of the text (microseconds; ratio = document "
                "window / bare widget)\n");
    std::printf("%10s %-12s | %10s %10s %6s | %10s %10s %6s\n", "", "", "with", "repaint", "",
                "key", "only", "");
    std::printf("%10s %-12s | %10s %10s %6s | %10s %10s %6s\n", "size", "keys", "document", "bare",
                "ratio", "document", "bare", "ratio");
    for (const qsizetype size : {qsizetype(10'000), qsizetype(1'000'000), qsizetype(10'000'000)}) {
        const QString text = sourceText(size);
        main.NewDocument();
        frmDocument* document = main.activeDocument();
        document->resize(windowSize);
        document->rtfText->setText(text);
        bare.setPlainText(text);
        for (const Typing typing : {Typing::Letters, Typing::LineBreaks}) {
            const int keys = 400;
            double painted[2] = {0, 0};
            double handled[2] = {0, 0};
            // Alternate the two so that neither profits from a quieter moment of the machine.
            for (int round = 0; round < 3; ++round) {
                painted[0] += typingCost(*document->rtfText, typing, keys, true);
                painted[1] += typingCost(bare, typing, keys, true);
                handled[0] += typingCost(*document->rtfText, typing, keys, false);
                handled[1] += typingCost(bare, typing, keys, false);
            }
            std::printf("%10lld %-12s | %10.1f %10.1f %6.2f | %10.1f %10.1f %6.2f\n",
                        (long long)size, typing == Typing::Letters ? "letters" : "Enter, Bksp",
                        painted[0] / 3, painted[1] / 3, painted[0] / painted[1], handled[0] / 3,
                        handled[1] / 3, handled[0] / handled[1]);
        }
        document->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    {
        main.NewDocument();
        frmDocument* document = main.activeDocument();
        document->rtfText->setText(sourceText(1'000'000));
        putCaretInTheMiddle(*document->rtfText);
        const qsizetype before = document->history().memoryUsed();
        const qsizetype stepsBefore = document->history().stepCount();
        for (int i = 0; i < 900; ++i)
            QTest::keyClick(document->rtfText, Qt::Key(Qt::Key_A + i % 26));
        const qsizetype steps = document->history().stepCount() - stepsBefore;
        std::printf("\nUndo history on a 1 MB document: %.1f bytes per recorded keystroke "
                    "(%lld keystrokes, %lld bytes in all)\n",
                    double(document->history().memoryUsed() - before) / double(steps),
                    (long long)steps, (long long)document->history().memoryUsed());
        document->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("large.c");
    const QString large = sourceText(10'000'000);
    if (const QString error = writeTextLines(path, {large}); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("\nA 10 MB file (milliseconds)\n");
    std::printf("%10s %16s %16s %8s\n", "", "document window", "bare widget", "ratio");
    double openOurs = 0, openBare = 0, saveOurs = 0, saveBare = 0;
    const int rounds = 3;
    for (int round = 0; round < rounds; ++round) {
        main.NewDocument();
        dialogs.path = path;
        QElapsedTimer timer;
        timer.start();
        main.mnuFileOpen_Click();
        openOurs += milliseconds(timer);
        timer.start();
        main.mnuFileSave_Click();
        saveOurs += milliseconds(timer);
        main.activeDocument()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        timer.start();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        bare.setPlainText(QStringDecoder("windows-1252").decode(in.readAll()));
        openBare += milliseconds(timer);
        timer.start();
        QFile out(dir.filePath("bare.c"));
        out.open(QIODevice::WriteOnly);
        out.write(
            QStringEncoder("windows-1252").encode(bare.toPlainText() + QLatin1String("\r\n")));
        out.close();
        saveBare += milliseconds(timer);
    }
    std::printf("%10s %16.1f %16.1f %8.2f\n", "open", openOurs / rounds, openBare / rounds,
                openOurs / openBare);
    std::printf("%10s %16.1f %16.1f %8.2f\n", "save", saveOurs / rounds, saveBare / rounds,
                saveOurs / saveBare);
    Toolkit::setDialogService(nullptr);
    return 0;
}

#pragma once

#include "Toolkit.h"

#include <QPrinter>
#include <QQueue>

#include <functional>

// Files are read and written in the code pages the locale picks: every test program that answers
// dialogs runs in one of pages 1252 and 437, whatever the machine's locale, also outside CTest.
[[maybe_unused]] inline const bool pinnedLocale = qputenv("LC_ALL", "C.UTF-8");

// Answers the program's dialogs from a script and records what each one asked. It takes the
// place of the real dialogs while it lives. A dialog with no answer left is cancelled (a
// message box gets OK).
class ScriptedDialogs : public DialogService {
public:
    ScriptedDialogs() = default;
    ~ScriptedDialogs() override { Toolkit::setDialogService(m_previous); }
    Q_DISABLE_COPY(ScriptedDialogs)

    // The path the next file dialog returns; the empty text cancels it.
    void answerFile(const QString& path) { m_fileAnswers.enqueue(path); }
    void answerMessage(MsgBoxResult button) { m_messageAnswers.enqueue(button); }
    // Confirms or cancels the next printer dialog; a confirmed one prints into the PDF file given,
    // with the range a person picked (`selection` or all pages).
    void answerPrinter(bool confirm, const QString& pdfFile = QString(), bool selection = false)
    {
        m_printerAnswers.enqueue([=](QPrinter& printer) {
            if (confirm) {
                printer.setOutputFileName(pdfFile); // named .pdf, it makes a PDF
                printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
            }
            return confirm;
        });
    }

    MsgBoxResult messageBox(const MessageBoxRequest& request) override
    {
        messages.append(request);
        return next(m_messageAnswers, MsgBoxResult::Ok);
    }
    QString fileDialog(const FileDialogRequest& request) override
    {
        fileDialogs.append(request);
        return next(m_fileAnswers, QString());
    }
    bool printerDialog(const PrinterDialogRequest& request, QPrinter& printer) override
    {
        printerDialogs.append(request);
        return next(m_printerAnswers, PrinterAnswer([](QPrinter&) { return false; }))(printer);
    }

    bool hasPrinter() override { return printerInstalled; }

    bool printerInstalled = true;
    QList<MessageBoxRequest> messages;
    QList<FileDialogRequest> fileDialogs;
    QList<PrinterDialogRequest> printerDialogs;

private:
    using PrinterAnswer = std::function<bool(QPrinter&)>;
    template <typename T>
    T next(QQueue<T>& answers, const T& cancel)
    {
        return answers.isEmpty() ? cancel : answers.dequeue();
    }

    DialogService* m_previous = Toolkit::setDialogService(this);
    QQueue<QString> m_fileAnswers;
    QQueue<MsgBoxResult> m_messageAnswers;
    QQueue<PrinterAnswer> m_printerAnswers;
};

#pragma once

#include "DialogService.h"

#include <QList>
#include <QQueue>

// Answers the program's dialogs from a script and records what each one asked. It takes the
// place of the real dialogs while it lives. A dialog with no answer left is cancelled (a
// message box gets OK) and counted in unanswered.
class ScriptedDialogs : public DialogService {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The path the next file dialog returns; the empty text cancels it.
    void answerFile(const QString& path) { m_fileAnswers.enqueue(path); }
    void answerMessage(MsgBoxResult button) { m_messageAnswers.enqueue(button); }
    // Confirms or cancels the next printer dialog; a confirmed one prints into the PDF file
    // given, when there is one, with the range a person picked (`selection` or all pages).
    void answerPrinter(bool confirm, const QString& pdfFile = QString(), bool selection = false)
    {
        m_printerAnswers.enqueue({confirm, pdfFile, selection});
    }

    MsgBoxResult messageBox(const MessageBoxRequest& request) override;
    QString fileDialog(const FileDialogRequest& request) override;
    bool printerDialog(const PrinterDialogRequest& request, QPrinter& printer) override;

    QList<MessageBoxRequest> messages;
    QList<FileDialogRequest> fileDialogs;
    QList<PrinterDialogRequest> printerDialogs;
    int unanswered = 0;

private:
    DialogService* m_previous = nullptr;
    QQueue<QString> m_fileAnswers;
    QQueue<MsgBoxResult> m_messageAnswers;
    struct PrinterAnswer {
        bool confirm;
        QString pdfFile;
        bool selection;
    };
    QQueue<PrinterAnswer> m_printerAnswers;
};

#include "ScriptedDialogs.h"

#include "Toolkit.h"

#include <QPrinter>

// Files are read and written in the code pages the locale picks: every test program that answers
// dialogs runs in one of pages 1252 and 437, whatever the machine's locale, also outside CTest.
[[maybe_unused]] static const bool pinnedLocale = qputenv("LC_ALL", "C.UTF-8");

ScriptedDialogs::ScriptedDialogs()
    : m_previous(Toolkit::setDialogService(this))
{
}

ScriptedDialogs::~ScriptedDialogs()
{
    Toolkit::setDialogService(m_previous);
}

MsgBoxResult ScriptedDialogs::messageBox(const MessageBoxRequest& request)
{
    messages.append(request);
    if (m_messageAnswers.isEmpty()) {
        ++unanswered;
        return MsgBoxResult::Ok;
    }
    return m_messageAnswers.dequeue();
}

QString ScriptedDialogs::fileDialog(const FileDialogRequest& request)
{
    fileDialogs.append(request);
    if (m_fileAnswers.isEmpty()) {
        ++unanswered;
        return {};
    }
    return m_fileAnswers.dequeue();
}

bool ScriptedDialogs::printerDialog(const PrinterDialogRequest& request, QPrinter& printer)
{
    printerDialogs.append(request);
    if (m_printerAnswers.isEmpty()) {
        ++unanswered;
        return false;
    }
    const PrinterAnswer answer = m_printerAnswers.dequeue();
    if (answer.confirm && !answer.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.pdfFile);
        printer.setPrintRange(answer.selection ? QPrinter::Selection : QPrinter::AllPages);
    }
    return answer.confirm;
}

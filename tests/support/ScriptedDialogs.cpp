#include "support/ScriptedDialogs.h"

#include "app/Toolkit.h"

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

bool ScriptedDialogs::printerDialog(const PrinterDialogRequest& request, QPrinter&)
{
    printerDialogs.append(request);
    if (m_printerAnswers.isEmpty()) {
        ++unanswered;
        return false;
    }
    return m_printerAnswers.dequeue();
}

#include "app/Toolkit.h"

#include "app/CommonDialog.h"
#include "app/QtDialogService.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace {

DialogService* installedService = nullptr;

} // namespace

namespace Toolkit {

MsgBoxResult MsgBox(const QString& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                    const QString& title)
{
    return dialogs().messageBox({text, title, buttons, icon});
}

DialogService& dialogs()
{
    static QtDialogService qtDialogs;
    return installedService ? *installedService : qtDialogs;
}

DialogService* setDialogService(DialogService* service)
{
    DialogService* previous = installedService;
    installedService = service;
    return previous;
}

CommonDialog& dlgCommonDialog()
{
    // Deleted with the application object, while the printer it may hold can still be released.
    static CommonDialog* dialog = nullptr;
    if (!dialog) {
        dialog = new CommonDialog;
        qAddPostRoutine([] {
            delete dialog;
            dialog = nullptr;
        });
    }
    return *dialog;
}

void ClipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void ClipboardSetText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString ClipboardGetText()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace Toolkit

#pragma once

#include "DialogService.h"

// Shows the dialogs, parented to the window the user is working in: Qt's own, and on Windows the
// system's file and print dialogs that users there know.
class QtDialogService : public DialogService {
public:
    MsgBoxResult messageBox(const MessageBoxRequest& request) override;
    QString fileDialog(const FileDialogRequest& request) override;
    bool printerDialog(const PrinterDialogRequest& request, QPrinter& printer) override;
    bool hasPrinter() override;

private:
    // Whether the file dialog is the system's own rather than Qt's; each platform's own file says.
    static bool systemFileDialog();
};

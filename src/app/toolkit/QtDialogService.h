#pragma once

#include "DialogService.h"

// Shows Qt's own dialogs, parented to the window the user is working in.
class QtDialogService : public DialogService {
public:
    MsgBoxResult messageBox(const MessageBoxRequest& request) override;
    QString fileDialog(const FileDialogRequest& request) override;
    bool printerDialog(const PrinterDialogRequest& request, QPrinter& printer) override;
};

#pragma once

#include <QString>

class QPrinter;

enum class MsgBoxButtons { Ok, OkCancel };
enum class MsgBoxIcon { None, Information };
enum class MsgBoxResult { Ok, Cancel };

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgBoxButtons buttons = MsgBoxButtons::Ok;
    MsgBoxIcon icon = MsgBoxIcon::None;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    QString filter; // "Description|pattern|Description|pattern"
    QString initialFolder;
    QString fileName;
    int options = 0;
    bool cancelError = false;
};

struct PrinterDialogRequest {
    QString title;
    int options = 0;
    bool cancelError = false;
};

// The modal dialogs of the system. Production code shows Qt's dialogs; tests install a scripted
// fake so that no dialog ever blocks them.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MsgBoxResult messageBox(const MessageBoxRequest& request) = 0;
    // The chosen file's full path, or the empty text when the user cancelled.
    virtual QString fileDialog(const FileDialogRequest& request) = 0;
    // True when the user confirmed; the printer then carries the choice.
    virtual bool printerDialog(const PrinterDialogRequest& request, QPrinter& printer) = 0;
    // False where the printer dialog could print nowhere.
    virtual bool hasPrinter() { return true; }
};

#include "app/QtDialogService.h"

#include "app/CommonDialog.h"
#include "app/FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

} // namespace

MsgBoxResult QtDialogService::messageBox(const MessageBoxRequest& request)
{
    const QMessageBox::StandardButtons buttons = request.buttons == MsgBoxButtons::OkCancel
                                                     ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::Ok;
    const QMessageBox::Icon icon =
        request.icon == MsgBoxIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, request.title, request.text, buttons, dialogParent());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MsgBoxResult::Ok : MsgBoxResult::Cancel;
}

QString QtDialogService::fileDialog(const FileDialogRequest& request)
{
    // Qt's own dialog rather than the desktop's, so that the filter descriptions read exactly
    // as the program gives them.
    QFileDialog dialog(dialogParent(), request.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
    // Nothing requires a typed name to exist: the command that reads it reports a missing file.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);

    const QFileInfo previous(request.fileName);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    else if (previous.isAbsolute())
        dialog.setDirectory(previous.absolutePath());
    if (!request.fileName.isEmpty())
        dialog.selectFile(previous.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

bool QtDialogService::printerDialog(const PrinterDialogRequest& request, QPrinter& printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(request.title);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    options.setFlag(QAbstractPrintDialog::PrintSelection, true);
    options.setFlag(QAbstractPrintDialog::PrintPageRange,
                    !(request.options & CommonDialog::PD_NOPAGENUMS));
    dialog.setOptions(options);
    dialog.setPrintRange((request.options & CommonDialog::PD_SELECTION)
                             ? QAbstractPrintDialog::Selection
                             : QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

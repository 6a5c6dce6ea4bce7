#include "CommonDialog.h"

#include "Toolkit.h"

#include <QPrinter>

CommonDialog::CommonDialog() = default;
CommonDialog::~CommonDialog() = default;

QString CommonDialog::ShowOpen()
{
    return showFileDialog(false);
}

QString CommonDialog::ShowSave()
{
    return showFileDialog(true);
}

QString CommonDialog::showFileDialog(bool save)
{
    FileDialogRequest request;
    request.kind = save ? FileDialogKind::Save : FileDialogKind::Open;
    request.title = m_title;
    request.filter = m_filter;
    request.initialFolder = m_initialFolder;
    request.fileName = m_fileName;
    request.options = m_options;
    request.cancelError = m_cancelError;
    const QString chosen = Toolkit::dialogs().fileDialog(request);
    if (!chosen.isEmpty())
        m_fileName = chosen;
    return chosen;
}

QPrinter* CommonDialog::ShowPrinter()
{
    if (!Toolkit::dialogs().hasPrinter()) {
        Toolkit::MsgBox(QStringLiteral("No printer is installed. Add a printer, then try again."));
        return nullptr;
    }
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    PrinterDialogRequest request;
    request.title = m_title;
    request.options = m_options;
    request.cancelError = m_cancelError;
    return Toolkit::dialogs().printerDialog(request, *m_printer) ? m_printer.get() : nullptr;
}

#include "QtDialogService.h"

#include "CommonDialog.h"
#include "FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

// Qt's print dialog turns its page-range choice back on where the print system could apply the
// range itself. With page numbers off, this dialog keeps every page-range control disabled,
// also when Qt enables one again for another printer.
class PrintDialog : public QPrintDialog {
public:
    PrintDialog(QPrinter* printer, QWidget* parent, bool pageNumbers)
        : QPrintDialog(printer, parent)
        , m_pageNumbers(pageNumbers)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QPrintDialog::showEvent(event);
        if (m_pageNumbers)
            return;
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            if (auto* control = findChild<QWidget*>(QLatin1String(name))) {
                control->setEnabled(false);
                control->installEventFilter(this);
            }
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            auto* control = static_cast<QWidget*>(watched);
            if (control->isEnabled())
                control->setEnabled(false);
        }
        return QPrintDialog::eventFilter(watched, event);
    }

private:
    bool m_pageNumbers;
};

// Qt's file dialog reads double quotes in the name field as a list of names and would take one
// of them, a file the user never named. This one takes a name with a double quote as typed,
// against the folder shown; where no name can hold one, writing or reading it is refused.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    QString chosenPath() const
    {
        return m_typedPath.isEmpty() ? selectedFiles().value(0) : m_typedPath;
    }

protected:
    void accept() override
    {
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name || !name->text().contains(u'"'))
            return QFileDialog::accept();
        const QString path = directory().absoluteFilePath(name->text());
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            name->clear();
            return;
        }
        m_typedPath = path;
        QDialog::accept();
    }

private:
    QString m_typedPath;
};

// No command reads a page range, so none reaches the printer: neither as the printer's own range
// nor as the job option ("page-ranges") that Qt's dialog hands to the print system under its
// private engine key.
void dropPageRange(QPrinter& printer)
{
    if (printer.printRange() == QPrinter::PageRange)
        printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges({});
    const auto jobOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QStringList jobOptions = printer.printEngine()->property(jobOptionsKey).toStringList();
    const qsizetype before = jobOptions.size();
    for (qsizetype i = 0; i + 1 < jobOptions.size();) {
        if (jobOptions[i] == u"page-ranges")
            jobOptions.remove(i, 2); // name, value
        else
            i += 2;
    }
    if (jobOptions.size() != before)
        printer.printEngine()->setProperty(jobOptionsKey, jobOptions);
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
    FileDialog dialog(dialogParent(), request.title);
    QFileDialog::Options options =
        QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite;
    if (!systemFileDialog())
        options |= QFileDialog::DontUseNativeDialog;
    dialog.setOptions(options);
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

    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.chosenPath());
}

bool QtDialogService::printerDialog(const PrinterDialogRequest& request, QPrinter& printer)
{
    const bool pageNumbers = !(request.options & CommonDialog::PD_NOPAGENUMS);
    PrintDialog dialog(&printer, dialogParent(), pageNumbers);
    dialog.setWindowTitle(request.title);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    options.setFlag(QAbstractPrintDialog::PrintSelection, true);
    options.setFlag(QAbstractPrintDialog::PrintPageRange, pageNumbers);
    dialog.setOptions(options);
    dialog.setPrintRange((request.options & CommonDialog::PD_SELECTION)
                             ? QAbstractPrintDialog::Selection
                             : QAbstractPrintDialog::AllPages);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    dropPageRange(printer);
    return confirmed;
}

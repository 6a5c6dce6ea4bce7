#include "CommonDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// The shared dialog object in front of Qt's real dialogs, read while they are open.
class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void fileDialog_data();
    void fileDialog();
    void printerDialog_data();
    void printerDialog();
};

void ToolkitTest::fileDialog_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("folderSet");    // the folder "src", which holds the file named
    QTest::addColumn<QString>("fileName");  // also what the name field shows
    QTest::addColumn<QString>("qtFilters"); // joined by "|"

    QTest::newRow("in order, *.* as *") << "C File (*.c)|*.c|All Files (*.*)|*.*" << true << ""
                                        << "C File (*.c) (*.c)|All Files (*.*) (*)";
    QTest::newRow("own name") << "C File (*.c)|*.c" << true << "main.c"
                              << "C File (*.c) (*.c)";
    QTest::newRow("no folder: the name's") << "Sources|*.c;*.h|Anything" << false << "demo.c"
                                           << "Sources (*.c *.h)|Anything (*)";
    QTest::newRow("no filter") << "" << true << ""
                               << "All Files (*)";
}

void ToolkitTest::fileDialog()
{
    QFETCH(QString, filter);
    QFETCH(bool, folderSet);
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("src"));
    CommonDialog dialog;
    dialog.setFilter(filter);
    dialog.setInitialFolder(folderSet ? dir.filePath("src") : QString());
    dialog.setFileName(fileName.isEmpty() ? fileName : dir.filePath("src/" + fileName));
    QString filters, shownFolder, nameField;
    QTimer::singleShot(0, [&] {
        auto* qtDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        filters = qtDialog->nameFilters().join(u'|');
        shownFolder = qtDialog->directory().path();
        nameField = qtDialog->findChild<QLineEdit*>("fileNameEdit")->text();
        qtDialog->reject();
    });
    QCOMPARE(dialog.ShowSave(), QString());
    QTEST(filters, "qtFilters");
    QCOMPARE(QDir(shownFolder), QDir(dir.filePath("src")));
    QCOMPARE(nameField, fileName);
}

void ToolkitTest::printerDialog_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("enabledRange");

    QTest::newRow("print") << 264 << "";
    QTest::newRow("print a selection") << 265 << "";
    // Page numbers are offered, but the range picked does not reach the printer.
    QTest::newRow("page setup first") << 0 << "printRange from to pagesRadioButton";
}

// A person tries to print pages 2 to 3; the printer prints the selection when one was offered.
void ToolkitTest::printerDialog()
{
    QFETCH(int, options);
    CommonDialog dialog;
    dialog.setOptions(options);
    QStringList enabled;
    bool selection = false;
    QTimer::singleShot(0, [&] {
        auto* qtDialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        selection = qtDialog->findChild<QAbstractButton*>("printSelection")->isChecked();
        qtDialog->findChild<QAbstractButton*>("printRange")->click();
        qtDialog->findChild<QSpinBox*>("from")->setValue(2);
        qtDialog->findChild<QSpinBox*>("to")->setValue(3);
        // As Qt does for a printer of the print system.
        qtDialog->findChild<QWidget*>("pagesRadioButton")->setEnabled(true);
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            if (qtDialog->findChild<QWidget*>(name)->isEnabled())
                enabled.append(name);
        }
        qtDialog->accept();
    });
    const QPrinter* printer = dialog.ShowPrinter();
    QVERIFY(printer);
    const bool offered = options & CommonDialog::PD_SELECTION;
    QCOMPARE(selection, offered);
    QTEST(enabled.join(u' '), "enabledRange");
    QCOMPARE(printer->printRange(), offered ? QPrinter::Selection : QPrinter::AllPages);
    QCOMPARE(printer->pageRanges().toString(), QString());
}

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"

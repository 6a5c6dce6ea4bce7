#include "CommonDialog.h"
#include "LoadedWindows.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// The shared dialog object in front of Qt's real dialogs, read while they are open, and the
// list of loaded windows.
class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void fileDialog_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("folderSet");    // the folder "src", which holds the file named
        QTest::addColumn<QString>("fileName");  // also what the name field shows
        QTest::addColumn<QString>("qtFilters"); // joined by "|"

        QTest::newRow("in order, *.* as *") << "C File (*.c)|*.c|All Files (*.*)|*.*" << true << ""
                                            << "C File (*.c) (*.c)|All Files (*.*) (*)";
        QTest::newRow("no folder: the name's") << "Sources|*.c;*.h|Anything" << false << "demo.c"
                                               << "Sources (*.c *.h)|Anything (*)";
        QTest::newRow("no filter") << "" << true << ""
                                   << "All Files (*)";
    }

    void fileDialog()
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

    void printerDialog_data()
    {
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("enabledRange");

        QTest::newRow("print") << 264 << "";
        QTest::newRow("print a selection") << 265 << "";
        // Page numbers are offered, but the range picked does not reach the printer.
        QTest::newRow("page setup first") << 0 << "printRange from to pagesRadioButton";
    }

    // A person tries to print pages 2 to 3; the printer prints the selection when one was
    // offered.
    void printerDialog()
    {
        QFETCH(int, options);
        CommonDialog dialog;
        dialog.setOptions(options);
        QStringList enabled;
        QTimer::singleShot(0, [&] {
            auto* qtDialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            qtDialog->findChild<QAbstractButton*>("printRange")->click();
            qtDialog->findChild<QSpinBox*>("from")->setValue(2);
            qtDialog->findChild<QSpinBox*>("to")->setValue(3);
            // As Qt does for a printer of the print system.
            qtDialog->findChild<QWidget*>("pagesRadioButton")->setEnabled(true);
            for (const char* name :
                 {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
                if (qtDialog->findChild<QWidget*>(name)->isEnabled())
                    enabled.append(name);
            qtDialog->accept();
        });
        const QPrinter* printer = dialog.ShowPrinter();
        QVERIFY(printer);
        const bool offered = options & CommonDialog::PD_SELECTION;
        QTEST(enabled.join(u' '), "enabledRange");
        QCOMPARE(printer->printRange(), offered ? QPrinter::Selection : QPrinter::AllPages);
        QCOMPARE(printer->pageRanges().toString(), QString());
    }

    void loadedOnFirstUseUntilUnloaded()
    {
        // Names of the windows whose load handlers ran, in order.
        static QStringList loadLog;

        struct PlainWindow : QWidget {
            void Form_Load() { loadLog.append("plain"); }
        };

        // Its load handler uses another window, as the Project Explorer reads the project folder.
        struct DependentWindow : QWidget {
            void Form_Load()
            {
                loadLog.append("dependent");
                LoadedWindows::instance().form<PlainWindow>();
            }
        };

        struct FrameWindow : QWidget {
            void MDIForm_Load() { loadLog.append("frame"); }
        };

        LoadedWindows& windows = LoadedWindows::instance();
        QSignalSpy allGone(&windows, &LoadedWindows::allUnloaded);
        FrameWindow& frame = windows.form<FrameWindow>();
        DependentWindow& dependent = windows.form<DependentWindow>();
        // The window enters the list before its load handler runs, so one it loads comes after.
        QPointer<PlainWindow> plain = windows.find<PlainWindow>();
        QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, plain}));

        // Later uses reach the same windows, hidden or not, without loading them again.
        plain->show();
        plain->hide();
        const QList<QWidget*> again{&windows.form<FrameWindow>(), &windows.form<DependentWindow>(),
                                    &windows.form<PlainWindow>()};
        QCOMPARE(again, windows.windows());
        QCOMPARE(loadLog.join(u' '), QString("frame dependent plain"));

        // Unloaded, a window is gone; its next use loads a new one at the end of the list.
        windows.unload(plain);
        QCOMPARE(windows.find<PlainWindow>(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(plain.isNull());
        PlainWindow& second = windows.form<PlainWindow>();
        QCOMPARE(loadLog.join(u' '), QString("frame dependent plain plain"));
        QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, &second}));

        // A window destroyed elsewhere leaves the list too.
        auto* document = new QWidget;
        windows.add(document);
        QCOMPARE(windows.count(), 4);
        delete document;
        QCOMPARE(windows.windows(), (QList<QWidget*>{&frame, &dependent, &second}));

        // The application ends with the last window, not before.
        for (QWidget* window : windows.windows()) {
            QCOMPARE(allGone.count(), 0);
            windows.unload(window);
        }
        QCOMPARE(allGone.count(), 1);
    }
};

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"

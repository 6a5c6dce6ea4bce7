#include "FileListBox.h"
#include "FolderList.h"
#include "LoadedWindows.h"
#include "Project.h"
#include "ProjectCommands.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "Toolkit.h"
#include "frmConvert.h"
#include "frmDialog.h"
#include "frmImport.h"
#include "frmMain.h"
#include "frmProject.h"

#include <QtWidgets>

class ProjectWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir; // shared: each test counts what it adds
    LoadedWindows& m_windows = LoadedWindows::instance();

    static void doubleClick(QListView& list, const QString& name)
    {
        QAbstractItemModel& model = *list.model();
        const QModelIndex entry =
            model.match(model.index(0, 0), 0, name, 1, Qt::MatchExactly).value(0);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(entry).center());
    }
    // The page shown, the two options as the dialog and as the project has them, and whether
    // the dialog is hidden.
    static QString state(const frmDialog& dialog)
    {
        const Project& project = Project::current();
        const auto bit = [](bool on) { return on ? '1' : '0'; };
        return dialog.visiblePage()->objectName() + ' ' + bit(dialog.Option1->isChecked()) +
               bit(dialog.Option2->isChecked()) + ' ' + bit(project.UseRootInfFile()) +
               bit(project.CreateRootInfWithWizard()) + (dialog.isHidden() ? " hidden" : "");
    }

private slots:
    void init()
    {
        for (const char* name : {"main.c", "logo.bmp", "LOGO.BMP"})
            putFile(m_dir.filePath(name), "x");
        QVERIFY(QDir(m_dir.path()).mkpath("sub"));
        NewProject();
        Project::current().setProjectFolder(m_dir.path());
    }

    void explorer()
    {
        Project::current().setFiles({"a.c", "b.c", "c.c", "d.c", "e.c"});
        frmProject& explorer = projectExplorer();
        explorer.show(); // its folder list shows the project folder
        // A right click keeps the selection a pop-up menu acts on.
        explorer.List1->setListIndex(2);
        QTest::mousePress(explorer.List1->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(explorer.List1->ListIndex(), 2);
        QVERIFY(explorer.mnupopup->isVisible());
        explorer.mnupopup->hide();
        QTest::mousePress(explorer.File2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!explorer.mnupopupe->isVisible());
        QTest::mousePress(explorer.File2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(explorer.mnupopupe->isVisible());
        explorer.mnupopupe->hide();

        doubleClick(*explorer.List1, "b.c");
        QCOMPARE(Project::current().Files(), (QStringList{"a.c", "c.c", "d.c", "e.c"}));
        QCOMPARE(explorer.List1->ListIndex(), 1);
        explorer.List1->setListIndex(3);
        explorer.mnuRemove_Click();
        QCOMPARE(explorer.List1->ListIndex(), 2); // the new last one
        explorer.List1->setListIndex(-1);
        explorer.mnuRemove_Click();
        QCOMPARE(Project::current().Files(), (QStringList{"a.c", "c.c", "d.c"}));

        Project::current().setFiles({});
        ScriptedDialogs dialogs;
        dialogs.answerMessage(MsgBoxResult::Cancel);
        for (const char* name : {"main.c", "main.c", "LOGO.BMP", "logo.bmp"})
            doubleClick(*explorer.File2, name);
        QCOMPARE(Project::current().Files(), (QStringList{"main.c", "main.c", "LOGO.BMP"}));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QString("This file must be converted with 2pic before it can be added to the "
                         "project. Convert it now?"));
        QCOMPARE(dialogs.messages[0].buttons, MsgBoxButtons::OkCancel);
        QCOMPARE(m_windows.find<frmConvert>(), nullptr);
        dialogs.answerMessage(MsgBoxResult::Ok);
        explorer.mnuAdd_Click();
        QVERIFY(m_windows.form<frmConvert>().isVisible());
        QCOMPARE(Project::current().Files().size(), 3);
        explorer.mnuImport->trigger();
        QVERIFY(m_windows.form<frmImport>().isVisible());

        // A window system that ignores the size hints cannot change its size (8655 x 5280 twips).
        explorer.windowHandle()->resize(800, 100);
        QCoreApplication::processEvents();
        QCOMPARE(explorer.size(), QSize(577, 352));
        explorer.mnuExita->trigger();
        QVERIFY(explorer.isHidden());
        QCOMPARE(&m_windows.form<frmProject>(), &explorer);
        QCOMPARE(explorer.List1->ListCount(), 3);

        // The folder list follows neither the project folder nor the files in it until asked.
        const int before = explorer.File2->ListCount();
        putFile(m_dir.filePath("later.h"), "x");
        Project::current().setProjectFolder(QDir::tempPath());
        QCOMPARE(explorer.File2->Path(), m_dir.path());
        QCOMPARE(explorer.File2->ListCount(), before);
        explorer.File2->Refresh();
        QCOMPARE(explorer.File2->ListCount(), before + 1);
        for (const QString& path : {QString(), m_dir.filePath("no such folder")}) {
            explorer.File2->setPath(path);
            QCOMPARE(explorer.File2->ListCount(), 0);
        }

        Project::current().setProjectFolder(m_dir.path());
        Project::current().setFiles({"main.c", "logo.pic"});
        explorer.mnuCompile->trigger();
        QCOMPARE(contentOf(m_dir.filePath("make.bat")),
                 QByteArray("@echo off\r\nfiler a logo.pic\r\nvcc main.c filer.list\r\n"));
    }

    void propertiesDialog()
    {
        frmDialog& dialog = m_windows.form<frmDialog>();
        dialog.show();
        QCOMPARE(state(dialog), QString("Frame1 10 10"));
        dialog.windowHandle()->resize(800, 100);
        QCoreApplication::processEvents();
        QCOMPARE(dialog.size(), QSize(407, 208));
        // Labels widened to fit their text stay inside the frame of their page.
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY2(label->geometry().right() < label->parentWidget()->width() - 1,
                     qPrintable(label->objectName()));

        QCOMPARE(dialog.Text3->text(), m_dir.path());
        Project::current().setOutputAppName("demo.app");
        QCOMPARE(dialog.Text2->text(), QString("demo.app"));
        // A single-line box keeps a pasted text up to its first line break.
        QTest::keyClicks(dialog.Text1, "Demo");
        dialog.Text1->setCursorPosition(2);
        Toolkit::ClipboardSetText("x\r\ny\nz");
        QTest::keyClick(dialog.Text1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Project::current().ProjectName(), QString("Dexmo"));
        // Opening a folder in the list sets the path; highlighting one does not.
        dialog.Dir1->setPath(m_dir.path());
        QTest::keyClicks(dialog.Text3, "/typed");
        QCOMPARE(Project::current().ProjectFolder(), m_dir.path() + "/typed");
        QListWidgetItem* sub = dialog.Dir1->findItems("sub", Qt::MatchEndsWith).value(0);
        const QPoint at = dialog.Dir1->visualItemRect(sub).center();
        QTest::mouseClick(dialog.Dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.Text3->text(), m_dir.path() + "/typed");
        QTest::mouseDClick(dialog.Dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.Text3->text(), QDir::toNativeSeparators(m_dir.filePath("sub")));
        QCOMPARE(Project::current().ProjectFolder(), dialog.Text3->text());

        // The page after each click (none: shown again); a click on a selected option keeps it.
        const std::pair<QAbstractButton*, const char*> clicks[] = {
            {dialog.Command3, "Frame4 10 10"}, {dialog.Option2, "Frame3 01 01"},
            {dialog.Command5, "Frame4 01 01"}, {dialog.Command4, "Frame4 01 01 hidden"},
            {nullptr, "Frame4 01 01"},         {dialog.Option1, "Frame4 10 10"},
            {dialog.Option1, "Frame4 10 10"},  {dialog.Command1, "Frame1 10 10"}};
        for (const auto& [button, expected] : clicks) {
            button ? QTest::mouseClick(button, Qt::LeftButton) : dialog.show();
            QCOMPARE(state(dialog), QString(expected));
        }

        // A project opened with the wizard option on turns the hidden dialog to the wizard, also
        // one made after; a new project does not turn the page back.
        m_windows.unload(&dialog);
        const auto open = [path = m_dir.filePath("p.cpf")](const QByteArray& options) {
            putFile(path, "a\r\nb\r\nc\r\n" + options);
            QVERIFY(OpenProject(path));
        };
        open("True\r\nTrue\r\n");
        NewProject();
        frmDialog& made = m_windows.form<frmDialog>();
        QCOMPARE(state(made), QString("Frame3 10 10 hidden"));
        made.Command1_Click();
        open("True\r\nTrue\r\n");
        QCOMPARE(state(made), QString("Frame3 01 01 hidden"));
        open("False\r\nFalse\r\n");
        QCOMPARE(state(made), QString("Frame3 00 00 hidden"));
    }
};

QTEST_MAIN(ProjectWindowsTest)
#include "tst_projectwindows.moc"

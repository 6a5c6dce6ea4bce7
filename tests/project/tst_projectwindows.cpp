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

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QPoint centreOfRow(QListView& list, int row)
{
    return list.visualRect(list.model()->index(row, 0)).center();
}

void doubleClickRow(QListView& list, int row)
{
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(list, row));
}

void doubleClickFile(FileListBox& list, const QString& name)
{
    for (int row = 0; row < list.ListCount(); ++row) {
        if (list.List(row) == name)
            return doubleClickRow(list, row);
    }
    QFAIL(qPrintable("no file " + name));
}

} // namespace

class ProjectWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void explorerRemovesAndAddsFiles();
    void folderListIsReadOnlyWhenAsked();
    void pagesFollowButtonsAndOptions();
    void fieldsAreViewsOfTheProject();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void ProjectWindowsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const char* name : {"main.c", "logo.bmp", "LOGO.BMP"})
        putFile(m_dir->filePath(name), "x");
    NewProject();
    Project::current().setProjectFolder(m_dir->path());
}

void ProjectWindowsTest::explorerRemovesAndAddsFiles()
{
    Project::current().setFiles({"a.c", "b.c", "c.c", "d.c", "e.c"});
    frmProject& explorer = projectExplorer();
    explorer.File2->setPath(m_dir->path());
    explorer.show();
    // A right click shows the menu and keeps the selection; a left click shows none.
    explorer.List1->setListIndex(0);
    QTest::mousePress(explorer.List1->viewport(), Qt::RightButton, {},
                      centreOfRow(*explorer.List1, 2));
    QCOMPARE(explorer.List1->ListIndex(), 0);
    QVERIFY(explorer.mnupopup->isVisible());
    explorer.mnupopup->hide();
    QTest::mousePress(explorer.File2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!explorer.mnupopupe->isVisible());
    QTest::mousePress(explorer.File2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(explorer.mnupopupe->isVisible());
    explorer.mnupopupe->hide();

    doubleClickRow(*explorer.List1, 2);
    QCOMPARE(Project::current().Files(), (QStringList{"a.c", "b.c", "d.c", "e.c"}));
    QCOMPARE(explorer.List1->ListIndex(), 2);
    explorer.List1->setListIndex(3);
    explorer.mnuRemove_Click();
    QCOMPARE(explorer.List1->ListIndex(), 2); // the last one
    explorer.List1->setListIndex(-1);
    explorer.mnuRemove_Click();
    QCOMPARE(Project::current().Files().size(), 3);

    Project::current().setFiles({});
    ScriptedDialogs dialogs;
    doubleClickFile(*explorer.File2, "main.c");
    doubleClickFile(*explorer.File2, "main.c");
    doubleClickFile(*explorer.File2, "LOGO.BMP");
    QCOMPARE(Project::current().Files(), (QStringList{"main.c", "main.c", "LOGO.BMP"}));

    // A bitmap is never added: it is offered for conversion.
    dialogs.answerMessage(MsgBoxResult::Cancel);
    doubleClickFile(*explorer.File2, "logo.bmp");
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text,
             QString("This file must be converted with 2pic before it can be added to the "
                     "project. Convert it now?"));
    QCOMPARE(dialogs.messages[0].buttons, MsgBoxButtons::OkCancel);
    QCOMPARE(LoadedWindows::instance().find<frmConvert>(), nullptr);
    dialogs.answerMessage(MsgBoxResult::Ok);
    explorer.mnuAdd_Click();
    QVERIFY(LoadedWindows::instance().form<frmConvert>().isVisible());
    QCOMPARE(Project::current().Files().size(), 3);
    LoadedWindows::instance().form<frmConvert>().hide();
    explorer.mnuImport->trigger();
    QVERIFY(LoadedWindows::instance().form<frmImport>().isVisible());

    // A window system that ignores the size hints cannot change its size (8655 x 5280 twips).
    explorer.windowHandle()->resize(800, 100);
    QCoreApplication::processEvents();
    QCOMPARE(explorer.size(), QSize(577, 352));

    // Exit only hides: the lists are there again when it is shown.
    explorer.mnuExita->trigger();
    QVERIFY(explorer.isHidden());
    QCOMPARE(&LoadedWindows::instance().form<frmProject>(), &explorer);
    QCOMPARE(explorer.List1->ListCount(), 3);
}

void ProjectWindowsTest::folderListIsReadOnlyWhenAsked()
{
    frmProject& explorer = projectExplorer();
    explorer.File2->setPath(m_dir->path());
    const int before = explorer.File2->ListCount();
    putFile(m_dir->filePath("later.h"), "x");
    Project::current().setProjectFolder(QDir::tempPath());
    QCOMPARE(explorer.File2->Path(), m_dir->path());
    QCOMPARE(explorer.File2->ListCount(), before);
    explorer.File2->Refresh();
    QCOMPARE(explorer.File2->ListCount(), before + 1);

    // Compile Project writes make.bat into the project folder.
    Project::current().setProjectFolder(m_dir->path());
    Project::current().setFiles({"main.c", "logo.pic"});
    explorer.mnuCompile->trigger();
    QCOMPARE(contentOf(m_dir->filePath("make.bat")),
             QByteArray("@echo off\r\nfiler a logo.pic\r\nvcc main.c filer.list\r\n"));

    explorer.File2->setPath("");
    QCOMPARE(explorer.File2->ListCount(), 0);
    explorer.File2->setPath(m_dir->filePath("no such folder"));
    QCOMPARE(explorer.File2->ListCount(), 0);
}

void ProjectWindowsTest::pagesFollowButtonsAndOptions()
{
    frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
    dialog.show();
    QCOMPARE(dialog.visiblePage(), dialog.Frame1);
    dialog.windowHandle()->resize(800, 100);
    QCoreApplication::processEvents();
    QCOMPARE(dialog.size(), QSize(407, 208));
    // Labels widened to fit their text stay inside the frame of their page.
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        QVERIFY(label->geometry().right() < label->parentWidget()->width() - 1);
    QTest::mouseClick(dialog.Command3, Qt::LeftButton);
    QCOMPARE(dialog.visiblePage(), dialog.Frame4);
    QTest::mouseClick(dialog.Option2, Qt::LeftButton);
    QCOMPARE(dialog.visiblePage(), dialog.Frame3);
    QVERIFY(dialog.Option2->isChecked() && !dialog.Option1->isChecked());
    QTest::mouseClick(dialog.Command5, Qt::LeftButton);
    QCOMPARE(dialog.visiblePage(), dialog.Frame4);
    QVERIFY(dialog.Option2->isChecked());
    QTest::mouseClick(dialog.Command4, Qt::LeftButton);
    QVERIFY(dialog.isHidden());
    dialog.show();
    QCOMPARE(dialog.visiblePage(), dialog.Frame4);
    // Selecting the other option leaves the page; clicking a selected one keeps it selected.
    QTest::mouseClick(dialog.Option1, Qt::LeftButton);
    QTest::mouseClick(dialog.Option1, Qt::LeftButton);
    QCOMPARE(dialog.visiblePage(), dialog.Frame4);
    QVERIFY(dialog.Option1->isChecked() && !dialog.Option2->isChecked());
    QVERIFY(Project::current().UseRootInfFile());
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QCOMPARE(dialog.visiblePage(), dialog.Frame1);

    // A project opened with the wizard option on turns the hidden dialog to the wizard, also
    // one made after; a new project does not turn the page back.
    LoadedWindows::instance().unload(&dialog);
    const QString path = m_dir->filePath("p.cpf");
    putFile(path, "a\r\nb\r\nc\r\nTrue\r\nTrue\r\n");
    ScriptedDialogs dialogs;
    QVERIFY(OpenProject(path));
    NewProject();
    frmDialog& made = LoadedWindows::instance().form<frmDialog>();
    QCOMPARE(made.visiblePage(), made.Frame3);
    QVERIFY(made.Option1->isChecked());
    made.Command1_Click();
    QVERIFY(OpenProject(path));
    QVERIFY(made.isHidden());
    QCOMPARE(made.visiblePage(), made.Frame3);
    QVERIFY(made.Option2->isChecked() && !made.Option1->isChecked());
    putFile(path, "a\r\nb\r\nc\r\nFalse\r\nFalse\r\n");
    QVERIFY(OpenProject(path));
    QVERIFY(!made.Option1->isChecked() && !made.Option2->isChecked());
    QCOMPARE(made.visiblePage(), made.Frame3);
}

void ProjectWindowsTest::fieldsAreViewsOfTheProject()
{
    frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
    dialog.show();
    QCOMPARE(dialog.Text3->text(), m_dir->path());
    QTest::keyClicks(dialog.Text1, "Demo");
    QCOMPARE(Project::current().ProjectName(), QString("Demo"));
    Project::current().setOutputAppName("demo.app");
    QCOMPARE(dialog.Text2->text(), QString("demo.app"));
    // A single-line box keeps a pasted text up to its first line break.
    dialog.Text1->setCursorPosition(2);
    Toolkit::ClipboardSetText("x\r\ny\nz");
    QTest::keyClick(dialog.Text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Project::current().ProjectName(), QString("Dexmo"));

    // Opening a folder in the list sets the path; highlighting one does not.
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QDir(m_dir->path()).mkdir("sub");
    dialog.Dir1->setPath(QDir::tempPath());
    dialog.Dir1->setPath(m_dir->path());
    QTest::keyClicks(dialog.Text3, "/typed");
    QCOMPARE(Project::current().ProjectFolder(), m_dir->path() + "/typed");
    QListWidgetItem* sub = dialog.Dir1->findItems("sub", Qt::MatchEndsWith).value(0);
    QVERIFY(sub != nullptr);
    const QPoint at = dialog.Dir1->visualItemRect(sub).center();
    QTest::mouseClick(dialog.Dir1->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(dialog.Text3->text(), m_dir->path() + "/typed");
    QTest::mouseDClick(dialog.Dir1->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(dialog.Text3->text(), QDir::toNativeSeparators(m_dir->filePath("sub")));
    QCOMPARE(Project::current().ProjectFolder(), dialog.Text3->text());
}

QTEST_MAIN(ProjectWindowsTest)
#include "tst_projectwindows.moc"

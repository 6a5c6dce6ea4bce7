#include "app/FileListBox.h"
#include "app/FolderList.h"
#include "app/LoadedWindows.h"
#include "import/frmConvert.h"
#include "import/frmImport.h"
#include "project/Project.h"
#include "project/frmProject.h"
#include "support/FakeWine.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

void selectFile(FileListBox& list, const QString& name)
{
    for (int row = 0; row < list.ListCount(); ++row) {
        if (list.List(row) == name)
            list.setListIndex(row);
    }
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void convertWritesAndStartsTheScript();
    void convertRefusesWhatCannotWork();
    void importReplacesAndRereadsTheExplorer();
    void importFailuresAreReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
};

void ImportTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_previousFolder = QDir::currentPath();
    QDir(m_dir->path()).mkdir("work");
    QDir(m_dir->path()).mkdir("proj");
    QDir::setCurrent(m_dir->filePath("work"));
    putFile(m_dir->filePath("proj/logo.bmp"), "BM");
    Project::current().setFiles({});
    Project::current().setProjectFolder(m_dir->filePath("proj"));
}

void ImportTest::cleanup()
{
    QDir::setCurrent(m_previousFolder);
}

void ImportTest::convertWritesAndStartsTheScript()
{
    FakeWine wine;
    ScriptedDialogs dialogs;
    frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
    convert.show();
    QCOMPARE(convert.File1->Path(), m_dir->filePath("proj"));
    selectFile(*convert.File1, "logo.bmp");
    convert.Text1->setText("logo");
    QTest::mouseClick(convert.Command1, Qt::LeftButton);
    const QString project = m_dir->filePath("proj");
    QCOMPARE(contentOf("2piclaunch.bat"), "@echo off\r\n2pic " + QFile::encodeName(project) +
                                              "/logo " + QFile::encodeName(project) +
                                              "/logo.bmp\r\n");
    QCOMPARE(wine.waitForRun().mid(2), (QStringList{"cmd", "/c", "2piclaunch.bat"}));
    QCOMPARE(Project::current().Files(), QStringList{"logo"});
    QVERIFY(convert.isHidden());
    QCOMPARE(dialogs.messages.size(), 0);

    // Again with the same inputs: a second, equal entry. A folder with a blank is quoted.
    convert.show();
    QDir(m_dir->path()).rename("proj", "my proj");
    Project::current().setProjectFolder(m_dir->filePath("my proj"));
    selectFile(*convert.File1, "logo.bmp");
    convert.Command1_Click();
    QCOMPARE(contentOf("2piclaunch.bat"),
             "@echo off\r\n2pic \"" + QFile::encodeName(m_dir->filePath("my proj")) + "/logo\" \"" +
                 QFile::encodeName(m_dir->filePath("my proj")) + "/logo.bmp\"\r\n");
    QCOMPARE(Project::current().Files(), (QStringList{"logo", "logo"}));

    // Cancel writes nothing and adds nothing.
    QFile::remove("2piclaunch.bat");
    convert.show();
    QTest::mouseClick(convert.Command2, Qt::LeftButton);
    QVERIFY(convert.isHidden());
    QVERIFY(!QFile::exists("2piclaunch.bat"));
    QCOMPARE(Project::current().Files().size(), 2);
}

void ImportTest::convertRefusesWhatCannotWork()
{
    ScriptedDialogs dialogs;
    frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
    convert.show();
    convert.Text1->setText("logo");
    convert.File1->setListIndex(-1);
    convert.Command1_Click(); // no bitmap selected
    selectFile(*convert.File1, "logo.bmp");
    convert.Text1->setText("");
    convert.Command1_Click(); // no name
    convert.Text1->setText("logo");
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir->path()));
        convert.Command1_Click(); // nothing can run the script
        qputenv("PATH", path);
    }
    QCOMPARE(dialogs.messages.size(), 3);
    QVERIFY(dialogs.messages[2].text.contains("2piclaunch.bat"));
    QCOMPARE(Project::current().Files(), QStringList{});
    QVERIFY(convert.isVisible());
    convert.hide();
}

void ImportTest::importReplacesAndRereadsTheExplorer()
{
    frmProject& explorer = LoadedWindows::instance().form<frmProject>();
    explorer.File2->setPath(m_dir->filePath("proj"));
    putFile(m_dir->filePath("work/util.c"), "new");
    putFile(m_dir->filePath("work/other.h"), "h");
    putFile(m_dir->filePath("proj/other.h"), "old");

    ScriptedDialogs dialogs;
    frmImport& import = LoadedWindows::instance().form<frmImport>();
    import.show();
    QCOMPARE(import.Dir1->Path(), QDir::toNativeSeparators(m_dir->filePath("work")));
    QVERIFY(!import.Command1->isEnabled());
    selectFile(*import.File1, "util.c");
    QVERIFY(import.Command1->isEnabled());
    QTest::mouseClick(import.Command1, Qt::LeftButton);
    QCOMPARE(contentOf(m_dir->filePath("proj/util.c")), QByteArray("new"));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QString("File Imported!"));
    QVERIFY(import.isHidden());
    QVERIFY(explorer.File2->model()
                ->match(explorer.File2->model()->index(0, 0), Qt::DisplayRole, "util.c")
                .size() == 1);
    QCOMPARE(Project::current().Files(), QStringList{});

    // Shown again as it was left; a file of the same name is replaced.
    import.show();
    QCOMPARE(import.File1->FileName(), QString("util.c"));
    selectFile(*import.File1, "other.h");
    import.Command1_Click();
    QCOMPARE(contentOf(m_dir->filePath("proj/other.h")), QByteArray("h"));
}

void ImportTest::importFailuresAreReported()
{
    putFile(m_dir->filePath("work/util.c"), "new");
    ScriptedDialogs dialogs;
    frmImport& import = LoadedWindows::instance().form<frmImport>();
    import.Dir1->setPath(m_dir->filePath("work"));
    import.show();
    selectFile(*import.File1, "util.c");

    Project::current().setProjectFolder("");
    import.Command1_Click();
    const QString missing = m_dir->filePath("gone");
    Project::current().setProjectFolder(missing);
    import.Command1_Click();
    QCOMPARE(dialogs.messages.size(), 2);
    QVERIFY(dialogs.messages[0].text.contains("no folder"));
    QVERIFY(dialogs.messages[1].text.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(import.isVisible());
    import.hide();
}

QTEST_MAIN(ImportTest)
#include "tst_import.moc"

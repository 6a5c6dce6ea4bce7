#include "ConvertScript.h"
#include "FakeWine.h"
#include "FileListBox.h"
#include "FolderList.h"
#include "LoadedWindows.h"
#include "MakeBat.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TextFile.h"
#include "frmConvert.h"
#include "frmDialog.h"
#include "frmImport.h"
#include "frmProject.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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
    void convertWritesAndStartsTheScriptOrRefuses();
    void importReplacesAndRereadsTheExplorerOrRefuses();
    void failedWritesKeepTheOldFile();
    void generatedFilesReplaceALink();

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

void ImportTest::convertWritesAndStartsTheScriptOrRefuses()
{
    FakeWine wine;
    ScriptedDialogs dialogs;
    frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
    convert.show();
    QCOMPARE(convert.File1->Path(), m_dir->filePath("proj"));
    selectFile(*convert.File1, "logo.bmp");
    convert.Text1->setText("logo");
    QTest::mouseClick(convert.Command1, Qt::LeftButton);
    // Its tools read the project folder as Wine names it.
    const QByteArray folder = "Z:" + QFile::encodeName(m_dir->path()).replace('/', '\\');
    QCOMPARE(contentOf("2piclaunch.bat"),
             "@echo off\r\n2pic " + folder + "\\proj\\logo " + folder + "\\proj\\logo.bmp\r\n");
    QCOMPARE(wine.waitForRun().mid(2),
             (QStringList{"2piclaunch.bat", "cmd", "/c", "%LARKSPAN_COMMAND%"}));
    QCOMPARE(Project::current().Files(), QStringList{"logo"});
    QVERIFY(convert.isHidden());
    QCOMPARE(dialogs.messages.size(), 0);

    // Again with the same inputs: a second, equal entry.
    convert.show();
    QDir(m_dir->path()).rename("proj", "my proj");
    Project::current().setProjectFolder(m_dir->filePath("my proj"));
    selectFile(*convert.File1, "logo.bmp");
    convert.Command1_Click();
    QCOMPARE(Project::current().Files(), (QStringList{"logo", "logo"}));

    // Cancel writes nothing and adds nothing.
    QFile::remove("2piclaunch.bat");
    convert.show();
    QTest::mouseClick(convert.Command2, Qt::LeftButton);
    QVERIFY(convert.isHidden());
    QVERIFY(!QFile::exists("2piclaunch.bat"));

    // Refused: nothing added, the form stays open.
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
    QVERIFY(dialogs.messages[2].text.startsWith("Cannot start \"" + m_dir->filePath("work")));
    // A script that cannot be written, and a project folder that is gone.
    QVERIFY(QFile::remove("2piclaunch.bat"));
    QVERIFY(QDir().mkdir("2piclaunch.bat"));
    convert.Command1_Click();
    QVERIFY(dialogs.messages[3].text.startsWith("Cannot write \"" +
                                                m_dir->filePath("work/2piclaunch.bat\": ")));
    QDir().rmdir("2piclaunch.bat");
    qputenv("LC_ALL", "C.UTF-8");
    convert.Text1->setText("5\u20ac"); // not in the interpreter's code page: nothing is written
    convert.Command1_Click();
    QVERIFY2(dialogs.messages[4].text.contains("U+20AC"), qPrintable(dialogs.messages[4].text));
    QVERIFY(!QFile::exists("2piclaunch.bat"));
    Project::current().setProjectFolder(m_dir->filePath("gone"));
    convert.Command1_Click();
    QVERIFY(dialogs.messages[5].text.contains(m_dir->filePath("gone")));
    QCOMPARE(dialogs.messages.size(), 6);
    QCOMPARE(Project::current().Files(), (QStringList{"logo", "logo"}));
    // A relative project folder is taken from the working folder.
    QCOMPARE(
        convertScriptLines("proj", "logo", "").last(),
        QString("2pic Z:" + m_dir->filePath("work/proj/logo Z:") + m_dir->filePath("work/proj/"))
            .replace('/', '\\'));
    QVERIFY(convert.isVisible());
    convert.hide();
}

void ImportTest::importReplacesAndRereadsTheExplorerOrRefuses()
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

    // Refused without a project folder, or with a missing one; the form stays open.
    import.show();
    Project::current().setProjectFolder("");
    import.Command1_Click();
    const QString missing = m_dir->filePath("gone");
    Project::current().setProjectFolder(missing);
    import.Command1_Click();
    QCOMPARE(dialogs.messages.size(), 4);
    QVERIFY(dialogs.messages[2].text.contains("no folder"));
    QVERIFY(dialogs.messages[3].text.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(import.isVisible());

    // Closed by its title bar, it is made afresh at the current folder.
    import.Dir1->setPath(m_dir->path());
    import.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(LoadedWindows::instance().find<frmImport>(), nullptr);
    QCOMPARE(LoadedWindows::instance().form<frmImport>().Dir1->Path(),
             QDir::toNativeSeparators(m_dir->filePath("work")));
}

void ImportTest::failedWritesKeepTheOldFile()
{
    // A file-size limit makes the disk look full half-way through the copy, also where it
    // replaces a link; and no file can be made under a path through a file.
    const QString source = m_dir->filePath("work/big.c");
    const QString target = m_dir->filePath("proj/big.c");
    const QString link = m_dir->filePath("proj/link.c");
    putFile(source, QByteArray(4096, 'n'));
    putFile(target, "old");
    QVERIFY(QFile::link(target, link));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    getrlimit(RLIMIT_FSIZE, &previousLimit);
    rlimit limit = previousLimit;
    limit.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &limit);
    const QString copied = copyReplacing(source, target).reason();
    const QString linked = copyReplacing(source, link).reason();
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY2(copied.endsWith("(\"" + target + "\")"), qPrintable(copied));
    QVERIFY2(linked.endsWith("(\"" + link + "\")"), qPrintable(linked));
    QVERIFY(!writeTextLines(target + "/make.bat", {"@echo off"}));
    QCOMPARE(contentOf(target), QByteArray("old"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QDir(m_dir->filePath("proj")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"big.c", "link.c", "logo.bmp"}));
}

// What a link at a generated file's path points to is never written.
void ImportTest::generatedFilesReplaceALink()
{
    FakeWine wine;
    ScriptedDialogs dialogs;
    QVERIFY(QDir(m_dir->path()).mkdir("outside"));
    putFile(m_dir->filePath("outside/keep"), "kept");
    putFile(m_dir->filePath("work/util.c"), "new");
    // Links to a file, to a folder and to nothing.
    const QStringList paths{"proj/make.bat", "proj/root.inf", "work/2piclaunch.bat", "proj/util.c"};
    const QStringList targets{"outside/keep", "outside", "outside/none", "outside/keep"};
    for (int i = 0; i < paths.size(); ++i)
        QVERIFY(QFile::link(m_dir->filePath(targets[i]), m_dir->filePath(paths[i])));

    QVERIFY(WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files()));
    LoadedWindows::instance().form<frmDialog>().Command6_Click();
    frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
    selectFile(*convert.File1, "logo.bmp");
    convert.Text1->setText("logo");
    convert.Command1_Click();
    QVERIFY(copyReplacing(m_dir->filePath("work/util.c"), m_dir->filePath("proj/util.c")));
    for (const QString& path : paths) {
        const QFileInfo written(m_dir->filePath(path));
        QVERIFY2(written.isFile() && !written.isSymLink(), qPrintable(path));
    }
    QCOMPARE(contentOf(m_dir->filePath("outside/keep")), QByteArray("kept"));
    QCOMPARE(QDir(m_dir->filePath("outside")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"keep"});
}

QTEST_MAIN(ImportTest)
#include "tst_import.moc"

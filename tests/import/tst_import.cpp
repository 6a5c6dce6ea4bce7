#include "ConvertScript.h"
#include "FakeWine.h"
#include "FileListBox.h"
#include "FileSync.h"
#include "FolderList.h"
#include "LoadedWindows.h"
#include "MakeBat.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "TextFile.h"
#include "frmConvert.h"
#include "frmDialog.h"
#include "frmImport.h"
#include "frmMain.h"
#include "frmProject.h"
#include "modShellExec.h"

#include <QtWidgets>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

void selectFile(FileListBox& list, const QString& name)
{
    const QAbstractItemModel& files = *list.model();
    list.setListIndex(
        files.match(files.index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly).value(0).row());
}

// Shown or hidden, the project's files, the message count, and whether the script exists.
QString state(const QWidget& form, const ScriptedDialogs& dialogs)
{
    return QString("%1 [%2] %3 messages%4")
        .arg(form.isVisible() ? "shown" : "hidden", Project::current().Files().join(", "))
        .arg(dialogs.messages.size())
        .arg(QFile::exists("2piclaunch.bat") ? ", script" : "");
}

} // namespace

// Text files, and the forms that import and convert files into the project.
class ImportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        qputenv("LC_ALL", "C.UTF-8");
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkdir("work");
        QDir(m_dir->path()).mkdir("proj");
        QDir::setCurrent(m_dir->filePath("work"));
        putFile(m_dir->filePath("proj/logo.bmp"), "BM");
        Project::current().setFiles({});
        Project::current().setProjectFolder(m_dir->filePath("proj"));
    }

    void linesEndInCrLfAndEveryByteComesBack()
    {
        QVERIFY(writeTextLines("lines.txt", {"@echo off", "", "caf\u00e9 \u20ac"}));
        QCOMPARE(contentOf("lines.txt"), QByteArray("@echo off\r\n\r\ncaf\xe9 \x80\r\n"));

        // A character the page cannot store, even beyond the basic plane, is named whole; no write.
        const QString emoji = writeTextLines("lines.txt", {"a\r\nb\r\nc \U0001F600"}).reason();
        QVERIFY2(emoji.contains("line 3") && emoji.contains("U+1F600"), qPrintable(emoji));
        QCOMPARE(contentOf("lines.txt"), QByteArray("@echo off\r\n\r\ncaf\xe9 \x80\r\n"));

        // Wine takes LC_ALL even where that locale is not installed, and so do the files: every
        // byte comes back unchanged, read in the locale's ANSI page (here the bytes 0x80, 0xC1).
        // Windows takes its pages from the system's settings: the tests run in 1252 and 437.
        const QStringList rows{"C 1252/437 \u20ac\u00c1", // not Latin-1
#ifndef Q_OS_WIN
                               "de_BE@euro 1252/437 \u20ac\u00c1", // a territory Wine does not know
                               "RU_ru.KOI8-R 1251/866 \u0402\u0411", // case ignored
                               "el_GR.UTF-8 1253/737 \u20ac\u0391",  // with holes
                               "th_TH.UTF-8 874/874 \u20ac\u0e21"
#endif
        };
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        putFile("in.txt", all);
        for (const QString& row : rows) {
            const QString locale = row.section(' ', 0, 0);
            qputenv("LC_ALL", locale.toUtf8());
            const CodePageNumbers pages{CodePage::current(CodePage::Ansi).number(),
                                        CodePage::current(CodePage::Oem).number()};
            const Result<QString> text = readTextFile("in.txt");
            QVERIFY2(text && writeTextLines("out.txt", {*text}), qPrintable(row + text.reason()));
            QCOMPARE(locale + QString::asprintf(" %d/%d ", pages.ansi, pages.oem) + text->at(0x80) +
                         text->at(0xC1),
                     row);
            QVERIFY2(contentOf("out.txt") == all + "\r\n", qPrintable(row));
        }
        // Where the locale loads, LC_ALL comes before LC_CTYPE, and that before LANG ("-": unset).
        QStringList set, found;
        const QByteArrayList names{"LC_ALL", "LC_CTYPE", "LANG"};
        const auto variable = [&](const char* name) {
            return set.value(names.indexOf(name)).remove('-');
        };
        for (const char* row :
             {"el ru th loads", "- ru th loads", "- - th loads", "el ru th -", "- C th loads"})
            set = QString(row).split(' '), found << localeForCodePages(variable, set[3] == "loads");
        QCOMPARE(found, QStringList({"el", "ru", "th", "el", ""}));
    }

    // Reading never waits on a pipe nor runs on without end, and Save never replaces one: each
    // command tells why, naming the file; the file lists leave out what they cannot take. A
    // generated or copied file replaces a link at its path, never the link's target.
    void onlyRegularFilesAreTaken()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has no pipes, devices or links among a folder's files");
#else
        QCOMPARE(mkfifo("pipe", 0600), 0);
        putFile("plain", "x");
        QVERIFY(QFile::link("plain", "plain link") && QFile::link("pipe", "pipe link"));
        QVERIFY(QFile::link("/dev/zero", "device link"));
        FileListBox list;
        list.setPath(QDir::currentPath());
        QCOMPARE(list.ListCount(), 2); // plain, plain link
        ScriptedDialogs dialogs;
        frmMain main;
        for (const QString name : {"missing.cpf", "pipe", "pipe link", "device link"}) {
            const QString path = QDir().absoluteFilePath(name);
            const QString why = readTextFile(path).reason();
            QVERIFY2(name == "missing.cpf" ? !why.isEmpty() : why == "it is not a regular file",
                     qPrintable(path + ": " + why));
            QCOMPARE(copyReplacing(path, "copy").reason(), why + " (\"" + path + "\")");
            dialogs.messages.clear();
            dialogs.answerFile(path);
            dialogs.answerFile(path);
            dialogs.answerFile(name.startsWith("pipe") ? path : QString()); // a device: the host's
            main.mnuFileOpenProject_Click();
            main.mnuFileOpen_Click();
            main.mnuFileSaveAs_Click();
            QCOMPARE(dialogs.messages.value(0).text,
                     "Cannot open the project \"" + path + "\": " + why);
            QCOMPARE(dialogs.messages.value(1).text, "Cannot read \"" + path + "\": " + why);
            if (name.startsWith("pipe"))
                QCOMPARE(dialogs.messages.value(2).text, "Cannot write \"" + path + "\": " + why);
        }

        // Links to a file, to a folder and to nothing at the paths of generated and copied files.
        const FakeWine wine;
        QVERIFY(QDir(m_dir->path()).mkdir("outside"));
        putFile(m_dir->filePath("outside/keep"), "kept");
        const QMap<QString, QString> links{{"proj/make.bat", "outside/keep"},
                                           {"proj/root.inf", "outside"},
                                           {"work/2piclaunch.bat", "outside/none"},
                                           {"proj/util.c", "outside/keep"}};
        for (const auto& [at, to] : links.asKeyValueRange())
            QVERIFY(QFile::link(m_dir->filePath(to), m_dir->filePath(at)));
        QVERIFY(WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files()));
        LoadedWindows::instance().form<frmDialog>().Command6_Click();
        frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
        selectFile(*convert.File1, "logo.bmp");
        convert.Text1->setText("logo");
        convert.Command1_Click();
        QVERIFY(copyReplacing("plain", m_dir->filePath("proj/util.c")));
        for (const QString& at : links.keys()) {
            const QFileInfo written(m_dir->filePath(at));
            QVERIFY2(written.isFile() && !written.isSymLink(), qPrintable(at));
        }
        QCOMPARE(contentOf(m_dir->filePath("outside/keep")), QByteArray("kept"));
        QCOMPARE(
            QDir(m_dir->filePath("outside")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{"keep"});
#endif
    }

    void convertWritesAndStartsTheScriptOrRefuses()
    {
        const FakeWine wine;
        ScriptedDialogs dialogs;
        frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
        convert.show();
        selectFile(*convert.File1, "logo.bmp"); // only the project folder holds it
        convert.Text1->setText("logo");
        QTest::mouseClick(convert.Command1, Qt::LeftButton);
        // Its tools read the project folder as Windows names it, or Wine here.
#ifdef Q_OS_WIN
        const QByteArray folder = QFile::encodeName(QDir::toNativeSeparators(m_dir->path()));
#else
        const QByteArray folder = "Z:" + QFile::encodeName(m_dir->path()).replace('/', '\\');
#endif
        QCOMPARE(contentOf("2piclaunch.bat"),
                 "@echo off\r\n2pic " + folder + "\\proj\\logo " + folder + "\\proj\\logo.bmp\r\n");
        QCOMPARE(ShellOpenFile("missing.bat", "", ""), 2); // the shell's "file not found"

        // Again with the same inputs: a second, equal entry.
        convert.show();
        QDir(m_dir->path()).rename("proj", "my proj");
        Project::current().setProjectFolder(m_dir->filePath("my proj"));
        selectFile(*convert.File1, "logo.bmp");
        convert.Command1_Click();
        QCOMPARE(state(convert, dialogs), "hidden [logo, logo] 0 messages, script");

        // Refused: nothing added, the form stays open.
        const auto refusal = [&] {
            convert.Command1_Click();
            return dialogs.messages.value(dialogs.messages.size() - 1).text;
        };
        convert.show();
        convert.File1->setListIndex(-1);
        QCOMPARE(refusal(), "Cannot convert: no bitmap is selected.");
        selectFile(*convert.File1, "logo.bmp");
        convert.Text1->setText("");
        QCOMPARE(refusal(), "Cannot convert: type the name of the converted file under \"To\".");
        convert.Text1->setText("logo");
        const QString script = QDir::toNativeSeparators(m_dir->filePath("work/2piclaunch.bat"));
        int messages = 5;
#ifndef Q_OS_WIN // Windows runs batch files itself
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir->path()));
        QCOMPARE(refusal(),
                 "Cannot start \"" + script +
                     "\": no program was found to run it (a batch file needs Wine here).");
        qputenv("PATH", path);
        ++messages;
#endif
        // A script that cannot be written, and a project folder that is gone.
        QVERIFY(QFile::remove(script) && QDir().mkdir(script));
        QVERIFY(refusal().startsWith("Cannot write \"" + script + "\": "));
        QDir().rmdir(script);
        convert.Text1->setText("5\u20ac"); // not in the interpreter's code page: nothing is written
        QCOMPARE(refusal(), "Cannot write \"" + script +
                                "\": line 2 holds the character \"\u20ac\" (U+20AC), which the "
                                "code page OEM 437 cannot store");
        Project::current().setProjectFolder(m_dir->filePath("gone"));
        QCOMPARE(refusal(), "Cannot convert: the project folder \"" +
                                QDir::toNativeSeparators(m_dir->filePath("gone")) +
                                "\" does not exist.");
        QCOMPARE(state(convert, dialogs), QString("shown [logo, logo] %1 messages").arg(messages));
        // A relative project folder is taken from the working folder.
        const QString dos = QString::fromUtf8(folder + "\\work\\proj\\");
        QCOMPARE(convertScriptLines("proj", "logo", "").last(), "2pic " + dos + "logo " + dos);
        convert.hide();
    }

    void importReplacesAndRereadsTheExplorerOrRefuses()
    {
        frmProject& explorer = LoadedWindows::instance().form<frmProject>();
        explorer.File2->setPath(m_dir->filePath("proj"));
        putFile("util.c", "new");
        putFile("other.h", "h");
        putFile(m_dir->filePath("proj/other.h"), "old");

        ScriptedDialogs dialogs;
        frmImport& import = LoadedWindows::instance().form<frmImport>();
        import.show();
        QVERIFY(!import.Command1->isEnabled());
        selectFile(*import.File1, "util.c");
        QTest::mouseClick(import.Command1, Qt::LeftButton);
        QCOMPARE(contentOf(m_dir->filePath("proj/util.c")), QByteArray("new"));
        QCOMPARE(state(import, dialogs), "hidden [] 1 messages");
        QCOMPARE(dialogs.messages[0].text, QString("File Imported!"));
        const QAbstractItemModel& listed = *explorer.File2->model();
        QCOMPARE(listed.match(listed.index(0, 0), Qt::DisplayRole, "util.c").size(), 1);

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
        QCOMPARE(dialogs.messages.value(2).text, "Cannot import \"other.h\": the project has no "
                                                 "folder. Choose one in Project Properties.");
        const QString missing = m_dir->filePath("gone");
        Project::current().setProjectFolder(missing);
        import.Command1_Click();
        QVERIFY(dialogs.messages.value(3).text.contains(QDir::toNativeSeparators(missing)));
        QCOMPARE(state(import, dialogs), "shown [] 4 messages");

        // Closed by its title bar, it is made afresh at the current folder.
        import.Dir1->setPath(m_dir->path());
        import.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(LoadedWindows::instance().form<frmImport>().Dir1->Path(),
                 QDir::toNativeSeparators(m_dir->filePath("work")));
    }

    // A failed write keeps the old file; a write replaces a link at its path, never its target.
    void writesKeepTheOldFileAndReplaceALink()
    {
        const QString target = m_dir->filePath("proj/big.c");
        putFile("new.c", "new");
#ifdef Q_OS_WIN
        // A read-only file is refused as on Linux, and so is one another program holds open
        // (as Qt opens files, not sharing their deletion); the old file stays, the user is told.
        putFile(target, "old");
        QFile held(target);
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner) && held.open(QIODevice::ReadOnly));
        QVERIFY(copyReplacing("new.c", target).reason().startsWith("Existing file"));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(copyReplacing("new.c", target).reason(),
                 "Access denied. (\"" + QDir::toNativeSeparators(target) + "\")");
        held.close();
        QVERIFY(copyReplacing("new.c", target) && contentOf(target) == "new");
        QVERIFY(!writeTextLines(target + "/make.bat", {"@echo off"}));
#else
        // The new file is on the disk before it takes the old one's place, by either way of
        // replacing; a rename over a link that fails leaves the link and says so.
        FileSyncCalls& calls = fileSyncCalls();
        const FileSyncCalls system = calls;
        const auto restore = qScopeGuard([&] { calls = system; });
        QStringList seen;
        QString renameFails;
        calls.syncToDisk = [&](QFileDevice& file) {
            return seen << "sync", system.syncToDisk(file);
        };
        calls.rename = [&](const QString& from, const QString& to) {
            seen.append("rename to " + QFileInfo(to).fileName());
            return renameFails.isEmpty() ? system.rename(from, to) : Failure{renameFails};
        };

        // A file-size limit makes the disk look full half-way through the copy, also where it
        // replaces a link; and no file can be made under a path through a file.
        const QString link = m_dir->filePath("proj/link.c");
        putFile("big.c", QByteArray(4096, 'n'));
        putFile(target, "old");
        QVERIFY(QFile::link(target, link));
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previousLimit{};
        getrlimit(RLIMIT_FSIZE, &previousLimit);
        const rlimit limit{1000, previousLimit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        const QString copied = copyReplacing("big.c", target).reason();
        const QString linked = copyReplacing("big.c", link).reason();
        setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY2(copied.endsWith("(\"" + target + "\")"), qPrintable(copied));
        QVERIFY2(linked.endsWith("(\"" + link + "\")"), qPrintable(linked));
        QVERIFY(!writeTextLines(target + "/make.bat", {"@echo off"}));
        renameFails = "No space left on device";
        QCOMPARE(copyReplacing("new.c", link).reason(), renameFails + " (\"" + link + "\")");
        QCOMPARE(contentOf(target), QByteArray("old"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QDir(m_dir->filePath("proj")).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"big.c", "link.c", "logo.bmp"}));
        renameFails.clear();
        QVERIFY(copyReplacing("new.c", link) && copyReplacing("new.c", target));
        QCOMPARE(seen,
                 QStringList({"sync", "rename to link.c", "sync", "rename to link.c", "sync"}));
#endif
    }
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"

#include "BatchArgument.h"
#include "FileListBox.h"
#include "LoadedWindows.h"
#include "MakeBat.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TextBox.h"
#include "TextFile.h"
#include "frmConvert.h"
#include "modShellExec.h"

// The batch files in Wine's interpreter: every name reaches the kit's tools as it was given.
class RealWineTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_project = m_dir.filePath("a&b (1) 50% !x! ^c=d;e,f");
    QProcess m_server;

    // What a stand-in's C runtime made of its command line (the log's first line).
    static QStringList argumentsIn(const QString& log) { return takeLog(log, 60'000).mid(1); }

private slots:
    void initTestCase()
    {
        // Also the vcc a script outside the project runs.
        const QString standin = m_dir.filePath("vcc.exe");
#ifdef Q_OS_WIN
        QVERIFY(QFile::copy(STANDIN_EXE, standin));
#else
        // -2: see scripts/setup.sh.
        const QStringList arguments{"-municode", "-o", standin, STANDIN_SOURCE};
        QCOMPARE(QProcess::execute("x86_64-w64-mingw32-gcc", arguments), 0);
        // A prefix of its own, without the installers and menu entries Wine would make.
        qputenv("WINEPREFIX", QFile::encodeName(m_dir.filePath("prefix")));
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml,winemenubuilder.exe=");
        qunsetenv("DISPLAY");
        // A server that stays spares each run Wine's start; the first run makes the prefix (slow).
        m_server.start("wineserver", {"-f", "-p"});
        QCOMPARE(QProcess::execute("wine", {"cmd", "/c", "exit"}), 0);
#endif

        QVERIFY(QDir().mkpath(m_project));
        for (const char* tool : {"/vcc.exe", "/filer.exe", "/2pic.exe"})
            QVERIFY(QFile::copy(standin, m_project + tool));
        putFile(m_project + "/logo.bmp", "BM");
        QDir::setCurrent(m_project);
        Project::current().setProjectFolder(m_project);
    }

    // Its Wine processes end with the server; should it stay, ~QProcess kills it by its id.
    void cleanupTestCase()
    {
        QProcess::execute("wineserver", {"-k"});
    } // none on Windows

    void scriptsHandOnTheNames_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks & | < > ^ ( ) , ; = % ! quotes")
            << QByteArray("C.UTF-8")
            << "my  logo & b|c<d>e x^y (1) a,b;c=d 100% %PATH% x% wow! "
               "!PATH! \"q\" & \"x\" y";
        QTest::newRow("caf\u00e9, 437") << QByteArray("C.UTF-8") << "caf\u00e9";
        QTest::newRow("na\u00efve, 850") << QByteArray("de_DE.UTF-8") << "na\u00efve";
        QTest::newRow("Cyrillic, 866")
            << QByteArray("ru_RU.UTF-8") << "\u041f\u0440\u0438 \u043c\u0438\u0440";
        QTest::newRow("Greek, 737") << QByteArray("el_GR.UTF-8") << "\u039a\u03b1\u03bb\u03ac";
    }

    void scriptsHandOnTheNames()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, name);
#ifdef Q_OS_WIN
        // The tests run in the pages 1252 and 437; Windows sets its pages before a program starts.
        if (locale != "C.UTF-8")
            QSKIP("Windows takes its code pages from the system's settings, not from LC_ALL");
#endif
        qputenv("LC_ALL", locale);
        ScriptedDialogs dialogs;
        Project::current().setFiles({name + ".c", name + ".pic"});
        QVERIFY(WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files()));
        // The program never starts make.bat; the user does, as the program starts 2piclaunch.bat.
        QVERIFY(ShellOpenFile(joinPath(m_project, "make.bat"), m_project, "") > 32);
        QCOMPARE(argumentsIn(m_project + "/vcc.log"), (QStringList{name + ".c", "filer.list"}));
        QCOMPARE(argumentsIn(m_project + "/filer.log"), (QStringList{"a", name + ".pic"}));

        frmConvert& convert = LoadedWindows::instance().form<frmConvert>();
        convert.File1->setListIndex(0); // logo.bmp
        convert.Text1->setText(name);
        convert.Command1_Click();
        const QString dos = interpreterPath(m_project) + '\\';
        QCOMPARE(argumentsIn(m_project + "/2pic.log"), (QStringList{dos + name, dos + "logo.bmp"}));
    }

    void parametersRunNothing()
    {
        // A script elsewhere than the working folder is named by its path.
        const QString bat = m_project + "/run & me (2) 5% !x!.bat";
        putFile(bat, "@echo off\r\nvcc %*\r\n");
        QVERIFY(ShellOpenFile(bat, m_dir.path(), R"("x & echo INJ > injected.txt" "a|b" x)") > 32);
        QCOMPARE(argumentsIn(m_dir.filePath("vcc.log")),
                 (QStringList{"x & echo INJ > injected.txt", "a|b", "x"}));
        QVERIFY(!QFile::exists(m_dir.filePath("injected.txt")));
    }
};

QTEST_MAIN(RealWineTest)
#include "tst_realwine.moc"

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

#include <QtTest>

namespace {

// Runs a program to its end, two minutes at most.
bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The arguments a stand-in received, from its log once it appears (a minute at most).
QStringList argumentsIn(const QString& log)
{
    if (!QTest::qWaitFor([&log] { return QFile::exists(log); }, 60'000))
        return {"no log appeared"};
    const QStringList lines = QString::fromUtf8(contentOf(log)).split(u'\n');
    QFile::remove(log);
    return lines.mid(1, lines.size() - 2);
}

} // namespace

// The batch files in Wine's interpreter: every name reaches the kit's tools as it was given.
class RealWineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void scriptsHandOnTheNames_data();
    void scriptsHandOnTheNames();
    void parametersRunNothing();

private:
    QTemporaryDir m_dir;
    QString m_project;
    QProcess m_server;
};

void RealWineTest::initTestCase()
{
    const QString wine = QStandardPaths::findExecutable("wine");
    const QString compiler = QStandardPaths::findExecutable("x86_64-w64-mingw32-gcc");
    if (wine.isEmpty() || compiler.isEmpty())
        QFAIL("needs wine and x86_64-w64-mingw32-gcc (scripts/setup.sh installs them)");
    QVERIFY(run(compiler, {"-municode", "-o", m_dir.filePath("standin.exe"), STANDIN_SOURCE}));
    // A prefix of its own, without the installers and menu entries Wine would make.
    qputenv("WINEPREFIX", QFile::encodeName(m_dir.filePath("prefix")));
    qputenv("WINEDLLOVERRIDES", "mscoree,mshtml,winemenubuilder.exe=");
    qputenv("WINEDEBUG", "-all");
    qunsetenv("DISPLAY");
    QVERIFY(QDir(m_dir.path()).mkdir("prefix"));
    // A server that stays spares each run Wine's start; the first run makes the prefix (slow).
    m_server.start(QStandardPaths::findExecutable("wineserver"), {"-f", "-p"});
    QVERIFY(run(wine, {"cmd", "/c", "exit"}));

    m_project = m_dir.filePath("a&b (1) 50% !x! ^c=d;e,f");
    QVERIFY(QDir().mkpath(m_project));
    for (const char* tool : {"/vcc.exe", "/filer.exe", "/2pic.exe"})
        QVERIFY(QFile::copy(m_dir.filePath("standin.exe"), m_project + tool));
    putFile(m_project + "/logo.bmp", "BM");
    QDir::setCurrent(m_project);
    Project::current().setProjectFolder(m_project);
}

void RealWineTest::cleanupTestCase()
{
    // Its Wine processes end with the server; should it stay, ~QProcess kills it by its id.
    run(QStandardPaths::findExecutable("wineserver"), {"-k"});
}

void RealWineTest::scriptsHandOnTheNames_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("name");

    QTest::newRow("blanks") << QByteArray("C.UTF-8") << "my  logo";
    QTest::newRow("& | < >") << QByteArray("C.UTF-8") << "a & b|c<d>e";
    QTest::newRow("^ ( ) , ; =") << QByteArray("C.UTF-8") << "x^y (1) a,b;c=d";
    QTest::newRow("% !") << QByteArray("C.UTF-8") << "100% %PATH% x% wow! !PATH!";
    QTest::newRow("quotes") << QByteArray("C.UTF-8") << "\"q\" & \"x\" y";
    QTest::newRow("caf\u00e9, 437") << QByteArray("C.UTF-8") << "caf\u00e9";
    QTest::newRow("na\u00efve, 850") << QByteArray("de_DE.UTF-8") << "na\u00efve";
    QTest::newRow("Cyrillic, 866")
        << QByteArray("ru_RU.UTF-8") << "\u041f\u0440\u0438 \u043c\u0438\u0440";
    QTest::newRow("Greek, 737") << QByteArray("el_GR.UTF-8") << "\u039a\u03b1\u03bb\u03ac";
}

void RealWineTest::scriptsHandOnTheNames()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, name);
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
    const QString project = "Z:" + QString(m_project).replace('/', '\\') + '\\';
    QCOMPARE(argumentsIn(m_project + "/2pic.log"),
             (QStringList{project + name, project + "logo.bmp"}));
    QCOMPARE(dialogs.messages.size(), 0);
}

void RealWineTest::parametersRunNothing()
{
    QVERIFY(QFile::copy(m_dir.filePath("standin.exe"), m_dir.filePath("vcc.exe")));
    // A script elsewhere than the working folder is named by its path.
    const QString script = m_project + "/run & me (2) 5% !x!.bat";
    putFile(script, "@echo off\r\nvcc %*\r\n");
    QVERIFY(ShellOpenFile(script, m_dir.path(), "\"x & echo INJ > injected.txt\" \"a|b\" x") > 32);
    QCOMPARE(argumentsIn(m_dir.filePath("vcc.log")),
             (QStringList{"x & echo INJ > injected.txt", "a|b", "x"}));
    QVERIFY(!QFile::exists(m_dir.filePath("injected.txt")));
}

QTEST_MAIN(RealWineTest)
#include "tst_realwine.moc"

#include "FileListBox.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TextFile.h"
#include "FileSync.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("LC_ALL", "C.UTF-8"); }
    void everyByteComesBackUnchanged_data();
    void everyByteComesBackUnchanged();
    void linesEndInCrLfOrAreRefused();
    void onlyRegularFilesAreTaken_data();
    void onlyRegularFilesAreTaken();
};

void TextFileTest::everyByteComesBackUnchanged_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("ansi");
    QTest::addColumn<int>("oem");
    QTest::addColumn<QString>("read"); // the bytes 0x80 and 0xC1 in the ANSI page
    QTest::newRow("C") << "C" << 1252 << 437 << "\u20ac\u00c1"; // not Latin-1
    QTest::newRow("British English") << "en_GB.UTF-8" << 1252 << 850 << "\u20ac\u00c1";
    QTest::newRow("territory Wine does not know") << "de_BE@euro" << 1252 << 437 << "\u20ac\u00c1";
    QTest::newRow("Russian, case ignored") << "RU_ru.KOI8-R" << 1251 << 866 << "\u0402\u0411";
    QTest::newRow("Greek, with holes") << "el_GR.UTF-8" << 1253 << 737 << "\u20ac\u0391";
    QTest::newRow("Thai") << "th_TH.UTF-8" << 874 << 874 << "\u20ac\u0e21";
}

void TextFileTest::everyByteComesBackUnchanged()
{
    QFETCH(QString, locale);
    QFETCH(int, ansi);
    QFETCH(int, oem);
    QFETCH(QString, read);
    QCOMPARE(codePagesForLocale(locale), (CodePageNumbers{ansi, oem}));
    // Wine takes LC_ALL even where that locale is not installed, and so do the files.
    qputenv("LC_ALL", locale.toUtf8());
    QCOMPARE(CodePage::current(CodePage::Oem).number(), oem);
    QTemporaryDir dir;
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    putFile(dir.filePath("in.txt"), all);

    const Result<QString> text = readTextFile(dir.filePath("in.txt"));
    QVERIFY2(text, qPrintable(text.reason()));
    QCOMPARE(QString(text->at(0x80)) + text->at(0xC1), read);
    QVERIFY(writeTextLines(dir.filePath("out.txt"), {*text}));
    QCOMPARE(contentOf(dir.filePath("out.txt")), all + "\r\n");
}

void TextFileTest::linesEndInCrLfOrAreRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    QVERIFY(writeTextLines(path, {"@echo off", "", "caf\u00e9 \u20ac"}));
    QCOMPARE(contentOf(path), QByteArray("@echo off\r\n\r\ncaf\xe9 \x80\r\n"));

    // A character the code page cannot store is named, with its line; the file stays.
    QCOMPARE(writeTextLines(path, {"game", "snow \u2603 man"}).reason(),
             "line 2 holds the character \"\u2603\" (U+2603), which the code page Windows-1252 "
             "cannot store");
    // One outside the basic plane is named whole, on the line where it stands.
    const QString emoji = writeTextLines(path, {"a\r\nb\r\nc \U0001F600"}).reason();
    QVERIFY2(emoji.contains("line 3") && emoji.contains("U+1F600"), qPrintable(emoji));
    QCOMPARE(contentOf(path), QByteArray("@echo off\r\n\r\ncaf\xe9 \x80\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"lines.txt"});

    // Writing again replaces the file; no line means an empty file.
    QVERIFY(writeTextLines(path, {}));
    QCOMPARE(contentOf(path), QByteArray());
    // The separator is always put between folder and name.
    const QString sep = QDir::separator();
    QCOMPARE(joinPath("work" + sep, "make.bat"), "work" + sep + sep + "make.bat");
    QCOMPARE(joinPath("", "make.bat"), sep + "make.bat");
}

void TextFileTest::onlyRegularFilesAreTaken_data()
{
    QTest::addColumn<QString>("name"); // in the test's folder, unless absolute
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("missing") << "missing.cpf" << false;
    QTest::newRow("pipe") << "pipe" << false;
    QTest::newRow("link to a pipe") << "pipe" << true;
    QTest::newRow("link to a device") << "/dev/zero" << true;
}

// Reading never waits on a pipe nor runs on without end: Open, Open Project and Import tell
// why, naming the file, and the file lists leave out what they could not take.
void TextFileTest::onlyRegularFilesAreTaken()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, name);
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    putFile(dir.filePath("plain"), "x");
    QVERIFY(QFile::link(dir.filePath("plain"), dir.filePath("plain link")));
    QString path = QDir(dir.path()).absoluteFilePath(name);
    if (throughLink && QFile::link(path, dir.filePath("link")))
        path = dir.filePath("link");
    FileListBox list;
    list.setPath(dir.path());
    QCOMPARE(list.ListCount(), 2); // plain, plain link

    const QString why = readTextFile(path).reason();
    QVERIFY2(name == "missing.cpf" ? !why.isEmpty() : why == "it is not a regular file",
             qPrintable(why));
    QCOMPARE(copyReplacing(path, dir.filePath("copy")).reason(), why + " (\"" + path + "\")");
    ScriptedDialogs dialogs;
    dialogs.answerFile(path);
    dialogs.answerFile(path);
    frmMain main;
    main.mnuFileOpenProject_Click();
    main.mnuFileOpen_Click();
    QCOMPARE(dialogs.messages.value(0).text, "Cannot open the project \"" + path + "\": " + why);
    QCOMPARE(dialogs.messages.value(1).text, "Cannot read \"" + path + "\": " + why);
#else
    QSKIP("needs pipes and /dev/zero");
#endif
}

QTEST_MAIN(TextFileTest)
#include "tst_textfile.moc"

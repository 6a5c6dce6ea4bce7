#include "app/TextFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    void everyByteComesBackUnchanged();
    void linesEndInCrLf();
    void characterTheCodePageCannotStoreIsRefused();
    void failedWriteLeavesOldFileIntact_data();
    void failedWriteLeavesOldFileIntact();
    void shortWriteLeavesOldFileIntact();
    void unreadableFileIsReported();
};

void TextFileTest::everyByteComesBackUnchanged()
{
    QTemporaryDir dir;
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    putFile(dir.filePath("in.txt"), all);

    const TextFileContent read = readTextFile(dir.filePath("in.txt"));
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.text.size(), 256);
    QCOMPARE(read.text[0x80], QChar(0x20AC)); // the euro sign: Windows-1252, not Latin-1
    QCOMPARE(read.text[0xA0], QChar(0x00A0));

    const QString error = writeTextLines(dir.filePath("out.txt"), {read.text});
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(contentOf(dir.filePath("out.txt")), all + "\r\n");
}

void TextFileTest::linesEndInCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    QCOMPARE(writeTextLines(path, {"@echo off", "", "caf\u00e9 \u20ac"}), QString());
    QCOMPARE(contentOf(path), QByteArray("@echo off\r\n\r\ncaf\xe9 \x80\r\n"));
    // Writing again replaces the file; no line means an empty file.
    QCOMPARE(writeTextLines(path, {}), QString());
    QCOMPARE(contentOf(path), QByteArray());
    // The separator is always put between folder and name.
    const QString sep = QDir::separator();
    QCOMPARE(joinPath("work" + sep, "make.bat"), "work" + sep + sep + "make.bat");
    QCOMPARE(joinPath("", "make.bat"), sep + "make.bat");
}

void TextFileTest::characterTheCodePageCannotStoreIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("root.inf");
    putFile(path, "old\r\n");

    const QString error = writeTextLines(path, {"game", "snow \u2603 man"});
    QVERIFY(error.contains(QDir::toNativeSeparators(path)));
    QVERIFY2(error.contains("line 2"), qPrintable(error));
    QVERIFY2(error.contains("U+2603"), qPrintable(error));
    QCOMPARE(contentOf(path), QByteArray("old\r\n"));

    // A character outside the basic plane is named whole, on the line where it stands.
    const QString emoji = writeTextLines(path, {"a\r\nb\r\nc \U0001F600"});
    QVERIFY2(emoji.contains("line 3") && emoji.contains("U+1F600"), qPrintable(emoji));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"root.inf"});
}

void TextFileTest::failedWriteLeavesOldFileIntact_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing folder") << "no such folder/make.bat";
    QTest::newRow("path through a file") << "plain.txt/make.bat";
}

void TextFileTest::failedWriteLeavesOldFileIntact()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    putFile(dir.filePath("plain.txt"), "keep me\r\n");
    const QString path = dir.filePath(relativePath);

    const QString error = writeTextLines(path, {"@echo off"});
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(contentOf(dir.filePath("plain.txt")), QByteArray("keep me\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"plain.txt"});
}

void TextFileTest::shortWriteLeavesOldFileIntact()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const QString path = dir.filePath("project.cpf");
    const QByteArray old = "MyApp\r\nmyapp.app\r\n";
    putFile(path, old);

    // A file-size limit makes the disk look full after 100 bytes: the write comes up short.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit limit = previousLimit;
    limit.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const QString error = writeTextLines(path, {QString(300, u'x'), "end"});
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(contentOf(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"project.cpf"});
#else
    QSKIP("needs a file-size limit");
#endif
}

void TextFileTest::unreadableFileIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing.cpf");
    const TextFileContent read = readTextFile(path);
    QVERIFY(!read.ok());
    QVERIFY2(read.error.contains(QDir::toNativeSeparators(path)), qPrintable(read.error));
    QCOMPARE(read.text, QString());
}

QTEST_MAIN(TextFileTest)
#include "tst_textfile.moc"

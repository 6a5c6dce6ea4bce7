#include "app/CommonDialog.h"
#include "app/FileFilter.h"
#include "app/Toolkit.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void filterTranslation_data();
    void filterTranslation();
    void allFilesPatternMatchesNamesWithoutDot();
    void commonDialogKeepsWhatItsLastUseLeft();
};

void ToolkitTest::filterTranslation_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qtFilters");

    QTest::newRow("project") << "LKS Project Files (*.cpf)|*.cpf"
                             << QStringList{"LKS Project Files (*.cpf) (*.cpf)"};
    QTest::newRow("kind with all files")
        << "C File (*.c)|*.c|All Files (*.*)|*.*"
        << QStringList{"C File (*.c) (*.c)", "All Files (*.*) (*)"};
    QTest::newRow("open filter, order kept")
        << "C File (*.c)|*.c|C Header File (*.h)|*.h|Inf File (*.inf)|*.inf|All Files (*.*)|*.*"
        << QStringList{"C File (*.c) (*.c)", "C Header File (*.h) (*.h)",
                       "Inf File (*.inf) (*.inf)", "All Files (*.*) (*)"};
    QTest::newRow("several patterns") << "Sources|*.c;*.h" << QStringList{"Sources (*.c *.h)"};
    QTest::newRow("no filter") << "" << QStringList{};
    QTest::newRow("description without pattern") << "Anything" << QStringList{"Anything (*)"};
}

void ToolkitTest::filterTranslation()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, qtFilters);
    QCOMPARE(qtNameFilters(filter), qtFilters);
}

void ToolkitTest::allFilesPatternMatchesNamesWithoutDot()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"main.c", "Makefile", "defs.h"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QList<FileFilterEntry> entries = parseFileFilter("C File (*.c)|*.c|All Files (*.*)|*.*");
    QCOMPARE(entries.size(), 2);
    const QDir folder(dir.path());
    QCOMPARE(folder.entryList(entries[0].patterns, QDir::Files), QStringList{"main.c"});
    QCOMPARE(folder.entryList(entries[1].patterns, QDir::Files, QDir::Name),
             (QStringList{"Makefile", "defs.h", "main.c"}));
}

void ToolkitTest::commonDialogKeepsWhatItsLastUseLeft()
{
    ScriptedDialogs dialogs;
    CommonDialog dialog;
    QCOMPARE(dialog.title(), QString());
    QCOMPARE(dialog.filter(), QString());
    QCOMPARE(dialog.fileName(), QString());

    dialog.setTitle("Open");
    dialog.setFilter("C File (*.c)|*.c");
    dialog.setInitialFolder("/projects/demo");
    dialog.setCancelError(false);
    dialogs.answerFile("/projects/demo/main.c");
    QCOMPARE(dialog.ShowOpen(), QString("/projects/demo/main.c"));
    QCOMPARE(dialog.fileName(), QString("/projects/demo/main.c"));

    // Only the title changes: the rest is what the previous use left, the name chosen included.
    dialog.setTitle("Save As");
    dialogs.answerFile("");
    QCOMPARE(dialog.ShowSave(), QString());
    QCOMPARE(dialogs.fileDialogs.size(), 2);
    const FileDialogRequest& save = dialogs.fileDialogs[1];
    QCOMPARE(save.kind, FileDialogKind::Save);
    QCOMPARE(save.title, QString("Save As"));
    QCOMPARE(save.filter, QString("C File (*.c)|*.c"));
    QCOMPARE(save.initialFolder, QString("/projects/demo"));
    QCOMPARE(save.fileName, QString("/projects/demo/main.c"));
    QCOMPARE(save.cancelError, false);
    QCOMPARE(dialogs.fileDialogs[0].kind, FileDialogKind::Open);

    // A cancelled dialog reports an empty name but keeps the last chosen one for next time.
    QCOMPARE(dialog.fileName(), QString("/projects/demo/main.c"));
    QCOMPARE(dialogs.unanswered, 0);
}

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"

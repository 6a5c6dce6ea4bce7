#include "CommonDialog.h"
#include "Project.h"
#include "ProjectCommands.h"
#include "ProjectFile.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "Toolkit.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Snapshot {
    QString name, app, folder;
    bool use, wizard;
    QStringList files;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Project& p = Project::current())
{
    return {p.ProjectName(),    p.OutputAppName(),           p.ProjectFolder(),
            p.UseRootInfFile(), p.CreateRootInfWithWizard(), p.Files()};
}

} // namespace

// The project file, read and written, and the project commands.
class ProjectFileTest : public QObject {
    Q_OBJECT

private slots:
    void readingRules_data();
    void readingRules();
    void booleans_data();
    void booleans();
    void firstUseValuesAndOptionPair();
    void saveAndOpenProject();
    void savedProjectOpensAgainEqual_data();
    void savedProjectOpensAgainEqual();
    void badProjectFileLeavesProjectAsItWas_data();
    void badProjectFileLeavesProjectAsItWas();
};

void ProjectFileTest::readingRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    const struct {
        const char *tag, *text;
        QStringList values;
    } rows[] = {
        {"one value per line", "MyApp\r\nmyapp.app\r\n", {"MyApp", "myapp.app"}},
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"empty text", "", {}},
        {"empty line is one empty value", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"commas split values", "a,b.c\r\nd\r\n", {"a", "b.c", "d"}},
        {"comma at line end gives an empty value", "a,\r\nb\r\n", {"a", "", "b"}},
        {"comma at text end gives an empty value", "a,", {"a", ""}},
        {"leading blanks skipped, trailing kept", "   name  \r\n \t x\r\n", {"name  ", "x"}},
        {"blanks only", "   \r\n", {""}},
        {"blanks after the last line end", "a\r\n  ", {"a"}},
        {"quoted value loses its quotes", "\"My App\"\r\n", {"My App"}},
        {"quoted value keeps its comma", "\"a,b\",c\r\n", {"a,b", "c"}},
        {"text after closing quote skipped",
         "\"a\"xyz,b\r\n\"c\" tail\r\nd\r\n",
         {"a", "b", "c", "d"}},
        {"unclosed quote runs to line end", "\"open, still\r\nnext\r\n", {"open, still", "next"}},
        {"blanks before a quote skipped", "  \"q\"\r\n", {"q"}},
        {"quote inside a value kept", "say \"hi\"\r\n", {"say \"hi\""}},
        {"lone line feeds end lines too", "a\nb\n\nc", {"a", "b", "", "c"}},
        {"lone carriage returns end lines too", "a\rb\r", {"a", "b"}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << QString(row.text) << row.values;
}

void ProjectFileTest::readingRules()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QCOMPARE(readProjectValues(text), values);
}

void ProjectFileTest::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 on, 0 off, -1 not a Boolean

    const std::pair<int, QStringList> groups[] = {
        {1, {"True", "true", "True ", "-1", "0.5", "1.", "1e-3"}},
        {0, {"FALSE", "0", "0.0"}},
        {-1, {"", "yes", "C:\\Proj", "inf", QString(5'000'000, '1') + "x"}},
    };
    for (const auto& [expected, texts] : groups) {
        for (const QString& text : texts)
            QTest::addRow("\"%s\"", qPrintable(text.left(20))) << text << expected;
    }
}

void ProjectFileTest::booleans()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = readProjectBoolean(text);
    QCOMPARE(value.has_value() ? int(*value) : -1, expected);
}

void ProjectFileTest::firstUseValuesAndOptionPair()
{
    Project project;
    const QString current = QDir::toNativeSeparators(QDir::currentPath());
    QCOMPARE(snapshot(project), (Snapshot{"MyApp", "myapp.app", current, true, false, {}}));

    QList<std::pair<bool, bool>> seen; // the pair as each notice finds it
    const auto note = [&] {
        seen.append({project.UseRootInfFile(), project.CreateRootInfWithWizard()});
    };
    connect(&project, &Project::UseRootInfFileChanged, this, note);
    connect(&project, &Project::CreateRootInfWithWizardChanged, this, note);
    QSignalSpy wizardSelected(&project, &Project::wizardOptionSelected);

    project.setCreateRootInfWithWizard(true);
    // Selecting it again is a selection all the same: the dialog turns to the wizard again.
    project.setCreateRootInfWithWizard(true);
    QCOMPARE(wizardSelected.count(), 2);
    // Turning one off leaves the other off: both off is possible.
    project.setCreateRootInfWithWizard(false);
    project.setUseRootInfFile(true);
    QCOMPARE(wizardSelected.count(), 2);

    using Pair = std::pair<bool, bool>;
    QCOMPARE(seen, (QList<Pair>{{false, true}, {false, true}, {false, false}, {true, false}}));
}

// Through the File menu: the dialogs it asks, the file it writes, the messages it shows.
void ProjectFileTest::saveAndOpenProject()
{
    QTemporaryDir dir;
    Project& project = Project::current();
    NewProject();
    project.setProjectName("Demo");
    project.setOutputAppName("demo.app");
    project.setProjectFolder(dir.path());
    project.setCreateRootInfWithWizard(true);
    project.setFiles({"main.c", "root.inf"});

    ScriptedDialogs dialogs;
    frmMain main;
    const QString path = dir.filePath("demo");
    for (const QString& answer : {QString(), path})
        dialogs.answerFile(answer), main.mnuFileSaveProject_Click();
    const FileDialogRequest asked = dialogs.fileDialogs.value(1);
    QCOMPARE(asked.kind, FileDialogKind::Save);
    QCOMPARE(asked.title, QString("Save As"));
    QCOMPARE(asked.filter, QString("LKS Project Files (*.cpf)|*.cpf"));
    QCOMPARE(asked.initialFolder, dir.path());
    // Used as typed: no extension is added; a cancelled dialog wrote nothing.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"demo"});
    QCOMPARE(contentOf(path), QByteArray("Demo\r\ndemo.app\r\n") + QFile::encodeName(dir.path()) +
                                  "\r\nFalse\r\nTrue\r\nmain.c\r\nroot.inf\r\n");
    QCOMPARE(dialogs.messages.size(), 0);

    // New Project empties the project, which is then exactly five lines.
    NewProject();
    dialogs.answerFile(path);
    main.mnuFileSaveProject_Click();
    QCOMPARE(contentOf(path), QByteArray("\r\n\r\n\r\nTrue\r\nFalse\r\n"));
    QCOMPARE(dialogs.fileDialogs.last().fileName, QString()); // not the project just saved

    const QString missing = dir.filePath("missing/demo.cpf");
    dialogs.answerFile(missing);
    main.mnuFileSaveProject_Click();
    QVERIFY2(dialogs.messages.value(0).text.startsWith("Cannot save the project \"" +
                                                       QDir::toNativeSeparators(missing) + "\": "),
             qPrintable(dialogs.messages.value(0).text));

    const Snapshot before = snapshot();
    main.mnuFileOpenProject_Click();
    QCOMPARE(snapshot(), before);
    QCOMPARE(dialogs.fileDialogs.last().kind, FileDialogKind::Open);
    QCOMPARE(dialogs.fileDialogs.last().title, QString("Open"));
    // Each option is set as a user would: "True" on both leaves only the wizard on, and the
    // Properties dialog is told to turn to it.
    putFile(path, "a\r\nb\r\nc\r\nTrue\r\ntrue\r\n");
    QSignalSpy wizardSelected(&project, &Project::wizardOptionSelected);
    dialogs.answerFile(path);
    main.mnuFileOpenProject_Click();
    QCOMPARE(snapshot(), (Snapshot{"a", "b", "c", false, true, {}}));
    QCOMPARE(wizardSelected.count(), 1);
    QCOMPARE(Toolkit::dlgCommonDialog().fileName(), path);
}

void ProjectFileTest::savedProjectOpensAgainEqual_data()
{
    QTest::addColumn<QStringList>("values"); // name, application name, folder, files
    QTest::addColumn<QString>("refused");    // the field the message names; empty: saved

    QTest::newRow("blanks at the end, letters beyond ASCII")
        << QStringList{"D\u00e9mo  ", "demo.app", "/home/me/demo", "main.c", "main.c"} << "";
    QTest::newRow("commas") << QStringList{"My,App", "my,app", "/home/me/work, old", "a,b.c", ","}
                            << "";
    QTest::newRow("blanks and quotes")
        << QStringList{" lead", "\tapp", "say \"hi\"", "\tx.c", "   ", "", "q\"", "\u00a0"} << "";
    QTest::newRow("control characters") << QStringList{QString(1, QChar(0)), "\x1b", "\f"} << "";
    QTest::newRow("line break") << QStringList{"Demo", "a", "/home/me\r\nwork"} << "Output Path";
    QTest::newRow("line feed") << QStringList{"Demo", "de\nmo.app", "f"} << "Output App Name";
    QTest::newRow("quote that needs quotes")
        << QStringList{"Demo", "a", "f", "ok.c", "\"q.c"} << "project file 2";
    QTest::newRow("quote and comma") << QStringList{"Demo", "a", "f", "a\"b,c"} << "project file 1";
    QTest::newRow("huge value with a line break")
        << QStringList{QString(5'000'000, 'n') + "\n", "a", "f"} << "Project Name";
}

void ProjectFileTest::savedProjectOpensAgainEqual()
{
    QFETCH(QStringList, values);
    QFETCH(QString, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath("p.cpf");
    putFile(path, "old");
    NewProject();
    Project& project = Project::current();
    project.setProjectName(values[0]);
    project.setOutputAppName(values[1]);
    project.setProjectFolder(values[2]);
    project.setCreateRootInfWithWizard(true);
    project.setFiles(values.mid(3));
    const Snapshot saved = snapshot();

    const Result<> written = SaveProject(path);
    if (!refused.isEmpty()) {
        const QString& why = written.reason();
        QVERIFY2(why.startsWith(refused + " \"") && why.size() < 300, qPrintable(why.left(300)));
        QCOMPARE(contentOf(path), QByteArray("old"));
        return;
    }
    QVERIFY(written);
    NewProject();
    project.appendFile("old.c"); // replaced, not added to
    QVERIFY(OpenProject(path));
    QCOMPARE(snapshot(), saved);
}

void ProjectFileTest::badProjectFileLeavesProjectAsItWas_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");

    QTest::newRow("short file") << QByteArray("a\r\nb\r\n") << "2 of the five settings";
    // A comma in the name shifts the folder into the first option.
    QTest::newRow("comma in the name")
        << QByteArray("My,App\r\nmy.app\r\nC:\\Proj\r\nTrue\r\nFalse\r\n")
        << "fourth value, \"C:\\Proj\"";
    QTest::newRow("bad option") << QByteArray("a\r\nb\r\nc\r\nTrue\r\nsometimes\r\nx.c\r\n")
                                << "fifth value, \"sometimes\"";
    QTest::newRow("huge option") << "a\r\nb\r\nc\r\n" + QByteArray(5'000'000, 'x') + "\r\nTrue\r\n"
                                 << "fourth value, \"xxxxxxxxxx";
}

void ProjectFileTest::badProjectFileLeavesProjectAsItWas()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.cpf");
    putFile(path, content);
    NewProject();
    Project::current().setProjectName("Kept");
    Project::current().appendFile("kept.c");
    const Snapshot before = snapshot();

    const QString why = OpenProject(path).reason();
    QCOMPARE(snapshot(), before);
    QVERIFY2(why.contains(problem) && why.size() < 300, qPrintable(why.left(300)));
}

QTEST_MAIN(ProjectFileTest)
#include "tst_projectfile.moc"

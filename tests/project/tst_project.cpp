#include "BatchArgument.h"
#include "CommonDialog.h"
#include "FileListBox.h"
#include "FolderList.h"
#include "ListBox.h"
#include "LoadedWindows.h"
#include "Project.h"
#include "ProjectCommands.h"
#include "ProjectFile.h"
#include "RootInf.h"
#include "ScriptedDialogs.h"
#include "TableRows.h"
#include "TestFiles.h"
#include "Toolkit.h"
#include "frmConvert.h"
#include "frmDialog.h"
#include "frmImport.h"
#include "frmMain.h"
#include "frmProject.h"

#include <QtWidgets>

namespace {

// The project's files; the lines of filer and of the compiler.
const struct {
    const char* tag;
    QStringList files;
    QByteArray groups;
} makeBatRows[] = {
    {"example",
     {"main.c", "logo.pic", "root.inf", "util.c", "defs.h"},
     "filer a logo.pic defs.h\r\nvcc main.c root.inf util.c filer.list"},
    {"no files", {}, "filer a\r\nvcc filer.list"},
    {"duplicates kept, endings case-sensitive",
     {"a.c", "p.pic", "a.c", "p.pic", "MAIN.C", "ROOT.INF", "b.c.bak"},
     "filer a p.pic p.pic MAIN.C ROOT.INF b.c.bak\r\nvcc a.c a.c filer.list"},
    // In the OEM page the command interpreter reads, 437 here, not the ANSI page's 0xE9.
    {"beyond ASCII", {"caf\u00e9.c", "\u00e9.pic"}, "filer a \x82.pic\r\nvcc caf\x82.c filer.list"},
};

// The script; its folder in the test's folder, empty: none; a project file; what the message names.
const struct {
    const char* tag;
    QString script, folder, value, problem;
} refusalRows[] = {
    // Refused, rather than written at the root of the file system.
    {"make.bat, no folder", "make.bat", "", "b.c",
     "Cannot write make.bat: the project has no folder. Choose one in Project"},
    {"make.bat, missing folder", "make.bat", "gone", "b.c", "gone/make.bat\": "},
    {"make.bat, CR LF", "make.bat", ".", "name\r\nb.c", "the project file \"name"},
    {"make.bat, huge", "make.bat", ".", "name" + QString(5'000'000, 'n') + "\n.c", "file \"name"},
    {"root.inf, no folder", "root.inf", "", "",
     "Cannot write root.inf: the project has no folder. Choose one in Project"},
    {"root.inf, missing folder", "root.inf", "gone", "", "gone/root.inf\": "},
};

const struct {
    const char *tag, *text;
    QStringList values;
} readingRows[] = {
    {"one value per line", "MyApp\r\nmyapp.app\r\n", {"MyApp", "myapp.app"}},
    {"empty text", "", {}},
    {"comma at line end gives an empty value", "a,\r\nb\r\n", {"a", "", "b"}},
    {"comma at text end gives an empty value", "a,", {"a", ""}},
    {"leading blanks skipped, trailing kept", "   name  \r\n \t x\r\n", {"name  ", "x"}},
    {"blanks only", "   \r\n", {""}},
    {"blanks after the last line end", "a\r\n  ", {"a"}},
    {"quoted value after blanks keeps its comma", "  \"a,b\",c\r\n", {"a,b", "c"}},
    {"text after closing quote skipped", "\"a\"xyz,b\r\n\"c\" tail\r\nd\r\n", {"a", "b", "c", "d"}},
    {"unclosed quote runs to line end", "\"open, still\r\nnext\r\n", {"open, still", "next"}},
    {"quote inside a value kept", "say \"hi\"\r\n", {"say \"hi\""}},
    {"lone line feeds end lines too", "a\nb\n\nc", {"a", "b", "", "c"}},
    {"lone carriage returns end lines too", "a\rb\r", {"a", "b"}},
};

// The name, application name, folder and files; the field the message names and why, empty:
// saved.
const struct {
    const char* tag;
    QStringList values;
    QString refused;
} savingRows[] = {
    {"blanks at the end, letters beyond ASCII",
     {"D\u00e9mo  ", "demo.app", "/home/me/demo", "main.c", "main.c"},
     ""},
    {"commas", {"My,App", "my,app", "/home/me/work, old", "a,b.c", ","}, ""},
    {"blanks and quotes",
     {" lead", "\tapp", "say \"hi\"", "\tx.c", "   ", "", "q\"", "\u00a0"},
     ""},
    {"control characters", {QString(1, QChar(0)), "\x1b", "\f"}, ""},
    {"line break", {"Demo", "a", "/home/me\r\nwork"}, "Output Path: a line break"},
    {"line feed", {"Demo", "de\nmo.app", "f"}, "Output App Name: a line break"},
    {"quote that needs quotes",
     {"Demo", "a", "f", "ok.c", "\"q.c"},
     "project file 2: needs double quotes"},
    {"quote and comma", {"Demo", "a", "f", "a\"b,c"}, "project file 1: needs double quotes"},
    {"huge value with a line break",
     {QString(5'000'000, 'n') + "\n", "a", "f"},
     "Project Name: a line break"},
};

const struct {
    const char* tag;
    QByteArray content;
    QString problem;
} badFileRows[] = {
    {"short file", "a\r\nb\r\n", "2 of the five settings"},
    {"bad option", "a\r\nb\r\nc\r\nTrue\r\nsometimes\r\nx.c\r\n", "fifth value, \"sometimes\""},
    {"huge option", "a\r\nb\r\nc\r\n" + QByteArray(5'000'000, 'x') + "\r\nTrue\r\n",
     "fourth value, \"xxxxxxxxxx"},
};

} // namespace

// The project: its file, read and written, its commands, its windows and the scripts they write
// (make.bat from the Explorer's Compile, root.inf from the wizard's Create).
class ProjectTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir; // shared: each test counts what it adds
    LoadedWindows& m_windows = LoadedWindows::instance();

    static void doubleClick(QListView& list, const QString& name)
    {
        QAbstractItemModel& model = *list.model();
        const QModelIndex entry =
            model.match(model.index(0, 0), 0, name, 1, Qt::MatchExactly).value(0);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(entry).center());
    }
    // A list's pop-up menu opened by a key, as a keyboard user would; then an item's access key.
    static void popUpByKey(ListBox& list, QKeyCombination opener, Qt::Key item)
    {
        QTest::keyClick(&list, opener.key(), opener.keyboardModifiers());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), item);
        QVERIFY(!QApplication::activePopupWidget());
    }
    // The page shown, the options in the dialog and in the project, and whether it is hidden.
    static QString state(const frmDialog& dialog)
    {
        const Project& project = Project::current();
        const auto bit = [](bool on) { return on ? '1' : '0'; };
        return dialog.visiblePage()->objectName() + ' ' + bit(dialog.Option1->isChecked()) +
               bit(dialog.Option2->isChecked()) + ' ' + bit(project.UseRootInfFile()) +
               bit(project.CreateRootInfWithWizard()) + (dialog.isHidden() ? " hidden" : "");
    }

    // The name, application name, folder, the two options, then the files.
    static QStringList settings(const Project& p = Project::current())
    {
        return QStringList{p.ProjectName(), p.OutputAppName(), p.ProjectFolder(),
                           p.UseRootInfFile() ? "on" : "off",
                           p.CreateRootInfWithWizard() ? "on" : "off"} +
               p.Files();
    }
    // Sets the name, application name, folder and files as given, and selects the wizard.
    static void setProject(const QStringList& values)
    {
        Project& project = Project::current();
        project.setProjectName(values.value(0));
        project.setOutputAppName(values.value(1));
        project.setProjectFolder(values.value(2));
        project.setCreateRootInfWithWizard(true);
        project.setFiles(values.mid(3));
    }

    void fieldsShowAndChangeTheProject(frmDialog& dialog)
    {
        Project::current().setOutputAppName("demo.app");
        QCOMPARE(dialog.Text2->text(), QString("demo.app"));
        // A single-line box keeps a pasted text up to its first line break.
        QTest::keyClicks(dialog.Text1, "Demo");
        dialog.Text1->setCursorPosition(2);
        Toolkit::ClipboardSetText("x\r\ny\nz");
        QTest::keyClick(dialog.Text1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Project::current().ProjectName(), QString("Dexmo"));
        // Opening a folder in the list sets the path; highlighting one does not.
        dialog.Dir1->setPath(m_dir.path());
        // A typed '/' is a separator like any other: on Windows it is stored as '\'.
        QTest::keyClicks(dialog.Text3, "/typed");
        const QString typed = QDir::toNativeSeparators(m_dir.path() + "/typed");
        QCOMPARE(Project::current().ProjectFolder(), typed);
        QCOMPARE(dialog.Text3->text(), typed);
        QListWidgetItem* sub = dialog.Dir1->findItems("sub", Qt::MatchEndsWith).value(0);
        const QPoint at = dialog.Dir1->visualItemRect(sub).center();
        QTest::mouseClick(dialog.Dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.Text3->text(), typed);
        QTest::mouseDClick(dialog.Dir1->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.Text3->text(), QDir::toNativeSeparators(m_dir.filePath("sub")));
        QCOMPARE(Project::current().ProjectFolder(), dialog.Text3->text());
    }

    // The page after each click (none: shown again); a click on a selected option keeps it.
    static void buttonsTurnThePages(frmDialog& dialog)
    {
        const std::pair<QAbstractButton*, const char*> clicks[] = {
            {dialog.Command3, "Frame4 10 10"}, {dialog.Option2, "Frame3 01 01"},
            {dialog.Command5, "Frame4 01 01"}, {dialog.Command4, "Frame4 01 01 hidden"},
            {nullptr, "Frame4 01 01"},         {dialog.Option1, "Frame4 10 10"},
            {dialog.Option1, "Frame4 10 10"},  {dialog.Command1, "Frame1 10 10"}};
        for (const auto& [button, expected] : clicks) {
            button ? QTest::mouseClick(button, Qt::LeftButton) : dialog.show();
            QCOMPARE(state(dialog), QString(expected));
        }
    }

    // The wizard's Create writes root.inf into the project folder and keeps the page.
    void wizardWritesRootInf(frmDialog& dialog)
    {
        dialog.Text5->setText("game");
        dialog.Text8->setText(" Demo ");
        dialog.Text7->setText("1.0");
        dialog.Text6->setText("1.2");
        dialog.Text4->setText("(c) Someone");
        ScriptedDialogs dialogs;
        dialog.Command6_Click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].title + ": " + dialogs.messages[0].text,
                 QString("LKS: Root.inf Created!"));
        QCOMPARE(state(dialog), QString("Frame1 10 10"));
        // The writer refuses a value no line can carry, naming its field, and writes nothing.
        const QDir folder(m_dir.filePath("sub"));
        const std::pair<RootInfValues, const char*> refused[] = {
            {{"\f", "", "", "", ""}, "App Type (game/app) \""},
            {{"", QString("De") + QChar(0) + "mo", "", "", ""}, "Name \""},
            {{"", "", "1\x1b", "", ""}, "Version \""},
            {{"", "", "", QString(32000, 'v') + "\x1f", ""}, "Halvos Version \""}};
        for (const auto& [values, problem] : refused) {
            const QString why = WriteRootInf(folder.path(), values).reason();
            QVERIFY2(why.startsWith(problem) && why.size() < 300, qPrintable(why.left(300)));
        }
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"root.inf"});
        QCOMPARE(contentOf(folder.filePath("root.inf")),
                 QByteArray(
                     "game\r\n Demo \r\n\r\n\r\n\r\n\r\n Demo \r\n1.0\r\n1.2\r\n(c) Someone\r\n"));
    }

private slots:
    void init()
    {
        for (const char* name : {"main.c", "icon.bmp", "LOGO.BMP"})
            putFile(m_dir.filePath(name), "x");
        QVERIFY(QDir(m_dir.path()).mkpath("sub"));
        NewProject();
        Project::current().setProjectFolder(m_dir.path());
    }

    void makeBatGroups_data() { addRows(makeBatRows); }
    void makeBatGroups()
    {
        QFETCH(int, row);
        const QString path = m_dir.filePath("make.bat");
        putFile(path, QByteArray(500, 'z')); // replaced whole
        Project::current().setFiles(makeBatRows[row].files);
        ScriptedDialogs dialogs;
        popUpByKey(*projectExplorer().List1, Qt::SHIFT | Qt::Key_F10, Qt::Key_C);
        QCOMPARE(contentOf(path), "@echo off\r\n" + makeBatRows[row].groups + "\r\n");
        QCOMPARE(dialogs.messages.size(), 0);
    }

    void batchArguments_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("argument");
        const struct {
            const char *tag, *entry, *argument;
        } rows[] = {
            {"ordinary", "C:\\Proj\\logo_2.pic", "C:\\Proj\\logo_2.pic"},
            {"percent and blank", "%PATH% x", "\"%%PATH%% x\""},
            // An inner quote must not end the quoting and let the rest run as a command.
            {"quote", "a\"&calc", "\"a\"\"&calc\""},
            // A C program takes a backslash before a quote as an escape.
            {"backslash before a quote", "a\\\"b", "\"a\\\\\"\"b\""},
            {"backslash at the end", "my\\dir \\", "\"my\\dir \\\\\""},
        };
        for (const auto& row : rows)
            QTest::newRow(row.tag) << QString(row.entry) << QString(row.argument);
        for (const char* special : {" ", "\t", "&", "|", "<", ">", "^", "(", ")", ",", ";", "="}) {
            const QString entry = QString("a%1b").arg(QLatin1String(special));
            QTest::newRow(qPrintable(entry)) << entry << "\"" + entry + "\"";
        }
    }
    void batchArguments()
    {
        QFETCH(QString, entry);
        QFETCH(QString, argument);
        QCOMPARE(batchArgument(entry), argument);
        // On the interpreter's own command line a % stays single.
        QCOMPARE(commandLineArgument(entry), argument.replace("%%", "%"));
    }

    // Nothing is written, and nothing made in the folder, when a value cannot stand on a line.
    void refusals_data() { addRows(refusalRows); }
    void refusals()
    {
        QFETCH(int, row);
        const auto& [tag, script, folder, value, problem] = refusalRows[row];
        QTemporaryDir dir;
        putFile(dir.filePath(script), "old");
        Project::current().setProjectFolder(folder.isEmpty() ? folder : dir.filePath(folder));
        ScriptedDialogs dialogs;
        if (script == "make.bat") {
            Project::current().setFiles({"main.c", value});
            projectExplorer().mnuCompile->trigger();
        } else {
            m_windows.form<frmDialog>().Command6_Click();
        }
        QCOMPARE(dialogs.messages.size(), 1);
        const QString& text = dialogs.messages[0].text;
        const QString named = QString(problem).replace("gone/", QDir::toNativeSeparators("gone/"));
        QVERIFY2(text.contains(named) && text.size() < 300, qPrintable(text.left(300)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{script});
        QCOMPARE(contentOf(dir.filePath(script)), QByteArray("old"));
    }

    void explorer()
    {
        Project::current().setFiles({"a.c", "b.c", "c.c", "d.c", "e.c"});
        frmProject& explorer = projectExplorer();
        explorer.show(); // its folder list shows the project folder
        // A right click keeps the selection a pop-up menu acts on.
        explorer.List1->setListIndex(2);
        QTest::mousePress(explorer.List1->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(explorer.List1->ListIndex(), 2);
        QVERIFY(explorer.mnupopup->isVisible());
        explorer.mnupopup->hide();
        QTest::mousePress(explorer.File2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!explorer.mnupopupe->isVisible());
        QTest::mousePress(explorer.File2->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(explorer.mnupopupe->isVisible());
        explorer.mnupopupe->hide();

        // The files, and the one selected, after each removal.
        const auto files = [&] {
            return Project::current().Files().join(' ') + " @" +
                   QString::number(explorer.List1->ListIndex());
        };
        doubleClick(*explorer.List1, "b.c");
        QStringList removed{files()}; // then row 3, the last, goes; then none is selected
        for (const int row : {3, -1})
            explorer.List1->setListIndex(row), explorer.mnuRemove_Click(), removed << files();
        QCOMPARE(removed, (QStringList{"a.c c.c d.c e.c @1", "a.c c.c d.c @2", "a.c c.c d.c @-1"}));

        Project::current().setFiles({});
        ScriptedDialogs dialogs;
        dialogs.answerMessage(MsgBoxResult::Cancel);
        for (const char* name : {"main.c", "main.c", "LOGO.BMP", "icon.bmp"})
            doubleClick(*explorer.File2, name);
        QCOMPARE(Project::current().Files(), (QStringList{"main.c", "main.c", "LOGO.BMP"}));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QString("This file must be converted with 2pic before it can be added to the "
                         "project. Convert it now?"));
        QCOMPARE(dialogs.messages[0].buttons, MsgBoxButtons::OkCancel);
        QCOMPARE(m_windows.find<frmConvert>(), nullptr);
        dialogs.answerMessage(MsgBoxResult::Ok);
        explorer.mnuAdd_Click();
        QVERIFY(m_windows.form<frmConvert>().isVisible());
        QCOMPARE(Project::current().Files().size(), 3);
        popUpByKey(*explorer.File2, Qt::Key_Menu, Qt::Key_I);
        QVERIFY(m_windows.form<frmImport>().isVisible());

        // A window system that ignores the size hints cannot change its size (8655 x 5280 twips).
        explorer.windowHandle()->resize(800, 100);
        QCoreApplication::processEvents();
        QCOMPARE(explorer.size(), QSize(577, 352));
        explorer.mnuExita->trigger();
        QVERIFY(explorer.isHidden());
        QCOMPARE(&m_windows.form<frmProject>(), &explorer);

        // An empty or missing folder lists nothing.
        for (const QString& path : {QString(), m_dir.filePath("no such folder")}) {
            explorer.File2->setPath(path);
            QCOMPARE(explorer.File2->ListCount(), 0);
        }
    }

    void propertiesDialog()
    {
        frmDialog& dialog = m_windows.form<frmDialog>();
        // Once a project of the run selected the wizard, the dialog turns to it.
        if (Project::current().wizardOptionWasSelected())
            dialog.Command1_Click();
        dialog.show();
        QCOMPARE(state(dialog), QString("Frame1 10 10"));
        // Labels widened to fit their text stay inside the frame of their page.
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY2(label->geometry().right() < label->parentWidget()->width() - 1,
                     qPrintable(label->objectName()));
        fieldsShowAndChangeTheProject(dialog);
        buttonsTurnThePages(dialog);
        wizardWritesRootInf(dialog);

        // A project opened with the wizard option on turns the hidden dialog to the wizard, also
        // one made after; a new project does not turn the page back.
        m_windows.unload(&dialog);
        const auto open = [path = m_dir.filePath("p.cpf")](const QByteArray& options) {
            putFile(path, "a\r\nb\r\nc\r\n" + options);
            QVERIFY(OpenProject(path));
        };
        open("True\r\nTrue\r\n");
        NewProject();
        frmDialog& made = m_windows.form<frmDialog>();
        QCOMPARE(state(made), QString("Frame3 10 10 hidden"));
        made.Command1_Click();
        open("True\r\nTrue\r\n");
        QCOMPARE(state(made), QString("Frame3 01 01 hidden"));
        open("False\r\nFalse\r\n");
        QCOMPARE(state(made), QString("Frame3 00 00 hidden"));
    }

    void readingRules_data() { addRows(readingRows); }
    void readingRules()
    {
        QFETCH(int, row);
        QCOMPARE(readProjectValues(readingRows[row].text), readingRows[row].values);
    }

    void booleans()
    {
        const std::pair<const char*, QStringList> groups[] = {
            {"on", {"True", "true", "True ", "-1", "0.5", "1.", "1e-3"}},
            {"off", {"FALSE", "0", "0.0"}},
            {"none", {"", "yes", "C:\\Proj", "inf", QString(5'000'000, '1') + "x"}},
        };
        for (const auto& [expected, texts] : groups) {
            for (const QString& text : texts) {
                const std::optional<bool> read = readProjectBoolean(text);
                const QString name = '"' + text.left(20) + "\" ";
                QCOMPARE(name + (read ? *read ? "on" : "off" : "none"), name + expected);
            }
        }
    }

    void firstUseValuesAndOptionPair()
    {
        Project project;
        const QString current = QDir::toNativeSeparators(QDir::currentPath());
        QCOMPARE(settings(project), (QStringList{"MyApp", "myapp.app", current, "on", "off"}));

        QStringList seen; // the pair as each notice finds it
        const auto note = [&] { seen << settings(project).mid(3, 2).join(' '); };
        connect(&project, &Project::UseRootInfFileChanged, this, note);
        connect(&project, &Project::CreateRootInfWithWizardChanged, this, note);
        QSignalSpy wizardSelected(&project, &Project::wizardOptionSelected);

        project.setCreateRootInfWithWizard(true);
        // Selecting it again is a selection all the same: the dialog turns to the wizard again.
        project.setCreateRootInfWithWizard(true);
        // Turning one off leaves the other off: both off is possible.
        project.setCreateRootInfWithWizard(false);
        project.setUseRootInfFile(true);
        QCOMPARE(wizardSelected.count(), 2);
        QCOMPARE(seen, (QStringList{"off on", "off on", "off off", "on off"}));
    }

    // Through the File menu: the dialogs it asks, the file it writes, the messages it shows.
    void saveAndOpenProject()
    {
        QTemporaryDir dir;
        setProject({"Demo", "demo.app", dir.path(), "main.c", "root.inf"});
        ScriptedDialogs dialogs;
        frmMain main;
        const QString path = dir.filePath("demo");
        for (const QString& answer : {QString(), path})
            dialogs.answerFile(answer), main.mnuFileSaveProject_Click();
        const FileDialogRequest asked = dialogs.fileDialogs.value(1);
        QCOMPARE(std::tuple(asked.kind, asked.filter, asked.initialFolder),
                 std::tuple(FileDialogKind::Save, QString("LKS Project Files (*.cpf)|*.cpf"),
                            QDir::toNativeSeparators(dir.path())));
        // Used as typed: no extension is added; a cancelled dialog wrote nothing.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"demo"});
        QCOMPARE(contentOf(path), QByteArray("Demo\r\ndemo.app\r\n") +
                                      QFile::encodeName(QDir::toNativeSeparators(dir.path())) +
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
        QVERIFY2(dialogs.messages.value(0).text.startsWith(
                     "Cannot save the project \"" + QDir::toNativeSeparators(missing) + "\": "),
                 qPrintable(dialogs.messages.value(0).text));

        const QStringList before = settings();
        main.mnuFileOpenProject_Click();
        QCOMPARE(settings(), before);
        QCOMPARE(dialogs.fileDialogs.last().kind, FileDialogKind::Open);
        // Each option is set as a user would: "True" on both leaves only the wizard on.
        putFile(path, "a\r\nb\r\nc\r\nTrue\r\ntrue\r\n");
        dialogs.answerFile(path);
        main.mnuFileOpenProject_Click();
        QCOMPARE(settings(), (QStringList{"a", "b", "c", "off", "on"}));
        QCOMPARE(Toolkit::dlgCommonDialog().fileName(), path);
    }

    void savedProjectOpensAgainEqual_data() { addRows(savingRows); }
    void savedProjectOpensAgainEqual()
    {
        QFETCH(int, row);
        const auto& [tag, values, refused] = savingRows[row];
        const QString path = m_dir.filePath("p.cpf");
        putFile(path, "old");
        setProject(values);
        const QStringList saved = settings();

        const QString why = SaveProject(path).reason();
        if (!refused.isEmpty()) {
            QVERIFY2(why.startsWith(refused.section(": ", 0, 0) + " \"") &&
                         why.contains(refused.section(": ", 1)) && why.size() < 300,
                     qPrintable(why.left(300)));
            QCOMPARE(contentOf(path), QByteArray("old"));
            return;
        }
        NewProject();
        Project::current().appendFile("old.c"); // replaced, not added to
        // Fails too when the save failed: "old" is no project.
        QVERIFY2(OpenProject(path), qPrintable(why));
        QCOMPARE(settings(), saved);
    }

    void badProjectFileLeavesProjectAsItWas_data() { addRows(badFileRows); }
    void badProjectFileLeavesProjectAsItWas()
    {
        QFETCH(int, row);
        putFile(m_dir.filePath("bad.cpf"), badFileRows[row].content);
        setProject({"Kept", "", "", "kept.c"});
        const QStringList before = settings();
        const QString why = OpenProject(m_dir.filePath("bad.cpf")).reason();
        QCOMPARE(settings(), before);
        QVERIFY2(why.contains(badFileRows[row].problem) && why.size() < 300,
                 qPrintable(why.left(300)));
    }
};

QTEST_MAIN(ProjectTest)
#include "tst_project.moc"

#include "ProjectCommands.h"

#include "CommonDialog.h"
#include "MessageText.h"
#include "Project.h"
#include "ProjectFile.h"
#include "TextFile.h"
#include "Toolkit.h"


namespace {

// Sets up the shared dialog for a project file, starting in the project's folder.
CommonDialog& projectFileDialog(const QString& title)
{
    CommonDialog& dialog = Toolkit::dlgCommonDialog();
    dialog.setTitle(title);
    dialog.setCancelError(false);
    dialog.setInitialFolder(Project::current().ProjectFolder());
    dialog.setFilter(QString::fromLatin1(ProjectFileFilter));
    return dialog;
}

} // namespace

void NewProject()
{
    Project& project = Project::current();
    project.setFiles({});
    project.setProjectName({});
    project.setOutputAppName({});
    project.setProjectFolder({});
    project.setUseRootInfFile(true);
    project.setCreateRootInfWithWizard(false);
}

void OpenProject()
{
    const QString path = projectFileDialog(QStringLiteral("Open")).ShowOpen();
    if (path.isEmpty())
        return;
    // Read and checked whole before anything changes, so a bad file leaves the project as it was.
    const TextFileContent file = readTextFile(path);
    if (!file.ok()) {
        Toolkit::MsgBox(file.error);
        return;
    }
    QString problem;
    const std::optional<ProjectFileContent> content = parseProjectFile(file.text, &problem);
    if (!content) {
        Toolkit::MsgBox(QStringLiteral("Cannot open the project %1: %2")
                            .arg(quotedPathForMessage(path), problem));
        return;
    }
    applyProjectFile(Project::current(), *content);
}

void SaveProject()
{
    CommonDialog& dialog = projectFileDialog(QStringLiteral("Save As"));
    // No name left over from another file: one Enter would replace that file.
    dialog.setFileName({});
    const QString path = dialog.ShowSave();
    if (path.isEmpty())
        return;
    QString problem;
    const std::optional<QStringList> lines = projectFileLines(Project::current(), &problem);
    if (!lines) {
        Toolkit::MsgBox(QStringLiteral("Cannot save the project %1: %2")
                            .arg(quotedPathForMessage(path), problem));
        return;
    }
    const QString error = writeTextLines(path, *lines);
    if (!error.isEmpty())
        Toolkit::MsgBox(error);
}

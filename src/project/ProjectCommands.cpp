#include "ProjectCommands.h"

#include "Project.h"
#include "ProjectFile.h"
#include "TextFile.h"

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

Result<> OpenProject(const QString& path)
{
    // Read and checked whole before anything changes, so a bad file leaves the project as it was.
    const Result<QString> text = readTextFile(path);
    if (!text)
        return text.failure();
    const Result<ProjectFileContent> content = parseProjectFile(*text);
    if (!content)
        return content.failure();
    applyProjectFile(Project::current(), *content);
    return {};
}

Result<> SaveProject(const QString& path)
{
    const Result<QStringList> lines = projectFileLines(Project::current());
    if (!lines)
        return lines.failure();
    return writeTextLines(path, *lines);
}

#include "Project.h"

#include "ProgramWide.h"

#include <QDir>

Project& Project::current()
{
    return programWide<Project>([] { return new Project; });
}

Project::Project()
    : m_projectName(QStringLiteral("MyApp"))
    , m_outputAppName(QStringLiteral("myapp.app"))
    , m_projectFolder(QDir::toNativeSeparators(QDir::currentPath()))
{
}

void Project::setProjectName(const QString& name)
{
    if (name == m_projectName)
        return;
    m_projectName = name;
    emit ProjectNameChanged(name);
}

void Project::setOutputAppName(const QString& name)
{
    if (name == m_outputAppName)
        return;
    m_outputAppName = name;
    emit OutputAppNameChanged(name);
}

void Project::setProjectFolder(const QString& typed)
{
    // Paths are joined with the native separator, so a folder typed with '/' on Windows would
    // make mixed paths in the batch files.
    const QString folder = QDir::toNativeSeparators(typed);
    if (folder == m_projectFolder)
        return;
    m_projectFolder = folder;
    emit ProjectFolderChanged(folder);
}

void Project::setUseRootInfFile(bool on)
{
    setOptions(on, on ? false : m_createRootInfWithWizard);
}

void Project::setCreateRootInfWithWizard(bool on)
{
    setOptions(on ? false : m_useRootInfFile, on);
    if (!on)
        return;
    m_wizardOptionWasSelected = true;
    emit wizardOptionSelected();
}

// Both options take their new values before either change is told, so that no view ever sees
// a state the pair cannot be in.
void Project::setOptions(bool useRootInfFile, bool createRootInfWithWizard)
{
    const bool useChanged = useRootInfFile != m_useRootInfFile;
    const bool wizardChanged = createRootInfWithWizard != m_createRootInfWithWizard;
    m_useRootInfFile = useRootInfFile;
    m_createRootInfWithWizard = createRootInfWithWizard;
    if (useChanged)
        emit UseRootInfFileChanged(useRootInfFile);
    if (wizardChanged)
        emit CreateRootInfWithWizardChanged(createRootInfWithWizard);
}

void Project::appendFile(const QString& name)
{
    const int row = m_files.rowCount();
    m_files.insertRows(row, 1);
    m_files.setData(m_files.index(row), name);
}

void Project::removeFileAt(int index)
{
    m_files.removeRows(index, 1);
}

void Project::setFiles(const QStringList& files)
{
    m_files.setStringList(files);
}

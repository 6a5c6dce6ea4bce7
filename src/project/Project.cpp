#include "project/Project.h"

#include <QDir>

Project& Project::current()
{
    static Project* project = new Project;
    return *project;
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

void Project::setProjectFolder(const QString& folder)
{
    if (folder == m_projectFolder)
        return;
    m_projectFolder = folder;
    emit ProjectFolderChanged(folder);
}

void Project::setUseRootInfFile(bool on)
{
    if (on)
        setCreateRootInfWithWizard(false);
    if (on == m_useRootInfFile)
        return;
    m_useRootInfFile = on;
    emit UseRootInfFileChanged(on);
}

void Project::setCreateRootInfWithWizard(bool on)
{
    if (on)
        setUseRootInfFile(false);
    if (on != m_createRootInfWithWizard) {
        m_createRootInfWithWizard = on;
        emit CreateRootInfWithWizardChanged(on);
    }
    if (on)
        emit wizardOptionSelected();
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

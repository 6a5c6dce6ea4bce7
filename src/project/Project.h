#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringListModel>

// The one open project. Its windows are views of it: every change is told at once, so that a
// value changed in one place is seen everywhere.
class Project : public QObject {
    Q_OBJECT

public:
    // The program's project, created on first use with the first-use values.
    static Project& current();

    // First-use values; the folder is the current working folder at this moment.
    Project();

    QString ProjectName() const { return m_projectName; }
    void setProjectName(const QString& name);
    QString OutputAppName() const { return m_outputAppName; }
    void setOutputAppName(const QString& name);
    QString ProjectFolder() const { return m_projectFolder; }
    void setProjectFolder(const QString& folder);

    // An exclusive pair: turning one on turns the other off; turning one off leaves the other.
    bool UseRootInfFile() const { return m_useRootInfFile; }
    void setUseRootInfFile(bool on);
    bool CreateRootInfWithWizard() const { return m_createRootInfWithWizard; }
    void setCreateRootInfWithWizard(bool on);
    // Whether the wizard option has been selected since the program started, even if it was
    // turned off again: a Properties dialog made only now opens on the page that selection
    // turned it to.
    bool wizardOptionWasSelected() const { return m_wizardOptionWasSelected; }

    // Bare file names in insertion order; duplicates allowed.
    QStringList Files() const { return m_files.stringList(); }
    void appendFile(const QString& name);
    void removeFileAt(int index);
    void setFiles(const QStringList& files);
    // The list for views; change it through the functions above.
    QStringListModel* filesModel() { return &m_files; }

signals:
    void ProjectNameChanged(const QString& name);
    void OutputAppNameChanged(const QString& name);
    void ProjectFolderChanged(const QString& folder);
    void UseRootInfFileChanged(bool on);
    void CreateRootInfWithWizardChanged(bool on);
    // The wizard option was selected, by the user or by a project file, even when it was
    // already on: the Properties dialog turns to its wizard page.
    void wizardOptionSelected();
    // Files were added to the project folder behind the lists that show it; whoever added them
    // says so.
    void folderFilesChanged();

private:
    void setOptions(bool useRootInfFile, bool createRootInfWithWizard);

    QString m_projectName;
    QString m_outputAppName;
    QString m_projectFolder;
    bool m_useRootInfFile = true;
    bool m_createRootInfWithWizard = false;
    bool m_wizardOptionWasSelected = false;
    QStringListModel m_files;
};

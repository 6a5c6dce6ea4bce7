#include "modShellExec.h"

#include "BatchArgument.h"
#include "Logging.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr qint32 Started = 33;
constexpr qint32 FileNotFound = 2;
constexpr qint32 NoAssociation = 31;

qint32 startHidden(const QString& program, const QStringList& arguments,
                   const QString& workingFolder, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return Started;
    // The caller's message can only guess why; the system's reason is kept here.
    qCWarning(lcLarkspan) << "Cannot start" << program << "in" << workingFolder
                          << process.errorString();
    return NoAssociation;
}

} // namespace

qint32 ShellOpenFile(const QString& file, const QString& folder, const QString& parameters)
{
    const QFileInfo info(file);
    if (file.isEmpty() || !info.exists())
        return FileNotFound;
    const QString workingFolder = folder.isEmpty() ? QDir::currentPath() : folder;
    const QStringList extra = QProcess::splitCommand(parameters);
    const QString suffix = info.suffix().toLower();

    if (suffix == u"bat" || suffix == u"cmd") {
        // The kit's tools are Windows programs: their scripts run in Wine's command interpreter.
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            return NoAssociation;
        // Wine escapes every quote of an argument it hands on (\"), which the interpreter does not
        // understand; a variable keeps the quoted command line whole, and the interpreter expands
        // it before it splits the line at "&" and the like outside quotes.
        QString command =
            commandLineArgument(info.absolutePath() == QDir(workingFolder).absolutePath()
                                    ? info.fileName()
                                    : interpreterPath(info.absoluteFilePath()));
        for (const QString& parameter : extra)
            command += u' ' + commandLineArgument(parameter);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        environment.insert(QStringLiteral("LARKSPAN_COMMAND"), command);
        // As on Windows, "%NAME%" of a defined variable is still expanded there, even in quotes.
        return startHidden(
            wine,
            {QStringLiteral("cmd"), QStringLiteral("/c"), QStringLiteral("%LARKSPAN_COMMAND%")},
            workingFolder, environment);
    }
    if (info.isFile() && info.isExecutable())
        return startHidden(info.absoluteFilePath(), extra, workingFolder,
                           QProcessEnvironment::systemEnvironment());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? Started
                                                                                   : NoAssociation;
}

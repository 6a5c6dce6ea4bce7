#include "MakeBat.h"

#include "BatchArgument.h"
#include "MessageText.h"
#include "TextFile.h"

namespace {

bool forCompiler(const QString& entry)
{
    return entry.endsWith(QLatin1String(".inf")) || entry.endsWith(QLatin1String(".c"));
}

} // namespace

QStringList makeBatLines(const QStringList& files)
{
    QString filerGroup;
    QString compilerGroup;
    for (const QString& entry : files) {
        QString& group = forCompiler(entry) ? compilerGroup : filerGroup;
        group += u' ' + batchArgument(entry);
    }
    return {QStringLiteral("@echo off"), QStringLiteral("filer a") + filerGroup,
            QStringLiteral("vcc") + compilerGroup + QStringLiteral(" filer.list")};
}

Result<> WriteMakeBat(const QString& projectFolder, const QStringList& files)
{
    if (projectFolder.isEmpty())
        return Failure{QStringLiteral("the project has no folder.")};
    for (const QString& entry : files) {
        if (!fitsOnBatchLine(entry))
            return Failure{QStringLiteral("the project file %1 holds a line break or another "
                                          "control character, which no line of a batch file "
                                          "can carry.")
                               .arg(quotedForMessage(entry))};
    }
    return writeTextLines(joinPath(projectFolder, QStringLiteral("make.bat")), makeBatLines(files),
                          LinkAtPath::Replace, CodePage::Oem);
}

#include "RootInf.h"

#include "BatchArgument.h"
#include "MessageText.h"
#include "TextFile.h"

QStringList rootInfLines(const RootInfValues& values)
{
    return {values.appType, values.name, QString(),      QString(),        QString(),
            QString(),      values.name, values.version, values.osVersion, values.copyright};
}

Result<> WriteRootInf(const QString& projectFolder, const RootInfValues& values)
{
    if (projectFolder.isEmpty())
        return Failure{QStringLiteral("the project has no folder.")};
    // Each value named by the label of the wizard's field that holds it.
    const std::pair<const QString&, const char*> fields[] = {
        {values.appType, "App Type (game/app)"},
        {values.name, "Name"},
        {values.version, "Version"},
        {values.osVersion, "Halvos Version"},
        {values.copyright, "Copyright Info"}};
    for (const auto& [value, label] : fields) {
        if (!fitsOnBatchLine(value))
            return Failure{QStringLiteral("%1 %2 holds a line break or another control character, "
                                          "which no line of root.inf can carry.")
                               .arg(QLatin1String(label), quotedForMessage(value))};
    }
    return writeTextLines(joinPath(projectFolder, QStringLiteral("root.inf")), rootInfLines(values),
                          LinkAtPath::Replace);
}

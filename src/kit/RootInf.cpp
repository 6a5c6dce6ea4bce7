#include "RootInf.h"

#include "BatchArgument.h"
#include "MessageText.h"
#include "TextFile.h"

QStringList rootInfLines(const QString& appType, const QString& name, const QString& version,
                         const QString& osVersion, const QString& copyright)
{
    return {appType,   name, QString(), QString(), QString(),
            QString(), name, version,   osVersion, copyright};
}

Result<> WriteRootInf(const QString& projectFolder, const QString& appType, const QString& name,
                      const QString& version, const QString& osVersion, const QString& copyright)
{
    if (projectFolder.isEmpty())
        return Failure{QStringLiteral("the project has no folder.")};
    // Each value named by the label of the wizard's field that holds it.
    const std::pair<const QString&, const char*> fields[] = {{appType, "App Type (game/app)"},
                                                             {name, "Name"},
                                                             {version, "Version"},
                                                             {osVersion, "Halvos Version"},
                                                             {copyright, "Copyright Info"}};
    for (const auto& [value, label] : fields) {
        if (!fitsOnBatchLine(value))
            return Failure{QStringLiteral("%1 %2 holds a line break or another control character, "
                                          "which no line of root.inf can carry.")
                               .arg(QLatin1String(label), quotedForMessage(value))};
    }
    return writeTextLines(joinPath(projectFolder, QStringLiteral("root.inf")),
                          rootInfLines(appType, name, version, osVersion, copyright),
                          LinkAtPath::Replace);
}

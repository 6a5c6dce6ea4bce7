#include "ConvertScript.h"

#include "BatchArgument.h"
#include "TextFile.h"

QStringList convertScriptLines(const QString& projectFolder, const QString& convertedName,
                               const QString& bitmapName)
{
    const auto argument = [&projectFolder](const QString& name) {
        return batchArgument(interpreterPath(joinPath(projectFolder, name)));
    };
    return {QStringLiteral("@echo off"),
            QStringLiteral("2pic ") + argument(convertedName) + u' ' + argument(bitmapName)};
}

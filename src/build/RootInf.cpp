#include "build/RootInf.h"

#include "LoadedWindows.h"
#include "MessageText.h"
#include "TextFile.h"
#include "Toolkit.h"
#include "build/BatchArgument.h"
#include "project/Project.h"
#include "project/frmDialog.h"

#include <QLineEdit>

QStringList rootInfLines(const QString& appType, const QString& name, const QString& version,
                         const QString& osVersion, const QString& copyright)
{
    return {appType,   name, QString(), QString(), QString(),
            QString(), name, version,   osVersion, copyright};
}

void WriteRootInf()
{
    const QString folder = Project::current().ProjectFolder();
    if (folder.isEmpty()) {
        Toolkit::MsgBox(QStringLiteral("Cannot write root.inf: the project has no folder. "
                                       "Choose one in Project Properties."));
        return;
    }
    const frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
    const std::pair<QLineEdit*, const char*> fields[] = {{dialog.Text5, "App Type (game/app)"},
                                                         {dialog.Text8, "Name"},
                                                         {dialog.Text7, "Version"},
                                                         {dialog.Text6, "Halvos Version"},
                                                         {dialog.Text4, "Copyright Info"}};
    for (const auto& [box, label] : fields) {
        if (!fitsOnBatchLine(box->text())) {
            Toolkit::MsgBox(QStringLiteral("Cannot write root.inf: %1 %2 holds a line break or "
                                           "another control character, which no line of "
                                           "root.inf can carry.")
                                .arg(QLatin1String(label), quotedForMessage(box->text())));
            return;
        }
    }
    const QString error = writeTextLines(joinPath(folder, QStringLiteral("root.inf")),
                                         rootInfLines(dialog.Text5->text(), dialog.Text8->text(),
                                                      dialog.Text7->text(), dialog.Text6->text(),
                                                      dialog.Text4->text()),
                                         LinkAtPath::Replace);
    Toolkit::MsgBox(error.isEmpty() ? QStringLiteral("Root.inf Created!") : error);
}

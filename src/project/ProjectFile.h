#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>
#include <optional>

class Project;

// The content of a project file (.cpf): five setting lines, then one line per file.
struct ProjectFileContent {
    QString ProjectName;
    QString OutputAppName;
    QString ProjectFolder;
    bool UseRootInfFile = true;
    bool CreateRootInfWithWizard = false;
    QStringList Files;
};

// The values of a project file's text, read one after another: blanks before a value are
// skipped; a value that starts with a double quote runs to the next one on its line and loses
// both (what follows it up to the next comma or line end is skipped); any other value runs to
// the next comma or line end; an empty line is one empty value; the end of the last line
// starts no further value.
QStringList readProjectValues(const QString& text);

// "True" and "False" in any letter case, or a decimal number that is on when not zero; nothing
// when the text is neither.
std::optional<bool> readProjectBoolean(const QString& value);

// The project that the text describes, or what is wrong with it.
Result<ProjectFileContent> parseProjectFile(const QString& text);

// The 5 + N lines of the project file. A value stands unchanged when it reads back so, and
// between double quotes when only they bring it back (a comma, a blank or double quote at its
// start); a failure naming the field when no line brings it back: a line break, or a double
// quote in a value that needs the quotes.
Result<QStringList> projectFileLines(const Project& project);

// Replaces every setting and the file list, in the order a user would set them.
void applyProjectFile(Project& project, const ProjectFileContent& content);

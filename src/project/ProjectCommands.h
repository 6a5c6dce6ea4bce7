#pragma once

#include "Result.h"

#include <QString>

// The File menu's project commands, acting on the program's one project.

// Empties the project: no name, no folder, no files, the existing root.inf in use.
void NewProject();
// Replaces the project with the one the project file describes; a file that cannot be read or
// is no project leaves the project as it was.
Result<> OpenProject(const QString& path);
// Writes the project to the project file.
Result<> SaveProject(const QString& path);

// The filter of the project file dialogs.
inline constexpr const char* ProjectFileFilter = "LKS Project Files (*.cpf)|*.cpf";

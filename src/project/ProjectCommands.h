#pragma once

// The File menu's project commands, acting on the program's one project.

// Empties the project: no name, no folder, no files, the existing root.inf in use.
void NewProject();
// Replaces the project with one read from a project file the user chooses.
void OpenProject();
// Writes the project to a project file the user chooses.
void SaveProject();

// The filter of the project file dialogs.
inline constexpr const char* ProjectFileFilter = "LKS Project Files (*.cpf)|*.cpf";

#include "QtDialogService.h"

// Qt's own file dialog rather than the desktop's, so that the filter descriptions read exactly as
// the program gives them.
bool QtDialogService::systemFileDialog()
{
    return false;
}

bool QtDialogService::hasPrinter()
{
    return true; // Qt's dialog prints to a PDF file
}

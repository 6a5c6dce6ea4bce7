#include "QtDialogService.h"

#include <QPrinterInfo>

// Windows' own file dialog, which users there know; it shows the filter descriptions exactly as
// the program gives them.
bool QtDialogService::systemFileDialog()
{
    return true;
}

bool QtDialogService::hasPrinter()
{
    // Windows' dialog offers no printing to a file, and without a printer it does not open.
    return !QPrinterInfo::availablePrinters().isEmpty();
}

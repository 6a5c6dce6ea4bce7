#pragma once

#include <QString>

class QFileDevice;

// Makes the system write what was written to the open file onto the disk. Returns the empty
// text on success, otherwise the system's reason.
QString syncFileToDisk(QFileDevice& file);

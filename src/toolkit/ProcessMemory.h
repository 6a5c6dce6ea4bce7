#pragma once

// The memory this process holds in RAM, in bytes: resident set on Linux, working set on
// Windows. Zero where the system does not tell.
double residentBytes();

// The same at its peak since the last reset (Windows keeps the peak since the process started).
double peakResidentBytes();
void resetPeakResident();

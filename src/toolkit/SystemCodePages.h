#pragma once

#include "CodePage.h"

#include <QtGlobal>

#include <optional>

// What the platform tells of code pages: Windows its own, elsewhere the tables Wine uses
// (CodePageWindows.cpp, CodePageLinux.cpp).
namespace SystemCodePages {

// The pages in use at this moment.
CodePageNumbers current();
bool isSingleByte(int page);
// False when there is no converter for the page.
bool converterExists(int page);
// The character of a byte of a single-byte page; none for an unassigned byte.
std::optional<char16_t> characterOfByte(int page, uchar byte);

} // namespace SystemCodePages

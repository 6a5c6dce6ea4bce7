#include "SystemCodePages.h"

#include <windows.h>

CodePageNumbers SystemCodePages::current()
{
    return {int(GetACP()), int(GetOEMCP())};
}

bool SystemCodePages::isSingleByte(int page)
{
    CPINFO info;
    return GetCPInfo(UINT(page), &info) && info.MaxCharSize == 1;
}

bool SystemCodePages::converterExists(int page)
{
    return IsValidCodePage(UINT(page));
}

std::optional<char16_t> SystemCodePages::characterOfByte(int page, uchar byte)
{
    const char in = char(byte);
    wchar_t out[2];
    if (MultiByteToWideChar(UINT(page), MB_ERR_INVALID_CHARS, &in, 1, out, 2) != 1)
        return std::nullopt;
    return char16_t(out[0]);
}

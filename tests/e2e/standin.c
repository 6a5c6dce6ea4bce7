/* A stand-in for the kit's tools (vcc.exe, filer.exe, 2pic.exe): writes the command line it
   received, then each argument its C runtime made of it, a line each in UTF-8, to a log beside
   it named after it (vcc.log), whole or not at all. Built with -municode. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

static int put(FILE* file, const wchar_t* text)
{
    char bytes[32768];
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, NULL, NULL);
    return size > 0 && fwrite(bytes, 1, size - 1, file) == (size_t)(size - 1) &&
           fputc('\n', file) != EOF;
}

int wmain(int argc, wchar_t** argv)
{
    wchar_t log[MAX_PATH], part[MAX_PATH + 5];
    const DWORD length = GetModuleFileNameW(NULL, log, MAX_PATH);
    if (length < 4 || length >= MAX_PATH)
        return 1;
    wcscpy(log + length - 3, L"log");
    swprintf(part, MAX_PATH + 5, L"%ls.part", log);
    FILE* file = _wfopen(part, L"wb");
    int written = file && put(file, GetCommandLineW());
    for (int i = 1; i < argc && written; ++i)
        written = put(file, argv[i]);
    if (!file || fclose(file) != 0 || !written)
        return 1;
    return MoveFileExW(part, log, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

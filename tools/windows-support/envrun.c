/* envrun.exe NAME=VALUE... -- program.exe [arguments]: sets the variables, runs the
 * program and returns its exit code. Wine does not hand the Unix environment's QT_*
 * variables to Windows programs, so the test runner passes them this way. */
#include <stdlib.h>
#include <wchar.h>
#include <windows.h>

/* Appends one argument, quoted the way the C runtime splits a command line again. */
static void appendQuoted(wchar_t* line, const wchar_t* argument) {
    if (*argument && !wcspbrk(argument, L" \t\"")) {
        wcscat(line, argument);
        return;
    }
    wcscat(line, L"\"");
    size_t backslashes = 0;
    for (const wchar_t* p = argument; *p; ++p) {
        size_t n = wcslen(line);
        if (*p == L'\\') {
            ++backslashes;
        } else if (*p == L'"') {
            for (size_t i = 0; i <= backslashes; ++i)
                line[n++] = L'\\';
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        line[n++] = *p;
        line[n] = 0;
    }
    for (size_t i = 0; i < backslashes; ++i)
        wcscat(line, L"\\");
    wcscat(line, L"\"");
}

int wmain(int argc, wchar_t** argv) {
    int i = 1;
    for (; i < argc && wcscmp(argv[i], L"--") != 0; ++i) {
        wchar_t* equals = wcschr(argv[i], L'=');
        if (!equals)
            continue;
        *equals = 0;
        SetEnvironmentVariableW(argv[i], equals + 1);
    }
    if (++i >= argc)
        return 127;
    size_t length = 1;
    for (int j = i; j < argc; ++j)
        length += 2 * wcslen(argv[j]) + 4;
    wchar_t* line = calloc(length, sizeof(wchar_t));
    if (!line)
        return 126;
    for (int j = i; j < argc; ++j) {
        if (j > i)
            wcscat(line, L" ");
        appendQuoted(line, argv[j]);
    }
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessW(NULL, line, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process))
        return 126;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    return (int)code;
}

#include "platform/core/host.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>
#endif

#include <cstdio>

namespace q {

#ifdef _WIN32

void UseProgramFolderWithoutData() {
    if (GetFileAttributesA("data.dat") != INVALID_FILE_ATTRIBUTES) return;
    // Long paths too: the buffer grows until the whole name fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return;
        if (n < path.size()) break;
        path.resize(path.size() * 2);
    }
    wchar_t* slash = std::wcsrchr(path.data(), L'\\');
    if (!slash) return;
    // "C:\quorrel.exe" keeps its backslash: "C:" alone means the drive's current folder.
    if (slash > path.data() && slash[-1] == L':') ++slash;
    *slash = L'\0';
    SetCurrentDirectoryW(path.data());
}

void UseBinaryStdout() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

void ShowText(const char* title, const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
    MessageBoxA(nullptr, text, title, MB_OK | MB_ICONINFORMATION);
}

#else

void UseProgramFolderWithoutData() {}
void UseBinaryStdout() {}

void ShowText(const char*, const char* text) { std::fputs(text, stdout); }

#endif

}  // namespace q

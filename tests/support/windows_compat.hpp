#pragma once
// Included ahead of every test source in the Windows build: the POSIX calls
// the tests make that mingw's C library lacks.
#ifdef _WIN32
#include <direct.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

inline int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && std::getenv(name)) return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

// An empty value removes the variable on Windows.
inline int unsetenv(const char* name) { return _putenv_s(name, "") == 0 ? 0 : -1; }

// Replaces the trailing "XXXXXX" of `name` and creates that folder; the name,
// or nullptr when no free name was found.
inline char* mkdtemp(char* name) {
    const std::size_t length = std::strlen(name);
    if (length < 6 || std::strcmp(name + length - 6, "XXXXXX") != 0) return nullptr;
    static std::mt19937 pick{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t i = length - 6; i < length; ++i) name[i] = kLetters[pick() % 36];
        if (_mkdir(name) == 0) return name;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}
#endif

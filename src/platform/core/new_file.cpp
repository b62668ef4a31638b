// No allocation here: replays are written between floors of a running game.
#include "platform/core/new_file.hpp"

#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace q {

namespace {

constexpr int kMaxNameTries = 1000;

bool Exists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

bool MakeOneFolder(const char* path) {
#ifdef _WIN32
    const int made = _mkdir(path);
#else
    const int made = mkdir(path, 0755);
#endif
    if (made == 0) return true;
    struct stat info;
    return errno == EEXIST && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsSeparator(char c) {
#ifdef _WIN32
    if (c == '\\') return true;
#endif
    return c == '/';
}

// mkdir -p, one level at a time.
bool MakeFolders(const char* folder, char* error, std::size_t errorSize) {
    GamePath path{};
    const std::size_t length = std::strlen(folder);
    if (length == 0 || length >= sizeof path.text) {
        std::snprintf(error, errorSize, "the folder name is empty or too long");
        return false;
    }
    std::memcpy(path.text, folder, length + 1);
    for (std::size_t i = 1; i <= length; ++i) {
        if (i < length && !IsSeparator(path.text[i])) continue;
        const char kept = path.text[i];
        path.text[i] = '\0';
        // A drive ("C:") is not a folder to make.
        const bool drive = i == 2 && path.text[1] == ':';
        if (!drive && !MakeOneFolder(path.text)) {
            std::snprintf(error, errorSize, "cannot make the folder %s: %s", path.text, std::strerror(errno));
            return false;
        }
        path.text[i] = kept;
    }
    return true;
}

bool WriteAll(const char* path, const uint8_t* bytes, std::size_t size, char* error, std::size_t errorSize) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::snprintf(error, errorSize, "cannot write in the folder: %s", std::strerror(errno));
        return false;
    }
    errno = 0;
    bool ok = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
    // On the disk before the name is given to it, so a crash leaves no empty replay.
#ifdef _WIN32
    ok = ok && _commit(_fileno(file)) == 0;
#else
    ok = ok && fsync(fileno(file)) == 0;
#endif
    const int savedErrno = errno;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::snprintf(error, errorSize, "cannot write the file (is the disk full?): %s",
                      std::strerror(savedErrno ? savedErrno : errno));
        std::remove(path);
    }
    return ok;
}

// Gives the complete temporary file its name, never taking one that exists.
// false with errno set; EEXIST when the name is taken.
bool Publish(const char* temporary, const char* name) {
#ifdef _WIN32
    // Windows refuses to rename onto an existing file.
    return std::rename(temporary, name) == 0;
#else
    if (link(temporary, name) == 0) {
        unlink(temporary);
        return true;
    }
    if (errno == EEXIST) return false;
    // A file system without hard links: the name was free a moment ago.
    if (Exists(name)) {
        errno = EEXIST;
        return false;
    }
    return std::rename(temporary, name) == 0;
#endif
}

}  // namespace

bool WriteNewFile(const char* folder, const char* prefix, const char* extension, const uint8_t* bytes,
                  std::size_t size, GamePath* written, char* error, std::size_t errorSize) {
    if (!MakeFolders(folder, error, errorSize)) return false;

    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    // Windows keeps localtime's result per thread.
    if (const std::tm* t = std::localtime(&now)) local = *t;
#else
    localtime_r(&now, &local);
#endif
    char stamp[32];
    if (std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0) stamp[0] = '\0';

    GamePath temporary{};
    const int n = std::snprintf(temporary.text, sizeof temporary.text, "%s/.%s-%s.part", folder, prefix, stamp);
    if (n < 0 || std::size_t(n) >= sizeof temporary.text) {
        std::snprintf(error, errorSize, "the folder name is too long");
        return false;
    }
    if (!WriteAll(temporary.text, bytes, size, error, errorSize)) return false;

    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt) {
        char suffix[16] = "";
        if (attempt > 1) std::snprintf(suffix, sizeof suffix, "-%d", attempt);
        const int m = std::snprintf(written->text, sizeof written->text, "%s/%s-%s%s.%s", folder, prefix, stamp,
                                    suffix, extension);
        if (m < 0 || std::size_t(m) >= sizeof written->text) break;
        if (Exists(written->text)) continue;
        if (Publish(temporary.text, written->text)) return true;
        if (errno == EEXIST) continue;
        std::snprintf(error, errorSize, "cannot name the file: %s", std::strerror(errno));
        std::remove(temporary.text);
        return false;
    }
    std::snprintf(error, errorSize, "no free file name");
    std::remove(temporary.text);
    return false;
}

}  // namespace q

// The one place that knows where the game's files may lie. Paths are built
// in fixed buffers: floor.dat is looked up again on every floor, and the game
// allocates nothing once it runs.
#include "platform/game_files.hpp"

#include <SDL.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace q {

namespace {

#ifndef QUORREL_DATA_FROM_PROGRAM
#define QUORREL_DATA_FROM_PROGRAM "../share/games/quorrel"
#endif

constexpr char kConfigName[] = "config.dat";

// A relative XDG_CONFIG_HOME is to be ignored; on Windows a drive letter or a
// backslash starts an absolute path too.
bool IsAbsolute(const char* path) {
#ifdef _WIN32
    if (path[0] == '\\' || (path[0] != '\0' && path[1] == ':')) return true;
#endif
    return path[0] == '/';
}

bool IsRegularFile(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

// Fills out with the pieces joined; false (and out left unusable) when they
// do not fit.
bool Join(GamePath& out, const char* a, const char* b, const char* c = "") {
    const int n = std::snprintf(out.text, sizeof out.text, "%s%s%s", a, b, c);
    return n > 0 && static_cast<size_t>(n) < sizeof out.text;
}

GamePath Bare(const char* name) {
    GamePath path{};
    std::snprintf(path.text, sizeof path.text, "%s", name);
    return path;
}

// The installed data folder with a trailing slash, found once from where the
// program lies; empty when that cannot be told.
const char* InstalledDataFolder() {
    static GamePath folder{};
    static bool found = false;
    if (!found) {
        found = true;
        if (char* base = SDL_GetBasePath()) {
            if (!Join(folder, base, QUORREL_DATA_FROM_PROGRAM, "/")) folder.text[0] = '\0';
            SDL_free(base);
        }
    }
    return folder.text;
}

}  // namespace

bool DefaultReplayFolder(GamePath* out) {
#ifdef _WIN32
    // %APPDATA%\quorrel\, which SDL makes when it is missing.
    char* base = SDL_GetPrefPath("", "quorrel");
    if (!base) return false;
    const bool joined = Join(*out, base, "replays");
    SDL_free(base);
    return joined;
#else
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && IsAbsolute(xdg)) return Join(*out, xdg, "/quorrel/replays");
    if (home && home[0] != '\0') return Join(*out, home, "/.local/share/quorrel/replays");
    return false;
#endif
}

GamePath GameDataFile(const char* name) {
    if (IsRegularFile(name)) return Bare(name);
    GamePath installed{};
    const char* folder = InstalledDataFolder();
    if (folder[0] != '\0' && Join(installed, folder, name) && IsRegularFile(installed.text)) return installed;
    return Bare(name);
}

GamePath GameConfigFile() {
    if (IsRegularFile(kConfigName)) return Bare(kConfigName);
    GamePath user{};
    // A relative XDG_CONFIG_HOME is to be ignored, as if it were not set.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    bool joined = false;
    if (xdg && IsAbsolute(xdg)) {
        joined = Join(user, xdg, "/quorrel/", kConfigName);
    } else if (home && home[0] != '\0') {
        joined = Join(user, home, "/.config/quorrel/", kConfigName);
    }
    if (joined && IsRegularFile(user.text)) return user;
    // The settings the game ships with (point sampling), beside its data.
    GamePath shipped{};
    const char* folder = InstalledDataFolder();
    if (folder[0] != '\0' && Join(shipped, folder, kConfigName) && IsRegularFile(shipped.text)) return shipped;
    return Bare(kConfigName);
}

}  // namespace q

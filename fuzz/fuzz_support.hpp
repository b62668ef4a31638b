#pragma once
// What the harnesses share: a scratch file for loaders that read from a path,
// and reading every byte a loader hands back so the sanitizers see it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace q::fuzz {

// One file per process, rewritten for every input; /dev/shm keeps it off the disk.
inline const std::string& ScratchPath(const char* name) {
    static const std::string path = [name] {
        const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(dir) + "/quorrel-fuzz-" + name + "-" + std::to_string(getpid());
    }();
    return path;
}

inline const std::string& WriteScratch(const char* name, const uint8_t* data, size_t size) {
    const std::string& path = ScratchPath(name);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

inline volatile uint32_t touchSink;

// A sum over the bytes, kept from the optimiser, so every one is really read.
inline void Touch(const uint8_t* p, size_t n) {
    uint32_t sum = 0;
    for (size_t i = 0; i < n; ++i) sum += p[i];
    touchSink = sum;
}

}  // namespace q::fuzz

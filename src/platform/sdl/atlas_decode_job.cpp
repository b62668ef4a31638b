#include "platform/sdl/atlas_decode_job.hpp"

#include <SDL.h>

#include <cstring>
#include <utility>
#include <vector>

#include "platform/graphics.hpp"
#include "platform/core/archive.hpp"

namespace q {

namespace {

struct DecodeJob {
    // A copy: the archive may be freed while the decode runs.
    std::vector<uint8_t> bytes;
    AtlasImage image;
    bool decoded = false;
    SDL_Thread* thread = nullptr;
};
DecodeJob job;

int SDLCALL RunDecode(void*) {
    job.decoded = DecodeAtlasImage(job.bytes.data(), uint32_t(job.bytes.size()), &job.image);
    return 0;
}

}  // namespace

void StartAtlasDecode(const uint8_t* bytes, uint32_t size) {
    DropAtlasDecode();
    if (!bytes) return;
    job.bytes.assign(bytes, bytes + size);
    job.thread = SDL_CreateThread(RunDecode, "atlas decode", nullptr);
    if (!job.thread) std::vector<uint8_t>().swap(job.bytes);
}

bool TakeAtlasImage(const uint8_t* bytes, uint32_t size, AtlasImage* out) {
    if (job.thread) {
        SDL_WaitThread(job.thread, nullptr);
        job.thread = nullptr;
        const bool same = job.bytes.size() == size && std::memcmp(job.bytes.data(), bytes, size) == 0;
        if (same) {
            const bool decoded = job.decoded;
            *out = std::move(job.image);
            job = DecodeJob{};
            return decoded;
        }
        job = DecodeJob{};
    }
    return DecodeAtlasImage(bytes, size, out);
}

void DropAtlasDecode() {
    if (job.thread) SDL_WaitThread(job.thread, nullptr);
    job = DecodeJob{};
}

void BeginAtlasDecode() {
    uint32_t size = 0;
    const uint8_t* bytes = ArchiveEntry(0, &size);
    StartAtlasDecode(bytes, size);
}

}  // namespace q

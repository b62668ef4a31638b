// Archive entry 0: the atlas picture.
#include <cstdlib>

#include "fuzz_support.hpp"
#include "platform/core/atlas_image.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q;
    AtlasImage image;
    if (DecodeAtlasImage(data, uint32_t(size), &image)) {
        // A decoded atlas must be one the texture can hold, every pixel there.
        if (image.width < 1 || image.height < 1 || image.width > 2048 || image.height > 2048 ||
            image.textureWidth < image.width || image.textureHeight < image.height)
            std::abort();
        fuzz::Touch(image.rgba.get(), size_t(image.width) * image.height * 4);
    }
    return 0;
}

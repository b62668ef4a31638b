// Archive entries 1..12: walking a WAVE's chunks and converting its samples
// to the mixer's format. The first byte picks the device rate.
#include <cstdlib>
#include <vector>

#include "fuzz_support.hpp"
#include "platform/core/sound_convert.hpp"
#include "platform/core/wave.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q;
    if (size < 1) return 0;
    static const int kRates[] = {44100, 48000, 22050, 11025};
    const int rate = kRates[data[0] % 4];
    const uint8_t* image = data + 1;
    const uint32_t bytes = uint32_t(size - 1);
    WaveData wave;
    if (!ParseWave(image, bytes, &wave)) return 0;
    // The samples must lie inside the entry they came from.
    if (wave.dataBytes && (wave.data < image || wave.data + wave.dataBytes > image + bytes)) std::abort();
    if (wave.dataBytes) fuzz::Touch(wave.data, wave.dataBytes);
    std::vector<int16_t> stereo;
    if (ConvertWave(wave, rate, &stereo) && stereo.size() % 2 != 0) std::abort();
    return 0;
}

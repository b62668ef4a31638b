// config.dat.
#include "fuzz_support.hpp"
#include "platform/core/settings.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    q::LoadSettings(q::fuzz::WriteScratch("settings", data, size).c_str());
    return 0;
}

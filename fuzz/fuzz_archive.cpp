// data.dat: the table of 13 offsets and the entries it points at.
#include "fuzz_support.hpp"
#include "platform/core/archive.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q;
    if (LoadArchive(fuzz::WriteScratch("archive", data, size).c_str())) {
        for (int i = -1; i <= kArchiveEntries; ++i) {
            uint32_t n = 0;
            if (const uint8_t* entry = ArchiveEntry(i, &n)) fuzz::Touch(entry, n);
        }
    }
    FreeArchive();
    return 0;
}

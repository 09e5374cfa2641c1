// UCSC's cytoBand file: the first input byte as ProfileFuzz.h says (the sample bit unused), the
// rest the file, whose centromeres are then read off its bands.
#include "ProfileFuzz.h"

#include "document/profile/CytoBandFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const varn::CytoBandReading reading =
        varn::readCytoBandFile(varn::fuzz::writeProfileInput("cytoBand.txt", bytes, data[0] & 1));
    if (reading.bands.empty() == reading.refusal.empty()) std::abort();
    for (int c = 1; c <= 23; ++c) varn::centromereOfBands(reading.bands, c);
    return 0;
}

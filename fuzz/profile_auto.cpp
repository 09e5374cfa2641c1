// readProfile on a file of any kind: format detection, then the reader it picks, with the
// report's other sample as the normal when the sample bit is set. The first input byte as
// ProfileFuzz.h says, the rest the file.
#include "ProfileFuzz.h"

#include "document/profile/ProfileReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    varn::ProfileOptions options;
    if (data[0] & 2) {
        options.sample = "S1";
        options.normalSample = "S2";
    }
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const varn::ProfileReading reading =
        varn::readProfile(varn::fuzz::writeProfileInput("in.txt", bytes, data[0] & 1), options);
    if (reading.profile.has_value() == !reading.refusal.empty()) std::abort();
    return 0;
}

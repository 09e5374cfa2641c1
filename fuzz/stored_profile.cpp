// A profile analysis kept by profile --store: the first input byte as ProfileFuzz.h says (the
// sample bit unused), the rest the file. A file read back holds one entry per SNP in every column
// and is written again the same way.
#include "ProfileFuzz.h"

#include "engine/analysis/ProfileResult.h"
#include "export/StoredProfileFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    varn::ProfileResult result;
    std::string error;
    const bool read = varn::readStoredProfile(
        varn::fuzz::writeProfileInput("Sample.profile.gz", bytes, data[0] & 1), result, error);
    if (read != error.empty()) std::abort();
    if (!read) return 0;
    const std::size_t n = result.profile.size();
    if (result.totalCopies.size() != n || result.minorCopies.size() != n || result.informative.size() != n ||
        result.profile.position.size() != n || (result.profile.hasBaf() && result.profile.baf.size() != n))
        std::abort();
    varn::storedProfileText(result);
    return 0;
}

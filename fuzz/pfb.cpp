// PennCNV's PFB file and its join: the first input byte as ProfileFuzz.h says (the sample bit
// unused), the rest the PFB file, joined to a small profile of its own.
#include "ProfileFuzz.h"

#include "document/profile/PfbFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const varn::ProfileReading pfb =
        varn::readPfb(varn::fuzz::writeProfileInput("hh.pfb", bytes, data[0] & 1), varn::GenomeBuild::Hg19);
    if (!pfb.profile) return 0;
    varn::Profile profile;
    for (int i = 0; i < 4; ++i) {
        profile.chromosome.push_back(1);
        profile.position.push_back(100 * (i + 1));
        profile.name.push_back("rs" + std::to_string(i + 1));
        profile.logRatio.push_back(0.0f);
    }
    std::vector<std::string> warnings;
    varn::joinPopulationFrequencies(profile, *pfb.profile, warnings);
    return 0;
}

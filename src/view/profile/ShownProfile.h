#pragma once

#include "document/profile/ProfileReading.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "engine/analysis/ProfileResult.h"
#include "view/profile/ProfilePicture.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace varn {

// The profile the window shows and its analysis: what it was read from and with, the fit with
// every solution (to pick another one from), the results, and the picture drawn from them, whose
// SNPs are those of `result`. It stays where it was made: the picture points into it.
struct ShownProfile {
    std::filesystem::path file; // the profile read, or the stored analysis restored
    ProfileOptions read;
    ProfileAnalysisOptions analysis;
    // The SNPs as read, which another solution is decoded from as `profile --solution N` decodes
    // them; empty for a restored analysis, whose stored SNPs serve instead.
    std::shared_ptr<const Profile> asRead;
    PurityPloidyFit fit; // unavailable for a restored analysis until it is fitted again
    ProfileResult result;
    ProfilePicture picture;

    ShownProfile() = default;
    ShownProfile(const ShownProfile&) = delete;
    ShownProfile& operator=(const ShownProfile&) = delete;
};

} // namespace varn

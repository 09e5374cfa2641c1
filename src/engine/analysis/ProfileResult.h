#pragma once

#include "document/profile/GenomeBuild.h"
#include "document/profile/Profile.h"
#include "engine/analysis/ProfileAnalysis.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varn {

// What a profile's analysis hands to its outputs (segments, ASCAT files, pictures, the report)
// and what a stored analysis keeps: the SNPs as read, with the B-allele fraction the analysis
// read (its heterozygous cluster centred), and the results in plain data.
struct ProfileResult {
    Profile profile;
    GenomeBuild build = GenomeBuild::Hg19;
    std::string platform; // as the platform table names it
    // Per SNP: the decoded copies (-1 undecoded) and whether it is informative.
    std::vector<std::int8_t> totalCopies, minorCopies;
    std::vector<std::uint8_t> informative;
    std::vector<ProfileCall> calls;
    std::vector<float> levelOfTotal;
    double purity = 1.0;
    double ploidy = 2.0;
    int solution = 0; // 0: decoded at the purity given, nothing fitted
    std::string solutionLine;
    // The joint fit as a cohort's summary reads it: how many solutions it found, whether it
    // decided, the figures of the solution decoded with (its states left out), and why it could
    // not tell or did not run. fitted false: no joint fit ran.
    bool fitted = false;
    bool decided = false;
    int solutions = 0;
    PurityPloidySolution decodedWith;
    std::string fitWhy;
};

ProfileResult profileResult(const Profile& read, const ProfileAnalysis& analysis, GenomeBuild build);

} // namespace varn

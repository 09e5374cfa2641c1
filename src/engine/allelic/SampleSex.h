#pragma once

#include "engine/allelic/InformativeSnps.h"

#include <string>
#include <vector>

namespace varn {

class CVARNDoc;
struct Profile;

// The sexes behind a profile's X. A man's cells hold one X: no SNP of it is heterozygous, and its
// signal is that of one copy. A pool profile reads the sample's X against the references' mean,
// so the pool's own mix of sexes sets where a normal X lies.

// The sample's sex, from its X.
struct SexReading {
    bool read = false; // X held enough heterozygous SNPs by the population rates to tell
    bool male = false;
    // The share of the expected heterozygous SNPs of X seen as informative, against that share on
    // the autosomes: about 1 for a woman, near 0 for a man.
    double heterozygousShare = 0.0;
    // The median log ratio of X against the baseline region's level, in the profile's units.
    double xLevel = 0.0;
};

// From the profile's informative SNPs (by the sample itself or by its paired normal) and its log
// ratio, each array's X read against its baseline level (baseline[a + 1] for the profile's
// array a).
SexReading readSampleSex(const Profile& profile, const InformativeSnps& informative,
                         const double baseline[3]);

// The references' sexes of one array's pool. The allele model counts, per SNP, the references in
// the heterozygous cluster: on X only the women's SNPs can be there, so that count against the
// population rates, set against the same on the autosomes, is the pool's share of women. Which
// references are the men: those whose X lies lowest against the other references', one copy
// against two.
struct PoolSexes {
    bool read = false;
    int references = 0;
    std::vector<char> male; // by pool row - 1
    int men() const;
    double maleShare() const { return references > 0 ? static_cast<double>(men()) / references : 0.0; }
};

PoolSexes poolSexes(const CVARNDoc& doc, int t);

// The warning when the sample's X does not fit the pool's sexes (empty when it does): a woman's
// X seen at or below the level of a single copy, or a man's at the level of two, against the
// pool's mix. expectedFemale / expectedMale are the levels a normal X would show.
std::string sexContradiction(const SexReading& sex, double expectedFemale, double expectedMale,
                             const std::string& sample);

} // namespace varn

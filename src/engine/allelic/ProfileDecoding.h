#pragma once

#include "engine/allelic/AlleleSegments.h"
#include "engine/allelic/InformativeSnps.h"
#include "engine/allelic/MixtureModel.h"
#include "engine/allelic/SampleSex.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varn {

struct Profile;

// Where a profile's copy numbers lie, for the allele-specific decoder. Arrays are indexed as the
// chain indexes them: the profile's array a at a + 1.
struct DecodingLevels {
    EffectiveCopies copies;
    double purity = 1.0;
    // The level baseline[a] is that of baseCopyNumber copies in the tumour cells, at this purity,
    // in the profile's units; scale is those units per natural-log unit (1, or 1 / ln 2 for a
    // profile in base 2).
    int baseCopyNumber = 2;
    double scale = 1.0;
    double baseline[3] = {};
    double noise[3] = {}; // SD of one SNP's log ratio
    // What X's log ratio is read against: the patient's own normal (its X cancels whatever the
    // sex), or references of which this share are men (0 for references of two X copies).
    bool xAgainstOwnNormal = false;
    double referenceMaleShare = 0.0;
    // The sex the person gave; without it the profile's X tells, and X is left undecoded where it
    // cannot or where its level contradicts the references' sexes.
    std::optional<bool> male;
};

// The decoded states of every SNP of the profile, -1 where not decoded (no log ratio; X where
// its sex is unknown or contradicted), and what was read of the sex.
struct ProfileDecoding {
    std::vector<std::int8_t> totalCopies;
    std::vector<std::int8_t> minorCopies;
    SexReading sex;
    std::string warning; // X left undecoded: why
};

// The allele-specific HMM over the profile, chromosome by chromosome, both arrays of a merged
// profile in one chain: each SNP's log ratio, whether it is informative and its mirrored
// B-allele fraction, against the levels and bands of every state at the purity given. sample
// names the profile in the warnings.
ProfileDecoding decodeProfile(const Profile& profile, const InformativeSnps& informative,
                              const AlleleSegments& segments, const DecodingLevels& levels,
                              const std::string& sample);

} // namespace varn

#pragma once

#include "document/profile/Profile.h"
#include "engine/analysis/PlatformTable.h"

namespace varn {

// A profile as read, made ready for the allele stages with what its platform brings, measured on
// the data where it can be.
struct PreparedProfile {
    // The SNPs as read, with: the log ratio over the platform's compression (the copy ratio's own
    // logarithm, in the profile's base); the B-allele fractions (the sample's and the normal's)
    // with the homozygous clusters put at 0 and 1 and the heterozygous cluster at 0.5; and every
    // SNP's heterozygosity prior.
    Profile profile;
    PlatformValues platform;
    // What was measured: the heterozygous cluster's centre before it was moved (NaN without a
    // B-allele fraction) and whether the paired normal placed it SNP by SNP; the share of
    // heterozygous SNPs that stands in where no population frequency gives a SNP's prior.
    double heterozygousCentre = 0.5;
    bool centredByNormal = false;
    double heterozygosity = 0.0;
};

PreparedProfile prepareProfile(const Profile& read);

} // namespace varn

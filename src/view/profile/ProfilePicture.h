#pragma once

#include "document/profile/CytoBandFile.h"
#include "document/profile/GenomeBuild.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace varn {

struct Profile;

// A segment of the profile as the analysis found it: its SNPs' span in bases, their number and
// mean log ratio, the copies decoded for it (total and minor, -1 undecoded), and the B-allele
// fraction band: the band its copies predict at the solution in use, else the band measured on
// its informative SNPs, else none (NaN). Both bands are given at or above 0.5 or below it alike;
// the panel draws each with its mirror.
struct PictureSegment {
    int chromosome = 0;
    int start = 0, end = 0;
    int markers = 0;
    double meanLogRatio = std::numeric_limits<double>::quiet_NaN();
    int totalCopies = -1, minorCopies = -1;
    double expectedBand = std::numeric_limits<double>::quiet_NaN();
    double measuredBand = std::numeric_limits<double>::quiet_NaN();
    bool loh = false;
};

// Everything a picture of an analysed profile draws, as plain data, so that the command line and
// the window fill it the same way from the analysis they hold.
struct ProfilePicture {
    // The SNPs: chromosome, position, log ratio (its base names the axis) and B-allele fraction.
    // Not owned; it outlives the painting.
    const Profile* profile = nullptr;
    GenomeBuild build = GenomeBuild::Hg19;

    // Per SNP, the allele-specific decoding's total and minor copies, -1 where undecoded; empty
    // when nothing was decoded.
    std::vector<std::int8_t> totalCopies, minorCopies;
    // The log ratio (in the profile's base) that k total copies have at the solution in use, for
    // k = 0, 1, ...: the level the decoded call is drawn at. A total past its end, like the 50K
    // pages' undecoded states, is drawn on the zero line.
    std::vector<float> levelOfTotal;
    // Per SNP, 1 where the SNP is informative (germline heterozygous); empty when none is known.
    std::vector<std::uint8_t> informative;

    std::vector<PictureSegment> segments; // in genome order
    std::vector<CytoBand> cytobands;      // may be empty: the chromosomes' outlines are drawn

    // Titles: the sample and the solution in use ("solution 1: tumour cells=70%, ploidy 2.06"),
    // which may be empty; the build is named from `build`.
    std::string sample;
    std::string solution;
};

} // namespace varn

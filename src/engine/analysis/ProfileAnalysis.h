#pragma once

#include "engine/allelic/AlleleSegments.h"
#include "engine/allelic/InformativeSnps.h"
#include "engine/allelic/ProfileDecoding.h"
#include "engine/analysis/ProfilePreparation.h"
#include "engine/purity/PurityPloidyFit.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace varn {

// What the person fixed for the analysis of a profile: a purity and a ploidy of their own (NaN:
// fitted), a solution of the fit other than the best (0: the best, where the fit decides), the
// sex (nothing: read from X).
struct ProfileAnalysisOptions {
    double purity = std::numeric_limits<double>::quiet_NaN();
    double ploidy = std::numeric_limits<double>::quiet_NaN();
    int solution = 0;
    std::optional<bool> male;
};

// A run of SNPs of one chromosome decoded alike: the segment's columns (meanLn the natural log of
// the profile's log ratio as read; copyNumber and minorCopies -1 where not decoded; loh where
// the minor parent's copies are gone and the major's are not), and its informative SNPs with
// their mean mirrored B-allele fraction (NaN without any).
struct ProfileCall {
    CopyNumberSegment segment;
    int informative = 0;
    double mirroredBaf = std::numeric_limits<double>::quiet_NaN();
};

// The whole analysis of a profile from any array, stage by stage.
struct ProfileAnalysis {
    PreparedProfile prepared;
    InformativeSnps informative;
    PurityPloidyFit fit; // fit.available: the joint fit ran
    // Why the fit could not tell or did not run (the profile's alleles, too few SNPs); empty when
    // it decided.
    std::string fitWhy;
    // The solution decoded with (1 the best), 0 where the profile is decoded at the purity and
    // ploidy given (1 and 2 by default); an impossible --solution N is a refusal instead.
    int solution = 0;
    std::string refusal;
    double purity = 1.0;
    double ploidy = 2.0;
    // "Tumour cells 50 % (49–52 %), ploidy 2.00 (1.96–2.04) — fit 100 %", with "solution N: "
    // before it when one was asked for, or its "cannot tell" form.
    std::string solutionLine;
    DecodingLevels levels;
    ProfileDecoding decoding;
    std::vector<ProfileCall> calls;
    // The log ratio, in the profile's units as read, of k total copies on the autosomes at the
    // purity and ploidy decoded with, k = 0..6.
    std::vector<float> levelOfTotal;
};

// Autosomal SNPs with a log ratio the joint fit needs at least (statistical support: twenty
// segments of the segmentation's smallest, ten SNPs each, over 22 chromosomes).
inline constexpr int kFitSnps = 500;

ProfileAnalysis analyseProfile(const Profile& profile, const ProfileAnalysisOptions& options);

} // namespace varn

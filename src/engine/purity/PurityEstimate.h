#pragma once

#include "document/DocumentLimits.h"
#include "engine/purity/PurityPloidyFit.h"

#include <limits>
#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// One point of the fit over the tumour cell fraction: the mean squared distance of the segment
// levels from the nearest copy number's expected level at that fraction (per marker).
struct PurityFitPoint {
    double purity = 0.0;
    double misfit = 0.0;
};

// The tumour cell fraction p read from a profile: the best p with an interval, the curve it was
// read from and the other local minima of that curve (next-best first). When the profile does
// not decide (no change to measure, or two fractions fit about as well) decided is false and
// why says it; purity then holds the best point of the curve all the same.
struct PurityEstimate {
    bool decided = false;
    std::string why;
    double purity = 1.0;
    double low = 1.0;
    double high = 1.0;
    std::vector<PurityFitPoint> curve;
    std::vector<PurityFitPoint> candidates;
    int segments = 0;
    int markers = 0;
    int changedMarkers = 0;
    // Where the profile's alleles can be read (a pool with an allele model, or the paired normal),
    // the fields above report the joint fit of the fraction and the ploidy: its best solution, its
    // interval, its cost per segment along p as the curve and its other solutions as candidates.
    bool joint = false;
    PurityPloidyFit fit;
    // Why the alleles could not be read, when they could not (the estimate is then the levels').
    std::string alleleReason;
};

// What the person fixed or lifted for the estimate: "let the data decide the baseline" (the
// baseline region's copy number no longer fixes the ploidy), a fraction and a ploidy of their
// own (NaN: fitted), and whether a list of solutions to choose from is wanted (the map's best
// listed with those the held baseline leaves). Only the joint fit reads them.
struct PurityFitOptions {
    bool dataDecideBaseline = false;
    double fixedPurity = std::numeric_limits<double>::quiet_NaN();
    double fixedPloidy = std::numeric_limits<double>::quiet_NaN();
    bool listMapBest = false;
};

// The fractions every fit reads: 0.10 .. 1.00.
inline constexpr double kPurityLow = kPurityPloidyParameters.purityLow;
inline constexpr double kPurityHigh = kPurityPloidyParameters.purityHigh;

// The estimate from the analysis the document holds: array t (kXba, kHind, or kCombined for both
// arrays' profiles together); paired is the self-reference profile (base 2), read with the
// allele signals of tumour and normal as well. Where the alleles can be read it is the joint
// fit of fraction and ploidy, else the levels' fit. False with a reason when there is no decoded
// profile to read.
bool estimatePurity(const CVARNDoc& doc, int t, bool paired, PurityEstimate& estimate, std::string& reason,
                    const PurityFitOptions& options = {});

} // namespace varn

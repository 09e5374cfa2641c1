#pragma once

#include "document/DocumentLimits.h"
#include "engine/alleles/AlleleImbalance.h"
#include "engine/allelic/ProfileSegmentation.h"
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
// own (NaN: fitted). Only the joint fit reads them.
struct PurityFitOptions {
    bool dataDecideBaseline = false;
    double fixedPurity = std::numeric_limits<double>::quiet_NaN();
    double fixedPloidy = std::numeric_limits<double>::quiet_NaN();
};

// What the fit needs: the segments of the profile with their levels relative to the baseline
// region, the pure-tumour means of the profile's scale, the copy number the baseline region was
// given, and the profile's noise.
struct PurityFitInput {
    std::vector<ProfileSegment> segments;
    float pureMeans[kStates] = {};
    bool log2Scale = false;
    int baseCopyNumber = 2;
    double noise = 0.0;
    // Paired profiles: in step with segments, what each one's heterozygous SNPs say about its
    // allelic balance; per array the probes' cross-hybridisation share and the mean z^2 that
    // noise alone gives a balanced stretch. Empty: the total levels alone decide.
    std::vector<SegmentAlleles> alleles;
    double crossTalk[3] = {};
    double contrastNoise[3] = {};
};

inline constexpr double kPurityLow = 0.10;
inline constexpr double kPurityHigh = 1.00;

// Fits the segment levels (and, given alleles, their allelic contrast) to the mixture model on
// a grid of p (0.10 .. 1.00 by 0.01); the interval holds the fractions whose fit lies within a
// chi-square bound of the estimate's, walked out from the estimate.
PurityEstimate fitPurity(const PurityFitInput& input);

// The estimate from the analysis the document holds: array t (kXba, kHind, or kCombined for both
// arrays' profiles together); paired is the self-reference profile (base 2), read with the
// allele signals of tumour and normal as well. Where the alleles can be read it is the joint
// fit of fraction and ploidy, else the levels' fit. False with a reason when there is no decoded
// profile to read.
bool estimatePurity(const CVARNDoc& doc, int t, bool paired, PurityEstimate& estimate, std::string& reason,
                    const PurityFitOptions& options = {});

// The pure-tumour means behind the document's means (they are mixed when hmmMeansPurity < 1).
void pureMeansOf(const CVARNDoc& doc, bool log2Scale, float out[kStates]);

// "Tumour cells 52 % (46–58 %)", or "Tumour cells: cannot tell (...)"; from the joint fit
// "Tumour cells 62 % (60–64 %), ploidy 3.42 (3.36–3.50), genome doubled — fit 96 %".
std::string purityText(const PurityEstimate& estimate);

} // namespace varn

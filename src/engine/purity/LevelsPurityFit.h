#pragma once

#include "document/DocumentLimits.h"
#include "engine/alleles/AlleleImbalance.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/purity/PurityEstimate.h"
#include "engine/purity/PurityPloidyFit.h"

#include <vector>

namespace varn {

// The levels-only fit of the tumour cell fraction: the segment levels (and, paired, their allelic
// contrast) against the ladder of every copy number's expected level at each fraction. It serves
// where the alleles cannot be read for the joint fit of fraction and ploidy.

// Every number the levels-only fit rests on, with where it comes from. The grid and the
// interval's bounds are the joint fit's, so that both read the same fractions alike.
struct LevelsFitParameters {
    // The grid: p 0.10 .. 1.00 by 0.01.
    double purityLow = kPurityPloidyParameters.purityLow;
    double purityHigh = kPurityPloidyParameters.purityHigh;
    int puritySteps = kPurityPloidyParameters.puritySteps;
    // A segment that fits no copy number (an artefact, a subclone) costs at most this much per
    // marker, so that it cannot drag the fit.
    double misfitCap = 0.15;
    // Segment levels stray from the ladder by a little more than their noise (the compensation
    // leaves slow waves, segment ends blur): distances within this much (natural log) count as a
    // fit, so that the finer ladder of a low fraction gains nothing from them.
    double levelTolerance = 0.01;
    // A change is a segment this many standard errors and at least this far from the baseline,
    // or (paired) a stretch whose contrast stands this far clear of the noise (a copy-neutral
    // loss of heterozygosity is a change even at the baseline level).
    double changeZ = 5.0;
    double changeLevel = 0.03;
    double changeContrast = 0.1;
    // Too little of the genome changed to read a fraction from.
    double minChangedShare = kPurityPloidyParameters.minAlteredShare;
    // Another local minimum this close to the best (and this far from it) makes the fit ambiguous.
    double ambiguousRatio = 1.25;
    double ambiguousDistance = 0.10;
    // The interval: each segment's distance in standard errors, its noise plus the model's own
    // error (segment levels stray from the ladder by about 0.02 beyond their noise), capped, and
    // the fractions within chi-square(1 df, 95 %) of the estimate's.
    double levelModelError = kPurityPloidyParameters.levelModelError;
    double segmentChiCap = kPurityPloidyParameters.segmentCap;
    double intervalChi2 = kPurityPloidyParameters.intervalChi2;
    // The mean z^2 of a stretch's contrast: the model holds to a tenth of the squared contrast
    // (probe response is not quite linear).
    double contrastModelError = 0.1;
    // Stretches with fewer heterozygous SNPs than this say nothing about their balance.
    int minAlleleSnps = kPurityPloidyParameters.minInformative;
    // The contrast noise is read from the quietest tenth of the stretches of at least this many
    // SNPs (most of a genome keeps both parents' alleles).
    int noiseStretchSnps = 50;
};

inline constexpr LevelsFitParameters kLevelsFit{};

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

// Fits the segment levels (and, given alleles, their allelic contrast) to the mixture model on
// a grid of p (0.10 .. 1.00 by 0.01); the interval holds the fractions whose fit lies within a
// chi-square bound of the estimate's, walked out from the estimate.
PurityEstimate fitPurity(const PurityFitInput& input);

} // namespace varn

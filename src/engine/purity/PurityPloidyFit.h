#pragma once

#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/MixtureModel.h"

#include <limits>
#include <string>
#include <vector>

namespace varn {

// Tumour cell fraction p and tumour ploidy psi fitted together to a profile's segments: their
// log-ratio levels and the mirrored B-allele fraction of their informative SNPs. A doubled genome
// puts its quiet stretches at four copies, at the level two copies would have at a lower fraction;
// only the alleles (2+2 against 2+0 at one level) tell the two apart.

// One segment of one array, as the fit sees it.
struct FitSegment {
    int arrayType = 1;                 // 1 Xba, 2 Hind: whose compression, offset and noise apply
    int chromosome = 0;                // 1..22 (X and beyond are left out of the fit)
    double bases = 0.0;                // the span of its SNPs, for the shares of the genome
    int markers = 0;                   // SNPs with a log ratio
    double level = 0.0;                // their mean natural-log ratio, as the profile holds it
    int informative = 0;               // informative (germline heterozygous) SNPs
    double expectedHeterozygous = 0.0; // the sum of the population heterozygosity rates over it
    double mirroredBaf = std::numeric_limits<double>::quiet_NaN(); // mean |baf - 0.5| + 0.5 of them
};

// What the fit knows of each array.
struct FitArray {
    EffectiveCopies copies;        // from the pure-tumour means
    double levelNoise = 0.0;       // SD of one marker's log ratio (natural log)
    double bafNoise = 0.0;         // SD of one informative SNP's B-allele fraction around its band
    double informativeShare = 1.0; // share of the expected heterozygous SNPs seen as informative in balance
    // A minor allele whose share of the B-allele fraction is below this cannot be told from none:
    // its SNPs are not expected among the informative ones.
    double detectableMinorShare = 0.0;
    // The baseline region's mean level in the profile's units (its segments' levels), when the
    // array has one.
    bool hasRegion = false;
    double regionLevel = 0.0;
};

struct PurityPloidyInput {
    std::vector<FitSegment> segments;
    FitArray arrays[3]; // index 1 Xba, 2 Hind
    // The informative SNPs are the paired normal's heterozygous ones: they stay informative where
    // the tumour lost an allele, so their number says nothing about the state.
    bool informativeFromNormal = false;
    // The copy number the user gave the baseline region: it fixes psi for each p. 0: the data
    // decide the baseline.
    int baselineCopyNumber = 0;
    // Values the user fixed (NaN: fitted).
    double fixedPurity = std::numeric_limits<double>::quiet_NaN();
    double fixedPloidy = std::numeric_limits<double>::quiet_NaN();
    // With the baseline held: the best cell of the free map is listed too, ranked with the
    // solutions the baseline leaves, so that the best reading of the data is never missing.
    bool listMapBest = false;
};

// Every number the fit rests on, in one place, with where it comes from.
struct PurityPloidyParameters {
    // The grid: p 0.10 .. 1.00 by 0.01, psi 1.5 .. 5.5 by 0.02.
    double purityLow = 0.10, purityHigh = 1.00;
    int puritySteps = 90;
    double ploidyLow = 1.5, ploidyHigh = 5.5;
    int ploidySteps = 200;
    // A segment's level and mirrored B-allele fraction hold to the mixture model within these, on
    // top of their noise (the compensation leaves slow waves of about 0.02 in the log ratio; the
    // cluster centres of a few references and the probes' not quite linear response move the
    // B-allele fraction by about 0.01): measured on the demo tumours' segments at their planted
    // states.
    double levelModelError = 0.02;
    double bafModelError = 0.01;
    // A mean mirrored B-allele fraction of fewer informative SNPs is not used.
    int minInformative = 10;
    // Informative SNPs in a stretch without a second allele are strays (AlleleParameters.h).
    double strayShare = kAlleleParameters.strayShare;
    // A segment costs at most this (its squared distance, in standard errors, to the state it
    // fits best), so that a subclone or an artefact cannot drag the fit.
    double segmentCap = 25.0;
    // Explained: within this many standard errors of its state in level and in B-allele fraction.
    double explainedZ = 3.0;
    // The interval: the fit within chi-square(1 df, 95 %) of the optimum, in units of the fit's
    // dispersion (its cost per segment at the optimum, at least 1).
    double intervalChi2 = 3.84;
    // Two solutions within chi-square(2 df, 95 %) of each other fit equally well.
    double equallyGoodChi2 = 5.99;
    // Solutions kept: local optima whose cost lies within this many dispersion units per segment
    // of the best's, at least 0.05 in p or 8 % in psi from a better one.
    double keepMarginPerSegment = 2.0;
    double separatePurity = 0.05;
    double separatePloidy = 0.08;
    // Too little of the genome altered (by bases) to read a fraction from.
    double minAlteredShare = 0.01;
    // A doubling: psi of two solutions in this ratio.
    double doublingLow = 1.7, doublingHigh = 2.3;
    // Doubled: more than half of the autosomal genome holds two or more copies of its major
    // parent (what a genome shows after doubling, whatever it lost before or after).
    double doubledShare = 0.5;
};

inline constexpr PurityPloidyParameters kPurityPloidyParameters{};

// One solution: the fraction and ploidy with their intervals, how well it fits and what it says
// about the genome (shares by bases of the autosomal segments).
struct PurityPloidySolution {
    double purity = 1.0, purityLow = 1.0, purityHigh = 1.0;
    double ploidy = 2.0, ploidyLow = 2.0, ploidyHigh = 2.0;
    double cost = 0.0;
    // How well it fits, the score the solutions are ranked by: 1 - cost / (segmentCap x segments),
    // 1 when every segment sits on its state, 0 when none fits any state better than the cap.
    double fit = 0.0;
    double explainedShare = 0.0; // share of the markers in segments it explains
    double lohShare = 0.0;     // nMinor = 0, nMajor >= 1
    double doubledShare = 0.0; // nMajor >= 2
    double alteredShare = 0.0; // any state but the tumour's balanced base (1+1, or 2+2 when doubled)
    bool doubled = false;
    // The total copy number each array's baseline region has at this solution (0 without one):
    // what the seven-state model needs to decode with it.
    int regionCopyNumber[3] = {};
    std::vector<AlleleState> states; // in step with the input's segments
    std::vector<char> explained;
};

// The fit over the grid: cost[i * ploidies + j] at purity(i), ploidy(j), the best cost first.
struct PurityPloidyMap {
    int purities = 0;
    int ploidies = 0;
    double purityLow = 0.0, purityHigh = 1.0, ploidyLow = 0.0, ploidyHigh = 1.0;
    std::vector<float> cost;
    double bestCost = 0.0;
    double dispersion = 1.0;
    double purityAt(int i) const;
    double ploidyAt(int j) const;
    float at(int i, int j) const { return cost[static_cast<std::size_t>(i * ploidies + j)]; }
};

struct PurityPloidyFit {
    bool available = false;
    std::string why; // unavailable: why; available but undecided: why it cannot tell
    bool decided = false;
    bool baselineConstrained = false;
    std::vector<PurityPloidySolution> solutions; // best first: by cost, so by fit
    PurityPloidyMap map;
    // The path the constraints leave (the baseline's psi for each p, a fixed p or psi), in the
    // map's coordinates; empty when both are free.
    std::vector<std::pair<double, double>> path;
    std::vector<double> pathCost; // in step with path
    int segments = 0;
    double dispersion = 1.0;
};

PurityPloidyFit fitPurityPloidy(const PurityPloidyInput& input,
                                const PurityPloidyParameters& parameters = kPurityPloidyParameters);

} // namespace varn

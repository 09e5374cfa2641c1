#pragma once

#include "engine/purity/PurityPloidyFit.h"

#include <cmath>
#include <vector>

// The cost model of the joint fit: what a segment costs at one point (p, psi) of the fit, set
// against the nearest allele-specific state by its level and by its alleles, and what the whole
// profile costs there. The grid search (PurityPloidyFit.cpp) looks for its minima.
namespace varn::jointfit {

using Params = PurityPloidyParameters;

// A segment the fit reads: an autosome's, with markers and a finite level, of Xba or Hind.
bool usable(const FitSegment& s);

// Everything of a segment's cost that does not depend on psi: per total copy number k the best
// minor count j and what its alleles cost (the B-allele fraction and the informative count).
struct AlleleCost {
    double cost[kStates];
    int minor[kStates];
};

// Where a point of the fit reads each array's levels: x = level + shift[a] is compared with
// ln(p g(k) + 2 (1 - p)).
struct Point {
    double purity = 1.0;
    double ploidy = 2.0;
    double shift[3] = {};
};

// What the fit prepares once: the usable segments, each array's linear-scale mean (every sample
// is scaled to a mean probe of 1, so the genome's mean level is that of its mean copy number), and
// the standard errors of the segments' levels.
struct Prepared {
    const PurityPloidyInput& in;
    const Params& P;
    std::vector<int> index; // usable segments
    double lnMean[3] = {};
    double regionOffset[3] = {}; // the region's level against the array's mean
    bool constrained = false;
    std::vector<double> levelSe2;
    double totalBases = 0.0;
    int totalMarkers = 0;
    // The allele costs of each grid row, made when first asked for.
    mutable std::vector<std::vector<AlleleCost>> rows;

    Prepared(const PurityPloidyInput& input, const Params& parameters) : in(input), P(parameters) {
        double sum[3] = {}, markers[3] = {};
        for (int s = 0; s < static_cast<int>(in.segments.size()); ++s) {
            const FitSegment& g = in.segments[static_cast<std::size_t>(s)];
            if (!usable(g)) continue;
            index.push_back(s);
            sum[g.arrayType] += g.markers * std::exp(g.level);
            markers[g.arrayType] += g.markers;
            const double noise = in.arrays[g.arrayType].levelNoise;
            levelSe2.push_back(noise * noise / g.markers + P.levelModelError * P.levelModelError);
            totalBases += g.bases;
            totalMarkers += g.markers;
        }
        for (int a = 1; a <= 2; ++a) {
            lnMean[a] = markers[a] > 0 ? std::log(sum[a] / markers[a]) : 0.0;
            regionOffset[a] = in.arrays[a].regionLevel - lnMean[a];
        }
        constrained =
            in.baselineCopyNumber > 0 && !std::isfinite(in.fixedPloidy) &&
            ((markers[1] > 0 && in.arrays[1].hasRegion) || (markers[2] > 0 && in.arrays[2].hasRegion));
    }

    const FitSegment& segment(std::size_t i) const { return in.segments[static_cast<std::size_t>(index[i])]; }

    Point freePoint(double p, double psi) const {
        Point pt{p, psi, {}};
        for (int a = 1; a <= 2; ++a)
            pt.shift[a] =
                std::log(p * effectivePloidy(in.arrays[a].copies, psi) + 2.0 * (1.0 - p)) - lnMean[a];
        return pt;
    }

    // The baseline region holds the copy number the user gave: it sits at that state's level, and
    // the genome's mean signal, and so psi, follows from where the region lies against it.
    Point baselinePoint(double p) const {
        Point pt{p, 0.0, {}};
        double psiSum = 0.0;
        int arrays = 0;
        for (int a = 1; a <= 2; ++a) {
            if (!in.arrays[a].hasRegion) continue;
            const double regionSignal = std::log(mixedSignal(in.arrays[a].copies, in.baselineCopyNumber, p));
            pt.shift[a] = regionSignal - in.arrays[a].regionLevel;
            const double meanSignal = std::exp(regionSignal - regionOffset[a]);
            psiSum += ploidyOfEffective(in.arrays[a].copies, (meanSignal - 2.0 * (1.0 - p)) / p);
            ++arrays;
        }
        pt.ploidy = arrays > 0 ? psiSum / arrays : 2.0;
        // An array without a region of its own reads against the ploidy the other one gives.
        for (int a = 1; a <= 2; ++a)
            if (!in.arrays[a].hasRegion)
                pt.shift[a] =
                    std::log(p * effectivePloidy(in.arrays[a].copies, pt.ploidy) + 2.0 * (1.0 - p)) -
                    lnMean[a];
        return pt;
    }
};

struct Ladder {
    double level[3][kStates];
};

// Each array's expected level of every total copy number at fraction p.
Ladder ladderAt(const Prepared& pr, double p);

// The allele costs at p: a grid row's are kept, others made in scratch.
const std::vector<AlleleCost>& allelesAt(const Prepared& pr, double p, std::vector<AlleleCost>& scratch);

// The whole profile's cost at a point.
double costAt(const Prepared& pr, const Point& pt);

// What a solution at a point says: its cost, every segment's state and whether it is explained,
// the shares of the genome and the baseline region's copy number; its interval left at the point.
PurityPloidySolution solutionAt(const Prepared& pr, const Point& pt);

} // namespace varn::jointfit

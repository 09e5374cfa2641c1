// The tumour cell fraction from the levels a profile's segments sit at. Every copy number has
// its expected level at each fraction p (the pure-tumour means mixed with the normal cells'
// diploid DNA); the fraction at which the segment levels lie closest to that ladder is the
// estimate. A homozygous deletion or a high gain pins the scale, since no other fraction can
// reach its level; a profile without changes fits every p alike and says so. A paired profile
// adds the allelic contrast at the normal's heterozygous SNPs, which a lost parental allele ties
// to p directly (PairedContrastModel.h).
#include "LevelsPurityFit.h"

#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/PairedContrastModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varn {

namespace {

const LevelsFitParameters& P = kLevelsFit;

double gridPurity(int i) {
    return P.purityLow + i * (P.purityHigh - P.purityLow) / P.puritySteps;
}

struct Ladder {
    double level[kStates];
};

// The level tolerance on the profile's scale (it is given in natural log).
double tolerance(const PurityFitInput& in) {
    return in.log2Scale ? P.levelTolerance / std::log(2.0) : P.levelTolerance;
}

Ladder ladderAt(const PurityFitInput& in, double p) {
    float means[kStates];
    meansForPurity(in.pureMeans, p, in.log2Scale, means);
    Ladder l{};
    const double base = means[in.baseCopyNumber];
    for (int k = 0; k < kStates; ++k) l.level[k] = means[k] - base;
    return l;
}

double segmentMisfit(const Ladder& l, double level, double tolerance) {
    double best = P.misfitCap * P.misfitCap;
    for (double m : l.level) {
        const double d = std::max(0.0, std::fabs(level - m) - tolerance);
        best = std::min(best, d * d);
    }
    return best;
}

// Total level and allelic contrast together: the copy number and minor-parent count that fit
// both best.
double jointMisfit(const PurityFitInput& in, const Ladder& l, double p, std::size_t s) {
    const ProfileSegment& segment = in.segments[s];
    const double c = in.crossTalk[segment.arrayType];
    double best = 2.0 * P.misfitCap * P.misfitCap;
    for (int k = 0; k < kStates; ++k) {
        const double d = std::max(0.0, std::fabs(segment.level - l.level[k]) - tolerance(in));
        const double total = std::min(P.misfitCap * P.misfitCap, d * d);
        for (int j = 0; 2 * j <= k; ++j)
            best = std::min(best, total + alleleMisfit(in, s, expectedContrast(in, p, k, j, c)));
    }
    return best;
}

// The interval is a likelihood-ratio interval on the fit around the estimate. Each segment's
// distance to its nearest level (and, given alleles, its contrast's to its state's) is counted in
// standard errors: its noise over its markers plus the model's own error, for segment levels
// stray from the ladder by about 0.02 beyond their noise (the compensation leaves slow waves).
// Capped as the misfit is, summed, and scaled by the sum's dispersion at the estimate (its mean
// per segment, at least 1), it is read as a chi-square: the fractions within 3.84 of the
// estimate's, walked out from it, form the interval. (Resampling the segments instead let the
// interval jump to another local minimum whenever some resamples favoured it.)
double segmentChi(const PurityFitInput& in, const Ladder& l, double p, std::size_t s) {
    const ProfileSegment& segment = in.segments[s];
    const double modelError = in.log2Scale ? P.levelModelError / std::log(2.0) : P.levelModelError;
    const double se2 = in.noise * in.noise / segment.count + modelError * modelError;
    const bool alleles = hasAlleles(in, s);
    const double c = alleles ? in.crossTalk[segment.arrayType] : 0.0;
    double best = P.segmentChiCap;
    for (int k = 0; k < kStates; ++k) {
        const double d = segment.level - l.level[k];
        const double level = d * d / se2;
        if (!alleles) {
            best = std::min(best, level);
            continue;
        }
        for (int j = 0; 2 * j <= k; ++j)
            best = std::min(best, level + alleleChi(in, s, expectedContrast(in, p, k, j, c)));
    }
    return best;
}

void likelihoodInterval(const PurityFitInput& in, int best, PurityEstimate& e) {
    std::vector<double> chi;
    for (int i = 0; i <= P.puritySteps; ++i) {
        const Ladder l = ladderAt(in, gridPurity(i));
        double sum = 0.0;
        for (std::size_t s = 0; s < in.segments.size(); ++s) sum += segmentChi(in, l, gridPurity(i), s);
        chi.push_back(sum);
    }
    const double segments = static_cast<double>(in.segments.size());
    const double dispersion =
        std::max(1.0, chi[static_cast<std::size_t>(best)] / std::max(1.0, segments - 1.0));
    const double bound = chi[static_cast<std::size_t>(best)] + P.intervalChi2 * dispersion;
    int lo = best, hi = best;
    while (lo > 0 && chi[static_cast<std::size_t>(lo - 1)] <= bound) --lo;
    while (hi < P.puritySteps && chi[static_cast<std::size_t>(hi + 1)] <= bound) ++hi;
    e.low = gridPurity(lo);
    e.high = gridPurity(hi);
}

// misfit[i][s]: segment s against the ladder at grid point i, per marker.
std::vector<std::vector<double>> misfitTable(const PurityFitInput& in) {
    std::vector<std::vector<double>> table(P.puritySteps + 1);
    for (int i = 0; i <= P.puritySteps; ++i) {
        const Ladder l = ladderAt(in, gridPurity(i));
        for (std::size_t s = 0; s < in.segments.size(); ++s)
            table[static_cast<std::size_t>(i)].push_back(
                hasAlleles(in, s) ? jointMisfit(in, l, gridPurity(i), s)
                                  : segmentMisfit(l, in.segments[s].level, tolerance(in)));
    }
    return table;
}

int bestGridPoint(const std::vector<std::vector<double>>& table, const std::vector<int>& weight,
                  const std::vector<ProfileSegment>& segments) {
    int best = P.puritySteps;
    double bestCost = 0.0;
    for (int i = P.puritySteps; i >= 0; --i) {
        double cost = 0.0;
        for (std::size_t s = 0; s < segments.size(); ++s)
            if (weight[s] != 0) cost += weight[s] * segments[s].count * table[static_cast<std::size_t>(i)][s];
        if (i == P.puritySteps || cost < bestCost) {
            bestCost = cost;
            best = i;
        }
    }
    return best;
}

} // namespace

PurityEstimate fitPurity(const PurityFitInput& in) {
    PurityEstimate e;
    e.segments = static_cast<int>(in.segments.size());
    for (std::size_t i = 0; i < in.segments.size(); ++i) {
        const ProfileSegment& s = in.segments[i];
        e.markers += s.count;
        const double distance = std::fabs(s.level);
        if ((distance > P.changeLevel && distance > P.changeZ * in.noise / std::sqrt(s.count)) ||
            imbalanced(in, i))
            e.changedMarkers += s.count;
    }
    if (e.markers == 0) {
        e.why = "no usable marker";
        return e;
    }
    const auto table = misfitTable(in);
    for (int i = 0; i <= P.puritySteps; ++i) {
        double cost = 0.0;
        for (std::size_t s = 0; s < in.segments.size(); ++s)
            cost += in.segments[s].count * table[static_cast<std::size_t>(i)][s];
        e.curve.push_back({gridPurity(i), cost / e.markers});
    }
    const std::vector<int> all(in.segments.size(), 1);
    const int best = bestGridPoint(table, all, in.segments);
    e.purity = gridPurity(best);

    // The other local minima of the curve, the best of them first.
    for (int i = 0; i <= P.puritySteps; ++i) {
        if (i == best) continue;
        const double m = e.curve[static_cast<std::size_t>(i)].misfit;
        const bool lowerLeft = i == 0 || m < e.curve[static_cast<std::size_t>(i - 1)].misfit;
        const bool lowerRight = i == P.puritySteps || m <= e.curve[static_cast<std::size_t>(i + 1)].misfit;
        if (lowerLeft && lowerRight) e.candidates.push_back(e.curve[static_cast<std::size_t>(i)]);
    }
    std::sort(e.candidates.begin(), e.candidates.end(),
              [](const PurityFitPoint& a, const PurityFitPoint& b) { return a.misfit < b.misfit; });

    likelihoodInterval(in, best, e);

    const double bestMisfit = e.curve[static_cast<std::size_t>(best)].misfit;
    char text[160];
    if (e.changedMarkers < P.minChangedShare * e.markers) {
        e.why = "no copy-number change to measure";
    } else {
        for (const PurityFitPoint& c : e.candidates) {
            if (std::fabs(c.purity - e.purity) < P.ambiguousDistance) continue;
            if (c.misfit <= P.ambiguousRatio * bestMisfit + 1e-6) {
                std::snprintf(text, sizeof text, "%.0f %% and %.0f %% fit about as well", 100 * e.purity,
                              100 * c.purity);
                e.why = text;
            }
            break;
        }
    }
    e.decided = e.why.empty();
    return e;
}

} // namespace varn

// The joint fit of tumour cell fraction and ploidy. Every segment is set against the nearest
// allele-specific state at each (p, psi): its level on the log-ratio scale and the mirrored
// B-allele fraction of its informative SNPs, each distance in units of its standard error
// (noise over the segment's markers or informative SNPs, plus the model's own error), and, where
// the sample alone says which SNPs are heterozygous, the number of informative SNPs against the
// number the state leaves visible (a pure tumour's LOH leaves none). A segment's cost is capped,
// the sum over the segments is the fit's cost, and its minima are the solutions.
#include "PurityPloidyCost.h"

#include "engine/allelic/AlleleSegments.h"

#include <algorithm>
#include <utility>

namespace varn::jointfit {

namespace {

double poissonDeviance(double observed, double expected) {
    if (observed <= 0.0) return 2.0 * expected;
    return 2.0 * (observed * std::log(observed / expected) - (observed - expected));
}

struct AlleleTerms {
    double baf = 0.0;   // squared distance in standard errors
    double count = 0.0; // deviance of the informative count
};

AlleleTerms alleleTerms(const Prepared& pr, const FitSegment& s, int k, int j, double p) {
    const FitArray& a = pr.in.arrays[s.arrayType];
    AlleleTerms t;
    const double minorShare = minorAlleleShare(a.copies, k, j, p);
    const bool visible = pr.in.informativeFromNormal || minorShare >= a.detectableMinorShare;
    // Without tumour copies the alleles are the normal cells' (or, in a pure tumour, background
    // that the informative SNPs leave out): their count says nothing.
    if (!pr.in.informativeFromNormal && k > 0 && s.expectedHeterozygous > 0.0) {
        const double expected =
            s.expectedHeterozygous * a.informativeShare * (visible ? 1.0 : pr.P.strayShare);
        if (expected > 0.0) t.count = poissonDeviance(s.informative, expected);
    }
    if (visible && s.informative >= pr.P.minInformative && std::isfinite(s.mirroredBaf) && a.bafNoise > 0.0) {
        const double delta = 0.5 - minorShare;
        const double folded = foldedMean(delta, a.bafNoise);
        const double variance = std::max(0.0, delta * delta + a.bafNoise * a.bafNoise - folded * folded);
        const double se2 = variance / s.informative + pr.P.bafModelError * pr.P.bafModelError;
        const double d = s.mirroredBaf - 0.5 - folded;
        t.baf = d * d / se2;
    }
    return t;
}

void alleleCosts(const Prepared& pr, double p, std::vector<AlleleCost>& out) {
    out.resize(pr.index.size());
    const AlleleState* states = alleleStates();
    for (std::size_t i = 0; i < pr.index.size(); ++i) {
        const FitSegment& s = pr.segment(i);
        AlleleCost& c = out[i];
        std::fill(c.cost, c.cost + kStates, 1e300);
        for (int n = 0; n < kAlleleStates; ++n) {
            const int k = states[n].total, j = states[n].minor;
            const AlleleTerms t = alleleTerms(pr, s, k, j, p);
            const double cost = t.baf + t.count;
            if (cost < c.cost[k]) {
                c.cost[k] = cost;
                c.minor[k] = j;
            }
        }
    }
}

// The cost of segment i at a point and the total copy number that gives it.
std::pair<double, int> segmentCost(const Prepared& pr, std::size_t i, const Ladder& l, const AlleleCost& c,
                                   const Point& pt) {
    const FitSegment& s = pr.segment(i);
    const double x = s.level + pt.shift[s.arrayType];
    const double* ladder = l.level[s.arrayType];
    const double weight = 1.0 / pr.levelSe2[i];
    // The ladder rises with k: start at the nearest level and walk out on either side while the
    // level's distance alone is still below the best cost found.
    int nearest = 0;
    while (nearest + 1 < kStates && ladder[nearest + 1] < x) ++nearest;
    if (nearest + 1 < kStates && ladder[nearest + 1] - x < x - ladder[nearest]) ++nearest;
    double best = 1e300;
    int bestK = nearest;
    for (int k = nearest; k >= 0; --k) {
        const double level = (x - ladder[k]) * (x - ladder[k]) * weight;
        if (level >= best) break;
        if (level + c.cost[k] < best) {
            best = level + c.cost[k];
            bestK = k;
        }
    }
    for (int k = nearest + 1; k < kStates; ++k) {
        const double level = (x - ladder[k]) * (x - ladder[k]) * weight;
        if (level >= best) break;
        if (level + c.cost[k] < best) {
            best = level + c.cost[k];
            bestK = k;
        }
    }
    return {std::min(best, pr.P.segmentCap), bestK};
}

double totalCost(const Prepared& pr, const Ladder& l, const std::vector<AlleleCost>& c, const Point& pt) {
    double sum = 0.0;
    for (std::size_t i = 0; i < pr.index.size(); ++i) sum += segmentCost(pr, i, l, c[i], pt).first;
    return sum;
}

} // namespace

bool usable(const FitSegment& s) {
    return s.chromosome >= 1 && s.chromosome <= 22 && s.markers > 0 && std::isfinite(s.level) &&
           (s.arrayType == 1 || s.arrayType == 2);
}

Ladder ladderAt(const Prepared& pr, double p) {
    Ladder l{};
    for (int a = 1; a <= 2; ++a)
        for (int k = 0; k < kStates; ++k) l.level[a][k] = std::log(mixedSignal(pr.in.arrays[a].copies, k, p));
    return l;
}

const std::vector<AlleleCost>& allelesAt(const Prepared& pr, double p, std::vector<AlleleCost>& scratch) {
    const double step = (pr.P.purityHigh - pr.P.purityLow) / pr.P.puritySteps;
    const long row = std::lround((p - pr.P.purityLow) / step);
    if (row < 0 || row > pr.P.puritySteps || std::fabs(pr.P.purityLow + row * step - p) > 1e-9) {
        alleleCosts(pr, p, scratch);
        return scratch;
    }
    // Sized once, before the map's rows are formed side by side: each then touches its own row.
    if (pr.rows.size() != static_cast<std::size_t>(pr.P.puritySteps + 1))
        pr.rows.resize(static_cast<std::size_t>(pr.P.puritySteps + 1));
    std::vector<AlleleCost>& cached = pr.rows[static_cast<std::size_t>(row)];
    if (cached.empty() && !pr.index.empty()) alleleCosts(pr, p, cached);
    return cached;
}

double costAt(const Prepared& pr, const Point& pt) {
    std::vector<AlleleCost> scratch;
    return totalCost(pr, ladderAt(pr, pt.purity), allelesAt(pr, pt.purity, scratch), pt);
}

PurityPloidySolution solutionAt(const Prepared& pr, const Point& pt) {
    PurityPloidySolution sol;
    sol.purity = sol.purityLow = sol.purityHigh = pt.purity;
    sol.ploidy = sol.ploidyLow = sol.ploidyHigh = pt.ploidy;
    const Ladder l = ladderAt(pr, pt.purity);
    std::vector<AlleleCost> scratch;
    const std::vector<AlleleCost>& costs = allelesAt(pr, pt.purity, scratch);
    sol.states.assign(pr.in.segments.size(), AlleleState{-1, -1});
    sol.explained.assign(pr.in.segments.size(), 0);
    const double z2 = pr.P.explainedZ * pr.P.explainedZ;
    double explainedMarkers = 0.0, loh = 0.0, doubled = 0.0;
    std::vector<AlleleState> chosen(pr.index.size());
    for (std::size_t i = 0; i < pr.index.size(); ++i) {
        const FitSegment& s = pr.segment(i);
        const auto [cost, k] = segmentCost(pr, i, l, costs[i], pt);
        sol.cost += cost;
        const AlleleState state{k, costs[i].minor[k]};
        chosen[i] = state;
        sol.states[static_cast<std::size_t>(pr.index[i])] = state;
        const double d = s.level + pt.shift[s.arrayType] - l.level[s.arrayType][k];
        const AlleleTerms t = alleleTerms(pr, s, k, state.minor, pt.purity);
        const bool ok = d * d / pr.levelSe2[i] <= z2 && t.baf <= z2 && t.count <= z2;
        sol.explained[static_cast<std::size_t>(pr.index[i])] = ok;
        if (ok) explainedMarkers += s.markers;
        if (state.minor == 0 && state.total >= 1) loh += s.bases;
        if (state.major() >= 2) doubled += s.bases;
    }
    if (pr.totalBases > 0.0) {
        sol.lohShare = loh / pr.totalBases;
        sol.doubledShare = doubled / pr.totalBases;
    }
    if (pr.totalMarkers > 0) sol.explainedShare = explainedMarkers / pr.totalMarkers;
    if (!pr.index.empty())
        sol.fit = 1.0 - sol.cost / (pr.P.segmentCap * static_cast<double>(pr.index.size()));
    sol.doubled = sol.doubledShare > pr.P.doubledShare;
    const AlleleState base = sol.doubled ? AlleleState{4, 2} : AlleleState{2, 1};
    double altered = 0.0;
    for (std::size_t i = 0; i < pr.index.size(); ++i)
        if (chosen[i].total != base.total || chosen[i].minor != base.minor) altered += pr.segment(i).bases;
    if (pr.totalBases > 0.0) sol.alteredShare = altered / pr.totalBases;
    for (int a = 1; a <= 2; ++a) {
        if (!pr.in.arrays[a].hasRegion) continue;
        const double x = pr.in.arrays[a].regionLevel + pt.shift[a];
        int best = 0;
        for (int k = 1; k < kStates; ++k)
            if (std::fabs(x - l.level[a][k]) < std::fabs(x - l.level[a][best])) best = k;
        sol.regionCopyNumber[a] = best;
    }
    return sol;
}

} // namespace varn::jointfit

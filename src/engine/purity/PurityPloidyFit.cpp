// The joint fit of tumour cell fraction and ploidy. Every segment is set against the nearest
// allele-specific state at each (p, psi): its level on the log-ratio scale and the mirrored
// B-allele fraction of its informative SNPs, each distance in units of its standard error
// (noise over the segment's markers or informative SNPs, plus the model's own error), and, where
// the sample alone says which SNPs are heterozygous, the number of informative SNPs against the
// number the state leaves visible (a pure tumour's LOH leaves none). A segment's cost is capped,
// the sum over the segments is the fit's cost, and its minima are the solutions.
#include "PurityPloidyFit.h"

#include "engine/allelic/AlleleSegments.h"
#include "engine/common/SideBySide.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace varn {

namespace {

using Params = PurityPloidyParameters;

bool usable(const FitSegment& s) {
    return s.chromosome >= 1 && s.chromosome <= 22 && s.markers > 0 && std::isfinite(s.level) &&
           (s.arrayType == 1 || s.arrayType == 2);
}

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
        constrained = in.baselineCopyNumber > 0 && !std::isfinite(in.fixedPloidy) &&
                      ((markers[1] > 0 && in.arrays[1].hasRegion) || (markers[2] > 0 && in.arrays[2].hasRegion));
    }

    const FitSegment& segment(std::size_t i) const { return in.segments[static_cast<std::size_t>(index[i])]; }

    Point freePoint(double p, double psi) const {
        Point pt{p, psi, {}};
        for (int a = 1; a <= 2; ++a)
            pt.shift[a] = std::log(p * effectivePloidy(in.arrays[a].copies, psi) + 2.0 * (1.0 - p)) - lnMean[a];
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
                pt.shift[a] = std::log(p * effectivePloidy(in.arrays[a].copies, pt.ploidy) + 2.0 * (1.0 - p)) - lnMean[a];
        return pt;
    }
};

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
        const double expected = s.expectedHeterozygous * a.informativeShare * (visible ? 1.0 : pr.P.strayShare);
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

struct Ladder {
    double level[3][kStates];
};

Ladder ladderAt(const Prepared& pr, double p) {
    Ladder l{};
    for (int a = 1; a <= 2; ++a)
        for (int k = 0; k < kStates; ++k) l.level[a][k] = std::log(mixedSignal(pr.in.arrays[a].copies, k, p));
    return l;
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

// The allele costs at p: a grid row's are kept, others made in scratch.
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
    if (pr.totalMarkers > 0) sol.fit = explainedMarkers / pr.totalMarkers;
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

// The cost over the whole grid, psi free. Along a row (one p) psi only moves each array's levels
// against the ladder, so the row is computed segment by segment in plain float arrays, without
// branches, each state's allele cost laid out beside the others.
PurityPloidyMap mapOf(const Prepared& pr) {
    const Params& P = pr.P;
    PurityPloidyMap m;
    m.purities = P.puritySteps + 1;
    m.ploidies = P.ploidySteps + 1;
    m.purityLow = P.purityLow;
    m.purityHigh = P.purityHigh;
    m.ploidyLow = P.ploidyLow;
    m.ploidyHigh = P.ploidyHigh;
    m.cost.resize(static_cast<std::size_t>(m.purities * m.ploidies));
    // Padded to whole blocks of eight; a padding segment costs nothing anywhere.
    const std::size_t used = pr.index.size();
    const std::size_t n = (used + 7) / 8 * 8;
    std::vector<float> level(n), weight(n);
    std::vector<int> array(n, 1);
    for (std::size_t i = 0; i < used; ++i) {
        level[i] = static_cast<float>(pr.segment(i).level);
        weight[i] = static_cast<float>(1.0 / pr.levelSe2[i]);
        array[i] = pr.segment(i).arrayType;
    }
    const float cap = static_cast<float>(P.segmentCap);
    pr.rows.resize(static_cast<std::size_t>(P.puritySteps + 1));
    // Each fraction's row of the map is independent of the others: the rows are formed side by
    // side on the machine's cores, each with its own working rows.
    sideBySide(static_cast<std::size_t>(m.purities), [&](std::size_t row) {
        const int r = static_cast<int>(row);
        std::vector<float> allele(n * kStates), ladder(n * kStates), cost(n), x(n);
        std::vector<AlleleCost> scratch;
        const double p = m.purityAt(r);
        const Ladder l = ladderAt(pr, p);
        const std::vector<AlleleCost>& c = allelesAt(pr, p, scratch);
        for (std::size_t i = 0; i < used; ++i)
            for (int k = 0; k < kStates; ++k) {
                allele[static_cast<std::size_t>(k) * n + i] = static_cast<float>(std::min(c[i].cost[k], 1e30));
                ladder[static_cast<std::size_t>(k) * n + i] = static_cast<float>(l.level[array[i]][k]);
            }
        for (int j = 0; j < m.ploidies; ++j) {
            const Point pt = pr.freePoint(p, m.ploidyAt(j));
            const float shift[3] = {0.0f, static_cast<float>(pt.shift[1]), static_cast<float>(pt.shift[2])};
            for (std::size_t i = 0; i < n; ++i) x[i] = level[i] + shift[array[i]];
            float* __restrict out = cost.data();
            const float* __restrict xs = x.data();
            const float* __restrict ws = weight.data();
            for (std::size_t i = 0; i < n; ++i) out[i] = cap;
            for (int k = 0; k < kStates; ++k) {
                const float* __restrict lk = &ladder[static_cast<std::size_t>(k) * n];
                const float* __restrict ak = &allele[static_cast<std::size_t>(k) * n];
                for (std::size_t b = 0; b < n; b += 8)
                    for (std::size_t i = b; i < b + 8; ++i) {
                        const float d = xs[i] - lk[i];
                        const float v = d * d * ws[i] + ak[i];
                        out[i] = v < out[i] ? v : out[i];
                    }
            }
            double sum = 0.0;
            for (std::size_t i = 0; i < used; ++i) sum += out[i];
            m.cost[static_cast<std::size_t>(r * m.ploidies + j)] = static_cast<float>(sum);
        }
    });
    m.bestCost = *std::min_element(m.cost.begin(), m.cost.end());
    return m;
}

double dispersionOf(const Prepared& pr, double bestCost) {
    const double segments = static_cast<double>(pr.index.size());
    return std::max(1.0, bestCost / std::max(1.0, segments - 2.0));
}

// A candidate optimum: where it lies and its cost.
struct Candidate {
    Point point;
    double cost = 0.0;
    int i = 0, j = 0; // grid cell (j = -1 on a path)
};

bool separate(const Params& P, const Candidate& a, const Candidate& b) {
    return std::fabs(a.point.purity - b.point.purity) >= P.separatePurity - 1e-9 ||
           std::fabs(a.point.ploidy / b.point.ploidy - 1.0) >= P.separatePloidy;
}

// The kept optima, best first: within the margin of the best and apart from every better one.
std::vector<Candidate> keep(const Prepared& pr, std::vector<Candidate> candidates, double dispersion) {
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
    std::vector<Candidate> kept;
    const double margin = pr.P.keepMarginPerSegment * dispersion * static_cast<double>(pr.index.size());
    for (const Candidate& c : candidates) {
        if (!kept.empty() && c.cost > kept.front().cost + margin) break;
        bool apart = true;
        for (const Candidate& k : kept) apart = apart && separate(pr.P, c, k);
        if (apart) kept.push_back(c);
    }
    return kept;
}

// The interval of a solution on the free map: the profile of the cost over the other parameter
// (within the solution's own basin: psi within a quarter, p within 0.2), walked out from the
// optimum while it stays within the chi-square bound.
void mapInterval(const PurityPloidyMap& m, const Params& P, double dispersion, const Candidate& c,
                 PurityPloidySolution& s) {
    const double bound = c.cost + P.intervalChi2 * dispersion;
    auto purityProfile = [&](int i) {
        double best = 1e300;
        for (int j = 0; j < m.ploidies; ++j)
            if (std::fabs(m.ploidyAt(j) / c.point.ploidy - 1.0) <= 0.25) best = std::min(best, static_cast<double>(m.at(i, j)));
        return best;
    };
    auto ploidyProfile = [&](int j) {
        double best = 1e300;
        for (int i = 0; i < m.purities; ++i)
            if (std::fabs(m.purityAt(i) - c.point.purity) <= 0.2) best = std::min(best, static_cast<double>(m.at(i, j)));
        return best;
    };
    int lo = c.i, hi = c.i;
    while (lo > 0 && purityProfile(lo - 1) <= bound) --lo;
    while (hi + 1 < m.purities && purityProfile(hi + 1) <= bound) ++hi;
    s.purityLow = m.purityAt(lo);
    s.purityHigh = m.purityAt(hi);
    lo = hi = c.j;
    while (lo > 0 && ploidyProfile(lo - 1) <= bound) --lo;
    while (hi + 1 < m.ploidies && ploidyProfile(hi + 1) <= bound) ++hi;
    s.ploidyLow = m.ploidyAt(lo);
    s.ploidyHigh = m.ploidyAt(hi);
}

// The same along a path the constraints leave.
void pathInterval(const std::vector<Candidate>& path, const Params& P, double dispersion, const Candidate& c,
                  PurityPloidySolution& s) {
    const double bound = c.cost + P.intervalChi2 * dispersion;
    int lo = c.i, hi = c.i;
    const int n = static_cast<int>(path.size());
    while (lo > 0 && path[static_cast<std::size_t>(lo - 1)].cost <= bound) --lo;
    while (hi + 1 < n && path[static_cast<std::size_t>(hi + 1)].cost <= bound) ++hi;
    s.purityLow = s.ploidyLow = 1e300;
    s.purityHigh = s.ploidyHigh = -1e300;
    for (int k = lo; k <= hi; ++k) {
        const Point& pt = path[static_cast<std::size_t>(k)].point;
        s.purityLow = std::min(s.purityLow, pt.purity);
        s.purityHigh = std::max(s.purityHigh, pt.purity);
        s.ploidyLow = std::min(s.ploidyLow, pt.ploidy);
        s.ploidyHigh = std::max(s.ploidyHigh, pt.ploidy);
    }
}

std::vector<Candidate> mapMinima(const PurityPloidyMap& m, const Prepared& pr) {
    std::vector<Candidate> out;
    for (int i = 0; i < m.purities; ++i)
        for (int j = 0; j < m.ploidies; ++j) {
            const float v = m.at(i, j);
            bool minimum = true;
            for (int di = -1; di <= 1 && minimum; ++di)
                for (int dj = -1; dj <= 1 && minimum; ++dj) {
                    const int a = i + di, b = j + dj;
                    if ((di == 0 && dj == 0) || a < 0 || b < 0 || a >= m.purities || b >= m.ploidies) continue;
                    // Ties go to the cell nearer the origin, so that a flat floor gives one minimum.
                    const float w = m.at(a, b);
                    minimum = (di < 0 || (di == 0 && dj < 0)) ? v < w : v <= w;
                }
            if (minimum) out.push_back({pr.freePoint(m.purityAt(i), m.ploidyAt(j)), v, i, j});
        }
    return out;
}

std::vector<Candidate> pathMinima(const std::vector<Candidate>& path) {
    std::vector<Candidate> out;
    const std::size_t n = path.size();
    for (std::size_t k = 0; k < n; ++k) {
        const bool left = k == 0 || path[k].cost < path[k - 1].cost;
        const bool right = k + 1 == n || path[k].cost <= path[k + 1].cost;
        if (left && right) out.push_back(path[k]);
    }
    return out;
}

// A baseline path outside these is no tumour: below one copy on average most of the genome would
// be gone (a genome of one copy everywhere has ploidy 1), above eight it is not a cell's.
constexpr double kPloidyFloor = 1.0;
constexpr double kPloidyLimit = 8.0;

} // namespace

double PurityPloidyMap::purityAt(int i) const {
    return purities > 1 ? purityLow + i * (purityHigh - purityLow) / (purities - 1) : purityLow;
}

double PurityPloidyMap::ploidyAt(int j) const {
    return ploidies > 1 ? ploidyLow + j * (ploidyHigh - ploidyLow) / (ploidies - 1) : ploidyLow;
}

PurityPloidyFit fitPurityPloidy(const PurityPloidyInput& input, const PurityPloidyParameters& P) {
    PurityPloidyFit fit;
    const Prepared pr(input, P);
    fit.segments = static_cast<int>(pr.index.size());
    int informative = 0;
    for (std::size_t i = 0; i < pr.index.size(); ++i) informative += pr.segment(i).informative;
    if (pr.index.empty()) {
        fit.why = "no autosomal segment to fit";
        return fit;
    }
    const bool fixedP = std::isfinite(input.fixedPurity), fixedPsi = std::isfinite(input.fixedPloidy);
    // Given both, the levels alone place every segment's state; the map needs the alleles.
    if (informative == 0 && !(fixedP && fixedPsi)) {
        fit.why = "the profile has no informative SNPs";
        return fit;
    }
    fit.available = true;
    fit.baselineConstrained = pr.constrained;
    if (informative > 0) fit.map = mapOf(pr);

    std::vector<Candidate> path;
    const PurityPloidyMap& m = fit.map;
    if (fixedP || fixedPsi || pr.constrained) {
        if (fixedP && (fixedPsi || pr.constrained)) {
            const Point pt = fixedPsi ? pr.freePoint(input.fixedPurity, input.fixedPloidy) : pr.baselinePoint(input.fixedPurity);
            path.push_back({pt, costAt(pr, pt), 0, -1});
        } else if (fixedP) {
            for (int j = 0; j < m.ploidies; ++j) {
                const Point pt = pr.freePoint(input.fixedPurity, m.ploidyAt(j));
                path.push_back({pt, costAt(pr, pt), j, -1});
            }
        } else {
            for (int i = 0; i < m.purities; ++i) {
                const Point pt = fixedPsi ? pr.freePoint(m.purityAt(i), input.fixedPloidy) : pr.baselinePoint(m.purityAt(i));
                if (!(pt.ploidy >= kPloidyFloor && pt.ploidy < kPloidyLimit)) continue;
                path.push_back({pt, costAt(pr, pt), static_cast<int>(path.size()), -1});
            }
        }
        for (const Candidate& c : path) {
            fit.path.push_back({c.point.purity, c.point.ploidy});
            fit.pathCost.push_back(c.cost);
        }
    }
    std::vector<Candidate> candidates;
    if (fit.path.empty()) {
        candidates = mapMinima(m, pr);
    } else {
        candidates = pathMinima(path);
    }
    if (candidates.empty()) {
        fit.available = false;
        fit.why = "the baseline region's copy number fits no tumour cell fraction";
        return fit;
    }
    double best = 1e300;
    for (const Candidate& c : candidates) best = std::min(best, c.cost);
    fit.dispersion = fit.map.dispersion = dispersionOf(pr, best);
    for (const Candidate& c : keep(pr, candidates, fit.dispersion)) {
        PurityPloidySolution s = solutionAt(pr, c.point);
        if (fit.path.empty()) mapInterval(m, P, fit.dispersion, c, s);
        else pathInterval(path, P, fit.dispersion, c, s);
        fit.solutions.push_back(std::move(s));
    }

    const PurityPloidySolution& first = fit.solutions.front();
    char text[200];
    if (first.alteredShare < 0.01) {
        fit.why = "no copy-number change to measure";
    } else if (fit.solutions.size() > 1) {
        const PurityPloidySolution& second = fit.solutions[1];
        const double ratio = std::max(first.ploidy, second.ploidy) / std::min(first.ploidy, second.ploidy);
        if (second.cost - first.cost <= P.equallyGoodChi2 * fit.dispersion && ratio >= P.doublingLow &&
            ratio <= P.doublingHigh) {
            std::snprintf(text, sizeof text, "%.0f %% with ploidy %.2f and %.0f %% with ploidy %.2f fit about as well",
                          100 * first.purity, first.ploidy, 100 * second.purity, second.ploidy);
            fit.why = text;
        }
    }
    fit.decided = fit.why.empty();
    return fit;
}

std::string solutionText(const PurityPloidySolution& s, SolutionWording wording) {
    char text[240];
    const char* doubled = s.doubled ? ", genome doubled" : "";
    if (wording != SolutionWording::Full) {
        std::snprintf(text, sizeof text, "%s%.0f %%, ploidy %.1f%s \u2014 fit %.0f %%",
                      wording == SolutionWording::ListedFirst ? "Tumour cells " : "next: ", 100 * s.purity,
                      s.ploidy, doubled, 100 * s.fit);
        return text;
    }
    std::snprintf(
        text, sizeof text,
        "Tumour cells %.0f %% (%.0f\u2013%.0f %%), ploidy %.2f (%.2f\u2013%.2f)%s \u2014 fit %.0f %%",
        100 * s.purity, 100 * s.purityLow, 100 * s.purityHigh, s.ploidy, s.ploidyLow, s.ploidyHigh, doubled,
        100 * s.fit);
    return text;
}

} // namespace varn

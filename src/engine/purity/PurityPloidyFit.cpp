// The joint fit's search: the cost over the grid of (p, psi), or along the path the constraints
// leave (the baseline region's copy number, a fixed p or psi), its local minima, and the solutions
// kept among them with their intervals. What a point costs is the cost model's
// (PurityPloidyCost.h).
#include "PurityPloidyFit.h"

#include "engine/common/SideBySide.h"
#include "engine/purity/PurityPloidyCost.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace varn {

using namespace jointfit;

namespace {

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
                allele[static_cast<std::size_t>(k) * n + i] =
                    static_cast<float>(std::min(c[i].cost[k], 1e30));
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
            if (std::fabs(m.ploidyAt(j) / c.point.ploidy - 1.0) <= 0.25)
                best = std::min(best, static_cast<double>(m.at(i, j)));
        return best;
    };
    auto ploidyProfile = [&](int j) {
        double best = 1e300;
        for (int i = 0; i < m.purities; ++i)
            if (std::fabs(m.purityAt(i) - c.point.purity) <= 0.2)
                best = std::min(best, static_cast<double>(m.at(i, j)));
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
                    if ((di == 0 && dj == 0) || a < 0 || b < 0 || a >= m.purities || b >= m.ploidies)
                        continue;
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
            const Point pt = fixedPsi ? pr.freePoint(input.fixedPurity, input.fixedPloidy)
                                      : pr.baselinePoint(input.fixedPurity);
            path.push_back({pt, costAt(pr, pt), 0, -1});
        } else if (fixedP) {
            for (int j = 0; j < m.ploidies; ++j) {
                const Point pt = pr.freePoint(input.fixedPurity, m.ploidyAt(j));
                path.push_back({pt, costAt(pr, pt), j, -1});
            }
        } else {
            for (int i = 0; i < m.purities; ++i) {
                const Point pt = fixedPsi ? pr.freePoint(m.purityAt(i), input.fixedPloidy)
                                          : pr.baselinePoint(m.purityAt(i));
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
        // The map's darkest cell, where the baseline would hold another copy number than the one
        // given: ranked with the path's minima, it leads the list whenever it fits better.
        if (input.listMapBest && pr.constrained && !fixedP && !fixedPsi && !m.cost.empty()) {
            const auto best = std::min_element(m.cost.begin(), m.cost.end()) - m.cost.begin();
            const int i = static_cast<int>(best) / m.ploidies, j = static_cast<int>(best) % m.ploidies;
            candidates.push_back({pr.freePoint(m.purityAt(i), m.ploidyAt(j)), m.at(i, j), i, j});
        }
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
        if (c.j >= 0)
            mapInterval(m, P, fit.dispersion, c, s);
        else
            pathInterval(path, P, fit.dispersion, c, s);
        fit.solutions.push_back(std::move(s));
    }

    const PurityPloidySolution& first = fit.solutions.front();
    char text[200];
    if (first.alteredShare < P.minAlteredShare) {
        fit.why = "no copy-number change to measure";
    } else if (fit.solutions.size() > 1) {
        const PurityPloidySolution& second = fit.solutions[1];
        const double ratio = std::max(first.ploidy, second.ploidy) / std::min(first.ploidy, second.ploidy);
        if (second.cost - first.cost <= P.equallyGoodChi2 * fit.dispersion && ratio >= P.doublingLow &&
            ratio <= P.doublingHigh) {
            std::snprintf(text, sizeof text,
                          "%.0f %% with ploidy %.2f and %.0f %% with ploidy %.2f fit about as well",
                          100 * first.purity, first.ploidy, 100 * second.purity, second.ploidy);
            fit.why = text;
        }
    }
    fit.decided = fit.why.empty();
    return fit;
}

} // namespace varn

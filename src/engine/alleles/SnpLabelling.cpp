#include "SnpLabelling.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>

namespace varn::learning {

namespace {

// Labels a SNP without calls: groups of the sorted values, then the best ordered genotypes.
void labelByGroups(SnpValues& v, const std::array<double, kGenotypes>& prior, const AlleleRelation& r) {
    const std::size_t n = v.x.size();
    std::vector<std::size_t>& order = v.order;
    order.resize(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return v.x[a] < v.x[b]; });
    const double gapLimit = 0.5 * std::min(r.spacingAA, r.spacingBB);
    // Groups as [begin, end) ranges of the sorted order.
    std::vector<std::size_t>& starts = v.starts;
    starts.assign(1, 0);
    for (std::size_t k = 1; k < n; ++k)
        if (v.x[order[k]] - v.x[order[k - 1]] > gapLimit) starts.push_back(k);
    // More groups than genotypes: stray values; the closest neighbours go together.
    while (starts.size() > kGenotypes) {
        std::size_t merge = 1;
        double smallest = std::numeric_limits<double>::infinity();
        for (std::size_t j = 1; j < starts.size(); ++j) {
            const double gap = v.x[order[starts[j]]] - v.x[order[starts[j] - 1]];
            if (gap < smallest) {
                smallest = gap;
                merge = j;
            }
        }
        starts.erase(starts.begin() + static_cast<std::ptrdiff_t>(merge));
    }
    const std::size_t k = starts.size();
    std::array<double, kGenotypes> mean{};
    std::array<int, kGenotypes> size{};
    for (std::size_t j = 0; j < k; ++j) {
        const std::size_t end = j + 1 < k ? starts[j + 1] : n;
        double sum = 0.0;
        for (std::size_t q = starts[j]; q < end; ++q) sum += v.x[order[q]];
        size[j] = static_cast<int>(end - starts[j]);
        mean[j] = sum / size[j];
    }
    // Every way to give the k groups increasing genotypes.
    std::array<int, kGenotypes> best{0, 1, 2};
    double bestScore = -std::numeric_limits<double>::infinity();
    for (int mask = 0; mask < (1 << kGenotypes); ++mask) {
        if (std::popcount(static_cast<unsigned>(mask)) != static_cast<int>(k)) continue;
        std::array<int, kGenotypes> label{};
        for (int g = 0, j = 0; g < kGenotypes; ++g)
            if (mask & (1 << g)) label[static_cast<std::size_t>(j++)] = g;
        double score = 0.0;
        double abSum = 0.0;
        for (std::size_t j = 0; j < k; ++j) {
            score += size[j] * prior[static_cast<std::size_t>(label[j])];
            abSum += size[j] * (mean[j] - offsetOf(r, label[j]));
        }
        const double abSd = std::sqrt(static_cast<double>(r.centreABSd) * r.centreABSd +
                                      static_cast<double>(r.spreadAB) * r.spreadAB / static_cast<double>(n));
        score += logNormal(abSum / static_cast<double>(n), r.centreABMean, abSd);
        for (std::size_t j = 0; j + 1 < k; ++j) {
            const int a = label[j], b = label[j + 1];
            const double expected = offsetOf(r, b) - offsetOf(r, a);
            const double s1 = spreadOf(r, a), s2 = spreadOf(r, b);
            const double sd = std::sqrt((b - a) * static_cast<double>(r.spacingSd) * r.spacingSd +
                                        s1 * s1 / size[j] + s2 * s2 / size[j + 1]);
            score += logNormal(mean[j + 1] - mean[j], expected, sd);
        }
        if (score > bestScore) {
            bestScore = score;
            best = label;
        }
    }
    for (std::size_t j = 0; j < k; ++j) {
        const std::size_t end = j + 1 < k ? starts[j + 1] : n;
        for (std::size_t q = starts[j]; q < end; ++q) v.label[order[q]] = static_cast<signed char>(best[j]);
    }
}

// A SNP's values explained by one AB place: each value in its most likely genotype around it, the
// place weighed against where AB centres lie over the array.
double placeScore(const SnpValues& v, double place, const std::array<double, kGenotypes>& prior,
                  const AlleleRelation& r, const Scales& scales) {
    double score = logNormal(place, r.centreABMean, r.centreABSd);
    for (std::size_t q = 0; q < v.x.size(); ++q) {
        const int g = v.label[q];
        const double d = v.x[q] - place - scales.offset[g];
        score += prior[static_cast<std::size_t>(g)] - 0.5 * scales.precision[g] * d * d;
    }
    return score;
}

// Labels every value by the place, then moves the place to what its values say, until the labels
// settle (a few rounds).
double settlePlace(SnpValues& v, double place, const std::array<double, kGenotypes>& prior,
                   const AlleleRelation& r, const Scales& scales) {
    const double abPrecision = 1.0 / (static_cast<double>(r.centreABSd) * r.centreABSd);
    for (int round = 0; round < 8; ++round) {
        std::array<double, kGenotypes> centre{};
        for (int g = 0; g < kGenotypes; ++g) centre[static_cast<std::size_t>(g)] = place + scales.offset[g];
        bool changed = false;
        double weight = abPrecision;
        double sum = r.centreABMean * abPrecision;
        for (std::size_t q = 0; q < v.x.size(); ++q) {
            const auto g = static_cast<signed char>(mostLikely(v.x[q], centre, prior, scales));
            changed = changed || g != v.label[q];
            v.label[q] = g;
            weight += scales.precision[g];
            sum += (v.x[q] - scales.offset[g]) * scales.precision[g];
        }
        place = sum / weight;
        if (!changed && round > 0) break;
    }
    return placeScore(v, place, prior, r, scales);
}

// The groups' labelling is a start that a close pair of clusters can spoil (two genotypes whose
// values meet fall into one group); the place settled from it, and from it moved one genotype
// down and up, is kept where it explains the values best.
void refineByPlace(SnpValues& v, const std::array<double, kGenotypes>& prior, const AlleleRelation& r,
                   const Scales& scales) {
    double start = 0.0;
    for (std::size_t q = 0; q < v.x.size(); ++q) start += v.x[q] - offsetOf(r, v.label[q]);
    start /= static_cast<double>(v.x.size());
    std::vector<signed char>& best = v.best;
    double bestScore = -std::numeric_limits<double>::infinity();
    v.first = v.label;
    const std::vector<signed char>& first = v.first;
    // Where the groups' labels give every cluster many members, the place needs no other start.
    int members[kGenotypes] = {};
    for (const signed char g : first) ++members[static_cast<std::size_t>(g)];
    bool solid = true;
    for (int m : members) solid = solid && (m == 0 || m >= kAlleleLearning.solidCluster);
    const int starts = solid ? 1 : 3;
    const double shifts[3] = {0.0, -static_cast<double>(r.spacingBB), static_cast<double>(r.spacingAA)};
    for (int k = 0; k < starts; ++k) {
        const double shift = shifts[k];
        v.label = first;
        const double score = settlePlace(v, start + shift, prior, r, scales);
        if (score > bestScore) {
            bestScore = score;
            best = v.label;
        }
    }
    v.label = best;
}

} // namespace

SnpClusters clustersOf(const SnpValues& v) {
    SnpClusters c;
    for (std::size_t q = 0; q < v.x.size(); ++q)
        if (v.label[q] >= 0) c[static_cast<std::size_t>(v.label[q])].add(v.x[q]);
    return c;
}

void labelSnp(SnpValues& v, float heteroRate, const AlleleRelation& r, const Scales& scales, int passes) {
    v.label.assign(v.x.size(), -1);
    if (v.x.empty()) return;
    const auto prior = logPriors(heteroRate, scales.logSpread);
    bool anyCall = false;
    for (std::size_t q = 0; q < v.x.size(); ++q) {
        v.label[q] = v.call[q];
        anyCall = anyCall || v.call[q] >= 0;
    }
    if (!anyCall) {
        labelByGroups(v, prior, r);
        refineByPlace(v, prior, r, scales);
    }
    for (int pass = 0; pass < (anyCall ? 1 : passes); ++pass) {
        SnpClusters c;
        for (std::size_t q = 0; q < v.x.size(); ++q)
            if (v.label[q] >= 0 && (!anyCall || v.call[q] >= 0))
                c[static_cast<std::size_t>(v.label[q])].add(v.x[q]);
        const auto centre = centresOf(c, r);
        for (std::size_t q = 0; q < v.x.size(); ++q)
            if (v.call[q] < 0)
                v.label[q] = static_cast<signed char>(mostLikely(v.x[q], centre, prior, scales));
    }
}

std::vector<SnpClusters> labelAll(const SnpMajor& data, int count, const std::vector<float>& heteroRate,
                                  const AlleleRelation& r, int passes, int stride) {
    std::vector<SnpClusters> clusters;
    clusters.reserve(static_cast<std::size_t>(count / stride + 1));
    const Scales scales(r);
    SnpValues v;
    for (int i = 0; i < count; i += stride) {
        data.gather(i, v);
        labelSnp(v, heteroRate[static_cast<std::size_t>(i)], r, scales, passes);
        clusters.push_back(clustersOf(v));
    }
    return clusters;
}

} // namespace varn::learning

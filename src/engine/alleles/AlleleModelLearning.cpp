// Learning the genotype clusters of the allele contrast from a pool's references, which carry no
// calls. Three stages, each over the whole array:
//  1. The spacing of adjacent genotypes, from the differences of L between references at the
//     same SNP: they do not see the SNP's kappa, and pile up at 0 (same genotype), at the spacing
//     (AA-AB, AB-BB) and at twice the spacing (AA-BB).
//  2. Per SNP, the sorted values fall into groups wherever two neighbours lie more than half a
//     spacing apart; the groups take the genotypes, in order, that explain them best: the
//     population heterozygosity rate as prior, the gaps against the spacing, and the AB centre
//     they imply against where AB centres lie over the array. The relation (spacings, spreads,
//     AB centres) is then measured on the labelled clusters and the labelling done again.
//  3. Each value may move to the cluster it is most likely in; each centre is its members' mean
//     pulled toward where the relation puts it, and where a genotype has no member, that place.
#include "AlleleModelLearning.h"

#include "document/CVARNDoc.h"
#include "document/DocumentLimits.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>

namespace varn {

namespace {

constexpr int kGenotypes = 3; // 0 AA, 1 AB, 2 BB
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The model file keeps per-SNP figures to four decimals and the relation to six; the model in
// memory holds exactly what its file holds, so that a model read back is the one written.
float toFile(double x) {
    return static_cast<float>(std::round(x * 1e4) / 1e4);
}
float toFileRelation(double x) {
    return static_cast<float>(std::round(x * 1e6) / 1e6);
}

// Members of one cluster of one SNP: count, mean and sum of squared deviations (Welford).
struct Cluster {
    int n = 0;
    double mean = 0.0;
    double m2 = 0.0;

    void add(double x) {
        ++n;
        const double d = x - mean;
        mean += d / n;
        m2 += d * (x - mean);
    }
    void merge(const Cluster& o) {
        if (o.n == 0) return;
        if (n == 0) {
            *this = o;
            return;
        }
        const int total = n + o.n;
        const double d = o.mean - mean;
        mean += d * o.n / total;
        m2 += o.m2 + d * d * static_cast<double>(n) * o.n / total;
        n = total;
    }
};
using SnpClusters = std::array<Cluster, kGenotypes>;

// Where genotype g sits relative to the AB centre.
double offsetOf(const AlleleRelation& r, int g) {
    return g == 0 ? -static_cast<double>(r.spacingAA) : (g == 1 ? 0.0 : static_cast<double>(r.spacingBB));
}
double spreadOf(const AlleleRelation& r, int g) {
    return static_cast<double>(g == 0 ? r.spreadAA : (g == 1 ? r.spreadAB : r.spreadBB));
}

double logNormal(double x, double mean, double sd) {
    const double z = (x - mean) / sd;
    return -0.5 * z * z - std::log(sd);
}

// Prior of each genotype at a SNP of population heterozygosity h, with the log of its cluster's
// spread taken off (the normalising term of its normal density).
std::array<double, kGenotypes> logPriors(float heteroRate, const double logSpread[kGenotypes]) {
    const double lo = kAlleleLearning.minimumHeteroRate;
    const double h = std::clamp(static_cast<double>(heteroRate), lo, 1.0 - lo);
    const double hom = std::log((1.0 - h) / 2.0);
    return {hom - logSpread[0], std::log(h) - logSpread[1], hom - logSpread[2]};
}

// The centres of one SNP's clusters (see settleCentres); NaN when no member at all.
std::array<double, kGenotypes> centresOf(const SnpClusters& c, const AlleleRelation& r) {
    int n = 0;
    double sum = 0.0;
    for (int g = 0; g < kGenotypes; ++g) {
        n += c[g].n;
        sum += c[g].n * (c[g].mean - offsetOf(r, g));
    }
    std::array<double, kGenotypes> centre{};
    if (n == 0) {
        centre.fill(std::numeric_limits<double>::quiet_NaN());
        return centre;
    }
    const double ab = sum / n; // the SNP's AB place as all its members see it
    const double w = kAlleleLearning.priorWeight;
    for (int g = 0; g < kGenotypes; ++g) {
        const double place = ab + offsetOf(r, g);
        centre[g] = (c[g].n * c[g].mean + w * place) / (c[g].n + w);
    }
    // Clusters keep their order: a homozygous centre on the wrong side of AB is a lone stray
    // value, and the relation's place stands for it.
    if (!(centre[0] < centre[1])) centre[0] = centre[1] - r.spacingAA;
    if (!(centre[2] > centre[1])) centre[2] = centre[1] + r.spacingBB;
    return centre;
}

// One SNP's values (usable ones only) and their labels (genotype 0..2, -1 unknown).
struct SnpValues {
    std::vector<float> x;
    std::vector<signed char> call;  // genotype 0..2 from a call file, -1 none
    std::vector<signed char> label; // genotype 0..2
    // Scratch of the labelling, kept from SNP to SNP.
    std::vector<std::size_t> order, starts;
    std::vector<signed char> first, best;
};

// The relation's offsets and cluster precisions (1 / spread^2), worked out once for many values.
struct Scales {
    double offset[kGenotypes];
    double precision[kGenotypes];
    double logSpread[kGenotypes];
    explicit Scales(const AlleleRelation& r) {
        for (int g = 0; g < kGenotypes; ++g) {
            offset[g] = offsetOf(r, g);
            precision[g] = 1.0 / (spreadOf(r, g) * spreadOf(r, g));
            logSpread[g] = std::log(spreadOf(r, g));
        }
    }
};

int mostLikely(double x, const std::array<double, kGenotypes>& centre,
               const std::array<double, kGenotypes>& prior, const Scales& scales) {
    int best = 0;
    double bestScore = -std::numeric_limits<double>::infinity();
    for (int g = 0; g < kGenotypes; ++g) {
        const double d = x - centre[static_cast<std::size_t>(g)];
        const double s = prior[static_cast<std::size_t>(g)] - 0.5 * scales.precision[g] * d * d;
        if (s > bestScore) {
            bestScore = s;
            best = g;
        }
    }
    return best;
}

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

SnpClusters clustersOf(const SnpValues& v) {
    SnpClusters c;
    for (std::size_t q = 0; q < v.x.size(); ++q)
        if (v.label[q] >= 0) c[static_cast<std::size_t>(v.label[q])].add(v.x[q]);
    return c;
}

// Labels one SNP: called values keep their call; without any call the groups decide; then the
// values without a call may move to the cluster they are most likely in.
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

// The relation measured over the SNPs' clusters; what cannot be measured stays as in previous.
AlleleRelation measureRelation(const std::vector<SnpClusters>& clusters, const AlleleRelation& previous) {
    AlleleRelation r = previous;
    // Spacings: over SNPs whose three clusters are well populated where the array has enough of
    // them, else over SNPs that show the two clusters in question.
    std::size_t wellPopulated = 0;
    for (const SnpClusters& c : clusters) wellPopulated += c[0].n >= 2 && c[1].n >= 2 && c[2].n >= 2;
    const bool allThree = wellPopulated >= static_cast<std::size_t>(kAlleleLearning.relationSnps);
    std::vector<double> gapsAA, gapsBB;
    for (const SnpClusters& c : clusters) {
        if (allThree && !(c[0].n >= 2 && c[1].n >= 2 && c[2].n >= 2)) continue;
        if (c[0].n > 0 && c[1].n > 0) gapsAA.push_back(c[1].mean - c[0].mean);
        if (c[1].n > 0 && c[2].n > 0) gapsBB.push_back(c[2].mean - c[1].mean);
    }
    double spacingSd = 0.0;
    if (!gapsAA.empty()) {
        const auto [m, sd] = robustCentreOf(std::move(gapsAA));
        r.spacingAA = static_cast<float>(m);
        spacingSd = std::max(spacingSd, sd);
    }
    if (!gapsBB.empty()) {
        const auto [m, sd] = robustCentreOf(std::move(gapsBB));
        r.spacingBB = static_cast<float>(m);
        spacingSd = std::max(spacingSd, sd);
    }
    if (spacingSd > 0.0) r.spacingSd = static_cast<float>(spacingSd);

    // Spreads: pooled within-cluster SD of every genotype.
    double m2[kGenotypes] = {}, dof[kGenotypes] = {};
    for (const SnpClusters& c : clusters)
        for (int g = 0; g < kGenotypes; ++g)
            if (c[g].n >= 2) {
                m2[g] += c[g].m2;
                dof[g] += c[g].n - 1;
            }
    float* spread[kGenotypes] = {&r.spreadAA, &r.spreadAB, &r.spreadBB};
    for (int g = 0; g < kGenotypes; ++g)
        if (dof[g] > 0.0 && m2[g] > 0.0) *spread[g] = static_cast<float>(std::sqrt(m2[g] / dof[g]));

    // AB centres: their spread over the array less what their members' noise adds.
    std::vector<double> centres;
    double inverseCount = 0.0;
    for (const SnpClusters& c : clusters)
        if (c[1].n > 0) {
            centres.push_back(c[1].mean);
            inverseCount += 1.0 / c[1].n;
        }
    if (!centres.empty()) {
        const double noise =
            static_cast<double>(r.spreadAB) * r.spreadAB * inverseCount / static_cast<double>(centres.size());
        const auto [m, sd] = robustCentreOf(std::move(centres));
        r.centreABMean = static_cast<float>(m);
        const double floor = kAlleleLearning.centreABSdFloor * r.spreadAB;
        r.centreABSd = static_cast<float>(std::sqrt(std::max(sd * sd - noise, floor * floor)));
    }
    return r;
}

AlleleRelation roundedForFile(AlleleRelation r) {
    for (float* f : {&r.spacingAA, &r.spacingBB, &r.spacingSd, &r.spreadAA, &r.spreadAB, &r.spreadBB,
                     &r.centreABMean, &r.centreABSd})
        *f = toFileRelation(*f);
    return r;
}

// The SNP-major view of the references' values, where the labelling reads them.
struct SnpMajor {
    int references = 0;
    std::vector<float> x;          // count x references
    std::vector<signed char> call; // genotype 0..2 or -1

    SnpMajor(const ReferenceAlleles& a) : references(a.references()) {
        const std::size_t count = static_cast<std::size_t>(a.count);
        const std::size_t refs = static_cast<std::size_t>(references);
        x.resize(count * refs);
        call.resize(count * refs);
        for (std::size_t r = 0; r < refs; ++r)
            for (std::size_t i = 0; i < count; ++i) {
                x[i * refs + r] = a.contrast[r * count + i];
                const signed char c = a.calls[r * count + i];
                call[i * refs + r] = static_cast<signed char>(c >= kCallAA && c <= kCallBB ? c - 1 : -1);
            }
    }

    void gather(int i, SnpValues& v) const {
        v.x.clear();
        v.call.clear();
        const std::size_t refs = static_cast<std::size_t>(references);
        for (std::size_t r = 0; r < refs; ++r) {
            const float value = x[static_cast<std::size_t>(i) * refs + r];
            if (!std::isfinite(value)) continue;
            v.x.push_back(value);
            v.call.push_back(call[static_cast<std::size_t>(i) * refs + r]);
        }
    }
};

// The first guess of the relation, from the differences of L between references at each SNP
// (stage 1). False when the differences show no gap between genotypes.
bool firstRelation(const SnpMajor& data, int count, int stride, AlleleRelation& r) {
    const double bin = kAlleleLearning.differenceBin;
    const std::size_t bins = static_cast<std::size_t>(kAlleleLearning.differenceRange / bin);
    std::vector<double> histogram(bins, 0.0);
    const int refs = std::min(data.references, kAlleleLearning.histogramReferences);
    SnpValues v;
    for (int i = 0; i < count; i += stride) {
        data.gather(i, v);
        const std::size_t used = std::min<std::size_t>(v.x.size(), static_cast<std::size_t>(refs));
        for (std::size_t a = 0; a < used; ++a)
            for (std::size_t b = a + 1; b < used; ++b) {
                const double d = std::abs(static_cast<double>(v.x[a]) - v.x[b]);
                const auto k = static_cast<std::size_t>(d / bin);
                if (k < bins) histogram[k] += 1.0;
            }
    }
    // Smoothed over seven bins.
    std::vector<double> smooth(bins, 0.0);
    for (std::size_t k = 0; k < bins; ++k)
        for (std::size_t j = k >= 3 ? k - 3 : 0; j <= std::min(bins - 1, k + 3); ++j)
            smooth[k] += histogram[j];
    // Same-genotype pairs fall off from 0; the first valley after they halved ends them.
    const double top = *std::max_element(smooth.begin(), smooth.begin() + 6);
    std::size_t k = 0;
    while (k < bins && smooth[k] >= 0.5 * top) ++k;
    while (k + 1 < bins && smooth[k + 1] < smooth[k]) ++k;
    const std::size_t valley = k;
    if (valley + 1 >= bins) return false;
    const double beyond =
        *std::max_element(smooth.begin() + static_cast<std::ptrdiff_t>(valley), smooth.end());
    if (beyond <= smooth[valley] * 1.5 || beyond <= 0.0) return false;
    // The first clear peak after the valley is the spacing of adjacent genotypes.
    std::size_t peak = valley;
    while (peak + 1 < bins && !(smooth[peak] >= 0.25 * beyond && smooth[peak + 1] < smooth[peak])) ++peak;
    const double spacing = (static_cast<double>(peak) + 0.5) * bin;
    // Noise of one reference: same-genotype differences have twice its variance.
    double sumSquares = 0.0, pairs = 0.0;
    for (std::size_t j = 0; j < valley; ++j) {
        const double mid = (static_cast<double>(j) + 0.5) * bin;
        sumSquares += histogram[j] * mid * mid;
        pairs += histogram[j];
    }
    const double spread = pairs > 0.0 ? std::sqrt(sumSquares / pairs / 2.0) : 0.25 * spacing;
    r.spacingAA = r.spacingBB = static_cast<float>(spacing);
    r.spacingSd = static_cast<float>(std::max(spread, 0.05 * spacing));
    r.spreadAA = r.spreadAB = r.spreadBB = static_cast<float>(std::max(spread, 1e-3));

    // Where the AB centres lie: the middle group of SNPs that show three, the midpoint of those
    // that show AA and BB alone.
    std::vector<double> centres;
    for (int i = 0; i < count; i += stride) {
        data.gather(i, v);
        if (v.x.size() < 2) continue;
        std::sort(v.x.begin(), v.x.end());
        std::vector<std::pair<double, int>> groups; // sum, size
        groups.push_back({v.x[0], 1});
        for (std::size_t q = 1; q < v.x.size(); ++q) {
            if (v.x[q] - v.x[q - 1] > 0.5 * spacing) groups.push_back({0.0, 0});
            groups.back().first += v.x[q];
            ++groups.back().second;
        }
        if (groups.size() == 3) centres.push_back(groups[1].first / groups[1].second);
        if (groups.size() == 2) {
            const double lo = groups[0].first / groups[0].second, hi = groups[1].first / groups[1].second;
            if (hi - lo > 1.5 * spacing) centres.push_back(0.5 * (lo + hi));
        }
    }
    if (centres.size() >= 50) {
        const auto [m, sd] = robustCentreOf(std::move(centres));
        r.centreABMean = static_cast<float>(m);
        r.centreABSd = static_cast<float>(std::max(sd, spread));
    } else {
        // Too few SNPs show their AB place: a vague prior around the middle of all values.
        std::vector<double> all;
        for (std::size_t q = 0; q < data.x.size(); ++q)
            if (std::isfinite(data.x[q])) all.push_back(data.x[q]);
        r.centreABMean = static_cast<float>(medianOf(all));
        r.centreABSd = static_cast<float>(spacing);
    }
    return true;
}

// The clusters of every stride-th SNP, labelled with the relation r.
std::vector<SnpClusters> labelAll(const SnpMajor& data, int count, const std::vector<float>& heteroRate,
                                  const AlleleRelation& r, int passes, int stride = 1) {
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

void storeClusters(AlleleModel& m, int i, const SnpClusters& c) {
    const auto at = static_cast<std::size_t>(i);
    std::vector<unsigned short>* count[kGenotypes] = {&m.countAA, &m.countAB, &m.countBB};
    std::vector<float>* mean[kGenotypes] = {&m.meanAA, &m.meanAB, &m.meanBB};
    std::vector<float>* sd[kGenotypes] = {&m.sdAA, &m.sdAB, &m.sdBB};
    for (int g = 0; g < kGenotypes; ++g) {
        (*count[g])[at] = static_cast<unsigned short>(std::min(c[g].n, 65535));
        (*mean[g])[at] = c[g].n > 0 ? toFile(c[g].mean) : kNaN;
        (*sd[g])[at] = c[g].n >= 2 ? toFile(std::sqrt(c[g].m2 / (c[g].n - 1))) : 0.0f;
    }
}

// The clusters as the model keeps them (from its rounded figures).
SnpClusters clustersOf(const AlleleModel& m, int i) {
    const auto at = static_cast<std::size_t>(i);
    const unsigned short count[kGenotypes] = {m.countAA[at], m.countAB[at], m.countBB[at]};
    const float mean[kGenotypes] = {m.meanAA[at], m.meanAB[at], m.meanBB[at]};
    const float sd[kGenotypes] = {m.sdAA[at], m.sdAB[at], m.sdBB[at]};
    SnpClusters c;
    for (int g = 0; g < kGenotypes; ++g) {
        c[g].n = count[g];
        c[g].mean = c[g].n > 0 ? mean[g] : 0.0;
        c[g].m2 = c[g].n >= 2 ? static_cast<double>(sd[g]) * sd[g] * (c[g].n - 1) : 0.0;
    }
    return c;
}

void sizeModel(AlleleModel& m, int count) {
    const auto n = static_cast<std::size_t>(count);
    for (auto* v :
         {&m.centreAA, &m.centreAB, &m.centreBB, &m.meanAA, &m.meanAB, &m.meanBB, &m.sdAA, &m.sdAB, &m.sdBB})
        v->assign(n, 0.0f);
    for (auto* v : {&m.countAA, &m.countAB, &m.countBB}) v->assign(n, 0);
}

// Relation and centres from the clusters the model holds.
void settleAll(AlleleModel& m, const AlleleRelation& start) {
    std::vector<SnpClusters> clusters(static_cast<std::size_t>(m.size()));
    for (int i = 0; i < m.size(); ++i) clusters[static_cast<std::size_t>(i)] = clustersOf(m, i);
    m.relation = roundedForFile(measureRelation(clusters, start));
    for (int i = 0; i < m.size(); ++i) settleCentres(m, i);
}

std::string learnedText(int withCalls, int references) {
    if (withCalls == 0) return "clustering";
    std::string text =
        "calls of " + std::to_string(withCalls) + " of " + std::to_string(references) + " references";
    if (withCalls < references) text += ", clustering of the rest";
    return text;
}

// "X.txt reads allele A and allele B alike at every SNP (a summarised signal file)", or the same
// of several files.
std::string summarisedText(const std::vector<std::string>& files) {
    std::string names;
    for (std::size_t k = 0; k < files.size(); ++k)
        names += (k == 0 ? "" : (k + 1 == files.size() ? " and " : ", ")) + files[k];
    return files.size() == 1 ? names + " reads allele A and allele B alike at every SNP (a summarised signal file)"
                             : names + " read allele A and allele B alike at every SNP (summarised signal files)";
}

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// What the learned line adds for summarised references: their number (names would make the
// line of a large pool too long for the model file).
std::string leftOutText(const std::vector<std::string>& files) {
    if (files.empty()) return {};
    return "; " + counted(static_cast<int>(files.size()), "summarised reference", "summarised references") +
           " left out";
}

// The learned line after references were added: how the model began, then one running count of
// the added references (and of those with calls) and of the summarised ones left out, so that a
// pool grown many times keeps a short line ("clustering; 12 references added (2 with calls)").
std::string grownText(const std::string& learned, int added, int addedWithCalls, int summarised) {
    std::string_view rest = learned;
    const std::size_t cut = rest.find("; ");
    const std::string base(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 2);
    // Earlier notes of the same kinds: "N reference(s) added[ (K with calls)]" and "N summarised
    // reference(s) left out", separated by "; ".
    while (!rest.empty()) {
        const std::size_t end = rest.find("; ");
        const std::string_view note = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        int n = 0;
        const auto [p, ec] = std::from_chars(note.data(), note.data() + note.size(), n);
        if (ec != std::errc()) continue;
        const std::string_view words(p, static_cast<std::size_t>(note.data() + note.size() - p));
        if (words.starts_with(" summarised reference")) {
            summarised += n;
        } else if (words.starts_with(" reference")) {
            added += n;
            const std::size_t open = words.find(" (");
            int k = 0;
            if (open != std::string_view::npos)
                std::from_chars(words.data() + open + 2, words.data() + words.size(), k);
            addedWithCalls += k;
        }
    }
    std::string text = base + "; " + counted(added, "reference added", "references added");
    if (addedWithCalls > 0) text += " (" + std::to_string(addedWithCalls) + " with calls)";
    if (summarised > 0)
        text += "; " + counted(summarised, "summarised reference", "summarised references") + " left out";
    return text;
}

} // namespace

void ReferenceAlleles::add(const float* values, const signed char* callsOrNull) {
    contrast.insert(contrast.end(), values, values + count);
    if (callsOrNull != nullptr) {
        calls.insert(calls.end(), callsOrNull, callsOrNull + count);
        ++withCalls;
    } else {
        calls.insert(calls.end(), static_cast<std::size_t>(count), static_cast<signed char>(0));
    }
}

std::vector<float> heteroRateByRecord(const CVARNDoc& doc, int t) {
    const int first = doc.snpFirst[t];
    std::vector<float> rate(static_cast<std::size_t>(doc.snpLast[t] - first + 1), 0.0f);
    for (int pos = first; pos <= doc.snpLast[t]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        if (snp >= first && snp <= doc.snpLast[t])
            rate[static_cast<std::size_t>(snp - first)] = doc.heteroRate[pos];
    }
    return rate;
}

void settleCentres(AlleleModel& m, int i) {
    const auto centre = centresOf(clustersOf(m, i), m.relation);
    const auto at = static_cast<std::size_t>(i);
    const bool none = std::isnan(centre[1]);
    m.centreAA[at] = none ? kNaN : toFile(centre[0]);
    m.centreAB[at] = none ? kNaN : toFile(centre[1]);
    m.centreBB[at] = none ? kNaN : toFile(centre[2]);
}

bool learnAlleleModel(const ReferenceAlleles& alleles, const std::vector<float>& heteroRate,
                      AlleleModel& model, std::string& problem) {
    const int refs = alleles.references();
    if (refs < kAlleleLearning.minimumReferences) {
        problem = "the allele model needs at least three references";
        return false;
    }
    const int summarised = static_cast<int>(alleles.summarised.size());
    if (refs - summarised < kAlleleLearning.minimumReferences) {
        problem = summarisedText(alleles.summarised) + ", which leaves " + std::to_string(refs - summarised) +
                  " of " + std::to_string(refs) + " references to learn the clusters from; it needs three";
        return false;
    }
    const SnpMajor data(alleles);
    AlleleRelation relation;
    const int stride = std::max(1, alleles.count / kAlleleLearning.relationSample);
    if (!firstRelation(data, alleles.count, stride, relation)) {
        problem = "the references' allele contrasts show no separate genotype clusters";
        return false;
    }
    // Stage 2 twice on a sample of the SNPs (the relation is a median over the array): the second
    // labelling uses the relation the first one measured. Then every SNP.
    for (int round = 0; round < 2; ++round)
        relation = measureRelation(labelAll(data, alleles.count, heteroRate, relation, 0, stride), relation);
    const auto clusters =
        labelAll(data, alleles.count, heteroRate, relation, kAlleleLearning.reassignmentPasses);

    AlleleModel m;
    m.arrayType = alleles.arrayType;
    m.references = refs;
    m.first = alleles.first;
    m.learned = learnedText(alleles.withCalls, refs - summarised) + leftOutText(alleles.summarised);
    sizeModel(m, alleles.count);
    for (int i = 0; i < alleles.count; ++i) storeClusters(m, i, clusters[static_cast<std::size_t>(i)]);
    settleAll(m, relation);
    model = std::move(m);
    return true;
}

void updateAlleleModel(AlleleModel& model, const ReferenceAlleles& added,
                       const std::vector<float>& heteroRate) {
    const int refs = added.references();
    if (refs == 0 || model.empty() || added.count != model.size()) return;
    const SnpMajor data(added);
    const Scales scales(model.relation);
    SnpValues v;
    for (int i = 0; i < model.size(); ++i) {
        data.gather(i, v);
        if (v.x.empty()) continue;
        SnpClusters old = clustersOf(model, i);
        const auto prior = logPriors(heteroRate[static_cast<std::size_t>(i)], scales.logSpread);
        const bool seen = old[0].n + old[1].n + old[2].n > 0;
        if (seen) {
            const auto at = static_cast<std::size_t>(i);
            const std::array<double, kGenotypes> centre{model.centreAA[at], model.centreAB[at],
                                                        model.centreBB[at]};
            v.label.resize(v.x.size());
            for (std::size_t q = 0; q < v.x.size(); ++q)
                v.label[q] = v.call[q] >= 0
                                 ? v.call[q]
                                 : static_cast<signed char>(mostLikely(v.x[q], centre, prior, scales));
        } else {
            labelSnp(v, heteroRate[static_cast<std::size_t>(i)], model.relation, scales,
                     kAlleleLearning.reassignmentPasses);
        }
        const SnpClusters fresh = clustersOf(v);
        for (int g = 0; g < kGenotypes; ++g) old[g].merge(fresh[g]);
        storeClusters(model, i, old);
    }
    model.references += refs;
    model.learned = grownText(model.learned, refs, added.withCalls, static_cast<int>(added.summarised.size()));
    settleAll(model, model.relation);
}

} // namespace varn

#pragma once

#include "engine/alleles/AlleleModel.h"
#include "engine/alleles/AlleleModelLearning.h"

#include <array>
#include <cmath>
#include <limits>

// The genotype clusters of one SNP as the learning counts them, and what the array-wide relation
// says of them: where each genotype sits against the SNP's AB centre, how widely it spreads, how
// likely a value is in it, and how the model keeps a SNP's clusters. Shared by the per-SNP
// labelling, the relation and the learning.
namespace varn::learning {

inline constexpr int kGenotypes = 3; // 0 AA, 1 AB, 2 BB
inline constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The model file keeps per-SNP figures to four decimals and the relation to six; the model in
// memory holds exactly what its file holds, so that a model read back is the one written.
float toFile(double x);
float toFileRelation(double x);

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
inline double offsetOf(const AlleleRelation& r, int g) {
    return g == 0 ? -static_cast<double>(r.spacingAA) : (g == 1 ? 0.0 : static_cast<double>(r.spacingBB));
}
inline double spreadOf(const AlleleRelation& r, int g) {
    return static_cast<double>(g == 0 ? r.spreadAA : (g == 1 ? r.spreadAB : r.spreadBB));
}

inline double logNormal(double x, double mean, double sd) {
    const double z = (x - mean) / sd;
    return -0.5 * z * z - std::log(sd);
}

// Prior of each genotype at a SNP of population heterozygosity h, with the log of its cluster's
// spread taken off (the normalising term of its normal density).
std::array<double, kGenotypes> logPriors(float heteroRate, const double logSpread[kGenotypes]);

// The centres of one SNP's clusters (see settleCentres); NaN when no member at all.
std::array<double, kGenotypes> centresOf(const SnpClusters& c, const AlleleRelation& r);

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

inline int mostLikely(double x, const std::array<double, kGenotypes>& centre,
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

void storeClusters(AlleleModel& m, int i, const SnpClusters& c);
// The clusters as the model keeps them (from its rounded figures).
SnpClusters clustersOf(const AlleleModel& m, int i);
// Every per-SNP vector of the model sized for count SNPs, zero-filled.
void sizeModel(AlleleModel& m, int count);

} // namespace varn::learning

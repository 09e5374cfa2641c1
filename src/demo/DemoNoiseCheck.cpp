#include "DemoNoiseCheck.h"

#include "DemoGenome.h"
#include "DemoSamples.h"
#include "DemoTumours.h"

#include <cmath>

namespace varn::demo {

namespace {

double meanOf(const std::vector<float>& v) {
    double s = 0.0;
    for (float x : v) s += x;
    return v.empty() ? 1.0 : s / static_cast<double>(v.size());
}

// Least-squares parabola y ~ c0 + c1 x + c2 x^2 (x centred for a well-conditioned solve); the
// fitted values are subtracted from y.
void removeParabola(const std::vector<double>& x, std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    double mx = 0.0;
    for (double v : x) mx += v;
    mx /= n;
    double s[5] = {}, t[3] = {};
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double u = x[i] - mx;
        double p = 1.0;
        for (int k = 0; k < 5; ++k) {
            s[k] += p;
            if (k < 3) t[k] += p * y[i];
            p *= u;
        }
    }
    double a[3][4] = {{s[0], s[1], s[2], t[0]}, {s[1], s[2], s[3], t[1]}, {s[2], s[3], s[4], t[2]}};
    for (int col = 0; col < 3; ++col) {
        for (int row = col + 1; row < 3; ++row) {
            const double f = a[row][col] / a[col][col];
            for (int k = col; k < 4; ++k) a[row][k] -= f * a[col][k];
        }
    }
    double c[3];
    for (int row = 2; row >= 0; --row) {
        double v = a[row][3];
        for (int k = row + 1; k < 3; ++k) v -= a[row][k] * c[k];
        c[row] = v / a[row][row];
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double u = x[i] - mx;
        y[i] -= c[0] + c[1] * u + c[2] * u * u;
    }
}

} // namespace

double compensatedNoiseSd(const DemoGenome& genome, const ArrayModel& model, const std::vector<float>& tumourSum,
                          const std::vector<std::vector<float>>& referenceSums, const DemoTumour& tumour) {
    const double tumourMean = meanOf(tumourSum);
    std::vector<double> referenceMean;
    for (const auto& r : referenceSums) referenceMean.push_back(meanOf(r));
    std::vector<double> length, gc, ratio;
    for (int i = 0; i < model.count(); ++i) {
        const auto snp = static_cast<std::size_t>(model.first + i);
        const int c = genome.chromosome[snp];
        const int len = genome.fragmentLength[snp];
        if (c > 22 || len < 500 || len > 2000 || genome.gcContent[snp] <= 0.0f) continue;
        const PlantedSegment state = tumourStateAt(tumour, c, genome.position[snp]);
        // Unchanged stretches only: two copies of each parent in a doubled genome, else one.
        const int unchanged = tumour.genomeDoubled ? 4 : 2;
        if (state.copyNumber != unchanged || 2 * state.majorCopies != unchanged || state.subclonal()) continue;
        double pool = 0.0;
        for (std::size_t r = 0; r < referenceSums.size(); ++r)
            pool += referenceSums[r][static_cast<std::size_t>(i)] / referenceMean[r];
        pool /= static_cast<double>(referenceSums.size());
        length.push_back(len);
        gc.push_back(genome.gcContent[snp]);
        ratio.push_back(std::log((tumourSum[static_cast<std::size_t>(i)] / tumourMean) / pool));
    }
    if (ratio.size() < 3) return 0.0;
    removeParabola(length, ratio);
    removeParabola(gc, ratio);
    double mean = 0.0;
    for (double v : ratio) mean += v;
    mean /= static_cast<double>(ratio.size());
    double ss = 0.0;
    for (double v : ratio) ss += (v - mean) * (v - mean);
    return std::sqrt(ss / static_cast<double>(ratio.size() - 1));
}

} // namespace varn::demo

#include "ProfileSegmentation.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "document/profile/Profile.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace varn {

namespace {

// A split must stand 6 standard errors clear: among the tens of thousands of candidate splits of
// an array, noise alone stays below about 4.5.
constexpr double kSplitZ = 6.0;
constexpr int kMinMarkers = 10;
// The means of two long stretches differ by the array's waves as well as by their noise: a step
// found must also stand this many of the waves' SDs (of the difference, sqrt(2) times the waves')
// clear, else its pieces are joined again. Three, not six: the waves are one value per stretch,
// not one per candidate cut, and a smaller change is still cut where its alleles step.
constexpr double kWaveZ = 3.0;

struct Chromosome {
    std::vector<int> pos; // display positions, or the profile's SNPs
    std::vector<double> values;
};

Chromosome usableOf(const CVARNDoc& doc, int t, int ch, const float* values) {
    Chromosome c;
    for (int pos = kChromosomeStart[t][ch]; pos < kChromosomeStart[t][ch + 1]; ++pos) {
        if (doc.positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
        c.pos.push_back(pos);
        c.values.push_back(values[pos]);
    }
    return c;
}

// The autosomes of one array of a profile, each with the SNPs that have a log ratio.
std::vector<Chromosome> autosomesOf(const Profile& profile, int array) {
    std::vector<Chromosome> out(23);
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const int ch = profile.chromosome[i];
        if (ch < 1 || ch > 22 || profile.array[i] != array || !std::isfinite(profile.logRatio[i])) continue;
        out[static_cast<std::size_t>(ch)].pos.push_back(static_cast<int>(i));
        out[static_cast<std::size_t>(ch)].values.push_back(profile.logRatio[i]);
    }
    return out;
}

// The median of |x - y| for two normal values is 0.6745 * sqrt(2) * SD.
double noiseOfDifferences(std::vector<double>& diffs) {
    if (diffs.empty()) return 0.0;
    return medianOf(diffs) / (0.6745 * std::sqrt(2.0));
}

// Neighbouring pieces whose means differ by no more than noise and waves give them are one: the
// pair that stands least clear (squared difference over threshold / weight + waveFloor) is joined
// first, until every step stands clear. cuts holds the first value of every piece, and n.
void joinWithinWaves(std::vector<int>& cuts, const std::vector<double>& prefix, double threshold,
                     double waveFloor) {
    auto mean = [&](int a, int b) {
        return (prefix[static_cast<std::size_t>(b)] - prefix[static_cast<std::size_t>(a)]) / (b - a);
    };
    for (;;) {
        std::size_t weakest = 0;
        double least = 1.0;
        for (std::size_t i = 1; i + 1 < cuts.size(); ++i) {
            const int a = cuts[i - 1], m = cuts[i], b = cuts[i + 1];
            const double diff = mean(a, m) - mean(m, b);
            const double weight = static_cast<double>(m - a) * (b - m) / (b - a);
            const double clear = diff * diff / (threshold / weight + waveFloor);
            if (clear < least) {
                least = clear;
                weakest = i;
            }
        }
        if (weakest == 0) return;
        cuts.erase(cuts.begin() + static_cast<std::ptrdiff_t>(weakest));
    }
}

// One chromosome's segments: the cuts of its values, each piece's first and last entry of c.pos.
template <class Emit>
void segmentChromosome(const Chromosome& c, double threshold, double waveFloor, const Emit& emit) {
    const int n = static_cast<int>(c.pos.size());
    if (n == 0) return;
    std::vector<int> cuts = binarySegmentation(c.values, threshold, kMinMarkers);
    cuts.insert(cuts.begin(), 0);
    cuts.push_back(n);
    std::vector<double> prefix{0.0};
    for (double v : c.values) prefix.push_back(prefix.back() + v);
    if (waveFloor > 0.0) joinWithinWaves(cuts, prefix, threshold, waveFloor);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const int a = cuts[i], b = cuts[i + 1];
        emit(c.pos[static_cast<std::size_t>(a)], c.pos[static_cast<std::size_t>(b - 1)], b - a,
             (prefix[static_cast<std::size_t>(b)] - prefix[static_cast<std::size_t>(a)]) / (b - a));
    }
}

// The best split of markers a..b-1: the place and its squared z.
std::pair<int, double> bestSplit(const std::vector<double>& prefix, int a, int b, int minMarkers) {
    const double total = prefix[b] - prefix[a];
    const int n = b - a;
    int best = -1;
    double bestStat = 0.0;
    for (int k = minMarkers; k <= n - minMarkers; ++k) {
        const double left = prefix[a + k] - prefix[a];
        const double diff = left / k - (total - left) / (n - k);
        const double stat = diff * diff * k * (n - k) / n;
        if (stat > bestStat) {
            bestStat = stat;
            best = a + k;
        }
    }
    return {best, bestStat};
}

} // namespace

std::vector<int> binarySegmentation(const std::vector<double>& values, double threshold, int minMarkers) {
    std::vector<double> prefix{0.0}; // prefix[i] = sum of the first i values
    prefix.reserve(values.size() + 1);
    for (double v : values) prefix.push_back(prefix.back() + v);
    const int n = static_cast<int>(values.size());
    std::vector<int> cuts;
    std::vector<std::pair<int, int>> pending{{0, n}};
    while (!pending.empty()) {
        const auto [a, b] = pending.back();
        pending.pop_back();
        const auto [at, stat] = bestSplit(prefix, a, b, minMarkers);
        if (at < 0 || stat < threshold) continue;
        cuts.push_back(at);
        pending.push_back({a, at});
        pending.push_back({at, b});
    }
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

double profileNoise(const CVARNDoc& doc, int t, const float* values) {
    std::vector<double> diffs;
    for (int ch = 1; ch <= 22; ++ch) {
        double previous = 0.0;
        bool have = false;
        for (int pos = kChromosomeStart[t][ch]; pos < kChromosomeStart[t][ch + 1]; ++pos) {
            if (doc.positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
            if (have) diffs.push_back(std::fabs(values[pos] - previous));
            previous = values[pos];
            have = true;
        }
    }
    return noiseOfDifferences(diffs);
}

std::vector<ProfileSegment> segmentProfile(const CVARNDoc& doc, int t, const float* values, double noise) {
    std::vector<ProfileSegment> out;
    if (!(noise > 0)) return out;
    const double threshold = kSplitZ * kSplitZ * noise * noise;
    for (int ch = 1; ch <= 22; ++ch)
        segmentChromosome(usableOf(doc, t, ch, values), threshold, 0.0,
                          [&](int first, int last, int count, double level) {
                              out.push_back({t, ch, first, last, count, level});
                          });
    return out;
}

double profileNoise(const Profile& profile, int array) {
    std::vector<double> diffs;
    for (const Chromosome& c : autosomesOf(profile, array))
        for (std::size_t i = 1; i < c.values.size(); ++i)
            diffs.push_back(std::fabs(c.values[i] - c.values[i - 1]));
    return noiseOfDifferences(diffs);
}

std::vector<CopyNumberSegment> segmentProfile(const Profile& profile, int array, double noise, double waves) {
    std::vector<CopyNumberSegment> out;
    if (!(noise > 0)) return out;
    const double threshold = kSplitZ * kSplitZ * noise * noise;
    const double waveFloor = kWaveZ * kWaveZ * 2.0 * waves * waves;
    const std::vector<Chromosome> autosomes = autosomesOf(profile, array);
    for (int ch = 1; ch <= 22; ++ch)
        segmentChromosome(autosomes[static_cast<std::size_t>(ch)], threshold, waveFloor,
                          [&](int first, int last, int count, double level) {
                              CopyNumberSegment s;
                              s.chromosome = ch;
                              s.start = profile.position[static_cast<std::size_t>(first)];
                              s.end = profile.position[static_cast<std::size_t>(last)];
                              s.markers = count;
                              s.meanLn = level;
                              out.push_back(s);
                          });
    return out;
}

CopyNumberSegment asCopyNumberSegment(const CVARNDoc& doc, const ProfileSegment& p) {
    CopyNumberSegment s;
    s.chromosome = p.chromosome;
    s.start = doc.snpPosition[doc.arrangeOrder[p.firstPos]];
    s.end = doc.snpPosition[doc.arrangeOrder[p.lastPos]];
    s.markers = p.count;
    s.meanLn = p.level;
    return s;
}

} // namespace varn

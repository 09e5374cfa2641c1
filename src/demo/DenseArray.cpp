#include "DenseArray.h"

#include "DemoRandom.h"
#include "DenseSnpPositions.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace varn::demo {

namespace {

enum DenseStream : std::uint64_t { kNames = 311, kFrequencies, kWaves, kClusters };

// Identifiers: dbSNP numbers up to about 150 million (the rs numbers of the arrays' SNPs), and one
// in twenty a "kgp" name, as the Omni arrays name SNPs found by the 1000 Genomes pilot.
constexpr double kShareKgp = 0.05;
constexpr std::uint32_t kRsFirst = 1000, kRsLast = 150000000;
constexpr std::uint32_t kKgpFirst = 1000000, kKgpLast = 30000000;

// The arrays are chosen for common SNPs: one in fifty monomorphic in the population, one in ten
// rare (minor allele 0.5..5 %), the rest common (5..50 %), so that about a third of a person's
// SNPs are heterozygous. Which allele is B follows the probe design, not the frequency.
constexpr double kShareMonomorphic = 0.02, kShareRare = 0.10;

// The genome's GC content varies over hundreds of kilobases to megabases; hybridisation follows
// it, which makes the waves of the log R ratio. Value noise at two scales, 300 kb and 1.5 Mb.
constexpr double kWaveStepShort = 300000.0, kWaveStepLong = 1500000.0;

// The cluster file places each SNP's clusters a little off the truth, the same for every sample
// (SD 0.06 in log R ratio), and GenTrain rates each SNP's clusters: scores of 0.70..0.95 for a
// signal on its cluster.
constexpr double kClusterOffsetSd = 0.06;
constexpr double kQualityLow = 0.70, kQualityHigh = 0.95;

// n distinct numbers in [first, last], increasing.
std::vector<std::uint32_t> distinctNumbers(int n, std::uint32_t first, std::uint32_t last, DemoRandom& rng) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(n));
    const int step = std::max(1, static_cast<int>(2.0 * (last - first) / std::max(1, n)));
    std::uint32_t v = first;
    for (std::uint32_t& x : out) {
        v += 1 + static_cast<std::uint32_t>(rng.below(step));
        x = v;
    }
    return out;
}

// Names in the order of their text: the prefix ("kgp" before "rs"), then the digits compared as
// text, so that "rs12" < "rs120" < "rs13". The number is left-aligned into ten digits and the
// digit count breaks the ties.
std::uint64_t nameOrderKey(std::uint8_t prefix, std::uint32_t number) {
    std::uint64_t aligned = number;
    int digits = 1;
    for (std::uint32_t v = number; v >= 10; v /= 10) ++digits;
    for (int d = digits; d < 10; ++d) aligned *= 10;
    return static_cast<std::uint64_t>(prefix) << 40 | aligned << 4 | static_cast<std::uint64_t>(digits);
}

std::uint32_t numberOfKey(std::uint64_t key) {
    const int digits = static_cast<int>(key & 15);
    std::uint64_t number = (key >> 4) & ((std::uint64_t{1} << 36) - 1);
    for (int d = digits; d < 10; ++d) number /= 10;
    return static_cast<std::uint32_t>(number);
}

float populationFrequency(DemoRandom& rng) {
    const double kind = rng.uniform();
    double minor = 0.0;
    if (kind >= kShareMonomorphic)
        minor = kind < kShareMonomorphic + kShareRare ? rng.uniform(0.005, 0.05) : rng.uniform(0.05, 0.5);
    return static_cast<float>(rng.chance(0.5) ? minor : 1.0 - minor);
}

// Smoothly interpolated random values on a grid of one step, continuous along a chromosome.
struct ValueNoise {
    double step;
    std::vector<double> values;

    double at(double position) const {
        const double x = position / step;
        const auto i = static_cast<std::size_t>(x);
        const double t = x - static_cast<double>(i);
        const double s = t * t * (3.0 - 2.0 * t);
        return values[i] + s * (values[i + 1] - values[i]);
    }
};

ValueNoise valueNoise(double step, int maxPosition, DemoRandom& rng) {
    ValueNoise noise{step, std::vector<double>(static_cast<std::size_t>(maxPosition / step) + 2)};
    for (double& v : noise.values) v = rng.normal();
    return noise;
}

// The waves of the sites (in genome order), standardised over the whole genome.
std::vector<float> gcWaves(const DenseSites& sites, std::uint64_t seed) {
    DemoRandom rng(seed, kWaves);
    const std::size_t n = sites.chromosome.size();
    std::vector<float> waves(n, 0.0f);
    std::size_t i = 0;
    while (i < n) {
        std::size_t end = i;
        while (end < n && sites.chromosome[end] == sites.chromosome[i]) ++end;
        const ValueNoise shortWaves = valueNoise(kWaveStepShort, sites.position[end - 1], rng);
        const ValueNoise longWaves = valueNoise(kWaveStepLong, sites.position[end - 1], rng);
        for (std::size_t k = i; k < end; ++k)
            waves[k] = static_cast<float>(0.6 * shortWaves.at(sites.position[k]) +
                                          0.8 * longWaves.at(sites.position[k]));
        i = end;
    }
    double sum = 0.0, squares = 0.0;
    for (const float w : waves) {
        sum += w;
        squares += static_cast<double>(w) * w;
    }
    const double mean = sum / static_cast<double>(n);
    const double sd = std::sqrt(std::max(1e-12, squares / static_cast<double>(n) - mean * mean));
    for (float& w : waves) w = static_cast<float>((w - mean) / sd);
    return waves;
}

} // namespace

DenseArray makeDenseArray(std::uint64_t seed, int snpCount) {
    const DenseSites sites = drawDenseSites(seed, std::max(snpCount, 1000));
    const std::size_t n = sites.chromosome.size();
    const std::vector<float> waves = gcWaves(sites, seed);

    // The names, sorted as text; each is given a random site.
    DemoRandom names(seed, kNames);
    int kgpCount = 0;
    for (std::size_t i = 0; i < n; ++i) kgpCount += names.chance(kShareKgp);
    std::vector<std::uint64_t> keys;
    keys.reserve(n);
    for (const std::uint32_t v : distinctNumbers(kgpCount, kKgpFirst, kKgpLast, names))
        keys.push_back(nameOrderKey(0, v));
    for (const std::uint32_t v : distinctNumbers(static_cast<int>(n) - kgpCount, kRsFirst, kRsLast, names))
        keys.push_back(nameOrderKey(1, v));
    std::sort(keys.begin(), keys.end());
    std::vector<std::int32_t> siteOfRow(n);
    std::iota(siteOfRow.begin(), siteOfRow.end(), 0);
    for (std::size_t i = n; i > 1; --i)
        std::swap(siteOfRow[i - 1], siteOfRow[static_cast<std::size_t>(names.below(static_cast<int>(i)))]);

    DenseArray a;
    a.namePrefix.resize(n);
    a.nameNumber.resize(n);
    a.chromosome.resize(n);
    a.position.resize(n);
    a.gcWave.resize(n);
    a.genomeOrder.resize(n);
    for (std::size_t row = 0; row < n; ++row) {
        const auto site = static_cast<std::size_t>(siteOfRow[row]);
        a.namePrefix[row] = static_cast<std::uint8_t>(keys[row] >> 40);
        a.nameNumber[row] = numberOfKey(keys[row]);
        a.chromosome[row] = sites.chromosome[site];
        a.position[row] = sites.position[site];
        a.gcWave[row] = waves[site];
        a.genomeOrder[site] = static_cast<std::int32_t>(row);
    }

    DemoRandom frequencies(seed, kFrequencies);
    a.bFrequency.resize(n);
    for (float& f : a.bFrequency) f = populationFrequency(frequencies);
    DemoRandom clusters(seed, kClusters);
    a.clusterOffset.resize(n);
    a.callQuality.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        a.clusterOffset[i] = static_cast<float>(clusters.normal(0.0, kClusterOffsetSd));
        a.callQuality[i] = static_cast<float>(clusters.uniform(kQualityLow, kQualityHigh));
    }
    return a;
}

} // namespace varn::demo

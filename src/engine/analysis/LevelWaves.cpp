#include "LevelWaves.h"

#include "document/profile/Profile.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>

namespace varn {

LevelWaves levelWaves(const Profile& p, int array) {
    LevelWaves out;
    const double noise = profileNoise(p, array);
    std::vector<double> steps;
    double sum = 0.0, previous = std::nan(""), inverseCounts = 0.0, snps = 0.0;
    int count = 0, chromosome = 0, start = 0, previousCount = 0, stretches = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p.chromosome[i] > 22 || p.array[i] != array || !std::isfinite(p.logRatio[i])) continue;
        if (p.chromosome[i] != chromosome) { // the profile is in genome order: a new autosome
            chromosome = p.chromosome[i];
            sum = 0.0;
            count = 0;
            previous = std::nan("");
        }
        if (count == 0) start = p.position[i];
        sum += p.logRatio[i];
        ++count;
        if (p.position[i] - start < kWaveReach) continue;
        if (count >= kWaveSnps) {
            const double mean = sum / count;
            if (std::isfinite(previous)) {
                steps.push_back(std::fabs(mean - previous));
                inverseCounts += 1.0 / count + 1.0 / previousCount;
            }
            previous = mean;
            previousCount = count;
            snps += count;
            ++stretches;
        }
        sum = 0.0;
        count = 0;
    }
    if (steps.size() < 2) return out;
    out.snpsPerStretch = snps / stretches;
    // A difference of two stretches' means holds twice a wave's variance and each one's noise.
    const double stepSd = kMadToSd * medianOf(steps);
    const double noiseShare = noise * noise * inverseCounts / static_cast<double>(steps.size());
    out.sd = std::sqrt(std::max(0.0, 0.5 * (stepSd * stepSd - noiseShare)));
    return out;
}

} // namespace varn

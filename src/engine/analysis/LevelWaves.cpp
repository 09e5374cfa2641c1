#include "LevelWaves.h"

#include "document/profile/Profile.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>

namespace varn {

double levelWaves(const Profile& p, int array) {
    const double noise = profileNoise(p, array);
    std::vector<double> steps;
    double sum = 0.0, previous = std::nan("");
    int count = 0, chromosome = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p.chromosome[i] > 22 || p.array[i] != array || !std::isfinite(p.logRatio[i])) continue;
        if (p.chromosome[i] != chromosome) { // the profile is in genome order: a new autosome
            chromosome = p.chromosome[i];
            sum = 0.0;
            count = 0;
            previous = std::nan("");
        }
        sum += p.logRatio[i];
        if (++count < kWaveWindow) continue;
        const double mean = sum / count;
        if (std::isfinite(previous)) steps.push_back(std::fabs(mean - previous));
        previous = mean;
        sum = 0.0;
        count = 0;
    }
    if (steps.size() < 2) return 0.0;
    const double stepSd = kMadToSd * medianOf(steps);
    return std::sqrt(std::max(0.0, 0.5 * stepSd * stepSd - noise * noise / kWaveWindow));
}

} // namespace varn

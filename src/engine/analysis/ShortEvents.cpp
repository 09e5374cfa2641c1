#include "ShortEvents.h"

#include "document/profile/Profile.h"
#include "engine/allelic/ProfileDecoding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace varn {

namespace {

double levelOf(const std::vector<float>& levelOfTotal, int total) {
    return total >= 0 && static_cast<std::size_t>(total) < levelOfTotal.size()
               ? levelOfTotal[static_cast<std::size_t>(total)]
               : std::nan("");
}

// The autosomes' share of SNPs with a B-allele fraction that are informative.
double informativeShare(const Profile& read, const std::vector<char>& informative) {
    std::size_t snps = 0, shown = 0;
    for (std::size_t i = 0; i < read.size(); ++i)
        if (read.chromosome[i] <= 22 && std::isfinite(read.baf[i])) {
            ++snps;
            shown += informative[i] != 0;
        }
    return snps > 0 ? static_cast<double>(shown) / static_cast<double>(snps) : 0.0;
}

} // namespace

int takeShortEvents(const Profile& read, const ProfileDecoding& fine, ProfileDecoding& coarse,
                    const ShortEventLevels& levels) {
    const bool alleles = levels.informative != nullptr && !levels.informative->empty() && read.hasBaf();
    const double share = alleles ? informativeShare(read, *levels.informative) : 0.0;
    const double floorLevel = levelOf(levels.levelOfTotal, 0);
    int taken = 0;
    const std::size_t n = read.size();
    std::size_t i = 0;
    while (i < n) {
        // A run: SNPs of one autosome where the fine call and the coarse one stay the same.
        const int fineTotal = fine.totalCopies[i], coarseTotal = coarse.totalCopies[i];
        std::size_t end = i + 1;
        while (end < n && read.chromosome[end] == read.chromosome[i] && fine.totalCopies[end] == fineTotal &&
               coarse.totalCopies[end] == coarseTotal)
            ++end;
        const std::size_t first = i;
        i = end;
        const bool toFloor = fineTotal == 0 && coarseTotal > 0;
        if (read.chromosome[first] > 22 || !toFloor || read.position[end - 1] - read.position[first] >= kShortEventBases)
            continue;
        double sum = 0.0;
        int count = 0, withBaf = 0, informative = 0;
        for (std::size_t k = first; k < end; ++k) {
            if (std::isfinite(read.logRatio[k])) {
                sum += read.logRatio[k];
                ++count;
            }
            if (alleles && std::isfinite(read.baf[k])) {
                ++withBaf;
                informative += (*levels.informative)[k] != 0;
            }
        }
        if (count < kShortEventSnps) continue;
        const double mean = sum / count;
        const double coarseLevel = levelOf(levels.levelOfTotal, coarseTotal);
        const double error = std::sqrt(levels.noise * levels.noise / count + levels.waves * levels.waves);
        const double floorNearest = std::min(std::fabs(mean - floorLevel), std::fabs(mean - levels.germlineLoss));
        if (!(floorNearest < std::fabs(mean - coarseLevel)) || std::fabs(mean - coarseLevel) < kShortEventZ * error)
            continue;
        int total = 0, minor = 0;
        if (alleles && informative == 0) {
            // No heterozygous SNP: a germline loss, where so many SNPs would have shown one.
            const bool tells = std::pow(1.0 - share, withBaf) * kGermlineOdds <= 1.0;
            const bool germline =
                levels.deletionShowsAlleles || std::fabs(mean - levels.germlineLoss) < std::fabs(mean - floorLevel);
            if (!tells || !germline) continue;
            total = 1;
        }
        for (std::size_t k = first; k < end; ++k) {
            coarse.totalCopies[k] = static_cast<std::int8_t>(total);
            coarse.minorCopies[k] = static_cast<std::int8_t>(minor);
        }
        ++taken;
    }
    return taken;
}

} // namespace varn

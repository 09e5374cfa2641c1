#pragma once

// A profile of any number of SNPs over hg19 with a few planted changes, as an array of the 0.6-2.5
// million SNP generation would give it: SNPs evenly spread outside the centromeres, a base-2 log
// ratio around each state's level with the noise of a good array, a B-allele fraction at 0 and 1
// for the homozygous SNPs and at the state's bands for the heterozygous ones (informative), and
// the decoded states and segments as the allele-specific analysis would hand them on, and
// cytobands.

#include "demo/DemoChromosomes.h"
#include "demo/DemoCytobands.h"
#include "demo/DemoRandom.h"
#include "document/profile/GenomeBuild.h"
#include "document/profile/Profile.h"
#include "view/profile/ProfilePicture.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace varn::bench {

struct PlantedChange {
    int chromosome;
    double from, to; // shares of the chromosome's length
    int total, minor;
};

// A tumour at 70 % of the cells: losses, a copy-neutral LOH, gains, a deep deletion.
inline constexpr PlantedChange kPlantedChanges[] = {
    {1, 0.0, 0.45, 3, 1}, {3, 0.55, 1.0, 1, 0}, {5, 0.0, 1.0, 3, 1},  {8, 0.5, 1.0, 4, 1},
    {9, 0.1, 0.2, 0, 0},  {13, 0.0, 1.0, 2, 0}, {17, 0.0, 0.5, 1, 0}, {20, 0.0, 1.0, 4, 2},
};
inline constexpr double kPurity = 0.7;
inline constexpr double kPloidy = 2.3;

// The picture points at the profile, so the pair stays where it was made.
struct SyntheticProfile {
    Profile profile;
    ProfilePicture picture;
    explicit SyntheticProfile(std::size_t snps, unsigned seed = 7);
    SyntheticProfile(const SyntheticProfile&) = delete;
    SyntheticProfile& operator=(const SyntheticProfile&) = delete;
};

inline double levelOf(int total) {
    const double mixed = kPurity * total + 2 * (1 - kPurity), base = kPurity * kPloidy + 2 * (1 - kPurity);
    return std::log2(std::max(mixed, 0.05) / base);
}

inline double bandOf(int total, int minor) {
    const double tumour = kPurity * total + 2 * (1 - kPurity);
    return (kPurity * minor + (1 - kPurity)) / tumour;
}

inline SyntheticProfile::SyntheticProfile(std::size_t snps, unsigned seed) {
    Profile& p = profile;
    p.sample = "Synthetic";
    p.arrays = {{"synthetic", Platform::Illumina}};
    picture.build = GenomeBuild::Hg19;
    picture.sample = "Synthetic";
    picture.solution = "solution 1: tumour cells=70%, ploidy 2.30";
    for (int k = 0; k <= 8; ++k) picture.levelOfTotal.push_back(static_cast<float>(levelOf(k)));

    long long genome = 0;
    for (int c = 1; c <= 23; ++c) genome += chromosomeLength(GenomeBuild::Hg19, c);
    std::mt19937 random(seed);
    std::normal_distribution<float> logNoise(0.0f, 0.25f), bafNoise(0.0f, 0.035f);
    std::bernoulli_distribution heterozygous(0.3), half(0.5);
    for (int c = 1; c <= 23; ++c) {
        const int length = chromosomeLength(GenomeBuild::Hg19, c);
        const Centromere centromere = centromereOf(GenomeBuild::Hg19, c);
        const auto count =
            static_cast<std::size_t>(static_cast<double>(snps) * length / static_cast<double>(genome));
        const double spacing = static_cast<double>(length) / static_cast<double>(count + 1);
        int segmentTotal = -2, segmentMinor = -2;
        for (std::size_t k = 0; k < count; ++k) {
            const int position = static_cast<int>(spacing * static_cast<double>(k + 1));
            if (position >= centromere.start && position < centromere.end) continue;
            int total = 2, minor = 1;
            for (const PlantedChange& change : kPlantedChanges)
                if (change.chromosome == c && position >= change.from * length &&
                    position < change.to * length)
                    total = change.total, minor = change.minor;
            const bool informative = heterozygous(random);
            float baf = half(random) ? 1.0f : 0.0f;
            if (informative && total > 0) {
                const double band = bandOf(total, minor);
                baf = static_cast<float>(half(random) ? band : 1.0 - band);
            }
            p.chromosome.push_back(static_cast<std::uint8_t>(c));
            p.position.push_back(position);
            p.logRatio.push_back(static_cast<float>(levelOf(total)) + logNoise(random));
            p.baf.push_back(baf + bafNoise(random));
            p.array.push_back(0);
            picture.informative.push_back(informative ? 1 : 0);
            picture.totalCopies.push_back(static_cast<std::int8_t>(total));
            picture.minorCopies.push_back(static_cast<std::int8_t>(minor));
            if (total != segmentTotal || minor != segmentMinor) {
                PictureSegment segment;
                segment.chromosome = c;
                segment.start = position;
                segment.totalCopies = total;
                segment.minorCopies = minor;
                segment.expectedBand = total > 0 ? bandOf(total, minor) : NAN;
                segment.loh = minor == 0 && total > 0;
                segment.meanLogRatio = levelOf(total);
                picture.segments.push_back(segment);
                segmentTotal = total, segmentMinor = minor;
            }
            PictureSegment& last = picture.segments.back();
            last.end = position;
            ++last.markers;
        }
    }
    p.name.resize(p.size());
    picture.profile = &profile;
    // The demo installation's band maps (about 850 bands) stretched onto hg19's lengths, named by
    // their stains as a cytoBand table names them.
    constexpr const char* kStains[] = {"",        "gneg", "gpos25", "gpos50", "gpos75",
                                       "gpos100", "acen", "gvar",   "stalk"};
    demo::DemoRandom bands(seed, 1);
    const auto maps = demo::makeCytobands(bands);
    for (int c = 1; c <= 23; ++c) {
        const double stretch =
            static_cast<double>(chromosomeLength(GenomeBuild::Hg19, c)) / demo::kChromosomeLength[c];
        for (const demo::Band& b : maps[static_cast<std::size_t>(c)])
            picture.cytobands.push_back({c, static_cast<int>(b.start * stretch),
                                         static_cast<int>(b.end * stretch), b.name,
                                         kStains[std::clamp(b.stain, 0, 8)]});
    }
}

} // namespace varn::bench

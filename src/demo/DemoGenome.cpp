#include "DemoGenome.h"

#include "DemoChromosomes.h"
#include "DemoRandom.h"
#include "document/DocumentLimits.h"
#include "view/GenomeLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varn::demo {

namespace {

// Stream tags of the genome's random numbers.
enum GenomeStream : std::uint64_t { kPositions = 101, kIds, kFragments, kHetero, kBands, kPhase };

constexpr int kArrayEnd[3] = {kSlots, kSlots, 57244}; // one past the last slot of Xba and Hind
constexpr int kTelomereMargin = 50000;
constexpr int kCentromereGap = 1000000; // no unique sequence this close to a centromere

// SNPs of array t (1 Xba, 2 Hind) on chromosome c (24 = the slots after X).
int countOn(int t, int c) {
    const int end = c < kUnplacedChromosome ? kChromosomeStart[t][c + 1] : kArrayEnd[t];
    return end - kChromosomeStart[t][c];
}

// n distinct, increasing base positions on chromosome c, spread uniformly over its unique
// sequence (the short arms of acrocentric chromosomes carry only a few SNPs near the centromere).
std::vector<int> drawPositions(int c, int n, DemoRandom& rng) {
    const int cen = kCentromere[c];
    const double lo = isAcrocentric(c) ? cen * 0.7 : kTelomereMargin;
    const double hi = kChromosomeLength[c] - kTelomereMargin;
    const double gapLo = cen - kCentromereGap;
    const double usable = (hi - lo) - 2.0 * kCentromereGap;
    std::vector<double> draws(static_cast<std::size_t>(n));
    for (double& d : draws) {
        d = lo + rng.uniform() * usable;
        if (d >= gapLo) d += 2.0 * kCentromereGap;
    }
    std::sort(draws.begin(), draws.end());
    std::vector<int> positions(static_cast<std::size_t>(n));
    int previous = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const int p = std::max(static_cast<int>(draws[i]), previous + 1);
        positions[i] = p;
        previous = p;
    }
    return positions;
}

// Restriction fragments of the array protocol: mostly 500..2000 bases, a few percent shorter or
// longer (those amplify poorly and are left out of the analysis).
int drawFragmentLength(DemoRandom& rng) {
    const double length = std::exp(rng.normal(std::log(1000.0), 0.34));
    return std::clamp(static_cast<int>(length), 150, 4500);
}

// GC content of the fragment; about one in 250 is unknown and written as 0.
float drawGcContent(DemoRandom& rng) {
    if (rng.chance(0.004)) return 0.0f;
    const double gc = std::clamp(rng.normal(0.42, 0.045), 0.25, 0.65);
    return static_cast<float>(std::round(gc * 10000.0) / 10000.0);
}

// Population heterozygosity 2p(1-p): the arrays favour common SNPs, so rates pile up towards
// 0.5, with a few SNPs monomorphic in this population.
float drawHeteroRate(DemoRandom& rng) {
    if (rng.chance(0.04)) return 0.0f;
    const double h = 0.5 * std::sqrt(rng.uniform());
    return static_cast<float>(std::round(h * 1e6) / 1e6);
}

} // namespace

DemoGenome makeDemoGenome(std::uint64_t seed) {
    DemoGenome g;
    const std::size_t n = kSlots;
    g.snpId.assign(n, 0);
    g.chromosome.assign(n, 0);
    g.position.assign(n, 0);
    g.fragmentLength.assign(n, 0);
    g.gcContent.assign(n, 0.0f);
    g.bandStain.assign(n, 0);
    g.bandName.assign(n, std::string());
    g.alleleAFrequency.assign(n, 0.0);
    g.arrangeOrder.assign(n, 0);
    g.heteroRate.assign(n, 0.0f);
    g.combineOrder.assign(n, 0);

    DemoRandom positionRng(seed, kPositions);
    std::vector<int> posChromosome(n), posBase(n);
    int merged = 0;
    for (int c = 1; c <= kUnplacedChromosome; ++c) {
        const int nX = countOn(kXba, c);
        const int nH = countOn(kHind, c);
        const std::vector<int> bases = drawPositions(c, nX + nH, positionRng);
        // Which of the genome-ordered SNPs belong to Xba: nX of them, chosen at random.
        std::vector<char> onXba(bases.size(), 0);
        std::fill(onXba.begin(), onXba.begin() + nX, 1);
        for (std::size_t i = onXba.size(); i > 1; --i)
            std::swap(onXba[i - 1], onXba[static_cast<std::size_t>(positionRng.below(static_cast<int>(i)))]);
        int nextPos[3] = {0, kChromosomeStart[kXba][c], kChromosomeStart[kHind][c]};
        for (std::size_t i = 0; i < bases.size(); ++i) {
            const int t = onXba[i] ? kXba : kHind;
            const int pos = nextPos[t]++;
            posChromosome[static_cast<std::size_t>(pos)] = c;
            posBase[static_cast<std::size_t>(pos)] = bases[i];
            g.combineOrder[static_cast<std::size_t>(merged++)] = pos;
        }
    }

    // Identifiers: distinct seven-digit numbers. Each array's records are listed in identifier
    // order, so record order is a shuffle of genome order.
    DemoRandom idRng(seed, kIds);
    std::vector<int> idOfPos(n);
    int id = 1000000;
    for (int& v : idOfPos) {
        id += 1 + idRng.below(70);
        v = id;
    }
    for (std::size_t i = n; i > 1; --i)
        std::swap(idOfPos[i - 1], idOfPos[static_cast<std::size_t>(idRng.below(static_cast<int>(i)))]);
    for (int t = 1; t <= 2; ++t) {
        const int first = kChromosomeStart[t][1];
        const int end = kArrayEnd[t];
        std::vector<int> byId;
        for (int pos = first; pos < end; ++pos) byId.push_back(pos);
        std::sort(byId.begin(), byId.end(), [&](int a, int b) {
            return idOfPos[static_cast<std::size_t>(a)] < idOfPos[static_cast<std::size_t>(b)];
        });
        for (std::size_t rank = 0; rank < byId.size(); ++rank)
            g.arrangeOrder[static_cast<std::size_t>(byId[rank])] = first + static_cast<int>(rank);
    }

    DemoRandom fragmentRng(seed, kFragments);
    DemoRandom heteroRng(seed, kHetero);
    DemoRandom phaseRng(seed, kPhase);
    DemoRandom bandRng(seed, kBands);
    g.bands = makeCytobands(bandRng);
    for (std::size_t pos = 0; pos < n; ++pos) {
        const auto snp = static_cast<std::size_t>(g.arrangeOrder[pos]);
        const int c = posChromosome[pos];
        g.snpId[snp] = idOfPos[pos];
        g.chromosome[snp] = c;
        g.position[snp] = posBase[pos];
        g.fragmentLength[snp] = drawFragmentLength(fragmentRng);
        g.gcContent[snp] = drawGcContent(fragmentRng);
        const Band& band = bandAt(g.bands[static_cast<std::size_t>(c)], posBase[pos]);
        g.bandStain[snp] = band.stain;
        g.bandName[snp] = band.name;
        const float h = drawHeteroRate(heteroRng);
        g.heteroRate[pos] = h;
        // 2p(1-p) = h; which allele is the minor one is arbitrary.
        const double p = (1.0 - std::sqrt(std::max(0.0, 1.0 - 2.0 * h))) / 2.0;
        g.alleleAFrequency[snp] = phaseRng.chance(0.5) ? p : 1.0 - p;
    }
    return g;
}

std::string snpIdentifier(const DemoGenome& genome, int snp) {
    char text[24];
    std::snprintf(text, sizeof text, "SNP_A-%07d", genome.snpId[static_cast<std::size_t>(snp)]);
    return text;
}

} // namespace varn::demo

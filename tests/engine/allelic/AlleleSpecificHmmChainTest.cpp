// The allele-specific decoder on chains of a few hundred SNPs built here from known states: each
// stretch read back as the state it was drawn from, along the stretch and without flicker.
#include "engine/allelic/AlleleSpecificHmm.h"

#include "engine/EngineFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace varn {
namespace {

constexpr int kStretch = 150;
constexpr double kLevelNoise = 0.15;
constexpr double kBafNoise = 0.03;
constexpr double kHomozygousNoise = 0.015;

int stateOf(int total, int minor) {
    for (int s = 0; s < kAlleleStates; ++s)
        if (alleleStates()[s].total == total && alleleStates()[s].minor == minor) return s;
    return -1;
}

// An array without compression (k copies read as k, none as the background 0.2) at purity p.
AlleleHmmArray arrayAt(double p, bool fromNormal) {
    EffectiveCopies copies;
    const double g[kStates] = {0.2, 1, 2, 3, 4, 5, 6};
    std::copy(std::begin(g), std::end(g), copies.g);
    AlleleHmmArray a;
    for (int s = 0; s < kHmmStates; ++s) {
        double tumour = g[alleleStates()[reportedAlleleState(s)].total];
        if (s >= kAlleleStates)
            tumour = 0.5 * (tumour + g[alleleStates()[subcloneSteps()[s - kAlleleStates].upper].total]);
        a.level[s] = std::log((p * tumour + 2.0 * (1.0 - p)) / 2.0);
    }
    a.levelNoise = kLevelNoise;
    a.bafNoise = kBafNoise;
    fillAlleleBands(a, copies, p, 4.0 * kHomozygousNoise, fromNormal);
    return a;
}

struct Case {
    std::string name;
    double purity;
    bool fromNormal;
    std::vector<std::pair<int, int>> stretches; // (total, minor), kStretch SNPs each
    bool oneParentOnly = false;                 // a man's X
    std::vector<std::pair<int, int>> read = {}; // what each stretch reads as, where not its own state
};

TEST(AlleleSpecificHmm, ReadsEachStretchOfAChainAsTheStateItWasDrawnFrom) {
    const Case cases[] = {
        {"copy-neutral LOH between balanced stretches, pure", 1.0, false, {{2, 1}, {2, 0}, {2, 1}}},
        {"one copy lost, 30 % normal cells", 0.7, false, {{2, 1}, {1, 0}, {2, 1}}},
        {"a gain of one parent", 0.8, false, {{2, 1}, {3, 1}, {3, 0}, {2, 1}}},
        {"a doubled genome: balanced, three against one, all of one parent",
         1.0,
         false,
         {{4, 2}, {4, 1}, {4, 0}}},
        {"both copies lost, with normal cells left", 0.6, false, {{2, 1}, {0, 0}, {2, 1}}},
        // The normal's heterozygous SNPs stay informative in the LOH: only their band moves.
        {"copy-neutral LOH by the paired normal's SNPs", 0.8, true, {{2, 1}, {2, 0}, {2, 1}}},
        // A man's X holds one parent: a stretch that looks balanced is read as two copies of it.
        {"a man's X", 1.0, false, {{1, 0}, {2, 1}}, true, {{1, 0}, {2, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlleleHmmChain chain;
        chain.arrays[1] = arrayAt(c.purity, c.fromNormal);
        chain.informativeFromNormal = c.fromNormal;
        if (c.oneParentOnly)
            for (int s = 0; s < kHmmStates; ++s)
                chain.allowed[s] = alleleStates()[reportedAlleleState(s)].minor == 0;
        std::vector<int> truth;
        const AlleleHmmArray& a = chain.arrays[1];
        for (std::size_t r = 0; r < c.stretches.size(); ++r) {
            const int state = stateOf(c.stretches[r].first, c.stretches[r].second);
            const auto [readTotal, readMinor] = c.read.empty() ? c.stretches[r] : c.read[r];
            for (int k = 0; k < kStretch; ++k) {
                const int i = static_cast<int>(chain.snps.size());
                AlleleHmmSnp snp;
                snp.position = 10000 * (i + 1);
                snp.level = static_cast<float>(a.level[state] + kLevelNoise * test::gaussianNoise(11, i));
                snp.alleles = 1;
                snp.heteroRate = 0.3f;
                snp.informative = i % 3 == 1 && a.shows[state]; // one SNP in three germline heterozygous
                const double offset = a.band[state] - 0.5 + kBafNoise * test::gaussianNoise(12, i);
                snp.mirroredBaf = static_cast<float>(0.5 + std::fabs(offset));
                chain.snps.push_back(snp);
                truth.push_back(stateOf(readTotal, readMinor));
            }
        }
        const std::vector<int> decoded = decodeAlleleStates(chain);
        ASSERT_EQ(decoded.size(), truth.size());
        int runs = 1, right = 0;
        for (std::size_t i = 0; i < decoded.size(); ++i) {
            right += reportedAlleleState(decoded[i]) == truth[i];
            if (i > 0 && decoded[i] != decoded[i - 1]) ++runs;
        }
        EXPECT_EQ(runs, static_cast<int>(c.stretches.size()));
        EXPECT_GE(right, static_cast<int>(truth.size()) - 3 * static_cast<int>(c.stretches.size()));
    }
    EXPECT_TRUE(decodeAlleleStates(AlleleHmmChain{}).empty());
}

} // namespace
} // namespace varn

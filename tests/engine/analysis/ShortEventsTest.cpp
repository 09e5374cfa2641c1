// The short losses taken from the fine decoding, as a homozygous deletion or a germline loss by
// their alleles, and the short runs left to the waves: a gain, too few SNPs, a run longer than the
// waves' reach, a level within the waves, no heterozygous SNP where too few SNPs tell.
#include "document/profile/Profile.h"
#include "engine/allelic/ProfileDecoding.h"
#include "engine/analysis/ShortEvents.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(ShortEvents, TakesDeepShortLossesByTheirAllelesAndLeavesTheRestToTheWaves) {
    struct Case {
        const char* what;
        int fineTotal;
        int snps;
        float level;      // the run's log ratio
        bool informative; // every third SNP of the run heterozygous
        int total;        // the call at the run afterwards
        int minor;
    };
    const Case cases[] = {
        {"a homozygous deletion of 25 SNPs", 0, 25, -0.50f, true, 0, 0},
        {"a germline loss of 25 SNPs", 0, 25, -0.50f, false, 1, 0},
        {"a germline loss of 9 SNPs", 0, 9, -0.50f, false, 1, 0},
        {"no heterozygous SNP among too few to tell", 0, 6, -0.50f, false, 2, 1},
        {"a gain as short", 4, 25, 0.30f, true, 2, 1},
        {"too few SNPs", 0, 4, -0.50f, true, 2, 1},
        {"longer than the waves' reach", 0, 300, -0.50f, true, 2, 1},
        {"a level the waves reach", 0, 25, -0.12f, true, 2, 1},
    };
    ShortEventLevels levels;
    // 0..4 total copies at half the cells normal, and one copy in every cell, on a compressed array.
    levels.levelOfTotal = {-0.44f, -0.17f, 0.0f, 0.17f, 0.29f};
    levels.germlineLoss = -0.48;
    levels.noise = 0.14;
    levels.waves = 0.03;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Profile p;
        std::vector<char> informative;
        ProfileDecoding fine, coarse;
        const int flank = 200, n = 2 * flank + c.snps;
        for (int i = 0; i < n; ++i) {
            const bool inRun = i >= flank && i < flank + c.snps;
            p.chromosome.push_back(9);
            p.position.push_back(1'000'000 + i * 4000);
            // A noise of SD 0.1, alternating so that the mean of the run is about its level.
            p.logRatio.push_back((inRun ? c.level : 0.0f) + (i % 2 == 0 ? 0.1f : -0.1f));
            p.baf.push_back(0.5f);
            informative.push_back(i % 3 == 0 && (!inRun || c.informative));
            fine.totalCopies.push_back(static_cast<std::int8_t>(inRun ? c.fineTotal : 2));
            fine.minorCopies.push_back(static_cast<std::int8_t>(inRun ? 0 : 1));
            coarse.totalCopies.push_back(2);
            coarse.minorCopies.push_back(1);
        }
        levels.informative = &informative;
        const bool changed = c.total != 2;
        EXPECT_EQ(takeShortEvents(p, fine, coarse, levels), changed ? 1 : 0);
        EXPECT_EQ(coarse.totalCopies[flank + 1], c.total);
        EXPECT_EQ(coarse.minorCopies[flank + 1], c.minor);
        EXPECT_EQ(coarse.totalCopies[flank - 1], 2);
    }
}

} // namespace
} // namespace varn

// The tumour cell fraction: the means for p, and the levels' fit on profiles built here. The
// estimate on every demo tumour and array is held against the planted fraction beside the other
// figures of the same analyses (DemoRecoveryTest).
#include "engine/purity/PurityEstimate.h"

#include "document/HmmDefaults.h"
#include "engine/analysis/ResultWording.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/LevelsPurityFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace varn {
namespace {

TEST(MeansForPurity, PureMeansComeBackAndMixedMeansMoveMonotonicallyTowardDiploid) {
    for (bool log2Scale : {false, true}) {
        float out[kStates];
        meansForPurity(kDefaultHmmMean, 1.0, log2Scale, out);
        EXPECT_EQ(std::memcmp(out, kDefaultHmmMean, sizeof out), 0);
        float previous[kStates];
        std::copy(out, out + kStates, previous);
        for (int percent = 99; percent >= 10; --percent) {
            meansForPurity(kDefaultHmmMean, percent / 100.0, log2Scale, out);
            for (int k = 0; k < kStates; ++k) {
                EXPECT_LE(std::fabs(out[k]), std::fabs(previous[k])) << percent << " state " << k;
                EXPECT_GE(out[k] * kDefaultHmmMean[k], 0.0f) << percent << " state " << k;
            }
            EXPECT_TRUE(out[0] < out[1] && out[1] < out[2] && out[5] < out[6]) << percent;
            // A stored analysis keeps only its means (six decimals): the fraction comes back.
            float stored[kStates];
            for (int k = 0; k < kStates; ++k) stored[k] = std::round(out[k] * 1e6f) / 1e6f;
            EXPECT_NEAR(purityOfMeans(stored, log2Scale), percent / 100.0, 1e-4) << percent;
            std::copy(out, out + kStates, previous);
        }
        EXPECT_EQ(purityOfMeans(kDefaultHmmMean, log2Scale), 1.0);
    }
}

// A profile with no change at all, or one change that fits many fractions, must not give a
// confident number.
TEST(PurityFit, ProfileWithoutChangesCannotTell) {
    PurityFitInput in;
    std::copy(kDefaultHmmMean, kDefaultHmmMean + kStates, in.pureMeans);
    in.noise = 0.25;
    for (int ch = 1; ch <= 22; ++ch) in.segments.push_back({kXba, ch, 0, 0, 2000, 0.002 * (ch % 3 - 1)});
    const PurityEstimate e = fitPurity(in);
    EXPECT_FALSE(e.decided);
    EXPECT_EQ(purityText(e), "Tumour cells: cannot tell (no copy-number change to measure)");
    EXPECT_EQ(e.curve.size(), 91u);
}

// A paired profile whose only changes are copy-neutral losses of heterozygosity: the total
// levels are flat, the allelic contrast alone gives the fraction; with balanced alleles too it
// still cannot tell.
TEST(PurityFit, PairedAllelicContrastAloneFixesTheFraction) {
    constexpr double planted = 0.4, crossTalk = 0.12, noise = 0.022;
    // One parent's two copies in the tumour: the lost allele keeps only the normal cells' copy.
    const double minor = 1 - planted, major = 1 - planted + 2 * planted;
    const double contrast = std::log((major + crossTalk * minor) / (minor + crossTalk * major));
    for (const bool withLoh : {true, false}) {
        PurityFitInput in;
        for (int k = 0; k < kStates; ++k)
            in.pureMeans[k] = static_cast<float>(kDefaultHmmMean[k] / std::log(2.0));
        in.log2Scale = true;
        in.noise = 0.3;
        for (int t : {kXba, kHind}) {
            in.crossTalk[t] = crossTalk;
            in.contrastNoise[t] = noise;
        }
        for (int ch = 1; ch <= 22; ++ch) {
            in.segments.push_back({ch % 2 ? kXba : kHind, ch, 0, 0, 2000, 0.0});
            in.alleles.push_back({600, noise + (withLoh && ch <= 6 ? contrast * contrast : 0.0)});
        }
        const PurityEstimate e = fitPurity(in);
        EXPECT_EQ(e.decided, withLoh) << e.why;
        if (withLoh) {
            EXPECT_NEAR(e.purity, planted, 0.011);
        }
    }
}

} // namespace
} // namespace varn

// The tumour cell fraction: the means for p, the estimate on every demo tumour and array against
// the planted fraction, and what decoding with the estimated means recovers.
#include "engine/purity/PurityEstimate.h"
#include "commands/CAverage.h"
#include "commands/CRefSelect.h"
#include "demo/DemoFixture.h"
#include "demo/TruthFile.h"
#include "document/CVARNDoc.h"
#include "document/HmmDefaults.h"
#include "engine/EngineFixtures.h"
#include "engine/analysis/ResultWording.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/LevelsPurityFit.h"
#include "support/ScriptedUi.h"
#include "view/CVARNView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace varn {
namespace {

namespace fs = std::filesystem;

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

struct Analysis {
    test::ScriptedUi ui;
    CVARNDoc doc;
    CVARNView view;
    std::vector<demo::TruthSegment> truth;
    int t = kXba;

    explicit Analysis(const fs::path& root) : doc(InstallRoot(root), ui), view(doc) {}

    int chromosomeOf(int pos) { return doc.snpChromosome[doc.arrangeOrder[pos]]; }
    int baseOf(int pos) { return doc.snpPosition[doc.arrangeOrder[pos]]; }

    void run(const fs::path& root, const std::string& tumour, int array) {
        t = array;
        const std::string a = t == kXba ? "X" : "H";
        ASSERT_TRUE(doc.OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref")));
        ASSERT_EQ(doc.ReadSignalFile(t, root / ("tumorsample" + a) / (tumour + a + ".txt"), 0, 0), 0);
        ASSERT_EQ(doc.ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / (tumour + a + ".txt"), 0), 0);
        ASSERT_TRUE(demo::readTruthFile(root / "truth" / (tumour + ".txt"), truth));
        // The first diploid heterozygous stretch of chromosome 1 is the baseline region.
        doc.regionStart[t] = -1;
        for (const demo::TruthSegment& s : truth) {
            if (s.chromosome != 1 || s.copyNumber != 2 || s.loh != 0) continue;
            for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
                if (chromosomeOf(pos) != 1 || baseOf(pos) < s.start || baseOf(pos) > s.end) continue;
                if (doc.regionStart[t] < 0) doc.regionStart[t] = pos;
                doc.regionEnd[t] = pos;
            }
            break;
        }
        ASSERT_GE(doc.regionStart[t], 0);
        ASSERT_TRUE(test::sortWithEveryReference(view, ui, t));
    }

    // The share of usable autosomal positions decoded to the planted copy number, and how many
    // planted changes (copy number other than 2, on an autosome) are found: half or more of
    // their usable positions decoded to the planted copy number.
    void score(double& share, int& found, int& planted) {
        int positions = 0, right = 0;
        found = planted = 0;
        std::vector<int> inside(truth.size()), hit(truth.size());
        for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
            if (doc.positionUsable[pos] != 1) continue;
            const demo::TruthSegment* s = demo::truthAt(truth, chromosomeOf(pos), baseOf(pos));
            if (s == nullptr) continue;
            const auto i = static_cast<std::size_t>(s - truth.data());
            ++positions;
            ++inside[i];
            const bool ok = doc.hmmState[0][pos] == s->copyNumber;
            right += ok;
            hit[i] += ok;
        }
        for (std::size_t i = 0; i < truth.size(); ++i) {
            if (truth[i].chromosome > 22 || truth[i].copyNumber == 2 || inside[i] == 0) continue;
            ++planted;
            found += 2 * hit[i] >= inside[i];
        }
        share = positions > 0 ? static_cast<double>(right) / positions : 0.0;
    }

    void recompute() {
        doc.computePoolRatio(doc.regionStart[t], doc.regionEnd[t], doc.refSelected[t], doc.analysedRow[t], 0,
                             t);
    }
};

TEST(PurityEstimate, FindsThePlantedTumourFractionOnEveryDemoTumourAndArray) {
    test::DemoInstallationFixture& demo = test::demoInstallation();
    ASSERT_TRUE(demo.made) << demo.errors;
    for (const std::string tumour : {"Tumor1", "Tumor2", "Tumor3", "Tumor4", "Tumor5"}) {
        double normalCells = -1;
        ASSERT_TRUE(demo::readTruthNormalFraction(demo.root / "truth" / (tumour + ".txt"), normalCells));
        const double planted = 1.0 - normalCells;
        for (int t : {kXba, kHind}) {
            Analysis analysis(demo.root);
            analysis.run(demo.root, tumour, t);
            double shareDefault = 0, shareEstimated = 0;
            int foundDefault = 0, foundEstimated = 0, changes = 0;
            analysis.score(shareDefault, foundDefault, changes);

            PurityEstimate e;
            std::string reason;
            ASSERT_TRUE(estimatePurity(analysis.doc, t, false, e, reason)) << reason;
            setHmmMeansForPurity(analysis.doc, e.purity, false);
            analysis.recompute();
            analysis.score(shareEstimated, foundEstimated, changes);
            std::printf(
                "[ figures  ] %s %s: planted %.2f, estimate %.2f (%.2f-%.2f)%s; planted copy number at "
                "%.2f%% (default means) / %.2f%% (estimated); changes found %d / %d of %d\n",
                tumour.c_str(), t == kXba ? "Xba" : "Hind", planted, e.purity, e.low, e.high,
                e.decided ? "" : (" undecided: " + e.why).c_str(), 100 * shareDefault, 100 * shareEstimated,
                foundDefault, foundEstimated, changes);
            EXPECT_TRUE(e.decided) << tumour << " " << t << ": " << e.why;
            EXPECT_NEAR(e.purity, planted, 0.05) << tumour << " " << t;
            EXPECT_LE(e.low, e.purity);
            EXPECT_GE(e.high, e.purity);
            EXPECT_TRUE(e.low <= planted + 1e-9 && planted <= e.high + 1e-9) << tumour << " " << t;
            EXPECT_LE(e.high - e.low, 0.10 + 1e-9) << tumour << " " << t;
            if (planted == 0.5) {
                EXPECT_GE(shareEstimated, 0.98) << tumour << " " << t;
            }
            if (planted == 1.0) {
                EXPECT_GE(shareEstimated, shareDefault - 0.002) << tumour << " " << t;
            }
        }
    }
}

} // namespace
} // namespace varn

#include "commands/CAverage.h"
#include "commands/CHMMParameter.h"
#include "document/CVARNDoc.h"
#include "document/HmmDefaults.h"
#include "engine/EngineFixtures.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "support/TestDocument.h"
#include "view/CVARNView.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace varn {
namespace {

using test::TestDocument;

void preparePool(CVARNDoc& doc, int t) {
    test::makeSyntheticPool(doc, t, 4, 0.1f, [](int) { return 2.0f; });
    doc.regionStart[t] = kChromosomeStart[t][2];
    doc.regionEnd[t] = kChromosomeStart[t][3] - 1;
}

// Means mixed for a tumour fraction, as Estimate leaves them: an untouched OK keeps every digit,
// the fraction and the spreads, and decodes again.
TEST(HmmParameterCommand, OkWithoutChangesKeepsTheMeansTheFractionAndTheSpreadsAndDecodesAgain) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    preparePool(doc, kXba);
    td.view->shownArrayType = kXba;
    setHmmMeansForPurity(doc, 0.52, false);
    float means[kStates], spreads[kStates];
    std::copy(doc.hmmMean, doc.hmmMean + kStates, means);
    std::copy(doc.hmmSdFactor, doc.hmmSdFactor + kStates, spreads);
    doc.rowSd[kXba][0] = -1.0f;
    td.ui.answer<CHMMParameter>([](CHMMParameter&) { return DialogResult::Ok; });
    td.view->OnHmmParameter();
    for (int k = 0; k < kStates; ++k) {
        EXPECT_EQ(doc.hmmMean[k], means[k]) << k;
        EXPECT_EQ(doc.hmmSdFactor[k], spreads[k]) << k;
    }
    EXPECT_FLOAT_EQ(doc.hmmMeansPurity, 0.52f);
    EXPECT_GT(doc.rowSd[kXba][0], 0.0f); // the profile was computed again
    EXPECT_EQ(doc.hmmState[0][kChromosomeStart[kXba][4] + 2], 2);

    // One spin moved: the means are the user's own, standing for no fraction.
    td.ui.answer<CHMMParameter>([](CHMMParameter& d) {
        d.spinPosition[0] += 1;
        return DialogResult::Ok;
    });
    td.view->OnHmmParameter();
    EXPECT_EQ(doc.hmmMean[3], means[3]);
    EXPECT_NE(doc.hmmMean[5], means[5]);
    EXPECT_EQ(doc.hmmMeansPurity, 1.0f);
    EXPECT_EQ(doc.hmmSdFactor[0], kDefaultHmmSdFactor[0]);
}

TEST(HmmParameterCommand, DefaultCancelAndFailure) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    preparePool(doc, kHind);
    td.view->shownArrayType = kHind;
    td.ui.answer<CHMMParameter>([](CHMMParameter& d) {
        d.spinPosition[0] = 120;
        d.onDefault();
        d.spinPosition[3] = 65536 - 5; // N=2 moved to -0.05
        return DialogResult::Ok;
    });
    td.view->OnHmmParameter();
    // "Default" puts the spins of the default means back where they opened, so those keep every
    // digit; copy number 3's default spin (37) is not where 0.365 opened (36).
    const float expected[7] = {-1.24f, -0.49f, -0.05f, 0.37f, 0.657f, 0.899f, 1.1f};
    for (int k = 0; k < kStates; ++k) EXPECT_FLOAT_EQ(doc.hmmMean[k], expected[k]) << k;

    td.ui.answer<CHMMParameter>([](CHMMParameter& d) {
        d.spinPosition[0] = 10;
        return DialogResult::Cancel;
    });
    td.view->OnHmmParameter();
    EXPECT_FLOAT_EQ(doc.hmmMean[5], 0.899f);
    EXPECT_TRUE(td.ui.messages.empty());

    td.ui.answer<CHMMParameter>([](CHMMParameter&) { return DialogResult::Failed; });
    td.view->OnHmmParameter();
    ASSERT_EQ(td.ui.messages.size(), 1u);
    EXPECT_EQ(td.ui.messages[0], "Parameter set error");
}

TEST(HmmParameterCommand, MergedViewRecomputesBothArrays) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    preparePool(doc, kXba);
    preparePool(doc, kHind);
    td.view->shownArrayType = kCombined;
    td.ui.answer<CHMMParameter>([](CHMMParameter&) { return DialogResult::Ok; });
    td.view->OnHmmParameter();
    EXPECT_GT(doc.rowSd[kXba][0], 0.0f);
    EXPECT_GT(doc.rowSd[kHind][0], 0.0f);
    EXPECT_EQ(doc.hmmState[0][kChromosomeStart[kHind][4] + 2], 2);
}

struct AveragingFlows : ::testing::Test {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    void SetUp() override {
        for (int pos = 0; pos < kSlots; ++pos) {
            doc.logRatio[0][pos] = 0.25f;
            doc.logRatio[1][pos] = 1.0f;
            doc.logRatio[2][pos] = -1.0f;
            doc.normalSnpCall[pos] = kCallAB;
            doc.heteroRate[pos] = 0.5f;
            doc.snpCall[pos] = kCallAA;
        }
    }
};

TEST_F(AveragingFlows, SingleArrayAveragesScoresLohAndShowsTheGenome) {
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageText = "x";
        return DialogResult::Ok;
    });
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageText = "4";
        d.trimExtremes = 2;
        d.drawMethod = 1;
        return DialogResult::Ok;
    });
    view.averageArrayType(kHind);
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(view.averageNumber, 4);
    EXPECT_EQ(view.trimExtremes, 2);
    EXPECT_EQ(view.drawMethod, 1);
    EXPECT_EQ(view.shownArrayType, kHind);
    EXPECT_EQ(view.displayMode, ModeGenomeSingle);
    EXPECT_EQ(view.windowExtX, 10);
    EXPECT_EQ(view.windowExtY, 10);
    EXPECT_EQ(doc.averageRatio[0][100], 0.25f);
    EXPECT_EQ(doc.averageRatio[1][100], 0.0f); // only the total row
    EXPECT_GT(doc.lohScore[100], 10.0f);
    EXPECT_EQ(doc.lohScore[60000], 0.0f);
}

TEST_F(AveragingFlows, CancelEndsSilentlyAndMergedFlowShowsTheMergedGenome) {
    view.displayMode = ModeReferenceSort;
    td.ui.cancel<CAverage>();
    view.averageArrayType(kXba);
    EXPECT_EQ(view.displayMode, ModeReferenceSort);
    EXPECT_EQ(doc.averageRatio[0][60000], 0.0f);
    EXPECT_TRUE(td.ui.messages.empty());

    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    view.averageCombined();
    EXPECT_EQ(view.shownArrayType, kCombined);
    EXPECT_EQ(view.displayMode, ModeGenomeBoth);
    EXPECT_EQ(view.windowExtX, 20);
    EXPECT_EQ(view.windowExtY, 10);
    EXPECT_EQ(doc.averageRatio[0][kChromosomeStart[0][23] - 1], 0.25f);
    EXPECT_GT(doc.lohScore[kChromosomeStart[0][2] - 1], 10.0f);
}

TEST_F(AveragingFlows, AverageModeFollowsTheDisplayModeAndScoresNoLoh) {
    view.displayMode = ModeChromosomeSelf;
    view.shownArrayType = kXba;
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    view.OnAverageMode();
    EXPECT_EQ(doc.averageRatio[0][60000], std::exp2(0.25f));
    EXPECT_EQ(doc.averageRatio[1][60000], 2.0f);
    EXPECT_EQ(doc.averageRatio[2][60000], 0.5f);
    EXPECT_EQ(doc.lohScore[60000], 0.0f);
    EXPECT_EQ(view.displayMode, ModeChromosomeSelf);

    view.displayMode = ModeCompensation;
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageText = "3";
        return DialogResult::Ok;
    });
    doc.logRatio[0][60000] = 7.0f;
    view.OnAverageMode();
    EXPECT_EQ(view.averageNumber, 3);
    EXPECT_EQ(doc.averageRatio[0][60000], std::exp2(0.25f)); // only the settings were stored

    view.displayMode = ModeChromosomeSingle;
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageText = "1";
        return DialogResult::Ok;
    });
    view.OnAverageMode();
    int pos = 60000;
    while (doc.positionUsable[pos] != 1) ++pos;
    EXPECT_EQ(doc.averageRatio[0][60000], pos == 60000 ? 7.0f : 0.25f);
}

} // namespace
} // namespace varn

#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "commands/CRegionEntry.h"
#include "document/ChromosomeTable.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

using test::TestDocument;

// In the synthetic genome position p of chromosome c lies at (p - start(c) + 1) * 30 kb.
TEST(RegionBaseline, PoolModeStoresTheRegionMeasuresEveryReferenceAndShowsTheRanking) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    test::makeSyntheticPool(doc, kXba, 5, 0.05f, [](int) { return 2.0f; });
    view.displayMode = ModeGenomeSingle;
    view.rangeSetArmed = 1;
    const int start = doc.snpFirst[kXba] + 100;
    const int end = doc.snpFirst[kXba] + 2099;
    view.applyRegionBaseline(kXba, start, end, 3);

    EXPECT_EQ(doc.regionStart[kXba], start);
    EXPECT_EQ(doc.regionEnd[kXba], end);
    EXPECT_EQ(doc.baseCopyNumber, 3);
    ASSERT_EQ(td.ui.messages.size(), 1u);
    EXPECT_EQ(td.ui.messages[0],
              "From 57344(Ch 1 position 3030000) \n to 59343(Ch 1 position 63000000) \n selected \n "
              "Base line is 3   Calculate StDev?");
    EXPECT_EQ(view.displayMode, ModeReferenceSort);
    EXPECT_EQ(view.rangeSetArmed, 0);
    ASSERT_EQ(view.referenceSdTable[kXba], doc.refSdCompensated);
    ASSERT_EQ(view.referenceSdRawTable[kXba], doc.refSdRaw);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(std::isfinite(doc.refSdCompensated[i])) << i;
        EXPECT_GT(doc.refSdRaw[i], 0.0f) << i;
    }
}

TEST(RegionBaseline, ReversedRegionIsOrderedAndAnUnsetCopyNumberIsKept) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeSyntheticPool(doc, kHind, 3, 0.05f, [](int) { return 2.0f; });
    td.view->displayMode = ModeCompensation;
    doc.baseCopyNumber = 4;
    td.view->applyRegionBaseline(kHind, 900, 200, 0);
    EXPECT_EQ(doc.regionStart[kHind], 200);
    EXPECT_EQ(doc.regionEnd[kHind], 900);
    EXPECT_EQ(doc.baseCopyNumber, 4);
    EXPECT_EQ(td.view->displayMode, ModeReferenceSort);

    // A stretch reaching past the array is cut to it, so the fits never leave the tables.
    td.view->displayMode = ModeCompensation;
    td.view->applyRegionBaseline(kHind, -40, kSlots + 10, 0);
    EXPECT_EQ(doc.regionStart[kHind], doc.snpFirst[kHind]);
    EXPECT_EQ(doc.regionEnd[kHind], doc.snpLast[kHind]);
}

TEST(RegionBaseline, PairedModeRecomputesThePairedProfileOnTheRegion) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int t = kHind;
    // Tumour one and a half times the normal on chromosome 1, equal elsewhere.
    const int chr2 = td.view->chromosomeStart[t][2];
    for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) {
        const float gain = k < chr2 ? 1.5f : 1.0f;
        doc.poolSignal[1][k] = doc.alleleASignal[1][k] = doc.alleleBSignal[1][k] = 10.0f;
        doc.poolSignal[0][k] = doc.alleleASignal[0][k] = doc.alleleBSignal[0][k] = 10.0f * gain;
    }
    td.view->displayMode = ModeGenomeSelf;
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    // Baseline on chromosome 1 at copy number 3: its ratio moves to hmmMean[3].
    td.view->applyRegionBaseline(t, doc.snpFirst[t], chr2 - 1, 3);
    EXPECT_EQ(doc.regionEnd[t], chr2 - 1);
    EXPECT_EQ(td.view->displayMode, ModeGenomeSelf);
    EXPECT_TRUE(td.ui.allAnswersUsed());
    const int usable = doc.snpFirst[t] + 3;
    ASSERT_EQ(doc.positionUsable[usable], 1);
    EXPECT_NEAR(doc.logRatio[0][usable], doc.hmmMean[3], 1e-3);

    // A Cancel in the averaging dialog keeps the profile, region and copy number just made.
    const float ratio = doc.logRatio[0][usable];
    td.ui.cancel<CAverage>();
    td.view->applyRegionBaseline(t, chr2, chr2 + 3000, 1);
    EXPECT_EQ(td.ui.messages.back(), "Cancelled");
    EXPECT_EQ(doc.regionStart[t], doc.snpFirst[t]);
    EXPECT_EQ(doc.regionEnd[t], chr2 - 1);
    EXPECT_EQ(doc.baseCopyNumber, 3);
    EXPECT_EQ(doc.logRatio[0][usable], ratio);
    EXPECT_EQ(td.view->displayMode, ModeGenomeSelf);
}

// A region typed for an armed Range Set is read as --region reads it; a text that names no region
// keeps the dialog open with the reason, and the genome page asks the copy number as a drag does.
TEST(RegionBaseline, ATypedRegionTakesTheRoadOfADrag) {
    struct Case {
        int mode;
        int baseCopy; // 0: the page asks none
    };
    for (const Case c : {Case{ModeCompensation, 0}, Case{ModeGenomeSingle, 3}}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        test::makeSyntheticPool(doc, kXba, 3, 0.05f, [](int) { return 2.0f; });
        doc.baseCopyNumber = 2;
        td.view->displayMode = c.mode;
        td.view->shownArrayType = kXba;
        td.view->OnRangeSet();
        for (const char* text : {"chr25", " chr2 "})
            td.ui.answer<CRegionEntry>([text](CRegionEntry& d) {
                d.text = text;
                return DialogResult::Ok;
            });
        if (c.baseCopy != 0)
            td.ui.answer<CBaseSet>([&c](CBaseSet& d) {
                d.n = c.baseCopy;
                return DialogResult::Ok;
            });
        td.view->OnRegionTyped();
        EXPECT_TRUE(td.ui.allAnswersUsed());
        EXPECT_EQ(td.ui.messages.front(), "Region: the chromosome is 1..22 or X, as chr5 or chrX");
        EXPECT_EQ(doc.regionStart[kXba], kChromosomeStart[kXba][2]);
        EXPECT_EQ(doc.regionEnd[kXba], kChromosomeStart[kXba][3] - 1);
        EXPECT_EQ(doc.baseCopyNumber, c.baseCopy != 0 ? c.baseCopy : 2);
        EXPECT_EQ(td.view->displayMode, ModeReferenceSort);
    }
}

} // namespace
} // namespace varn

#include "commands/CAverage.h"
#include "commands/CBaseSet.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace varn {
namespace {

using test::TestDocument;
using Cursor = CVARNView::Cursor;

// A document with its view, recording every repaint request and cursor change.
struct MouseFixture {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    std::vector<bool> repaints; // the erase flag of each request
    std::vector<Cursor> cursors;

    MouseFixture() {
        view.onInvalidate = [this](bool erase) { repaints.push_back(erase); };
        view.onCursor = [this](Cursor c) { cursors.push_back(c); };
    }
    // The display as the flows leave it, in its Monitor preset, Range Set chosen.
    void show(int mode, int t, bool armed = true) {
        view.displayMode = mode;
        view.shownArrayType = t;
        view.windowOrgX = 0;
        view.windowOrgY = mode == ModeCompensation ? 5500 : 0;
        view.windowExtX = mode == ModeGenomeBoth ? 20 : mode == ModeCompensation ? 5 : 10;
        view.windowExtY = mode == ModeCompensation ? 2 : 10;
        if (armed) view.OnRangeSet();
    }
    void drag(int x0, int x1, int y) {
        view.OnLButtonDown(x0, y);
        view.OnMouseMove((x0 + x1) / 2, y, true);
        view.OnMouseMove(x1, y, true);
        view.OnLButtonUp(x1, y);
    }
    // Left pixel of chromosome c's data in a genome page of k units per pixel and margin m.
    int left(int t, int c, int k, int m) const { return view.panelX[t][c] / k + m; }
    void answerBaseCopy(int n) {
        td.ui.answer<CBaseSet>([n](CBaseSet& d) {
            d.n = n;
            return DialogResult::Ok;
        });
    }
};

TEST(MouseSelection, WithoutRangeSetOrInAChromosomeViewNothingChanges) {
    MouseFixture f;
    for (int mode : {ModeGenomeBoth, ModeGenomeSingle, ModeCompensation, ModeGenomeSelf}) {
        f.show(mode, mode == ModeGenomeBoth ? 0 : kXba, false);
        f.drag(120, 300, 100);
        EXPECT_EQ(f.view.rangeSetArmed, 0) << mode;
    }
    // Range Set is not offered in the chromosome views; even armed, their drags are ignored.
    for (int mode : {ModeChromosomeBoth, ModeChromosomeSingle, ModeChromosomeSelf}) {
        f.show(mode, kXba, false);
        f.view.rangeSetArmed = 1;
        f.drag(120, 300, 100);
        EXPECT_EQ(f.view.rangeSetArmed, 1) << mode;
    }
    EXPECT_EQ(f.view.selStartX, 0);
    EXPECT_EQ(f.view.selEndX, 0);
    EXPECT_EQ(f.view.selChromosome, 0);
    EXPECT_TRUE(f.repaints.empty());
    EXPECT_TRUE(f.cursors.empty());
    EXPECT_TRUE(f.td.ui.messages.empty());
    EXPECT_EQ(f.doc.regionStart[kXba], 0);
}

TEST(MouseSelection, PressHitsTheChromosomePanelUnderTheMouseAndNotItsMargin) {
    MouseFixture f;
    f.show(ModeGenomeBoth, 0);
    const int x1 = f.view.panelX[0][1] / 20 + 4;
    f.view.OnLButtonDown(x1, 100);
    EXPECT_EQ(f.view.selChromosome, 0);
    f.view.OnLButtonDown(x1 + 1, 100);
    EXPECT_EQ(f.view.selChromosome, 1);
    EXPECT_EQ(f.view.selStartX, x1 + 1);
    EXPECT_EQ(f.view.selRow, 0);
    EXPECT_EQ(f.view.selLimitX, (9197 / 20) + 5);
    ASSERT_EQ(f.cursors.size(), 1u);
    EXPECT_EQ(f.cursors[0], Cursor::CrossHair);

    // Rows are 140 pixels from y = 60: y = 199 is still row 0, y = 200 is row 1 (chromosomes 3-5).
    f.show(ModeGenomeSingle, kXba);
    const int x5 = 1100; // right of chromosome 2's panel, on chromosome 5's
    f.view.OnLButtonDown(x5, 199);
    EXPECT_EQ(f.view.selChromosome, 0) << "row 0 holds only chromosomes 1 and 2";
    f.view.OnLButtonDown(x5, 200);
    EXPECT_EQ(f.view.selChromosome, 5);
    EXPECT_EQ(f.view.selRow, 1);
    f.view.OnLButtonDown(x5, 60 + 6 * 140); // below the last row
    EXPECT_EQ(f.view.selChromosome, 0);
    EXPECT_TRUE(f.repaints.empty()) << "a press alone does not repaint";
}

TEST(MouseSelection, MovesFollowTheMouseOnlyWhileTheButtonIsHeld) {
    MouseFixture f;
    f.show(ModeGenomeSingle, kXba);
    f.view.OnMouseMove(250, 100, false);
    EXPECT_EQ(f.view.selEndX, 0);
    EXPECT_TRUE(f.repaints.empty());
    // The band follows even when the press missed every panel; the release decides.
    f.view.OnMouseMove(250, 100, true);
    EXPECT_EQ(f.view.selEndX, 250);
    f.show(ModeCompensation, kXba);
    f.view.OnMouseMove(40, 100, true);
    EXPECT_EQ(f.view.selEndX, 40);
    EXPECT_EQ(f.view.displayMode, ModeCompensation);
    EXPECT_EQ(f.repaints, (std::vector<bool>{false, true}));
    EXPECT_EQ(f.cursors, (std::vector<Cursor>{Cursor::CrossHair, Cursor::CrossHair}));
}

// A press that misses leaves the earlier selection fields and region alone, and its release does
// nothing: no dialog (the scripted interface would throw), no box, still armed.
TEST(MouseSelection, ReleaseAfterAMissedPressKeepsTheRegionAndStaysArmed) {
    MouseFixture f;
    f.doc.regionStart[kXba] = 60000;
    f.doc.regionEnd[kXba] = 60100;
    f.show(ModeGenomeSingle, kXba);
    const int end1 = f.view.panelX[kXba][1] / 10 + 4659 / 10 + 10;
    ASSERT_LT(end1, f.left(kXba, 2, 10, 10));
    f.view.OnLButtonDown(100, 100);  // on chromosome 1: a first press that hits
    f.view.OnLButtonDown(end1, 100); // between chromosomes 1 and 2
    EXPECT_EQ(f.view.selChromosome, 0);
    EXPECT_EQ(f.view.selStartX, 100);
    f.view.OnLButtonUp(200, 100);

    f.show(ModeGenomeBoth, 0);
    f.view.OnLButtonDown(2, 100);
    f.view.OnLButtonUp(200, 100);
    EXPECT_EQ(f.view.rangeSetArmed, 1);
    EXPECT_EQ(f.doc.regionStart[kXba], 60000);
    EXPECT_EQ(f.doc.regionEnd[kXba], 60100);
    EXPECT_TRUE(f.td.ui.messages.empty());
}

// The compensation frame under CGH View: 75 Xba positions per pixel, 765 pixels to the end of
// the autosomes, 300 pixels high.
TEST(MouseSelection, CompensationReleaseOutsideTheFrameIsIgnoredAndInsideSetsTheRegion) {
    MouseFixture f;
    test::makeSyntheticPool(f.doc, kXba, 4, 0.05f, [](int) { return 2.0f; });
    f.show(ModeCompensation, kXba);
    f.drag(200, 0, 100);
    f.drag(200, 100, 300);
    f.drag(200, 765, 100);
    f.drag(0, 100, 100); // a press on the frame's edge
    EXPECT_EQ(f.view.rangeSetArmed, 1);
    EXPECT_TRUE(f.td.ui.messages.empty());
    EXPECT_EQ(f.view.displayMode, ModeCompensation);

    f.drag(200, 100, 150); // right to left
    EXPECT_EQ(f.view.selStartX, 100);
    EXPECT_EQ(f.view.selEndX, 200);
    EXPECT_EQ(f.doc.regionStart[kXba], 57244 + 7500);
    EXPECT_EQ(f.doc.regionEnd[kXba], 57244 + 15000);
    ASSERT_EQ(f.td.ui.messages.size(), 1u);
    EXPECT_EQ(f.td.ui.messages[0],
              "From 64744(Ch 2 position 85260000) \n to 72244(Ch 4 position 36090000) \n "
              "selected \n Calculate StDev?");
    EXPECT_EQ(f.view.rangeSetArmed, 0);
    EXPECT_EQ(f.view.displayMode, ModeReferenceSort);
    EXPECT_EQ(f.view.referenceSdTable[kXba], f.doc.refSdCompensated);
    EXPECT_EQ(f.cursors.back(), Cursor::Arrow);

    // Left to right over the same pixels gives the same region.
    f.doc.regionStart[kXba] = f.doc.regionEnd[kXba] = 0;
    f.show(ModeCompensation, kXba);
    f.drag(100, 200, 150);
    EXPECT_EQ(f.doc.regionStart[kXba], 57244 + 7500);
    EXPECT_EQ(f.doc.regionEnd[kXba], 57244 + 15000);
}

TEST(MouseSelection, PoolGenomeReleaseSetsTheRegionAndCopyNumberAndMeasuresTheReferences) {
    MouseFixture f;
    test::makeSyntheticPool(f.doc, kXba, 4, 0.05f, [](int) { return 2.0f; });
    f.doc.baseCopyNumber = 2;
    f.show(ModeGenomeSingle, kXba);
    const int x0 = f.left(kXba, 3, 10, 10) + 50;
    f.answerBaseCopy(3);
    f.drag(x0, x0 + 200, 250);
    // chromosomeStart + 10 (pixel - 10) - panelX for the start, 11 for the end.
    const int base = 67181 - f.view.panelX[kXba][3];
    EXPECT_EQ(f.doc.regionStart[kXba], base + 10 * (x0 - 10));
    EXPECT_EQ(f.doc.regionEnd[kXba], base + 10 * (x0 + 200 - 11));
    EXPECT_EQ(f.doc.baseCopyNumber, 3);
    ASSERT_EQ(f.td.ui.messages.size(), 1u);
    EXPECT_NE(f.td.ui.messages[0].find("(Ch 3 position "), std::string::npos);
    EXPECT_NE(f.td.ui.messages[0].find(" selected \n Base line is 3   Calculate StDev?"), std::string::npos);
    EXPECT_EQ(f.view.displayMode, ModeReferenceSort);
    EXPECT_EQ(f.view.rangeSetArmed, 0);
    EXPECT_EQ(f.view.referenceSdRawTable[kXba], f.doc.refSdRaw);
    EXPECT_TRUE(f.td.ui.allAnswersUsed());
}

// Cancelling the copy number takes the selection back: no box, no measurement, the region, its
// copy number and the page stay, and the band goes. The band stops at the panel's end, so a release
// far to the right still gives a region inside the chromosome; a drag from right to left gives the
// same region as from left to right.
TEST(MouseSelection, CancelledCopyNumberTakesTheSelectionBackAndTheRegionStaysOrderedInsideThePanel) {
    MouseFixture f;
    test::makeSyntheticPool(f.doc, kXba, 4, 0.05f, [](int) { return 2.0f; });
    f.doc.baseCopyNumber = 4;
    f.doc.regionStart[kXba] = 60000;
    f.doc.regionEnd[kXba] = 61000;
    f.doc.logRatio[0][60500] = 0.25f;
    for (int mode : {ModeGenomeSingle, ModeGenomeSelf, ModeGenomeBoth}) {
        f.show(mode, mode == ModeGenomeBoth ? kCombined : kXba);
        f.td.ui.cancel<CBaseSet>();
        const int k = mode == ModeGenomeBoth ? 20 : 10, m = mode == ModeGenomeBoth ? 5 : 10;
        f.drag(f.left(f.view.shownArrayType, 3, k, m) + 20, f.left(f.view.shownArrayType, 3, k, m) + 200, 250);
        EXPECT_TRUE(f.td.ui.messages.empty()) << mode;
        EXPECT_EQ(f.view.rangeSetArmed, 0) << mode;
        EXPECT_EQ(f.view.displayMode, mode);
        EXPECT_EQ(f.doc.regionStart[kXba], 60000) << mode;
        EXPECT_EQ(f.doc.regionEnd[kXba], 61000) << mode;
        EXPECT_EQ(f.doc.logRatio[0][60500], 0.25f) << mode;
        EXPECT_EQ(f.view.referenceSdTable[kXba], nullptr) << mode;
    }
    EXPECT_EQ(f.doc.baseCopyNumber, 4);
    EXPECT_TRUE(f.td.ui.allAnswersUsed());

    f.show(ModeGenomeSingle, kXba);
    const int x0 = f.left(kXba, 3, 10, 10) + 200;
    f.answerBaseCopy(4);
    f.drag(x0, x0 + 5000, 250);
    EXPECT_EQ(f.view.selEndX, f.view.selLimitX);
    EXPECT_GT(f.doc.regionEnd[kXba], f.doc.regionStart[kXba]);
    EXPECT_LT(f.doc.regionEnd[kXba], 71042) << "past the end of chromosome 3";
    EXPECT_EQ(f.view.displayMode, ModeReferenceSort);

    const int base = 67181 - f.view.panelX[kXba][3];
    for (const auto& [from, to] : {std::pair{x0 + 100, x0}, std::pair{x0, x0 + 100}}) {
        f.show(ModeGenomeSingle, kXba);
        f.answerBaseCopy(4);
        f.drag(from, to, 250);
        EXPECT_EQ(f.doc.regionStart[kXba], base + 10 * (x0 - 10)) << from;
        EXPECT_EQ(f.doc.regionEnd[kXba], base + 10 * (x0 + 100 - 11)) << from;
    }
}

TEST(MouseSelection, PairedGenomeReleaseRecomputesThePairedProfileOnTheRegion) {
    MouseFixture f;
    CVARNDoc& doc = f.doc;
    const int t = kHind;
    // Tumour one and a half times the normal on chromosome 1, equal elsewhere.
    const int chr2 = f.view.chromosomeStart[t][2];
    for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) {
        const float gain = k < chr2 ? 1.5f : 1.0f;
        doc.poolSignal[1][k] = doc.alleleASignal[1][k] = doc.alleleBSignal[1][k] = 10.0f;
        doc.poolSignal[0][k] = doc.alleleASignal[0][k] = doc.alleleBSignal[0][k] = 10.0f * gain;
    }
    f.show(ModeGenomeSelf, t);
    f.answerBaseCopy(3);
    f.td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    f.drag(f.left(t, 1, 10, 10), f.left(t, 1, 10, 10) + 400, 100);
    EXPECT_EQ(doc.regionStart[t], 0);
    EXPECT_EQ(doc.regionEnd[t], 10 * (f.left(t, 1, 10, 10) + 400 - 11));
    EXPECT_EQ(f.view.displayMode, ModeGenomeSelf);
    EXPECT_EQ(f.view.rangeSetArmed, 0);
    EXPECT_TRUE(f.td.ui.allAnswersUsed());
    const int usable = doc.snpFirst[t] + 3;
    ASSERT_EQ(doc.positionUsable[usable], 1);
    EXPECT_NEAR(doc.logRatio[0][usable], doc.hmmMean[3], 1e-3);
}

// In the synthetic merged order each chromosome lists its Xba positions, then its Hind ones;
// merged chromosome 5 opens with the last Hind SNP of chromosome 4.
TEST(MouseSelection, MergedReleaseSplitsTheStretchBetweenTheArrays) {
    MouseFixture f;
    f.doc.baseCopyNumber = 2;
    f.show(ModeGenomeBoth, 0);
    const int x0 = f.left(0, 5, 20, 5);
    f.answerBaseCopy(1);
    f.drag(x0 + 400, x0, 250); // right to left
    EXPECT_EQ(f.doc.regionStart[kXba], 75282) << "first Xba SNP after a Hind start";
    EXPECT_EQ(f.doc.regionEnd[kXba], 79436);
    EXPECT_EQ(f.doc.snpChromosome[f.doc.regionStart[kHind]], 4);
    EXPECT_LE(f.doc.regionStart[kHind], 17919);
    EXPECT_EQ(f.doc.snpChromosome[f.doc.regionEnd[kHind]], 5);
    EXPECT_EQ(f.doc.baseCopyNumber, 1);
    ASSERT_EQ(f.td.ui.messages.size(), 1u);
    EXPECT_EQ(
        f.td.ui.messages[0].rfind("Xba: From 75282(Ch 5 position 30000) \n\t to 79436(Ch 5 position ", 0),
        0u);
    EXPECT_NE(f.td.ui.messages[0].find(" \nHind: From "), std::string::npos);
    EXPECT_NE(f.td.ui.messages[0].find(" \n selected \n Base line is 1   Calculate StDev?"),
              std::string::npos);
    EXPECT_EQ(f.view.shownArrayType, 0);
    EXPECT_EQ(f.view.displayMode, ModeReferenceSort);
    EXPECT_EQ(f.view.rangeSetArmed, 0);

    // Only Hind SNPs in the stretch (the second half of merged chromosome 1): Xba keeps its region.
    f.show(ModeGenomeBoth, 0);
    f.answerBaseCopy(2);
    f.drag(240, 400, 100);
    EXPECT_EQ(f.doc.regionStart[kXba], 75282);
    EXPECT_EQ(f.doc.regionEnd[kXba], 79436);
    EXPECT_EQ(f.doc.regionStart[kHind], f.doc.combineOrder[20 * (240 - 5)]);
    EXPECT_EQ(f.doc.regionEnd[kHind], f.doc.combineOrder[20 * (400 - 6)]);
    EXPECT_EQ(f.doc.snpChromosome[f.doc.regionEnd[kHind]], 1);
}

} // namespace
} // namespace varn

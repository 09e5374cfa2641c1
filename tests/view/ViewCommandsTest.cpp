#include "view/CChSelectDlg.h"
#include "view/CommandIds.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

using test::TestDocument;

void setMode(CVARNView& v, int mode, int extX, int extY, int orgY = 0) {
    v.displayMode = mode;
    v.windowOrgX = 0;
    v.windowOrgY = orgY;
    v.windowExtX = extX;
    v.windowExtY = extY;
}

TEST(ViewCommands, ChromosomeSteppingWrapsBetweenOneAndX) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    setMode(v, ModeChromosomeSingle, 5, 4);
    v.currentChromosome = 1;
    v.OnPrevChromosome();
    EXPECT_EQ(v.currentChromosome, 23);
    v.OnNextChromosome();
    EXPECT_EQ(v.currentChromosome, 1);
    setMode(v, ModeGenomeSingle, 10, 10);
    v.OnNextChromosome(); // not a chromosome mode: nothing happens
    EXPECT_EQ(v.currentChromosome, 1);
}

// A profile's chromosome zoomed by ExploreView shows a sixteenth of it; MoveRight walks on to its
// last base and no further, MoveLeft back to its first.
TEST(ViewCommands, ZoomedProfileChromosomeMovesOverItsWholeLengthAndStops) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    v.viewportWidth = 1000;
    v.viewportHeight = 600;
    v.displayMode = ModeProfileChromosome;
    v.currentChromosome = 3;
    v.OnExploreView();
    const GenomeRange whole = v.profileRange();
    EXPECT_EQ(v.profileVisible().from, whole.from);
    EXPECT_NEAR(static_cast<double>(v.profileVisible().to - v.profileVisible().from + 1),
                static_cast<double>(whole.to - whole.from + 1) / 16, 1.0);
    for (int step = 0; step < 40; ++step) v.OnMoveRight();
    EXPECT_NEAR(static_cast<double>(v.profileVisible().to), static_cast<double>(whole.to), 16.0);
    for (int step = 0; step < 40; ++step) v.OnMoveLeft();
    EXPECT_EQ(v.profileVisible().from, whole.from);
    v.OnAllGenome();
    EXPECT_EQ(v.displayMode, ModeProfileGenome);
    EXPECT_EQ(v.profileVisible().from, v.profileRange().from);
    EXPECT_EQ(v.profileVisible().to, v.profileRange().to);
}

TEST(ViewCommands, MoveRightStopsAfterTheLastStepOfEachMode) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    const std::pair<int, int> cases[] = {{ModeChromosomeBoth, 9500}, {ModeChromosomeSingle, 5000},
                                         {ModeChromosomeSelf, 5000}};
    for (const auto& [mode, last] : cases) {
        setMode(v, mode, 1, 4);
        for (int i = 0; i < 40; ++i) v.OnMoveRight();
        EXPECT_EQ(v.windowOrgX, last) << "mode " << mode;
        v.OnMoveLeft();
        EXPECT_EQ(v.windowOrgX, last - 500);
        v.OnReturnToTop();
        EXPECT_EQ(v.windowOrgX, 0);
        v.OnMoveLeft();
        EXPECT_EQ(v.windowOrgX, 0);
    }
    setMode(v, ModeChromosomeSingle, 5, 4); // not the Explore extent: panning does nothing
    v.OnMoveRight();
    EXPECT_EQ(v.windowOrgX, 0);
}

TEST(ViewCommands, PrintViewInMode3DisablesTheExploreOnlyCommands) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    setMode(v, ModeChromosomeBoth, 1, 4);
    EXPECT_TRUE(v.isCommandEnabled(ID_MOVE_LEFT));
    v.OnPrintView();
    EXPECT_EQ(v.windowExtX, 4);
    EXPECT_EQ(v.windowExtY, 2);
    EXPECT_FALSE(v.isCommandEnabled(ID_MOVE_LEFT));
    EXPECT_FALSE(v.isCommandEnabled(ID_MOVE_RIGHT));
    EXPECT_FALSE(v.isCommandEnabled(ID_RETURN_TO_TOP));
    EXPECT_TRUE(v.isCommandEnabled(ID_EXPLORE_VIEW));
}

TEST(ViewCommands, PresetsFollowTheTableAndLeaveOtherModesAlone) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    struct Row { int mode, monX, monY, prX, prY; } rows[] = {
        {ModeGenomeBoth, 20, 10, 4, 2},      {ModeChromosomeBoth, 10, 4, 4, 2},
        {ModeGenomeSingle, 10, 10, 2, 2},    {ModeGenomeSelf, 10, 10, 2, 2},
        {ModeChromosomeSingle, 5, 4, 2, 2},  {ModeChromosomeSelf, 5, 4, 2, 2}};
    for (const Row& r : rows) {
        setMode(v, r.mode, 1, 1, 30);
        v.OnMonitorView();
        EXPECT_EQ(v.windowExtX, r.monX);
        EXPECT_EQ(v.windowExtY, r.monY);
        EXPECT_EQ(v.windowOrgY, 0);
        v.OnPrintView();
        EXPECT_EQ(v.windowExtX, r.prX);
        EXPECT_EQ(v.windowExtY, r.prY);
    }
    setMode(v, ModeCompensation, 5, 2, 5500);
    v.OnMonitorView();
    v.OnPrintView();
    v.OnExploreView();
    EXPECT_EQ(v.windowOrgY, 5500);
    EXPECT_EQ(v.windowExtX, 5);
}

TEST(ViewCommands, AllGenomeAndEachChromosomeSwitchBetweenPairedModes) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    setMode(v, ModeGenomeSelf, 10, 10);
    td.ui.answer<CChSelectDlg>([](CChSelectDlg& d) {
        EXPECT_EQ(d.checked, 1); // "Ch1" on the first opening
        d.checked = 7;
        return DialogResult::Ok;
    });
    v.OnEachChromosome();
    EXPECT_EQ(v.displayMode, ModeChromosomeSelf);
    EXPECT_EQ(v.currentChromosome, 7);
    EXPECT_EQ(v.windowExtX, 5);
    EXPECT_EQ(v.windowExtY, 4);

    // Later openings start with nothing checked; OK then keeps the chromosome shown.
    td.ui.answer<CChSelectDlg>([](CChSelectDlg& d) {
        EXPECT_EQ(d.checked, 0);
        return DialogResult::Ok;
    });
    v.windowOrgX = 1500;
    v.OnEachChromosome();
    EXPECT_EQ(v.currentChromosome, 7);
    EXPECT_EQ(v.displayMode, ModeChromosomeSelf);
    EXPECT_EQ(v.windowOrgX, 0);

    v.OnAllGenome();
    EXPECT_EQ(v.displayMode, ModeGenomeSelf);
    EXPECT_EQ(v.windowExtX, 10);

    td.ui.answer<CChSelectDlg>([](CChSelectDlg&) { return DialogResult::Failed; });
    v.OnEachChromosome();
    ASSERT_FALSE(td.ui.messages.empty());
    EXPECT_EQ(td.ui.messages.back(), "Chromosome selection error");
    EXPECT_EQ(v.displayMode, ModeGenomeSelf);
}

TEST(ViewCommands, RangeSetNeedsTheDrawingPresetToBeEnabled) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    setMode(v, ModeCompensation, 1, 1);
    EXPECT_FALSE(v.isCommandEnabled(ID_RANGE_SET));
    v.OnCghView();
    EXPECT_TRUE(v.isCommandEnabled(ID_RANGE_SET));
    setMode(v, ModeGenomeBoth, 20, 10);
    EXPECT_TRUE(v.isCommandEnabled(ID_RANGE_SET));
    v.OnPrintView();
    EXPECT_FALSE(v.isCommandEnabled(ID_RANGE_SET));
    v.OnRangeSet(); // the handler itself only looks at the mode
    EXPECT_EQ(v.rangeSetArmed, 1);
}

// Enable state of each view command in each display mode under its entering preset.
TEST(ViewCommands, EnableTableByDisplayMode) {
    TestDocument td(false);
    CVARNView& v = *td.view;
    const int ids[] = {ID_CGH_VIEW, ID_SORT, ID_HMM_PARAMETER, ID_AVERAGE_MODE, ID_SAVE_VIEW_FILE, ID_STORE,
                       ID_IGB_FILE_OUT, ID_PRINT_VIEW, ID_ALL_GENOME, ID_EACH_CHROMOSOME, ID_EXPLORE_VIEW};
    struct Row { int mode, extX, extY; const char* expected; } rows[] = {
        //                       cgh sort hmm avg view store igb print all each explore
        {ModeNone, 0, 0,            "00000000000"},
        {ModeGenomeBoth, 20, 10,    "00010011010"},
        {ModeChromosomeBoth, 10, 4, "00000001101"},
        {ModeGenomeSingle, 10, 10,  "00111111010"},
        {ModeChromosomeSingle, 5, 4, "00000001101"},
        {ModeCompensation, 1, 1,    "10000000000"},
        {ModeReferenceSort, 1, 1,   "01000000000"},
        {ModeGenomeSelf, 10, 10,    "00010101010"},
        {ModeChromosomeSelf, 5, 4,  "00000001101"},
    };
    // The expected string has one digit per id, except that PrintView stands for both Print and
    // Monitor and the last digit for Explore / Previous / Next.
    for (const Row& r : rows) {
        setMode(v, r.mode, r.extX, r.extY);
        std::string got;
        for (int id : ids) got += v.isCommandEnabled(id) ? '1' : '0';
        EXPECT_EQ(got, r.expected) << "mode " << r.mode;
        EXPECT_EQ(v.isCommandEnabled(ID_MONITOR_VIEW), v.isCommandEnabled(ID_PRINT_VIEW));
        EXPECT_EQ(v.isCommandEnabled(ID_NEXT_CHROMOSOME), v.isCommandEnabled(ID_EXPLORE_VIEW));
    }
}

TEST(ViewCommands, NonSelfLoadNeedsAPoolOfEitherArray) {
    TestDocument td(false);
    EXPECT_FALSE(td.view->isCommandEnabled(ID_NON_SELF_LOAD));
    td.doc->refCount[kHind] = 4;
    EXPECT_TRUE(td.view->isCommandEnabled(ID_NON_SELF_LOAD));
}

} // namespace
} // namespace varn

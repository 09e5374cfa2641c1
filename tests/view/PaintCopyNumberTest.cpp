#include "support/PaintFixture.h"
#include "view/DisplayMode.h"
#include "view/PaintStyle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace varn {
namespace {

using test::PaintFixture;
using test::RecordingCanvas;
namespace style = paint;

int xOf(const CVARNView& v, int t, int c, int i, bool atOrigin = false) {
    return (atOrigin ? 0 : v.panelX[t][c]) + 100 + (i - v.chromosomeStart[t][c]);
}

TEST(PaintCopyNumber, BeforeAnyAnalysisOnlyTheBackgroundIsDrawn) {
    PaintFixture f;
    f.paint();
    EXPECT_TRUE(f.canvas.empty());
    EXPECT_EQ(f.view.yScale, 200);
}

TEST(PaintCopyNumber, SortViewShowsItsHintInDevicePixels) {
    PaintFixture f;
    f.show(ModeReferenceSort, kXba);
    f.paint();
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].text, "Click the SD sort icon.");
    EXPECT_EQ(f.canvas.texts[0].at, (Point{50, 50}));
    EXPECT_EQ(f.canvas.extents.back(), (Point{1, 1}));
    EXPECT_EQ(f.view.yScale, 200);
}

TEST(PaintCopyNumber, TitlesCarryTheirExactTextsAtTheWindowOrigin) {
    PaintFixture f;
    std::strcpy(f.doc.poolSampleName[kXba][3], "TumX");
    std::strcpy(f.doc.poolSampleName[kHind][2], "TumH");
    f.doc.analysedRow[kXba] = 3;
    f.doc.analysedRow[kHind] = 2;
    // The titles count the ticked references of the pools: 12 and 9.
    f.doc.refCount[kXba] = 13;
    f.doc.refCount[kHind] = 10;
    for (int row = 1; row <= 12; ++row) f.doc.refSelected[kXba][row] = 1;
    for (int row = 1; row <= 9; ++row) f.doc.refSelected[kHind][row] = 1;
    // Copy number 3 on every autosome, 1 on X: the ploidy reads 3.
    for (int p = 0; p < kSlots; ++p) f.doc.hmmState[0][p] = 3;
    for (int p = f.doc.autosomeLast[kXba] + 1; p <= f.doc.chrXLast[kXba]; ++p) f.doc.hmmState[0][p] = 1;
    f.doc.regionStart[kXba] = 60000;
    f.doc.regionEnd[kXba] = 61000;
    f.doc.regionStart[kHind] = f.doc.regionEnd[kHind] = -1;
    f.view.averageNumber = 5;
    const struct {
        int mode, t, trim;
        const char* title;
    } cases[] = {
        {ModeGenomeSingle, kXba, 1,
         "Xba Sample TumX compared with 12 Samples : Display average number = 5,Max and Min deleted"
         "   ploidy=3.000000   SD=0.000000"},
        {ModeChromosomeSingle, kXba, 0,
         "Xba Sample TumX compared with 12 Samples : Display average number = 5,All data included"
         "   ploidy=3.000000"},
        {ModeGenomeBoth, kCombined, 1,
         "Xba Sample TumX compared with 12 Samples and Hind Sample TumH compared with 9 Samples : "
         "Display average number = 5,Max and Min deleted   ploidy=3.000000"},
        {ModeChromosomeBoth, kCombined, 0,
         "Xba Sample TumX compared with 12 Samples and Hind Sample TumH compared with 9 Samples : "
         "Display average number = 5,All data included   ploidy=3.000000"},
        {ModeGenomeSelf, kHind, 1,
         "Hind Sample TumH compared with the self reference : Display average number = 5,Max and Min deleted"
         "   SD=0.000000"},
        {ModeChromosomeSelf, kHind, 0,
         "Hind Sample TumH compared with the self reference : Display average number = 5,All data included"},
    };
    for (const auto& c : cases) {
        f.show(c.mode, c.t);
        f.view.trimExtremes = c.trim;
        f.view.windowOrgX = 1500;
        f.view.windowOrgY = 40;
        f.paint();
        const auto* title = f.canvas.findText(c.title);
        ASSERT_NE(title, nullptr) << "mode " << c.mode << ", first text: " << f.canvas.texts.at(0).text;
        EXPECT_EQ(title->at, (Point{1500, 40})) << "mode " << c.mode;
        EXPECT_EQ(f.view.yScale, 100);
    }
}

TEST(PaintCopyNumber, TitleSdMeasuresTheChosenRegion) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kXba);
    const int a = f.usableIndex(1), b = f.usableIndex(1, a + 1);
    f.doc.logRatio[0][a] = 0.5f;
    f.doc.logRatio[0][b] = -0.5f;
    f.doc.regionStart[kXba] = a;
    f.doc.regionEnd[kXba] = b;
    f.paint();
    // Two values +-0.5: sample SD sqrt(0.5).
    const std::string& title = f.canvas.texts.at(0).text;
    EXPECT_NE(title.find("   SD=0.707107"), std::string::npos) << title;
}

TEST(PaintCopyNumber, ChromosomeLabelsSitInTheirPanelsOrFollowTheWindow) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kHind);
    f.paint();
    const CVARNView& v = f.view;
    const auto* ch1 = f.canvas.findText("Ch1");
    const auto* ch7 = f.canvas.findText("Ch7");
    const auto* chX = f.canvas.findText("ChX");
    ASSERT_TRUE(ch1 && ch7 && chX);
    EXPECT_EQ(ch1->at, (Point{50, 400}));
    EXPECT_EQ(ch7->at, (Point{v.panelX[kHind][7] + 50, 2800 + 400}));
    EXPECT_EQ(chX->at, (Point{v.panelX[kHind][23] + 50, 7000 + 400}));
    EXPECT_EQ(f.canvas.texts.size(), 24u); // title and 23 labels
    EXPECT_EQ(f.view.paintChromosome, 23);

    f.show(ModeGenomeSelf, kHind);
    f.paint();
    EXPECT_EQ(f.canvas.findText("Ch7")->at, (Point{v.panelX[kHind][7] + 50, 2800 + 700}));

    const struct {
        int mode, labelY;
    } chromosomeModes[] = {{ModeChromosomeSingle, 400}, {ModeChromosomeSelf, 700}, {ModeChromosomeBoth, 400}};
    for (const auto& c : chromosomeModes) {
        f.show(c.mode, c.mode == ModeChromosomeBoth ? kCombined : kHind, 23);
        f.view.windowOrgX = 2500; // panned in the Explore preset
        f.paint();
        ASSERT_NE(f.canvas.findText("ChX"), nullptr);
        EXPECT_EQ(f.canvas.findText("ChX")->at, (Point{2550, c.labelY})) << "mode " << c.mode;
        EXPECT_EQ(f.view.paintChromosome, 23);
    }
}

TEST(PaintCopyNumber, GridHasFiveLinesPerTrackAcrossThePanel) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kXba);
    f.paint();
    const CVARNView& v = f.view;
    const int left = v.panelX[kXba][4] + 100;
    const int right = left + v.chromosomeStart[kXba][5] - v.chromosomeStart[kXba][4];
    const int y = 1400;
    auto hasLine = [&](const Pen& pen, int lineY) {
        for (const auto& l : f.canvas.linesOf(pen))
            if (l.from == Point{left, lineY} && l.to == Point{right, lineY}) return true;
        return false;
    };
    for (int base : {800, 1100}) {
        EXPECT_TRUE(hasLine(style::kGridSolidPen, y + base - 100)) << base;
        EXPECT_TRUE(hasLine(style::kGridDottedPen, y + base - 200)) << base;
        EXPECT_TRUE(hasLine(style::kGridDottedPen, y + base)) << base;
        EXPECT_TRUE(hasLine(style::kGridDashDotPen, y + base - 150)) << base;
        EXPECT_TRUE(hasLine(style::kGridDashDotPen, y + base - 50)) << base;
    }
    f.show(ModeGenomeSelf, kXba);
    f.paint();
    EXPECT_TRUE(hasLine(style::kGridSolidPen, y + 1000));
    EXPECT_TRUE(hasLine(style::kGridSolidPen, y + 1600));
    EXPECT_FALSE(hasLine(style::kGridSolidPen, y + 700));
}

TEST(PaintCopyNumber, RawRatioAndStateLevelShareTheUpperTrack) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kXba);
    const int c = 2;
    const int y = f.view.panelY[kXba][c];
    const int undecoded = f.usableIndex(c);
    const int gained = f.usableIndex(c, undecoded + 1);
    const int damaged = f.usableIndex(c, gained + 1);
    f.doc.hmmState[0][undecoded] = -1;
    f.doc.hmmState[0][gained] = 4;
    f.doc.hmmState[0][damaged] = 9; // outside 0..6: no level to read
    f.doc.logRatio[0][undecoded] = 0.5f;
    f.doc.logRatio[0][gained] = -0.257f;
    f.paint();

    auto at = [&](int i, Rgb colour) {
        std::vector<int> ys;
        for (const auto& p : f.canvas.pixelsAtX(xOf(f.view, kXba, c, i)))
            if (p.colour == colour && p.at.y >= y && p.at.y < y + 1400) ys.push_back(p.at.y);
        return ys;
    };
    EXPECT_EQ(at(undecoded, style::kRed), std::vector<int>{y + 650});
    EXPECT_EQ(at(gained, style::kRed), std::vector<int>{y + 725}); // trunc(-25.7) = -25
    // An undecoded state lies on the zero line of the track.
    EXPECT_EQ(at(undecoded, style::kDarkGreen), std::vector<int>{y + 700});
    EXPECT_EQ(at(gained, style::kDarkGreen),
              std::vector<int>{y + 700 - static_cast<int>(100 * f.doc.hmmMean[4])});
    EXPECT_EQ(at(damaged, style::kDarkGreen), std::vector<int>{y + 700});
}

TEST(PaintCopyNumber, StateLevelsSkipUnusableSnpsAndChromosomeX) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kXba);
    f.paint();
    const CVARNView& v = f.view;
    const int xLeft = v.panelX[kXba][23] + 100;
    int onX = 0, elsewhere = 0;
    for (const auto& p : f.canvas.pixelsOf(style::kDarkGreen))
        (p.at.y >= 7000 && p.at.x >= xLeft ? onX : elsewhere)++;
    EXPECT_EQ(onX, 0);
    int usableAutosomal = 0;
    for (int p = f.doc.snpFirst[kXba]; p <= f.doc.autosomeLast[kXba]; ++p)
        usableAutosomal += f.doc.positionUsable[p];
    EXPECT_EQ(elsewhere, usableAutosomal);
    // The raw cloud covers X too, usable or not.
    EXPECT_EQ(f.canvas.pixelsOf(style::kRed).size(),
              static_cast<std::size_t>(v.chromosomeStart[kXba][24] - v.chromosomeStart[kXba][1]));

    f.show(ModeChromosomeSingle, kXba, 23);
    f.paint();
    EXPECT_TRUE(f.canvas.pixelsOf(style::kDarkGreen).empty());
    EXPECT_FALSE(f.canvas.pixelsOf(style::kRed).empty());
}

TEST(PaintCopyNumber, MergedProfileReadsPositionsThroughTheMergedOrder) {
    PaintFixture f;
    f.show(ModeGenomeBoth, kCombined);
    const int c = 5;
    const int i = f.view.chromosomeStart[kCombined][c] + 3000; // merged index, not a position
    const int pos = f.doc.combineOrder[i];
    ASSERT_NE(pos, i);
    f.doc.logRatio[0][pos] = 1.0f;
    f.paint();
    const auto pixels = f.canvas.pixelsAtX(xOf(f.view, kCombined, c, i));
    bool found = false;
    for (const auto& p : pixels) found |= p.colour == style::kRed && p.at.y == f.view.panelY[0][c] + 600;
    EXPECT_TRUE(found);
}

TEST(PaintCopyNumber, LohBarsHangBelowAndMarksNeedTwoCopies) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kHind);
    const int s = f.view.chromosomeStart[kHind][1];
    f.doc.lohScore[s] = 57.9f;
    f.doc.hmmState[0][s] = 2; // copy-neutral LOH: marked
    f.doc.lohScore[s + 1] = 80.0f;
    f.doc.hmmState[0][s + 1] = 1; // a deletion explains the homozygosity: not marked
    f.doc.lohScore[s + 2] = 30.0f;
    f.doc.hmmState[0][s + 2] = 3; // not above the threshold
    f.paint();
    auto linesAt = [&](int i, const Pen& pen) {
        std::vector<std::pair<Point, Point>> found;
        for (const auto& l : f.canvas.linesAtX(100 + i - s))
            if (l.pen == pen && l.from.y < 2800) found.push_back({l.from, l.to}); // row 0 only
        return found;
    };
    using Lines = std::vector<std::pair<Point, Point>>;
    EXPECT_EQ(linesAt(s, style::kBluePen), (Lines{{{100, 1500}, {100, 1505}}}));
    EXPECT_EQ(linesAt(s + 2, style::kBluePen), (Lines{{{102, 1500}, {102, 1503}}}));
    EXPECT_EQ(linesAt(s, style::kMagentaPen), (Lines{{{100, 1400}, {100, 1430}}}));
    EXPECT_TRUE(linesAt(s + 1, style::kMagentaPen).empty());
    EXPECT_TRUE(linesAt(s + 2, style::kMagentaPen).empty());
}

TEST(PaintCopyNumber, MovingAverageAsDotsOrAsOneThickLine) {
    PaintFixture f;
    f.show(ModeChromosomeSingle, kXba, 2);
    const int s = f.view.chromosomeStart[kXba][2], e = f.view.chromosomeStart[kXba][3];
    const int a = f.usableIndex(2);
    f.doc.averageRatio[0][a] = 0.42f;
    int usable = 0;
    for (int i = s; i < e; ++i) usable += f.doc.positionUsable[i];

    f.view.drawMethod = 1;
    f.paint();
    const auto dots = f.canvas.pixelsOf(style::kBlue);
    EXPECT_EQ(dots.size(), static_cast<std::size_t>(usable));
    const auto atA = f.canvas.pixelsAtX(100 + a - s);
    EXPECT_TRUE(std::any_of(atA.begin(), atA.end(),
                            [](const auto& p) { return p.colour == style::kBlue && p.at.y == 1000 - 42; }));
    EXPECT_TRUE(f.canvas.linesOf(style::kBlueThickPen).empty());

    f.view.drawMethod = 2;
    f.paint();
    EXPECT_TRUE(f.canvas.pixelsOf(style::kBlue).empty());
    const auto line = f.canvas.linesOf(style::kBlueThickPen);
    ASSERT_EQ(line.size(), static_cast<std::size_t>(usable));
    EXPECT_EQ(line.front().from, (Point{100, 1000}));
    EXPECT_EQ(line.front().to, (Point{100 + a - s, 1000 - 42}));
    for (std::size_t k = 1; k < line.size(); ++k) EXPECT_EQ(line[k].from, line[k - 1].to);
}

TEST(PaintCopyNumber, SelectionBandStopsAtTheChromosomeEnd) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kXba);
    f.view.rangeSetArmed = 1;
    f.view.selRow = 2;
    f.view.selStartX = 100;
    f.view.selEndX = 900;
    f.view.selLimitX = 600;
    f.paint();
    ASSERT_EQ(f.canvas.rects.front().pen, style::kSelectionPen);
    const auto& band = f.canvas.rects.front();
    EXPECT_EQ(band.seq, 0); // under everything else
    EXPECT_EQ((std::array{band.left, band.top, band.right, band.bottom}),
              (std::array{1000, 3300, 6000, 4600}));
    EXPECT_FALSE(band.brush.has_value()); // the surface's default fill

    f.show(ModeGenomeBoth, kCombined);
    f.view.selEndX = 450;
    f.paint();
    const auto& merged = f.canvas.rects.front();
    EXPECT_EQ((std::array{merged.left, merged.right}), (std::array{2000, 9000}));

    f.view.rangeSetArmed = 0;
    f.paint();
    for (const auto& r : f.canvas.rects) EXPECT_NE(r.pen, style::kSelectionPen);
}

TEST(PaintCopyNumber, SelfProfileDrawsTotalAndAlleleAverages) {
    PaintFixture f;
    f.show(ModeGenomeSelf, kHind);
    const int s = f.view.chromosomeStart[kHind][1];
    const int het = f.usableIndex(1), hom = f.usableIndex(1, het + 1), lost = f.usableIndex(1, hom + 1);
    f.doc.normalSnpCall[het] = kCallAB;
    f.doc.snpCall[het] = kCallAB;
    f.doc.normalSnpCall[lost] = kCallAB;
    f.doc.snpCall[lost] = kCallBB;
    f.doc.normalSnpCall[hom] = kCallAA;
    f.doc.snpCall[hom] = kCallAA;
    for (int i : {het, hom, lost}) {
        f.doc.averageRatio[0][i] = 0.3f;
        f.doc.averageRatio[1][i] = 0.6f;
        f.doc.averageRatio[2][i] = -0.6f;
    }
    f.doc.logRatio[0][het] = 1.0f;
    f.view.drawMethod = 1;
    f.paint();
    auto colourAt = [&](int i, Rgb colour) {
        std::vector<int> ys;
        for (const auto& p : f.canvas.pixelsAtX(100 + i - s))
            if (p.colour == colour && p.at.y < 1400 + 400) ys.push_back(p.at.y); // row 0 only
        return ys;
    };
    EXPECT_EQ(colourAt(het, style::kBlue), std::vector<int>{1070});
    EXPECT_EQ(colourAt(hom, style::kBlue), std::vector<int>{1070});
    // Allele ratios only where the normal is heterozygous; no raw cloud in these modes.
    EXPECT_EQ(colourAt(het, style::kRed), std::vector<int>{1640});
    EXPECT_EQ(colourAt(het, style::kDarkerGreen), std::vector<int>{1760});
    EXPECT_TRUE(colourAt(hom, style::kRed).empty());
    EXPECT_TRUE(colourAt(hom, style::kDarkerGreen).empty());
    EXPECT_TRUE(f.canvas.pixelsOf(style::kDarkGreen).empty());
    // LOH mark where the normal is heterozygous and the tumour homozygous.
    EXPECT_EQ(f.canvas.linesOf(style::kMagentaPen).size(), 1u);
    EXPECT_EQ(f.canvas.linesOf(style::kMagentaPen)[0].from, (Point{100 + lost - s, 1371}));
    EXPECT_EQ(f.canvas.linesOf(style::kMagentaPen)[0].to, (Point{100 + lost - s, 1400}));

    f.view.drawMethod = 2;
    f.paint();
    const auto red = f.canvas.linesOf(style::kRedPen);
    const auto green = f.canvas.linesOf(style::kDarkGreenPen);
    // Lines from the zero line's left end through the two heterozygous-normal SNPs of chr 1, on
    // every chromosome the first segment starts at its track's left end.
    ASSERT_FALSE(red.empty());
    EXPECT_EQ(red[0].from, (Point{100, 1600}));
    EXPECT_EQ(red[0].to, (Point{100 + het - s, 1640}));
    EXPECT_EQ(red[1].to, (Point{100 + lost - s, 1640}));
    bool greenStarts = false;
    for (const auto& l : green)
        greenStarts |= l.from == Point{100, 1600} && l.to == Point{100 + het - s, 1760};
    EXPECT_TRUE(greenStarts);
    EXPECT_EQ(f.canvas.linesOf(style::kBlueThickPen)[0].from, (Point{100, 1000}));
}

} // namespace
} // namespace varn

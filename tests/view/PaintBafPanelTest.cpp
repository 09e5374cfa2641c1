// The B-allele fraction panel: each SNP at its profile's x and its fraction's height, the bands of
// a segment at b and 1 - b; and a panel the analysis cannot fill changes nothing on the page.
#include "engine/analysis/AlleleAnalysis.h"
#include "support/PaintFixture.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"
#include "view/GenomeLayout.h"
#include "view/PaintParts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varn {
namespace {

using test::PaintFixture;
using test::RecordingCanvas;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PaintBafPanel, SnpsBandsAndLohSitAtTheirProfileXAndFractionHeight) {
    PaintFixture f;
    f.show(ModeGenomeBoth, kCombined);
    // Chromosome 5 of the merged page: a row below the first, and the merged order one SNP off the
    // arrays' own there.
    const paint::Panel panel = paint::panelOf(f.view, kCombined, 5, false);
    const int top = panel.y + kBafPanelTop;
    const struct {
        int offset;
        float baf;
        bool informative;
        int y; // -1: no dot
        Rgb colour;
    } snps[] = {
        {0, 0.0f, false, top + kBafPanelHeight, {175, 175, 175}},
        {1, 0.5f, true, top + kBafPanelHeight / 2, {40, 40, 40}},
        {2, 1.0f, false, top, {175, 175, 175}},
        {3, -0.08f, false, top + kBafPanelHeight, {175, 175, 175}}, // beyond the AA centre: clipped
        {4, 1.2f, true, top, {40, 40, 40}},
        {5, std::nanf(""), true, -1, {}},
        {6, 0.3f, true, top + 350, {40, 40, 40}},
    };
    AlleleAnalysis a;
    a.available = true;
    for (const auto& s : snps) {
        AlleleSnp snp;
        snp.index = panel.start + s.offset;
        snp.chromosome = 5;
        snp.baf = s.baf;
        a.baf.snps.push_back(snp);
        a.informative.informative.push_back(s.informative ? 1 : 0);
    }
    // A segment fitted at 0.3 / 0.7 with LOH, one whose copies were not decoded (its measured
    // band, dashed), one whose alleles say nothing (no band).
    const struct {
        int first, last;
        double expected, mirrored;
        bool loh;
    } segments[] = {{0, 2, 0.3, 0.72, true}, {3, 4, kNaN, 0.8, false}, {5, 6, kNaN, kNaN, false}};
    for (const auto& s : segments) {
        AlleleSegment segment;
        segment.total.chromosome = 5;
        segment.firstSnp = s.first;
        segment.lastSnp = s.last;
        segment.mirroredBaf = s.mirrored;
        a.segments.segments.push_back(segment);
        AlleleCopyNumber copies;
        copies.expectedBand = s.expected;
        copies.loh = s.loh;
        a.copyNumbers.segments.push_back(copies);
    }

    RecordingCanvas canvas;
    paint::drawBafPanel(canvas, a, panel);

    for (const auto& s : snps) {
        const auto at = canvas.pixelsAtX(panel.xOf(panel.start + s.offset));
        if (s.y < 0) {
            EXPECT_TRUE(at.empty()) << s.offset;
            continue;
        }
        ASSERT_EQ(at.size(), 1u) << s.offset;
        EXPECT_EQ(at[0].at.y, s.y) << s.offset;
        EXPECT_EQ(at[0].colour, s.colour) << s.offset;
    }
    const int x0 = panel.xOf(panel.start), x2 = panel.xOf(panel.start + 2);
    const int x3 = panel.xOf(panel.start + 3), x4 = panel.xOf(panel.start + 4);
    std::vector<std::pair<Point, Point>> fitted, measured;
    for (const auto& l : canvas.lines) {
        if (l.pen.colour != Rgb{0, 100, 0}) continue;
        (l.pen.style == PenStyle::Solid ? fitted : measured).push_back({l.from, l.to});
    }
    using Lines = std::vector<std::pair<Point, Point>>;
    EXPECT_EQ(fitted, (Lines{{{x0, top + 350}, {x2, top + 350}}, {{x0, top + 150}, {x2, top + 150}}}));
    EXPECT_EQ(measured, (Lines{{{x3, top + 100}, {x4, top + 100}}, {{x3, top + 400}, {x4, top + 400}}}));
    ASSERT_EQ(canvas.rects.size(), 1u);
    EXPECT_EQ(canvas.rects[0].left, x0);
    EXPECT_EQ(canvas.rects[0].right, x2);
    EXPECT_LT(canvas.rects[0].bottom, top);
    EXPECT_EQ(canvas.rects[0].brush, (Rgb{255, 0, 255}));
}

// The LOH bar follows the states the call line draws, and never marks informative SNPs at 0.5.
TEST(PaintBafPanel, TheLohBarSaysWhatTheCallLineSays) {
    const struct {
        const char* what;
        bool paired;
        int copyNumber, minorCopies;
        bool scoreLoh, fitLoh;
        int informative;
        double mirrored;
        bool marked;
    } cases[] = {
        {"one copy, calls AB: the fit's one parent is not the call", false, 1, -1, false, true, 0, 0.72,
         false},
        {"two copies, the LOH score's call", false, 2, -1, true, false, 0, kNaN, true},
        {"the allele-specific decoder's 2+0", false, 2, 0, false, true, 0, 0.9, true},
        {"the LOH score's call over SNPs at 0.5", false, 2, -1, true, true, 40, 0.53, false},
        {"a paired profile: what its alleles fit", true, 3, -1, false, true, 40, 0.8, true},
    };
    for (const auto& c : cases) {
        PaintFixture f;
        f.show(ModeChromosomeSingle, kXba);
        const paint::Panel panel = paint::panelOf(f.view, kXba, 1, true);
        AlleleAnalysis a;
        a.available = true;
        a.paired = c.paired;
        a.segments.bafNoise = 0.05;
        for (int k = 0; k < 2; ++k) {
            AlleleSnp snp;
            snp.index = panel.start + k;
            snp.chromosome = 1;
            snp.baf = 0.5f;
            a.baf.snps.push_back(snp);
            a.informative.informative.push_back(1);
        }
        AlleleSegment segment;
        segment.total.chromosome = 1;
        segment.total.copyNumber = c.copyNumber;
        segment.total.minorCopies = c.minorCopies;
        segment.total.loh = c.scoreLoh;
        segment.lastSnp = 1;
        segment.informative = c.informative;
        segment.mirroredBaf = c.mirrored;
        a.segments.segments.push_back(segment);
        AlleleCopyNumber copies;
        copies.loh = c.fitLoh;
        a.copyNumbers.segments.push_back(copies);
        RecordingCanvas canvas;
        paint::drawBafPanel(canvas, a, panel);
        EXPECT_EQ(canvas.rects.size(), c.marked ? 1u : 0u) << c.what;
    }
}

// No pool, no allele model: the toggle is greyed with the reason, and turning it on draws
// exactly the page drawn without it, in every view that would carry the panel.
TEST(PaintBafPanel, WithoutAlleleDataEveryPageStaysAsItWas) {
    for (int mode : {ModeGenomeSingle, ModeChromosomeSingle, ModeGenomeBoth}) {
        PaintFixture f;
        f.show(mode, mode == ModeGenomeBoth ? kCombined : kXba, 3);
        f.doc.arrayType = kXba;
        f.paint();
        const RecordingCanvas without = f.canvas;
        f.view.bafPanel = true;
        f.paint();
        EXPECT_FALSE(f.view.isCommandEnabled(ID_BAF_PANEL)) << mode;
        EXPECT_FALSE(f.view.bafPanelUnavailable().empty()) << mode;
        EXPECT_EQ(f.canvas.pixels.size(), without.pixels.size()) << mode;
        EXPECT_EQ(f.canvas.lines.size(), without.lines.size()) << mode;
        EXPECT_EQ(f.canvas.rects.size(), without.rects.size()) << mode;
        EXPECT_EQ(f.canvas.texts.size(), without.texts.size()) << mode;
        for (std::size_t k = 0; k < std::min(f.canvas.pixels.size(), without.pixels.size()); ++k)
            ASSERT_EQ(f.canvas.pixels[k].at, without.pixels[k].at) << mode << " pixel " << k;
        for (std::size_t k = 0; k < std::min(f.canvas.texts.size(), without.texts.size()); ++k)
            ASSERT_EQ(f.canvas.texts[k].at, without.texts[k].at) << mode << " text " << k;
    }
}

} // namespace
} // namespace varn

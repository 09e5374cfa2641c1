#include "support/PaintFixture.h"
#include "view/DisplayMode.h"
#include "view/PaintStyle.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace varn {
namespace {

using test::PaintFixture;
namespace style = paint;

TEST(PaintIdeogram, StainClassesHaveTheirColours) {
    const struct {
        int stain;
        Rgb colour;
    } cases[] = {{0, {255, 255, 255}}, {1, {255, 255, 255}}, {2, {191, 191, 191}}, {3, {127, 127, 127}},
                 {4, {63, 63, 63}},    {5, {0, 0, 0}},       {6, {255, 0, 0}},     {7, {0, 255, 0}},
                 {8, {0, 0, 255}},     {9, {255, 255, 255}}, {-1, {255, 255, 255}}};
    for (const auto& c : cases) EXPECT_EQ(paint::stainColour(c.stain), c.colour) << "stain " << c.stain;
}

TEST(PaintIdeogram, RunsBecomeFilledRectanglesAndSingleSnpBandsAreSkipped) {
    PaintFixture f;
    f.show(ModeGenomeSingle, kXba);
    const int s = f.view.chromosomeStart[kXba][3], e = f.view.chromosomeStart[kXba][4];
    const int x = f.view.panelX[kXba][3] + 100, y = f.view.panelY[kXba][3];
    for (int i = s; i < s + 10; ++i) f.doc.snpBandStain[i] = 2;
    f.doc.snpBandStain[s + 10] = 5; // a band of one SNP
    for (int i = s + 11; i < e; ++i) f.doc.snpBandStain[i] = 6;
    f.doc.snpBandStain[e] = 6; // chromosome 4 starts with the same stain: the run still ends at e
    f.paint();
    std::vector<std::array<int, 4>> inPanel;
    for (const auto& r : f.canvas.rects)
        if (r.top == y + 1250) {
            inPanel.push_back({r.left, r.top, r.right, r.bottom});
            EXPECT_EQ(r.pen.colour, r.brush.value());
        }
    const std::vector<std::array<int, 4>> expected = {{x, y + 1250, x + 10, y + 1320},
                                                      {x + 11, y + 1250, x + (e - s), y + 1320}};
    // Chromosomes 4 and 5 share the row: keep the rectangles of chromosome 3 only.
    std::erase_if(inPanel, [&](const auto& r) { return r[0] >= x + (e - s); });
    EXPECT_EQ(inPanel, expected);
}

TEST(PaintIdeogram, AlternatingBandsLeaveOnlyTheOutline) {
    PaintFixture f;
    f.show(ModeChromosomeSingle, kHind, 21);
    const int s = f.view.chromosomeStart[kHind][21], e = f.view.chromosomeStart[kHind][22];
    for (int i = s; i < e; ++i) f.doc.snpBandStain[i] = 1 + (i % 2);
    f.paint();
    EXPECT_TRUE(f.canvas.rects.empty());
    const int w = e - s;
    const auto black = f.canvas.linesOf(style::kBlackPen);
    ASSERT_EQ(black.size(), 4u);
    EXPECT_EQ(black[0].from, (Point{100, 1250}));
    EXPECT_EQ(black[0].to, (Point{100, 1320}));
    EXPECT_EQ(black[1].from, (Point{100 + w, 1250}));
    EXPECT_EQ(black[2].to, (Point{100 + w, 1250}));
    EXPECT_EQ(black[3].from, (Point{100, 1320}));
}

TEST(PaintIdeogram, HeterozygousCallsGetTicks) {
    PaintFixture f;
    f.show(ModeChromosomeBoth, kCombined, 2);
    const int s = f.view.chromosomeStart[kCombined][2];
    const int i = s + 7000; // a Hind SNP in the merged chromosome 2
    f.doc.snpCall[f.doc.arrangeOrder[f.doc.combineOrder[i]]] = kCallAB;
    f.doc.snpCall[f.doc.arrangeOrder[f.doc.combineOrder[i + 1]]] = kCallAA;
    f.paint();
    const auto ticks = f.canvas.linesOf(style::kDarkGreenPen);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0].from, (Point{100 + 7000, 1340}));
    EXPECT_EQ(ticks[0].to, (Point{100 + 7000, 1370}));
}

} // namespace
} // namespace varn

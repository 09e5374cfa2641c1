#include "support/PaintFixture.h"
#include "view/DisplayMode.h"
#include "view/PaintStyle.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace varn {
namespace {

using test::PaintFixture;
namespace style = paint;

// The analysed sample (row 0) against one reference (row 1) of the Xba pool: the log ratio
// u = ((snp % 7) - 3) / 20 + 0.0213 on the autosomes and one copy lower (u - 0.7) on X, as for a
// male sample against a female reference. The odd offset keeps u * 200 away from whole numbers,
// so the truncated pixel rows do not depend on the last bit of exp and log.
struct CompensationPage : PaintFixture {
    int first = 0, autoLast = 0, xLast = 0;

    CompensationPage() {
        show(ModeCompensation, kXba);
        first = doc.snpFirst[kXba];
        autoLast = doc.autosomeLast[kXba];
        xLast = doc.chrXLast[kXba];
        doc.analysedRow[kXba] = 0;
        doc.singleRefRow[kXba] = 1;
        std::strcpy(doc.poolSampleName[kXba][0], "T17");
        std::strcpy(doc.poolSampleName[kXba][1], "N03");
        doc.poolRowMean[kXba][0] = 1234.5f;
        doc.poolRowMean[kXba][1] = 1000.0f;
        for (int p = first; p <= doc.snpLast[kXba]; ++p) {
            const float u = before(p);
            doc.poolSignal[1][p] = 1000.0f;
            doc.poolSignal[0][p] = 1000.0f * std::exp(u);
        }
    }
    float before(int pos) const {
        const float noise = static_cast<float>(pos % 7 - 3) / 20.0f + 0.0213f;
        return pos > autoLast && pos <= xLast ? noise - 0.7f : noise;
    }
    // SD and S/N of a printed statistics line.
    // The text of a printed statistics line: its SD, S/N and y.
    bool readStatistics(const char* format, double& sd, double& sn, int* y = nullptr) const {
        for (const auto& t : canvas.texts) {
            float a = 0, b = 0;
            if (std::sscanf(t.text.c_str(), format, &a, &b) == 2) {
                sd = a;
                sn = b;
                if (y) *y = t.at.y;
                return true;
            }
        }
        return false;
    }
};

TEST(PaintCompensation, LabelsTitleAndGridAreLaidOutDownThePage) {
    CompensationPage f;
    f.paint();
    const struct {
        const char* text;
        int y;
    } labels[] = {
        {"Length Vs Ratio  before compensation Log base", 500},
        {"GCcontent Vs Ratio  before compensation Log base", 1500},
        {"CGH  before compensation Log base", 2500},
        {"Length Vs Ratio  after compensation Log base", 3500},
        {"GCcontent Vs Ratio  after compensation Log base", 4500},
        {"CGH  after compensation Log base", 5500},
        {"Xba 50K: T17 (average signal value 1234.500000 ) Vs N03 (average signal value 1000.000000 )", 100}};
    for (const auto& l : labels) {
        const auto* t = f.canvas.findText(l.text);
        ASSERT_NE(t, nullptr) << l.text;
        EXPECT_EQ(t->at, (Point{0, l.y})) << l.text;
    }
    EXPECT_EQ(f.canvas.origins.back(), (Point{0, 0}));
    EXPECT_EQ(f.canvas.extents.back(), (Point{1, 1}));
    // The solid line of each band is its zero line; band 7's is ratio 1.0.
    std::vector<int> solid;
    for (const auto& l : f.canvas.linesOf(style::kGridSolidPen)) {
        EXPECT_EQ(l.from.x, 0);
        EXPECT_EQ(l.to.x, 6000);
        solid.push_back(l.from.y);
    }
    EXPECT_EQ(solid, (std::vector<int>{800, 1800, 2800, 3800, 4800, 5800, 6600}));
    EXPECT_EQ(f.canvas.linesOf(style::kGridDottedPen).size(), 14u);
    EXPECT_EQ(f.canvas.linesOf(style::kGridDashDotPen).size(), 14u);
    EXPECT_EQ(f.view.yScale, 200);
    EXPECT_EQ(f.canvas.findText("Select Range from Red Region"), nullptr);
    EXPECT_TRUE(f.canvas.rects.empty());
}

TEST(PaintCompensation, LengthAndGcScattersSpanThePageWidth) {
    CompensationPage f;
    const int a = f.first + 10, b = f.first + 11, c = f.first + 12, d = f.first + 13;
    f.doc.snpGcContent[a] = 0.2f;
    f.doc.snpGcContent[b] = 0.8f;
    f.doc.snpFragmentLength[c] = 500;
    f.doc.snpFragmentLength[d] = 2000;
    f.paint();
    auto has = [&](int x, int y, Rgb colour) {
        for (const auto& p : f.canvas.pixelsAtX(x))
            if (p.at.y == y && p.colour == colour) return true;
        return false;
    };
    auto offset = [&](int pos) { return static_cast<int>(f.before(pos) * 200.0f); };
    EXPECT_TRUE(has(0, 1800 - offset(a), style::kGreen));
    EXPECT_TRUE(has(6000, 1800 - offset(b), style::kGreen));
    EXPECT_TRUE(has(1000, 800 - offset(c), style::kRed));
    EXPECT_TRUE(has(4000, 800 - offset(d), style::kRed));
}

TEST(PaintCompensation, LinearBandStopsOneShortOfTheEndOfX) {
    CompensationPage f;
    // The last X position stands out: ratio e against the reference.
    f.doc.poolSignal[0][f.xLast] = 1000.0f * std::exp(1.0123f);
    f.paint();
    auto bandPixels = [&](int top, int bottom) {
        std::vector<Point> found;
        for (const auto& p : f.canvas.pixelsOf(style::kBlue))
            if (p.at.y > top && p.at.y <= bottom) found.push_back(p.at);
        return found;
    };
    const int lastX = (f.xLast - f.first) / 15;
    const auto before = bandPixels(2000, 3000);
    const auto after = bandPixels(5000, 6000);
    const auto linear = bandPixels(6000, 7000);
    EXPECT_EQ(before.size(), static_cast<std::size_t>(f.xLast - f.first + 1));
    EXPECT_EQ(after.size(), static_cast<std::size_t>(f.xLast - f.first + 1));
    EXPECT_EQ(linear.size(), static_cast<std::size_t>(f.xLast - f.first));
    EXPECT_EQ(before.back(), (Point{lastX, 2800 - 202}));
    EXPECT_EQ(after.back().x, lastX);
    EXPECT_NEAR(after.back().y, 5800 - 202, 10); // the compensation moves it only a little
    EXPECT_GT(linear.back().y, 6800 - 400);      // e would lie far above ratio 2
    EXPECT_NEAR(linear.back().y, 6800 - static_cast<int>(std::exp(f.before(f.xLast - 1)) * 200.0f), 10);
}

TEST(PaintCompensation, RecomputesTheOneReferenceRatioAndPrintsBothStatistics) {
    CompensationPage f;
    for (int p = 0; p < kSlots; ++p) f.doc.logRatio[0][p] = 9.0f; // an earlier pooled profile
    f.paint();
    for (int p : {f.first, f.first + 1000, f.autoLast, f.xLast})
        EXPECT_NEAR(f.doc.logRatio[0][p], f.before(p), 0.05) << p;
    EXPECT_GT(f.doc.rowSd[kXba][0], 0.0f);

    // Before compensation the statistics follow directly from u, computed here in double.
    double n = 0, s1 = 0, s2 = 0, nX = 0, sX = 0;
    for (int p = f.first; p <= f.xLast; ++p) {
        if (f.doc.positionUsable[p] != 1) continue;
        const double u = f.before(p);
        if (p <= f.autoLast) {
            ++n;
            s1 += u;
            s2 += u * u;
        } else {
            ++nX;
            sX += u;
        }
    }
    const double sd = std::sqrt((n * s2 - s1 * s1) / (n * (n - 1)));
    double printedSd = 0, printedSn = 0;
    int y = 0;
    ASSERT_TRUE(f.readStatistics("Before Compensation: SD= %f, S/N ratio= %f", printedSd, printedSn, &y));
    EXPECT_EQ(y, 200);
    EXPECT_NEAR(printedSd, sd, 1e-3);
    EXPECT_NEAR(printedSn, sX / nX / sd, 1e-2);
    ASSERT_TRUE(f.readStatistics("After Compensation: SD= %f, S/N ratio= %f", printedSd, printedSn, &y));
    EXPECT_EQ(y, 300);
    EXPECT_NEAR(printedSd, sd, 0.01);
    EXPECT_LT(printedSn, -5.0); // X stays a whole copy below the autosomes
}

TEST(PaintCompensation, StatisticsAreLeftOutWithoutUsableXPositions) {
    CompensationPage f;
    for (int p = f.autoLast + 1; p <= f.xLast; ++p) f.doc.positionUsable[p] = 0;
    f.paint();
    double sd = 0, sn = 0;
    EXPECT_FALSE(f.readStatistics("Before Compensation: SD= %f, S/N ratio= %f", sd, sn));
    EXPECT_FALSE(f.readStatistics("After Compensation: SD= %f, S/N ratio= %f", sd, sn));
    EXPECT_FALSE(f.canvas.pixelsOf(style::kBlue).empty()); // the bands are still drawn
}

TEST(PaintCompensation, CghViewShowsTheRedRegionAndTheDraggedBand) {
    CompensationPage f;
    f.view.OnCghView();
    f.view.rangeSetArmed = 1;
    f.view.selStartX = 40;
    f.view.selEndX = 300;
    f.paint();
    EXPECT_EQ(f.canvas.origins.back(), (Point{0, 5500}));
    EXPECT_EQ(f.canvas.extents.back(), (Point{5, 2}));
    ASSERT_EQ(f.canvas.rects.size(), 2u);
    const auto& frame = f.canvas.rects[0];
    EXPECT_EQ(frame.pen, style::kRedDottedPen);
    EXPECT_EQ((std::array{frame.left, frame.top, frame.right, frame.bottom}),
              (std::array{0, 5500, (f.autoLast - f.first) / 15, 6100}));
    const auto& band = f.canvas.rects[1];
    EXPECT_EQ(band.pen, (Pen{PenStyle::Solid, 10, style::kRed}));
    EXPECT_EQ((std::array{band.left, band.top, band.right, band.bottom}),
              (std::array{200, 5700, 1500, 5900}));
    ASSERT_NE(f.canvas.findText("Select Range from Red Region"), nullptr);
    EXPECT_EQ(f.canvas.findText("Select Range from Red Region")->at, (Point{0, 6150}));
}

TEST(PaintCompensation, MergedTypeOrBadRowsDrawNothing) {
    CompensationPage f;
    f.view.shownArrayType = kCombined;
    f.paint();
    EXPECT_TRUE(f.canvas.empty());
    f.view.shownArrayType = kXba;
    f.doc.singleRefRow[kXba] = kPoolRows;
    f.paint();
    EXPECT_TRUE(f.canvas.empty());
}

} // namespace
} // namespace varn

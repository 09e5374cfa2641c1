// "Axes and Legend": switched off, every page is recorded call for call as it always was (the
// digests below were taken from the paint before the annotations existed); switched on, the
// copy-number call becomes a coloured step line and the chromosome pages get megabase ticks.
// (That no label covers a plot or another label is tested with the window's fonts, in
// tests/app/PageLabelsTest.cpp.)
#include "support/PaintFixture.h"
#include "support/TestDocument.h"
#include "view/AlleleCallClasses.h"
#include "view/DisplayMode.h"
#include "view/PaintStyle.h"
#include "view/ShownWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>

namespace varn {
namespace {

using test::PaintFixture;
using test::RecordingCanvas;

// FNV-1a over every recorded call in drawing order, with the mapping calls first.
std::uint64_t digest(const RecordingCanvas& c) {
    std::uint64_t h = 1469598103934665603ull;
    auto add = [&h](long long v) {
        for (int k = 0; k < 8; ++k) {
            h ^= static_cast<unsigned char>(v >> (8 * k));
            h *= 1099511628211ull;
        }
    };
    auto rgb = [&](Rgb c) { add(c.r << 16 | c.g << 8 | c.b); };
    auto pen = [&](const Pen& p) {
        add(static_cast<int>(p.style));
        add(p.width);
        rgb(p.colour);
    };
    for (const Point& p : c.origins) add(p.x), add(p.y);
    for (const Point& p : c.extents) add(p.x), add(p.y);
    std::size_t pi = 0, li = 0, ri = 0, ti = 0;
    const std::size_t total = c.pixels.size() + c.lines.size() + c.rects.size() + c.texts.size();
    for (std::size_t seq = 0; seq < total; ++seq) {
        add(static_cast<long long>(seq));
        if (pi < c.pixels.size() && c.pixels[pi].seq == static_cast<int>(seq)) {
            const auto& p = c.pixels[pi++];
            add(1), add(p.at.x), add(p.at.y), rgb(p.colour);
        } else if (li < c.lines.size() && c.lines[li].seq == static_cast<int>(seq)) {
            const auto& l = c.lines[li++];
            add(2), add(l.from.x), add(l.from.y), add(l.to.x), add(l.to.y), pen(l.pen);
        } else if (ri < c.rects.size() && c.rects[ri].seq == static_cast<int>(seq)) {
            const auto& r = c.rects[ri++];
            add(3), add(r.left), add(r.top), add(r.right), add(r.bottom), pen(r.pen);
            add(r.brush.has_value()), rgb(r.brush.value_or(Rgb{}));
        } else if (ti < c.texts.size() && c.texts[ti].seq == static_cast<int>(seq)) {
            const auto& t = c.texts[ti++];
            add(4), add(t.at.x), add(t.at.y);
            for (char ch : t.text) add(ch);
        }
    }
    return h;
}

struct Shown {
    const char* what;
    int mode, t, chromosome;
    int drawMethod;
    bool fit;             // Fit to Window in a 900 x 700 viewport
    int scrollX, scrollY; // scrolled in a 900 x 700 viewport
    std::uint64_t today;
};

// Every page, at its preset, fitted and scrolled: the digests of the paint as it was before the
// annotations came.
const Shown kPages[] = {
    {"merged genome", ModeGenomeBoth, kCombined, 1, 2, false, 0, 0, 17531384975459147250ull},
    {"merged chromosome 5", ModeChromosomeBoth, kCombined, 5, 1, false, 0, 0, 14813301651934257776ull},
    {"Xba genome", ModeGenomeSingle, kXba, 1, 1, false, 0, 0, 4261373452457675673ull},
    {"Xba genome fitted", ModeGenomeSingle, kXba, 1, 2, true, 0, 0, 7069094622850931237ull},
    {"Hind chromosome X scrolled", ModeChromosomeSingle, kHind, 23, 2, false, 700, 30,
     12560975144894378863ull},
    {"compensation", ModeCompensation, kXba, 1, 1, false, 0, 0, 5067636464429129390ull},
    {"compensation fitted", ModeCompensation, kHind, 1, 1, true, 0, 0, 14699335993817370964ull},
    {"reference sort", ModeReferenceSort, kXba, 1, 1, false, 0, 0, 8847993022779392280ull},
    {"paired genome", ModeGenomeSelf, kHind, 1, 1, false, 0, 0, 6290017864041296316ull},
    {"paired chromosome 2", ModeChromosomeSelf, kXba, 2, 2, false, 0, 0, 12767237025053602225ull},
};

void show(PaintFixture& f, const Shown& s) {
    f.show(s.mode, s.t, s.chromosome);
    f.view.drawMethod = s.drawMethod;
    f.view.averageNumber = 5;
    f.view.trimExtremes = 1;
    if (s.fit || s.scrollX != 0 || s.scrollY != 0) {
        f.view.viewportWidth = 900;
        f.view.viewportHeight = 700;
    }
    f.view.fitToWindow = s.fit;
    f.view.scrollX = s.scrollX;
    f.view.scrollY = s.scrollY;
}

TEST(PaintAnnotation, SwitchedOffEveryPageIsTodaysRecord) {
    PaintFixture f;
    test::fillSyntheticProfile(f.doc);
    for (const Shown& s : kPages) {
        show(f, s);
        f.paint();
        EXPECT_EQ(digest(f.canvas), s.today) << s.what;
    }
}

// Chromosome 2 lost in its first half and gained in its second: a blue level at the loss's mean, a
// red one at the gain's, joined where the state changes, each over a white edge.
TEST(PaintAnnotation, CallLineStepsFromSegmentToSegmentInItsColour) {
    PaintFixture f;
    f.show(ModeChromosomeSingle, kXba, 2);
    f.view.annotate = true;
    const int s = f.view.chromosomeStart[kXba][2], e = f.view.chromosomeStart[kXba][3], middle = (s + e) / 2;
    for (int i = s; i < e; ++i) f.doc.hmmState[0][i] = i < middle ? 1 : 3;
    int lastLost = middle - 1;
    while (f.doc.positionUsable[lastLost] != 1) --lastLost;
    int lastGained = e - 1;
    while (f.doc.positionUsable[lastGained] != 1) --lastGained;
    const int firstLost = f.usableIndex(2), firstGained = f.usableIndex(2, middle);
    f.paint();

    const int width = 3 * shownWindow(f.view).extX;
    auto x = [&](int i) { return 100 + i - s; };
    auto level = [&](int state) { return 700 - static_cast<int>(100 * f.doc.hmmMean[state]); };
    using Lines = std::vector<std::pair<Point, Point>>;
    auto linesOf = [&](Rgb colour) {
        Lines found;
        for (const auto& l : f.canvas.linesOf({PenStyle::Solid, width, colour}))
            if (l.from.y >= 0) found.push_back({l.from, l.to}); // not the legend's swatch above the page
        return found;
    };
    EXPECT_EQ(linesOf(paint::kCallLoss), (Lines{{{x(firstLost), level(1)}, {x(lastLost) + 1, level(1)}}}));
    EXPECT_EQ(linesOf(paint::kCallGain),
              (Lines{{{x(firstGained), level(1)}, {x(firstGained), level(3)}},
                     {{x(firstGained), level(3)}, {x(lastGained) + 1, level(3)}}}));
    const auto edge = f.canvas.linesOf({PenStyle::Solid, 5 * shownWindow(f.view).extX, paint::kWhite});
    ASSERT_EQ(edge.size(), 3u);
    EXPECT_LT(edge.back().seq, f.canvas.linesOf({PenStyle::Solid, width, paint::kCallLoss}).front().seq);
    // Without the annotations the level stays the dark pixels it always was.
    f.view.annotate = false;
    f.paint();
    EXPECT_TRUE(linesOf(paint::kCallLoss).empty());
    EXPECT_FALSE(f.canvas.pixelsOf(paint::kDarkGreen).empty());
}

// A profile the allele-specific HMM decoded: chromosome 2 in thirds of 1+0, 2+0 and 2+2. Each
// third is drawn at its total's level in its state class's colour (2+0 green although no LOH score
// says so, 2+2 not the red of a gain), and the legend names the classes instead of the HMM's.
TEST(PaintAnnotation, AlleleSpecificStatesColourTheCallLineAndNameTheLegend) {
    PaintFixture f;
    f.show(ModeChromosomeSingle, kXba, 2);
    f.view.annotate = true;
    const int s = f.view.chromosomeStart[kXba][2], e = f.view.chromosomeStart[kXba][3];
    const struct {
        int total, minor;
        const char* label;
    } thirds[] = {{1, 0, "1+0"}, {2, 0, "2+0 LOH"}, {4, 2, "2+2, 3+3"}};
    f.doc.hmmMinorCopies.assign(kSlots, -1);
    for (int i = s; i < e; ++i) {
        const auto& third = thirds[std::min(2, 3 * (i - s) / (e - s))];
        f.doc.hmmState[0][i] = third.total;
        f.doc.hmmMinorCopies[static_cast<std::size_t>(i)] = static_cast<signed char>(third.minor);
    }
    f.paint();

    const int width = 3 * shownWindow(f.view).extX;
    for (const auto& third : thirds) {
        const paint::AlleleCallClass* c = nullptr;
        for (const auto& k : paint::kAlleleCallClasses)
            if (std::string(k.label) == third.label) c = &k;
        ASSERT_NE(c, nullptr) << third.label;
        const int level = 700 - static_cast<int>(100 * f.doc.hmmMean[third.total]);
        bool along = false;
        for (const auto& l : f.canvas.linesOf({PenStyle::Solid, width, c->colour}))
            along = along || (l.from.y == level && l.to.y == level && l.to.x - l.from.x > 100);
        EXPECT_TRUE(along) << third.label;
        bool named = false;
        for (const auto& t : f.canvas.texts) named = named || t.text == third.label;
        EXPECT_TRUE(named) << third.label;
    }
    for (const auto& l : f.canvas.linesOf({PenStyle::Solid, width, paint::kCallGain}))
        EXPECT_LT(l.from.y, 0) << "a gain's red on the page"; // the legend's swatch lies above it
    bool hmmCall = false;
    for (const auto& t : f.canvas.texts) hmmCall = hmmCall || t.text == "HMM call:";
    EXPECT_FALSE(hmmCall);
}

// The synthetic chromosome 1 of Xba has a SNP every 30 kb; a gap of 50 Mb (a centromere) is cut
// into it at 63 Mb. Under MonitorView a tick every 10 Mb has room: each at the first SNP past its
// step, and past the gap the tick names the last step the gap crossed.
TEST(PaintAnnotation, MegabaseTicksSitAtTheFirstSnpPastEachStep) {
    PaintFixture f;
    f.show(ModeChromosomeSingle, kXba, 1);
    f.view.annotate = true;
    const int s = f.view.chromosomeStart[kXba][1], e = f.view.chromosomeStart[kXba][2];
    const int gapAt = s + 2100; // 63.03 Mb, then 113.03 Mb
    for (int i = gapAt; i < e; ++i) f.doc.snpPosition[i] += 50'000'000;
    f.paint();
    const WindowMapping m{f.canvas.origins.back().x, f.canvas.origins.back().y, f.canvas.extents.back().x,
                          f.canvas.extents.back().y};
    // The device x of the middle of a label under the page, -1 when there is none.
    auto tickAt = [&](const std::string& text) {
        for (const auto& t : f.canvas.texts)
            if (t.text == text && m.deviceY(t.at.y) > m.deviceY(1800))
                return m.deviceX(t.at.x) + 7.0 * static_cast<double>(text.size()) / 2;
        return -1.0;
    };
    auto snpX = [&](int i) { return m.deviceX(100 + i - s); };
    EXPECT_NEAR(tickAt("10"), snpX(s + 333), 1.0);  // 334 x 30 kb = 10.02 Mb
    EXPECT_NEAR(tickAt("60"), snpX(s + 1999), 1.0); // 2000 x 30 kb = 60 Mb
    EXPECT_NEAR(tickAt("110"), snpX(gapAt), 1.0);
    for (const char* crossed : {"70", "100"}) EXPECT_LT(tickAt(crossed), 0.0) << crossed;
    EXPECT_NE(f.canvas.findText("Mb"), nullptr);
}

} // namespace
} // namespace varn

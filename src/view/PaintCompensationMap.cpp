// The compensation page's abscissae. Chromosomes along its genome-wide bands: without them the
// region to drag for the baseline ("the short arm of chromosome 1") is a guess of a few pixels.
// Bases and per cent along its fragment-length and GC-content bands: the fitted parabolas bend
// over them.
#include "PaintDecor.h"

#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"

#include <cmath>
#include <string>
#include <vector>

namespace varn::paint {

namespace {

// The logical x where chromosome c starts on a band; c = 24 gives the end of X.
int startX(const CVARNDoc& doc, int t, int c, int positionsPerUnit) {
    return (kChromosomeStart[t][c] - doc.snpFirst[t]) / positionsPerUnit;
}

bool arrayShown(int t) {
    return t == kXba || t == kHind;
}

} // namespace

void drawChromosomeBoundaries(Decor& d, const CVARNDoc& doc, int t, std::span<const ValueRow> bands,
                              int positionsPerUnit) {
    if (!arrayShown(t)) return;
    d.canvas().setPen(d.pen(kBoundaryColour, 1, PenStyle::Dotted));
    for (const ValueRow& band : bands) {
        for (int c = 2; c <= kChromosomeX; ++c) {
            const int x = startX(doc, t, c, positionsPerUnit);
            d.canvas().moveTo(x, band.top());
            d.canvas().lineTo(x, band.bottom());
        }
    }
}

void labelChromosomes(Decor& d, const CVARNDoc& doc, int t, std::span<const ValueRow> bands,
                      int positionsPerUnit) {
    if (!arrayShown(t)) return;
    const Box window = d.plotWindow();
    const int pad = d.frame().pad;
    for (const ValueRow& band : bands) {
        // Under the reach of the band's scatter, or where that has no room just under its grid; a
        // second line takes the names of small chromosomes that the first has no room for.
        const int belowReach = static_cast<int>(std::ceil(d.y(band.reachBottom()))) + pad;
        const int belowGrid = static_cast<int>(std::ceil(d.y(band.bottom()))) + pad;
        const int tops[] = {belowReach, belowReach + d.lineHeight(), belowGrid, belowGrid + d.lineHeight()};
        for (int c = 1; c <= kChromosomeX; ++c) {
            const double middle =
                (d.x(startX(doc, t, c, positionsPerUnit)) + d.x(startX(doc, t, c + 1, positionsPerUnit))) / 2;
            const std::string name = c == kChromosomeX ? std::string("X") : std::to_string(c);
            const int left = static_cast<int>(std::lround(middle)) - d.size(name).width / 2;
            for (int top : tops)
                if (d.label(left, top, name, window)) break;
        }
    }
}

namespace {

struct ScaleTick {
    int x;
    std::string text;
};

// Under each band's grid a tick at every value, and the values under the reach of its scatter
// where they have room (the band's name of the next band sits above that reach).
void labelScale(Decor& d, std::span<const ValueRow> bands, const std::vector<ScaleTick>& ticks) {
    const Box window = d.plotWindow();
    const PageFrame& f = d.frame();
    const Pen pen = d.pen(kAxisColour, 1);
    for (const ValueRow& band : bands) {
        const int grid = static_cast<int>(std::lround(d.y(band.bottom())));
        const int top = static_cast<int>(std::ceil(d.y(band.reachBottom()))) + f.pad;
        for (const ScaleTick& tick : ticks) {
            const int x = static_cast<int>(std::lround(d.x(tick.x)));
            if (x < window.left || x >= window.right) continue;
            if (grid >= window.top && grid < window.bottom) d.line(x, grid, x, grid + f.tick, pen);
            d.label(x - d.size(tick.text).width / 2, top, tick.text, window);
        }
    }
}

} // namespace

void labelCompensationScales(Decor& d, std::span<const ValueRow> lengthBands,
                             std::span<const ValueRow> gcBands) {
    std::vector<ScaleTick> bases, gc;
    for (int n = 0; n <= 3000; n += 500)
        bases.push_back({kLengthUnitsPerBase * n, n == 3000 ? "3000 bp" : std::to_string(n)});
    for (int percent = 20; percent <= 80; percent += 10)
        gc.push_back({static_cast<int>(std::lround(percent / 100.0f * kGcUnits - kGcOffset)),
                      std::to_string(percent) + (percent == 80 ? " % GC" : " %")});
    labelScale(d, lengthBands, bases);
    labelScale(d, gcBands, gc);
}

} // namespace varn::paint

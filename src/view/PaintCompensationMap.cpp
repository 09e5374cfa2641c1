// Chromosomes along the compensation page's genome-wide bands: without them the region to drag
// for the baseline ("the short arm of chromosome 1") is a guess of a few pixels.
#include "PaintDecor.h"

#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"

#include <cmath>

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

} // namespace varn::paint

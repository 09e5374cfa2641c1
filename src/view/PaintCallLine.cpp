// The decoded copy number as a step line over the raw ratios ("Axes and Legend").
#include "PaintDecor.h"

#include "AlleleCallClasses.h"
#include "CVARNView.h"
#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "ShownWindow.h"
#include "document/CVARNDoc.h"
#include "export/Segments.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <vector>

namespace varn::paint {

namespace {

// The segment's class as the segment files colour it; a gain that lost an allele is a gain. A
// segment of the allele-specific decoder takes the colour of its state's class instead.
Rgb callColour(const CopyNumberSegment& s) {
    if (s.minorCopies >= 0 && s.copyNumber >= 0)
        return kAlleleCallClasses[alleleCallClass(s.copyNumber, s.minorCopies)].colour;
    if (s.copyNumber > 2) return kCallGain;
    if (s.copyNumber >= 0 && s.copyNumber < 2) return kCallLoss;
    return s.loh ? kCallLoh : kCallTwoCopies;
}

} // namespace

void drawCallLine(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel,
                  int zeroY) {
    // X is not decoded: its ratio follows the sexes of sample and references.
    if (panel.chromosome >= kChromosomeX) return;
    const std::vector<CopyNumberSegment> segments = chromosomeSegments(doc, t, panel.start, panel.end);
    if (segments.empty()) return;
    const int extent = std::max(1, std::abs(shownWindow(view).extX));
    auto levelY = [&](int state) {
        int offset = 0;
        scaledOffset(stateLevel(doc, state), view.yScale, offset);
        return panel.y + zeroY - offset;
    };
    // Each segment: up or down from the level before, then along its own level to just past its
    // last SNP; the lines of one colour go to the surface together. Segments narrower than a pixel
    // (a noisy stretch holds thousands at the genome pages' extents) become one stroke per pixel
    // column and colour, from the highest to the lowest level they visit there: the same ink.
    constexpr std::size_t kCount = 4 + kAlleleCallClassCount;
    constexpr std::array<Rgb, kCount> kColours = [] {
        std::array<Rgb, kCount> colours = {kCallLoss, kCallTwoCopies, kCallLoh, kCallGain};
        for (std::size_t c = 0; c < kAlleleCallClassCount; ++c) colours[4 + c] = kAlleleCallClasses[c].colour;
        return colours;
    }();
    std::vector<Segment> all, byColour[kCount];
    struct Ink {
        int top = std::numeric_limits<int>::max(), bottom = std::numeric_limits<int>::min();
    } ink[kCount];
    int column = std::numeric_limits<int>::min(), columnX = 0;
    auto flush = [&] {
        for (std::size_t c = 0; c < kCount; ++c) {
            if (ink[c].top > ink[c].bottom) continue;
            if (ink[c].top == ink[c].bottom)
                byColour[c].push_back({{columnX, ink[c].top}, {columnX + extent, ink[c].top}});
            else
                byColour[c].push_back({{columnX, ink[c].top}, {columnX, ink[c].bottom}});
            ink[c] = Ink{};
        }
        column = std::numeric_limits<int>::min();
    };
    int previous = 0;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const CopyNumberSegment& s = segments[k];
        const int y = levelY(s.copyNumber);
        const int x0 = panel.xOf(s.firstIndex), x1 = panel.xOf(s.lastIndex) + 1;
        const std::size_t c = static_cast<std::size_t>(
            std::find(std::begin(kColours), std::end(kColours), callColour(s)) - std::begin(kColours));
        const int from = k > 0 ? previous : y;
        previous = y;
        if (x1 - x0 < extent) {
            if (x0 / extent != column) {
                flush();
                column = x0 / extent;
                columnX = x0;
            }
            ink[c].top = std::min({ink[c].top, from, y});
            ink[c].bottom = std::max({ink[c].bottom, from, y});
            continue;
        }
        flush();
        if (from != y) byColour[c].push_back({{x0, from}, {x0, y}});
        byColour[c].push_back({{x0, y}, {x1, y}});
    }
    flush();
    for (const auto& lines : byColour) all.insert(all.end(), lines.begin(), lines.end());
    // A white edge first, so that the line stands out from the red cloud even in red.
    canvas.setPen({PenStyle::Solid, 5 * extent, kWhite});
    canvas.drawSegments(all);
    for (std::size_t c = 0; c < std::size(kColours); ++c) {
        if (byColour[c].empty()) continue;
        canvas.setPen({PenStyle::Solid, 3 * extent, kColours[c]});
        canvas.drawSegments(byColour[c]);
    }
}

} // namespace varn::paint

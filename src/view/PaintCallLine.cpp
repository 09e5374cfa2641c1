// The decoded copy number as a step line over the raw ratios ("Axes and Legend").
#include "PaintDecor.h"

#include "CVARNView.h"
#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "ShownWindow.h"
#include "document/CVARNDoc.h"
#include "export/Segments.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace varn::paint {

namespace {

// The segment's class as the segment files colour it; a gain that lost an allele is a gain.
Rgb callColour(const CopyNumberSegment& s) {
    if (s.copyNumber > 2) return kCallGain;
    if (s.copyNumber >= 0 && s.copyNumber < 2) return kCallLoss;
    return s.loh ? kCallLoh : kCallTwoCopies;
}

} // namespace

void drawCallLine(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel, int zeroY) {
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
    // last SNP; the lines of one colour go to the surface together, as a noisy profile holds
    // thousands of segments.
    constexpr Rgb kColours[] = {kCallLoss, kCallTwoCopies, kCallLoh, kCallGain};
    std::vector<Segment> all, byColour[std::size(kColours)];
    int previous = 0;
    for (std::size_t k = 0; k < segments.size(); ++k) {
        const CopyNumberSegment& s = segments[k];
        const int y = levelY(s.copyNumber);
        const int x0 = panel.xOf(s.firstIndex), x1 = panel.xOf(s.lastIndex) + 1;
        const Rgb colour = callColour(s);
        std::vector<Segment>& mine = byColour[std::find(std::begin(kColours), std::end(kColours), colour) - std::begin(kColours)];
        if (k > 0 && previous != y) mine.push_back({{x0, previous}, {x0, y}});
        mine.push_back({{x0, y}, {x1, y}});
        previous = y;
    }
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

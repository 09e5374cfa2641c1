// The decoded copy number as a step line over the raw ratios ("Axes and Legend").
#include "PaintDecor.h"

#include "AlleleCallClasses.h"
#include "CVARNView.h"
#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "ShownWindow.h"
#include "StepLine.h"
#include "document/CVARNDoc.h"
#include "export/Segments.h"

#include <algorithm>
#include <cstdlib>
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
    std::vector<Step> steps;
    steps.reserve(segments.size());
    for (const CopyNumberSegment& s : segments)
        steps.push_back(
            {panel.xOf(s.firstIndex), panel.xOf(s.lastIndex) + 1, levelY(s.copyNumber), callColour(s)});
    drawStepLine(canvas, steps, extent);
}

} // namespace varn::paint

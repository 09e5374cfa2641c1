// The view's paint: one pass over the document's arrays per repaint, nothing cached.
#include "CVARNView.h"

#include "Canvas.h"
#include "PaintParts.h"
#include "document/CVARNDoc.h"

namespace varn {

void CVARNView::OnDraw(Canvas& canvas) {
    yScale = 200;
    // The strips and labels are measured in the surface's own text sizes; the page's paint counts
    // the lines of its title and legend afresh.
    if (annotate) {
        LabelMetrics measured = measureLabels(canvas);
        measured.titleLines = labelMetrics.titleLines;
        measured.legendLines = labelMetrics.legendLines;
        labelMetrics = measured;
    }
    if (isProfileMode(displayMode)) return paint::paintProfileDisplay(canvas, doc_, *this);
    if (shownArrayType < kCombined || shownArrayType > kHind) return;
    switch (displayMode) {
    case ModeGenomeBoth:
    case ModeGenomeSingle:
    case ModeGenomeSelf:
        paint::paintGenome(canvas, doc_, *this);
        break;
    case ModeChromosomeBoth:
    case ModeChromosomeSingle:
    case ModeChromosomeSelf:
        paint::paintChromosome(canvas, doc_, *this);
        break;
    case ModeCompensation:
        paint::paintCompensation(canvas, doc_, *this);
        break;
    case ModeReferenceSort:
        paint::paintReferenceSort(canvas);
        break;
    default:
        break; // before any analysis only the background is shown
    }
}

} // namespace varn

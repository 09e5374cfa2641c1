// One chromosome panel of a copy-number plot: label, grid and data tracks.
#include "PaintParts.h"

#include "CVARNView.h"
#include "DisplayMode.h"

namespace varn::paint {

void drawPanelPlot(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel,
                   Point label) {
    const bool self = view.displayMode == ModeGenomeSelf || view.displayMode == ModeChromosomeSelf;
    // With the annotations the label is laid out with the page's other texts.
    if (!view.annotate) canvas.textOut(label.x, label.y, chromosomeLabel(panel.chromosome));
    // Two tracks per panel, each with its zero line one yScale above its base line.
    const int bases[2] = {self ? 1100 : 800, self ? 1700 : 1100};
    for (int base : bases)
        drawTrackGrid(canvas, panel.left(), panel.left() + panel.width(), panel.y + base, view.yScale);
    if (self)
        drawSelfTracks(canvas, doc, view, t, panel);
    else
        drawPoolTracks(canvas, doc, view, t, panel);
}

} // namespace varn::paint

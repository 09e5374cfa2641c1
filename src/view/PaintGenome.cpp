// The whole-genome page (modes 2, 4, 21): 23 chromosome panels in six rows.
#include "PaintParts.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "GenomeLayout.h"
#include "PaintDecor.h"
#include "PaintStyle.h"

#include <algorithm>
#include <vector>

namespace varn::paint {

namespace {

// The selection is kept in device pixels of the Monitor preset; k turns them back into logical
// units (one pixel is 20 units in the merged page, 10 in the single-array pages). The band never
// runs past the right end of the chromosome the drag started in.
void drawSelectionBand(Canvas& canvas, const CVARNView& view, int rowPitch) {
    const int k = view.displayMode == ModeGenomeBoth ? 20 : 10;
    const int rowTop = view.selRow * rowPitch;
    canvas.setPen(kSelectionPen);
    canvas.fillRect(view.selStartX * k, rowTop + 500, std::min(view.selEndX, view.selLimitX) * k,
                    rowTop + 1800);
}

} // namespace

void paintGenome(Canvas& canvas, CVARNDoc& doc, CVARNView& view) {
    const int t = view.shownArrayType;
    const AlleleAnalysis* alleles = view.bafPanelShown() ? view.shownAlleles() : nullptr;
    const int pitch = panelRowPitch(alleles != nullptr);
    const std::string title = copyNumberTitle(doc, view);
    std::vector<std::string> titleLines;
    if (view.annotate) {
        titleLines = planStripTitle(canvas, view, title, copyNumberTitleNames(doc, view));
        planCopyNumberLegend(canvas, view);
    }
    const WindowMapping shown = applyShownWindow(canvas, view);
    if (view.rangeSetArmed == 1) drawSelectionBand(canvas, view, pitch);
    for (int c = 1; c <= kChromosomeX; ++c) {
        view.paintChromosome = c;
        const Panel panel = panelOf(view, t, c, false, pitch);
        drawHeteroTicks(canvas, doc, t, panel);
        drawIdeogram(canvas, doc, t, panel);
    }

    view.yScale = 100;
    if (!view.annotate) canvas.textOut(shown.orgX, shown.orgY, title);
    const int labelY = view.displayMode == ModeGenomeSelf ? 700 : 400;
    std::vector<Panel> panels;
    for (int c = 1; c <= kChromosomeX; ++c) {
        view.paintChromosome = c;
        panels.push_back(panelOf(view, t, c, false, pitch));
        drawPanelPlot(canvas, doc, view, t, panels.back(), {panels.back().x + 50, panels.back().y + labelY});
        if (alleles != nullptr) drawBafPanel(canvas, *alleles, panels.back());
    }
    if (view.annotate) decorateCopyNumberPage(canvas, doc, view, shown, titleLines, panels);
}

} // namespace varn::paint

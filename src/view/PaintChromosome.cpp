// One chromosome magnified (modes 3, 5, 22): the genome panel placed at (0, 0).
#include "PaintParts.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "GenomeLayout.h"
#include "PaintDecor.h"

#include <string>
#include <vector>

namespace varn::paint {

void paintChromosome(Canvas& canvas, CVARNDoc& doc, CVARNView& view) {
    const int t = view.shownArrayType;
    const AlleleAnalysis* alleles = view.bafPanelShown() ? view.shownAlleles() : nullptr;
    const std::string title = copyNumberTitle(doc, view);
    std::vector<std::string> titleLines;
    if (view.annotate) {
        titleLines = planStripTitle(canvas, view, title, copyNumberTitleNames(doc, view));
        planCopyNumberLegend(canvas, view);
    }
    const WindowMapping shown = applyShownWindow(canvas, view);
    view.paintChromosome = view.currentChromosome;
    const int c = view.currentChromosome;
    const bool known = c >= 1 && c <= kChromosomeX;
    const Panel panel = known ? panelOf(view, t, c, true) : Panel{};
    if (known) {
        drawHeteroTicks(canvas, doc, t, panel);
        drawIdeogram(canvas, doc, t, panel);
    }

    view.yScale = 100;
    if (!view.annotate) canvas.textOut(shown.orgX, shown.orgY, title);
    if (!known) return;
    // The label follows the window origin so that it stays in view while the chromosome is
    // panned in the Explore preset.
    const int labelY = view.displayMode == ModeChromosomeSelf ? 700 : 400;
    drawPanelPlot(canvas, doc, view, t, panel, {shown.orgX + 50, shown.orgY + labelY});
    if (alleles != nullptr) drawBafPanel(canvas, *alleles, panel);
    if (view.annotate)
        decorateCopyNumberPage(canvas, doc, view, shown, titleLines, std::span<const Panel>(&panel, 1));
}

} // namespace varn::paint

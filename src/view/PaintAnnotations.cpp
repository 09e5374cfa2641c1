// "Axes and Legend" on each kind of page: after the page's own marks, the plots' areas are taken
// from the page's rows, the strips are whited over whatever scrolled under them, and the texts are
// laid out so that none covers a plot or another text.
#include "PaintDecor.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "PageExtent.h"
#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace varn::paint {

namespace {

bool isChromosomePage(int mode) {
    return mode == ModeChromosomeBoth || mode == ModeChromosomeSingle || mode == ModeChromosomeSelf;
}

// The LOH-score bars hang down by a tenth of the score (as drawPoolTracks draws them) and reach
// into the next row's room for labels only where the score is high: each stretch of SNPs is
// blocked as deep as its own bars, so a label finds room above the shallow ones.
void blockLohBars(Decor& d, const CVARNDoc& doc, const Panel& p, int top) {
    constexpr int kStretch = 64; // SNPs per stretch: a few pixels at the genome pages' extents
    int offset = 0;
    for (int from = p.start; from < p.end; from += kStretch) {
        const int to = std::min(p.end, from + kStretch);
        int depth = 0;
        for (int i = from; i < to; ++i)
            if (scaledOffset(doc.lohScore[i], 1, offset)) depth = std::max(depth, offset / 10);
        d.blockPlot(d.box(p.xOf(from), top, p.xOf(to - 1), top + depth));
    }
}

void blockPanel(Decor& d, const CVARNDoc& doc, const PanelRows& rows, const Panel& p) {
    const int left = p.left(), right = p.left() + p.width();
    for (const ValueRow& v : rows.values) d.blockPlot(d.box(left, p.y + v.top(), right, p.y + v.bottom()));
    for (const MarkRow& m : rows.marks) d.blockPlot(d.box(left, p.y + m.top, right, p.y + m.bottom));
    if (rows.lohBarsTop >= 0) blockLohBars(d, doc, p, p.y + rows.lohBarsTop);
}

} // namespace

void decorateCopyNumberPage(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view,
                            const WindowMapping& shown, std::span<const std::string> title,
                            std::span<const Panel> panels) {
    Decor d(canvas, view, shown);
    const PanelRows rows = panelRows(view.displayMode, view.bafPanelShown());
    if (rows.values.empty()) return;
    for (const Panel& p : panels) blockPanel(d, doc, rows, p);
    d.coverStrips();

    drawStripLines(d, title);
    drawLegend(d, view, static_cast<int>(title.size()));

    std::set<int> rowTops;
    for (const Panel& p : panels) rowTops.insert(p.y);
    const std::vector<int> tops(rowTops.begin(), rowTops.end());
    drawValueAxes(d, tops, rows.values);

    const bool chromosome = isChromosomePage(view.displayMode);
    drawChromosomeLabels(d, panels, rows.values.front().top(), chromosome);
    if (chromosome && !panels.empty())
        drawMegabaseAxis(d, doc, view.shownArrayType, panels.front(), pageExtent(view).bottom);
}

void decorateCompensationPage(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view,
                              const WindowMapping& shown, const CompensationTexts& texts) {
    Decor d(canvas, view, shown);
    const std::vector<ValueRow> bands = compensationRows();
    for (const ValueRow& band : bands) d.blockPlot(d.box(0, band.top(), texts.plotRight, band.bottom()));
    // The dots reach past their grids as far as their values do.
    for (const CompensationTexts::Area& a : texts.dots) d.blockPlot(d.box(a.left, a.top, a.right, a.bottom));
    // The genome-wide bands: where each chromosome starts, so that the baseline region can be
    // aimed at (the third, the sixth, where Range Set drags, and the linear seventh).
    const ValueRow genomeBands[] = {bands[2], bands[5], bands[6]};
    drawChromosomeBoundaries(d, doc, view.shownArrayType, genomeBands, texts.positionsPerUnit);
    d.coverStrips();

    drawStripLines(d, texts.head);
    const Box window = d.plotWindow();
    const int pad = d.frame().pad;
    const int left = std::max(static_cast<int>(std::lround(d.x(0))), window.left + pad);
    // A band's name above the reach of its scatter, or where that has no room (CGH View's top,
    // a small window) just above its grid.
    for (std::size_t k = 0; k < texts.bandLabels.size() && k < bands.size(); ++k) {
        for (int above : {bands[k].reachTop(), bands[k].top()}) {
            const int bottom = static_cast<int>(std::floor(d.y(above))) - pad;
            if (d.label(left, bottom - d.lineHeight(), texts.bandLabels[k], window)) break;
        }
    }
    if (!texts.hint.empty())
        d.label(left, static_cast<int>(std::ceil(d.y(texts.hintBelow))) + pad, texts.hint, window);
    const int top[] = {0};
    drawValueAxes(d, top, bands);
    labelChromosomes(d, doc, view.shownArrayType, genomeBands, texts.positionsPerUnit);
    const ValueRow lengthBands[] = {bands[0], bands[3]}, gcBands[] = {bands[1], bands[4]};
    labelCompensationScales(d, lengthBands, gcBands);
}

} // namespace varn::paint

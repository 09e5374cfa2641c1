// The lines of the top strip at the window's width: a title wraps between its words, and only
// where two lines are not room enough are the sample names shortened, never a figure; a legend
// takes as many lines as its items need. The counts are settled before the page's window is set,
// since the strip's height moves the page under it.
#include "PaintDecor.h"

#include "BafPanelStyle.h"
#include "CVARNView.h"
#include "DisplayMode.h"
#include "LegendRow.h"
#include "PageExtent.h"
#include "PaintParts.h"
#include "PanelRows.h"
#include "ShownWindow.h"
#include "TitleFit.h"
#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varn::paint {

namespace {

constexpr int kTitleLines = 2;

int stripPad(const CVARNView& view) {
    return std::max(2, view.labelMetrics.lineHeight / 3);
}

} // namespace

// The lines run as far as the window shows, or for a picture (no window) to the page's end.
int stripWidth(const CVARNView& view) {
    int right = view.viewportWidth;
    if (right <= 0) {
        const PageExtent page = pageExtent(view);
        if (page.empty()) return std::numeric_limits<int>::max() / 2;
        right = static_cast<int>(std::ceil(shownWindow(view).deviceX(page.right)));
    }
    return std::max(1, right - 2 * stripPad(view));
}

std::vector<std::string> planStripTitle(const Canvas& canvas, CVARNView& view, const std::string& title,
                                        const std::vector<std::string>& names) {
    const std::vector<TitleWord> words = splitTitle(title);
    std::vector<std::size_t> shortenable;
    for (const std::string& name : names) {
        for (std::size_t k = 0; k < words.size(); ++k) {
            if (words[k].text != name || name.empty()) continue;
            if (std::find(shortenable.begin(), shortenable.end(), k) == shortenable.end())
                shortenable.push_back(k);
            break;
        }
    }
    std::vector<std::string> lines = fitTitle(canvas, words, shortenable, stripWidth(view), kTitleLines);
    if (lines.empty()) lines.emplace_back();
    view.labelMetrics.titleLines = static_cast<int>(lines.size());
    return lines;
}

std::vector<std::string> copyNumberTitleNames(const CVARNDoc& doc, const CVARNView& view) {
    std::vector<std::string> names;
    const int t = view.shownArrayType;
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a)
        if (a == kXba || a == kHind) names.push_back(sampleName(doc, a, doc.analysedRow[a]));
    return names;
}

void planStrips(const Canvas& canvas, CVARNView& view) {
    if (!view.annotate) return;
    CVARNDoc& doc = view.GetDocument();
    const int m = view.displayMode;
    const int t = view.shownArrayType;
    if (m == ModeCompensation && (t == kXba || t == kHind)) {
        const int a = doc.analysedRow[t], r = doc.singleRefRow[t];
        if (a < 0 || a >= kPoolRows || r < 0 || r >= kPoolRows) return;
        planStripTitle(canvas, view, compensationTitle(doc, t, a, r),
                       {sampleName(doc, t, a), sampleName(doc, t, r)});
    } else if (!panelRows(m).values.empty()) {
        planStripTitle(canvas, view, copyNumberTitle(doc, view), copyNumberTitleNames(doc, view));
        planCopyNumberLegend(canvas, view);
    }
}

void planCopyNumberLegend(const Canvas& canvas, CVARNView& view) {
    const int h = view.labelMetrics.lineHeight, pad = stripPad(view), width = stripWidth(view);
    int lines = legendLineCount(canvas, copyNumberLegend(view), width, h, pad);
    if (view.bafPanelShown()) lines += legendLineCount(canvas, bafPanelKey(), width, h, pad);
    view.labelMetrics.legendLines = std::max(1, lines);
}

} // namespace varn::paint

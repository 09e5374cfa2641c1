// The legend of a copy-number page: each track's mark, colour and meaning, in one line of the top
// strip. Items that do not fit in the window's width are left out from the end.
#include "PaintDecor.h"

#include "AlleleCallClasses.h"
#include "CVARNView.h"
#include "DisplayMode.h"
#include "LegendRow.h"
#include "PaintStyle.h"
#include "document/CVARNDoc.h"

#include <vector>

namespace varn::paint {

namespace {

// The moving average is dots or a thick line, as the averaging dialog chose.
LegendItem averageItem(const CVARNView& view, Rgb dots, const Pen& line, const char* text) {
    if (view.drawMethod == 2) return {Swatch::Line, line.colour, 2, text};
    return {Swatch::Dots, dots, 1, text};
}

std::vector<LegendItem> legendItems(const CVARNView& view) {
    const int m = view.displayMode;
    if (m == ModeGenomeSelf || m == ModeChromosomeSelf)
        return {averageItem(view, kBlue, kBlueThickPen, "total ratio (log2)"),
                averageItem(view, kRed, kRedPen, "larger allele"),
                averageItem(view, kDarkerGreen, kDarkGreenPen, "smaller allele"),
                {Swatch::Tick, kMagenta, 1, "LOH: normal AB, tumour AA or BB"},
                {Swatch::Tick, kDarkGreen, 1, "AB call"}};
    std::vector<LegendItem> items = {{Swatch::Dots, kRed, 1, "log ratio of each SNP (ln)"}};
    // A profile the allele-specific HMM decoded: its states' classes, as the call line colours them.
    if (!view.GetDocument().hmmMinorCopies.empty()) {
        items.push_back({Swatch::None, {}, 0, "allele-specific call:"});
        for (const AlleleCallClass& c : kAlleleCallClasses)
            items.push_back({Swatch::Line, c.colour, 3, c.label});
    } else {
        items.insert(items.end(), {{Swatch::None, {}, 0, "HMM call:"},
                                   {Swatch::Line, kCallLoss, 3, "loss"},
                                   {Swatch::Line, kCallGain, 3, "gain"},
                                   {Swatch::Line, kCallLoh, 3, "LOH"},
                                   {Swatch::Line, kCallTwoCopies, 3, "2 copies"}});
    }
    items.insert(items.end(), {averageItem(view, kBlue, kBlueThickPen, "moving average"),
                               {Swatch::Tick, kBlue, 1, "LOH score"},
                               {Swatch::Tick, kMagenta, 1, "LOH at 2+ copies"},
                               {Swatch::Tick, kDarkGreen, 1, "AB call"}});
    return items;
}

} // namespace

void drawLegend(Decor& d, const CVARNView& view, int line) {
    const PageFrame& f = d.frame();
    const std::vector<LegendItem> items = legendItems(view);
    drawLegendLine(d, items, f.pad, f.pad + line * d.lineHeight(), d.shownRight() - f.pad, d.topStrip());
}

} // namespace varn::paint

// The legend of a copy-number page: each track's mark, colour and meaning, in the lines of the top
// strip it needs at the window's width, then the ideogram's stains, then the B-allele fraction
// panel's key on a line of its own.
#include "PaintDecor.h"

#include "AlleleCallClasses.h"
#include "BafPanelStyle.h"
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

// The strip under each panel: the ticks at heterozygous calls over the cytoband ideogram, whose
// G-bands run from white to black by their stain and whose centromere, variable heterochromatin
// and stalks have colours of their own.
void addIdeogramItems(std::vector<LegendItem>& items) {
    items.insert(items.end(), {{Swatch::Tick, kDarkGreen, 1, "AB (heterozygous) call"},
                               {Swatch::None, {}, 0, "ideogram:"},
                               {Swatch::Bar, stainColour(3), 1, "G-band, light to dark by stain"},
                               {Swatch::Bar, stainColour(6), 1, "centromere"},
                               {Swatch::Bar, stainColour(7), 1, "variable heterochromatin"},
                               {Swatch::Bar, stainColour(8), 1, "stalk"}});
}

} // namespace

std::vector<LegendItem> copyNumberLegend(const CVARNView& view) {
    const int m = view.displayMode;
    if (m == ModeGenomeSelf || m == ModeChromosomeSelf) {
        std::vector<LegendItem> items = {averageItem(view, kBlue, kBlueThickPen, "total ratio (log2)"),
                                         averageItem(view, kRed, kRedPen, "larger allele"),
                                         averageItem(view, kDarkerGreen, kDarkGreenPen, "smaller allele"),
                                         {Swatch::Tick, kMagenta, 1, "LOH: normal AB, tumour AA or BB"}};
        addIdeogramItems(items);
        return items;
    }
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
                               {Swatch::Tick, kMagenta, 1, "LOH at 2+ copies"}});
    addIdeogramItems(items);
    return items;
}

namespace {

// The items line by line from the strip's given line; returns the line after the last.
int drawLegendLines(Decor& d, std::span<const LegendItem> items, int line) {
    const PageFrame& f = d.frame();
    while (!items.empty() && line < f.lines) {
        const std::size_t drawn = drawLegendLine(d, items, f.pad, f.pad + line * d.lineHeight(),
                                                 d.shownRight() - f.pad, d.topStrip());
        ++line;
        // An item wider than the whole line is left out rather than tried again.
        items = items.subspan(std::max<std::size_t>(drawn, 1));
    }
    return line;
}

} // namespace

void drawLegend(Decor& d, const CVARNView& view, int line) {
    const std::vector<LegendItem> items = copyNumberLegend(view);
    line = drawLegendLines(d, items, line);
    if (view.bafPanelShown()) drawLegendLines(d, bafPanelKey(), line);
}

} // namespace varn::paint

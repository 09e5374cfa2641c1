// The rows of each page in one table, read by the axes, the labels' layout and the call line.
#include "PanelRows.h"

#include "BafPanelStyle.h"
#include "DisplayMode.h"
#include "GenomeLayout.h"

#include <cmath>
#include <cstdio>

namespace varn::paint {

namespace {

// A copy-number plot draws one unit of log ratio as 100 logical units; a track's zero line lies
// one unit above its grid's base line (see drawTrackGrid).
constexpr int kUnitsPerLogRatio = 100;
// The compensation page draws one unit as 200.
constexpr int kCompensationUnits = 200;

ValueRow logRatioRow(int zeroY, const char* unit) {
    return {zeroY, kUnitsPerLogRatio, -1.0, 1.0, 0.5, unit, -1.0, 1.0};
}

} // namespace

PanelRows panelRows(int displayMode, bool bafPanel) {
    PanelRows rows;
    switch (displayMode) {
    case ModeGenomeBoth:
    case ModeChromosomeBoth:
    case ModeGenomeSingle:
    case ModeChromosomeSingle:
        // The raw ratio with the decoded call over it, then the moving average; the ideogram, the
        // ticks at AB calls and the LOH marks; the LOH-score bars.
        rows.values = {logRatioRow(700, "ln"), logRatioRow(1000, "ln")};
        rows.marks = {{1250, 1320}, {1340, 1370}, {1400, 1430}};
        rows.lohBarsTop = 1500;
        break;
    case ModeGenomeSelf:
    case ModeChromosomeSelf:
        // The total ratio, then the two allele ratios; the ideogram, the AB ticks and the marks
        // where the normal's two alleles became one.
        rows.values = {logRatioRow(1000, "log2"), logRatioRow(1600, "log2")};
        rows.marks = {{1250, 1320}, {1340, 1370}, {1371, 1400}};
        break;
    default:
        return rows;
    }
    if (bafPanel) {
        rows.values.push_back(bafValueRow(kBafPanelTop + kBafPanelHeight, kBafPanelHeight));
        rows.marks.push_back({kBafPanelTop - kBafLohBarHeight - kBafLohBarGap, kBafPanelTop - kBafLohBarGap});
    }
    return rows;
}

std::vector<ValueRow> compensationRows() {
    std::vector<ValueRow> rows;
    // The scatter of one reference against the sample spills half a unit past the grid; the band's
    // name sat there, at the grid's +1.5, from the start.
    for (int band = 0; band < 6; ++band)
        rows.push_back({800 + 1000 * band, kCompensationUnits, -1.0, 1.0, 0.5, "ln", -1.5, 1.5});
    // The linear ratio, 1.0 on the band's solid line; it never falls below 0.
    rows.push_back({6800, kCompensationUnits, 0.0, 2.0, 0.5, "ratio", 0.0, 2.5});
    return rows;
}

std::string tickText(double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", std::abs(value) < 1e-9 ? 0.0 : value);
    return text;
}

} // namespace varn::paint

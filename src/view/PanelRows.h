#pragma once

#include <string>
#include <vector>

namespace varn::paint {

// A row of a panel that plots a value along the genome: the value 0 lies on zeroY (logical units
// down from the panel's top) and one unit of the value spans unitsPerValue upwards. The grid marks
// low..high; the axis at the left of the page ticks every tickStep and names the unit. The marks
// may reach past the grid, to reachLow..reachHigh, where no label should go either.
struct ValueRow {
    int zeroY = 0;
    int unitsPerValue = 100;
    double low = -1.0, high = 1.0, tickStep = 0.5;
    std::string unit;
    double reachLow = -1.0, reachHigh = 1.0;

    int yOf(double value) const { return zeroY - static_cast<int>(value * unitsPerValue); }
    int top() const { return yOf(high); }
    int bottom() const { return yOf(low); }
    int reachTop() const { return yOf(reachHigh); }
    int reachBottom() const { return yOf(reachLow); }
};

// A strip of marks without a scale (the cytoband ideogram, the ticks at heterozygous calls, the
// LOH marks), in logical units from the panel's top.
struct MarkRow {
    int top = 0, bottom = 0;
};

// What one copy-number panel holds, from the top: the value rows, each with an axis, then the
// strips of marks, then the LOH-score bars hanging down by the score (pool pages only). A new
// kind of row (a B-allele fraction under the profile) is one more entry here, and the axes, the
// labels' room and the page's height follow it.
struct PanelRows {
    std::vector<ValueRow> values;
    std::vector<MarkRow> marks;
    int lohBarsTop = -1; // -1: no LOH-score bars
};

// The rows of the copy-number pages: against the pool (modes 2-5, natural-log ratios) or the
// paired normal (modes 21 and 22, base-2 ratios); with bafPanel, the B-allele fraction panel under
// them, its LOH bar a strip of marks over it.
PanelRows panelRows(int displayMode, bool bafPanel = false);

// The seven bands of the compensation page, top to bottom: six log-ratio scatters and the linear
// ratio along the genome.
std::vector<ValueRow> compensationRows();

// A tick's label: "-1", "-0.5", "0", "0.5", "1", "1.5", "2".
std::string tickText(double value);

} // namespace varn::paint

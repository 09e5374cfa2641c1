#pragma once

#include "document/ChromosomeTable.h"

namespace varn {

// The genome page's rows of chromosome panels, laid out on the chromosome table.
inline constexpr int kPanelRowHeight = 1400;
inline constexpr int kPanelGap = 100;

// The B-allele fraction panel under each chromosome's profile, when it is shown: a fraction of 1
// at panel y + kBafPanelTop, 0 at kBafPanelHeight below it. It starts below everything the profile
// hangs under its ideogram (the LOH score bars, the paired allele ratios, which reach y + 1800), so
// the profile keeps its own height and place; the rows of the genome page move apart instead, and
// the gap above the next row's label stays what it was.
inline constexpr int kBafPanelTop = 1850;
inline constexpr int kBafPanelHeight = 500;
inline constexpr int kPanelRowHeightWithBaf = kPanelRowHeight + 600;

// Distance between two rows of panels.
inline constexpr int panelRowPitch(bool bafPanel) { return bafPanel ? kPanelRowHeightWithBaf : kPanelRowHeight; }

// The six rows of the genome page and the first chromosome of each row.
inline constexpr int kPanelRowFirst[6] = {1, 3, 6, 9, 13, 18};

// Panel row (0..5) of chromosome c.
int panelRowOf(int chromosome);

// Fills panelX and panelY (indexed [t][c], c = 1..23) from the chromosome table: the first
// chromosome of a row starts at x = 0, each following one at the SNP offset from the row's first
// chromosome plus 100 per chromosome gap; rows are 1400 units apart.
void buildPanelLayout(int panelX[3][24], int panelY[3][24]);

} // namespace varn

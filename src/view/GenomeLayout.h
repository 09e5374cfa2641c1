#pragma once

namespace varn {

// The fixed genome layout shared by the view and the engine: for each array type (0 merged,
// 1 Xba, 2 Hind) the display index of the first SNP of chromosome c (1..22, 23 = X), with slot 24
// one past the last SNP of X. The counts are those of the annotation tables. Note that the merged
// table is one SNP off the sum of the two arrays at chromosome 5: merged chromosome 5 starts at
// 35957 while Xba and Hind chromosomes 1-4 hold 35,958 SNPs, so one chromosome-4 SNP is shown at
// the start of merged chromosome 5.
inline constexpr int kChromosomeStart[3][25] = {
    {0, 0, 9197, 19549, 27362, 35957, 44328, 52417, 59486, 66461, 71262, 76954, 82321, 87584, 92825,
     96840, 99872, 102252, 104215, 107785, 108473, 110563, 112476, 113237, 115571},
    {0, 57244, 61903, 67181, 71042, 75282, 79437, 83555, 87169, 90591, 93032, 95973, 98873, 101554,
     104129, 106210, 107803, 109046, 110018, 111856, 112219, 113317, 114346, 114673, 115857},
    {0, 0, 4538, 9612, 13564, 17920, 22135, 26106, 29561, 33114, 35474, 38225, 40692, 43274, 45940,
     47874, 49313, 50450, 51441, 53173, 53498, 54490, 55374, 55808, 56958},
};

inline constexpr int kChromosomeX = 23;
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

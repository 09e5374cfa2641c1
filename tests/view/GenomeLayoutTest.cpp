#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(GenomeLayout, RowsStartAtZeroAndFollowingPanelsAddSnpOffsetAndGap) {
    int panelX[3][24], panelY[3][24];
    buildPanelLayout(panelX, panelY);
    // Row 1 holds chromosomes 3, 4, 5 of Hind: chromosome 4 starts 13564 - 9612 + 100 units right.
    EXPECT_EQ(panelX[2][3], 0);
    EXPECT_EQ(panelX[2][4], 13564 - 9612 + 100);
    EXPECT_EQ(panelX[2][5], 17920 - 9612 + 200);
    EXPECT_EQ(panelY[2][5], 1400);
    // X closes the sixth row, five gaps after chromosome 18.
    EXPECT_EQ(panelX[1][23], 114673 - 110018 + 500);
    EXPECT_EQ(panelY[0][23], 7000);
    EXPECT_EQ(panelY[0][9], 4200);
}

TEST(GenomeLayout, MergedTableIsOneSnpOffTheSumOfBothArraysAtChromosomeFive) {
    for (int c = 1; c <= 24; ++c) {
        const int sum = (kChromosomeStart[1][c] - kChromosomeStart[1][1]) + kChromosomeStart[2][c];
        const int expectedOffset = c == 5 ? 1 : 0;
        EXPECT_EQ(sum - kChromosomeStart[0][c], expectedOffset) << "chromosome " << c;
    }
}

} // namespace
} // namespace varn

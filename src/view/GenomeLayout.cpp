#include "GenomeLayout.h"

namespace varn {

int panelRowOf(int chromosome) {
    int row = 0;
    for (int r = 0; r < 6; ++r)
        if (chromosome >= kPanelRowFirst[r]) row = r;
    return row;
}

void buildPanelLayout(int panelX[3][24], int panelY[3][24]) {
    for (int t = 0; t < 3; ++t) {
        panelX[t][0] = 0;
        panelY[t][0] = 0;
        for (int c = 1; c <= kChromosomeX; ++c) {
            const int row = panelRowOf(c);
            const int first = kPanelRowFirst[row];
            const int j = c - first;
            panelX[t][c] = j == 0 ? 0 : kChromosomeStart[t][c] - kChromosomeStart[t][first] + kPanelGap * j;
            panelY[t][c] = kPanelRowHeight * row;
        }
    }
}

} // namespace varn

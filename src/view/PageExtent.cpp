#include "PageExtent.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "GenomeLayout.h"

#include <algorithm>

namespace varn {

namespace {

// Below the last row of panels hang its LOH bars; a single chromosome's panel ends the same way.
// The compensation page's seventh band sits at 6800 with the linear ratio above it, and its
// grid runs to 6000.
constexpr int kGenomePageBottom = 7000 + 1800;
constexpr int kChromosomePanelBottom = 1800;
// With the B-allele fraction panels the page ends a little below the last one.
constexpr int kBafPanelBottom = kBafPanelTop + kBafPanelHeight + 50;
constexpr int kCompensationPageRight = 6100;
constexpr int kCompensationPageBottom = 6900;
// The 100-unit margin either side of a chromosome's SNPs.
constexpr int kPanelMargins = 200;

} // namespace

PageExtent pageExtent(const CVARNView& view) {
    const int t = std::clamp(view.shownArrayType, 0, 2);
    switch (view.displayMode) {
    case ModeGenomeBoth:
    case ModeGenomeSingle:
    case ModeGenomeSelf: {
        int right = 0;
        for (int c = 1; c <= kChromosomeX; ++c) {
            const int width = view.chromosomeStart[t][c + 1] - view.chromosomeStart[t][c];
            right = std::max(right, view.panelX[t][c] + kPanelMargins + width);
        }
        if (view.bafPanelShown()) return {right, 5 * kPanelRowHeightWithBaf + kBafPanelBottom};
        return {right, kGenomePageBottom};
    }
    case ModeChromosomeBoth:
    case ModeChromosomeSingle:
    case ModeChromosomeSelf: {
        const int c = std::clamp(view.currentChromosome, 1, kChromosomeX);
        return {kPanelMargins + view.chromosomeStart[t][c + 1] - view.chromosomeStart[t][c],
                view.bafPanelShown() ? kBafPanelBottom : kChromosomePanelBottom};
    }
    case ModeCompensation:
        return {kCompensationPageRight, kCompensationPageBottom};
    case ModeProfileGenome:
    case ModeProfileChromosome: {
        // One device pixel a unit, the window's height, and as many windows across as zoomed.
        const PictureSize size = view.profilePageSize();
        return {size.width * (view.fitToWindow ? 1 : std::max(1, view.profileZoom)), size.height};
    }
    default:
        return {};
    }
}

} // namespace varn

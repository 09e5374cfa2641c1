// The compensation plots are the first thing shown of a new pool-mode sample: the one-reference
// ratio against fragment length and GC content, with the fitted curves.
#include "CVARNView.h"

namespace varn {

void CVARNView::showCompensationPlots(int t) {
    shownArrayType = t;
    resetScroll();
    windowOrgX = 0;
    windowOrgY = 0;
    windowExtX = 1;
    windowExtY = 1;
    displayMode = ModeCompensation;
    Invalidate(true);
}

} // namespace varn

#pragma once

namespace varn {

class CVARNView;

// The logical size of the page a display mode draws, from (0, 0): its right and bottom ends with
// room for what hangs below the last panel. Zero for a display with no page (nothing analysed,
// the reference ranking, which draws at one pixel per unit in a dialog of its own).
struct PageExtent {
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= 0 || bottom <= 0; }
};

PageExtent pageExtent(const CVARNView& view);

} // namespace varn

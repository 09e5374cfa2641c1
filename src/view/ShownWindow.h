#pragma once

#include "Canvas.h"
#include "WindowMapping.h"

namespace varn {

class CVARNView;

// The window mapping a paint uses now: the preset's origin moved by the scroll offsets and held
// inside the page, or under Fit to Window origin (0, 0) and the smallest extents, in the preset's
// proportions, that put the whole page inside the viewport. Without a page or a viewport it is
// the preset itself, so headless paints draw exactly what they always drew. With annotations the
// page's part of the viewport starts right of and under their strips (PageFrame.h): the mapping's
// origin lies that many pixels further up and left, and the scroll values below count from there.
WindowMapping shownWindow(const CVARNView& view);

// One scroll bar in logical units: the shown origin runs from minimum to maximum; a page step
// is most of the viewport, a single step twenty device pixels.
struct ScrollAxis {
    int minimum = 0, maximum = 0, value = 0;
    int pageStep = 1, singleStep = 1;
    bool needed() const { return maximum > minimum; }
};
ScrollAxis scrollAxisX(const CVARNView& view);
ScrollAxis scrollAxisY(const CVARNView& view);

// Moves the shown origin to (x, y) logical units, held inside the scroll ranges.
void scrollWindowTo(CVARNView& view, int x, int y);

// The point under device pixel (x, y) of the client area, in logical units of the page.
Point logicalPointAt(const CVARNView& view, int x, int y);

} // namespace varn

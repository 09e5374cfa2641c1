#include "ShownWindow.h"

#include "CVARNView.h"
#include "DisplayMode.h"
#include "PageExtent.h"
#include "PageFrame.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

int presetExtent(int e) { return e == 0 ? 1 : e; }

// With annotations the compensation page opens whole in the window: at its entry preset of one
// unit a pixel most of it lies outside, and the plots' x (fragment length, GC content, position)
// and y (log ratio) have no common scale to keep, so each axis is fitted on its own.
bool compensationOpening(const CVARNView& view) {
    return view.annotate && view.displayMode == ModeCompensation && view.windowExtX == 1 &&
           view.windowExtY == 1 && view.windowOrgX == 0 && view.windowOrgY == 0;
}

bool fitted(const CVARNView& view, const PageExtent& page) {
    return (view.fitToWindow || compensationOpening(view)) && !page.empty() && view.viewportWidth > 0 &&
           view.viewportHeight > 0;
}

// The viewport's pixels left to the page itself: the annotation strips take theirs first.
int plotWidth(const CVARNView& view, const PageFrame& frame) {
    return std::max(1, view.viewportWidth - frame.left);
}
int plotHeight(const CVARNView& view, const PageFrame& frame) {
    return std::max(1, view.viewportHeight - frame.top - frame.bottom);
}

// Fit to Window keeps the preset's proportions (the merged genome page is drawn twice as dense
// across as down) and scales both axes by the factor the tighter one needs.
void fitExtents(const CVARNView& view, const PageExtent& page, const PageFrame& frame, int& extX, int& extY) {
    const double width = plotWidth(view, frame), height = plotHeight(view, frame);
    if (compensationOpening(view)) {
        extX = std::max(1, static_cast<int>(std::ceil(page.right / width)));
        extY = std::max(1, static_cast<int>(std::ceil(page.bottom / height)));
        return;
    }
    const double px = std::abs(presetExtent(view.windowExtX)), py = std::abs(presetExtent(view.windowExtY));
    const double factor = std::max(page.right / (width * px), page.bottom / (height * py));
    extX = std::max(1, static_cast<int>(std::ceil(px * factor)));
    extY = std::max(1, static_cast<int>(std::ceil(py * factor)));
}

// Range of the shown origin on one axis: from the page's start to where its end meets the
// viewport's, never excluding the preset's own origin (CGH View starts far down the page).
ScrollAxis axis(int presetOrigin, int scroll, int pageEnd, int viewportPixels, int extent) {
    ScrollAxis a;
    const int e = std::abs(presetExtent(extent));
    a.minimum = std::min(0, presetOrigin);
    a.maximum = viewportPixels > 0 ? std::max(presetOrigin, pageEnd - viewportPixels * e) : presetOrigin;
    a.value = std::clamp(presetOrigin + scroll, a.minimum, std::max(a.minimum, a.maximum));
    a.pageStep = std::max(1, viewportPixels * e * 9 / 10);
    a.singleStep = 20 * e;
    return a;
}

} // namespace

// The scroll bars move the point shown at the top-left of the page's part of the viewport, right
// of and under the annotation strips; the room under a chromosome's panel scrolls with the page.
ScrollAxis scrollAxisX(const CVARNView& view) {
    const PageExtent page = pageExtent(view);
    if (page.empty() || fitted(view, page)) return {};
    const PageFrame frame = pageFrame(view);
    const int pixels = view.viewportWidth > 0 ? view.viewportWidth - frame.left : 0;
    return axis(view.windowOrgX, view.scrollX, page.right, pixels, view.windowExtX);
}

ScrollAxis scrollAxisY(const CVARNView& view) {
    const PageExtent page = pageExtent(view);
    if (page.empty() || fitted(view, page)) return {};
    const PageFrame frame = pageFrame(view);
    const int pixels = view.viewportHeight > 0 ? view.viewportHeight - frame.top : 0;
    const int end = page.bottom + frame.bottom * std::abs(presetExtent(view.windowExtY));
    return axis(view.windowOrgY, view.scrollY, end, pixels, view.windowExtY);
}

WindowMapping shownWindow(const CVARNView& view) {
    // The preset's extents as set (0 before a mode chose one), which a surface takes as 1.
    WindowMapping m{view.windowOrgX, view.windowOrgY, view.windowExtX, view.windowExtY};
    const PageExtent page = pageExtent(view);
    if (page.empty()) return m;
    const PageFrame frame = pageFrame(view);
    if (fitted(view, page)) {
        fitExtents(view, page, frame, m.extX, m.extY);
        m.orgX = -frame.left * m.extX;
        m.orgY = -frame.top * m.extY;
        return m;
    }
    m.orgX = scrollAxisX(view).value - frame.left * presetExtent(m.extX);
    m.orgY = scrollAxisY(view).value - frame.top * presetExtent(m.extY);
    return m;
}

void scrollWindowTo(CVARNView& view, int x, int y) {
    const ScrollAxis ax = scrollAxisX(view), ay = scrollAxisY(view);
    view.scrollX = std::clamp(x, ax.minimum, std::max(ax.minimum, ax.maximum)) - view.windowOrgX;
    view.scrollY = std::clamp(y, ay.minimum, std::max(ay.minimum, ay.maximum)) - view.windowOrgY;
    view.Invalidate();
}

Point logicalPointAt(const CVARNView& view, int x, int y) {
    const WindowMapping m = shownWindow(view);
    return {m.logicalX(x), m.logicalY(y)};
}

} // namespace varn

#include "ShownWindow.h"

#include "CVARNView.h"
#include "PageExtent.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

int presetExtent(int e) { return e == 0 ? 1 : e; }

bool fitted(const CVARNView& view, const PageExtent& page) {
    return view.fitToWindow && !page.empty() && view.viewportWidth > 0 && view.viewportHeight > 0;
}

// Fit to Window keeps the preset's proportions (the merged genome page is drawn twice as dense
// across as down) and scales both axes by the factor the tighter one needs.
void fitExtents(const CVARNView& view, const PageExtent& page, int& extX, int& extY) {
    const double px = std::abs(presetExtent(view.windowExtX)), py = std::abs(presetExtent(view.windowExtY));
    const double factor = std::max(page.right / (view.viewportWidth * px), page.bottom / (view.viewportHeight * py));
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

ScrollAxis scrollAxisX(const CVARNView& view) {
    const PageExtent page = pageExtent(view);
    if (page.empty() || fitted(view, page)) return {};
    return axis(view.windowOrgX, view.scrollX, page.right, view.viewportWidth, view.windowExtX);
}

ScrollAxis scrollAxisY(const CVARNView& view) {
    const PageExtent page = pageExtent(view);
    if (page.empty() || fitted(view, page)) return {};
    return axis(view.windowOrgY, view.scrollY, page.bottom, view.viewportHeight, view.windowExtY);
}

WindowMapping shownWindow(const CVARNView& view) {
    // The preset's extents as set (0 before a mode chose one), which a surface takes as 1.
    WindowMapping m{view.windowOrgX, view.windowOrgY, view.windowExtX, view.windowExtY};
    const PageExtent page = pageExtent(view);
    if (page.empty()) return m;
    if (fitted(view, page)) {
        m.orgX = m.orgY = 0;
        fitExtents(view, page, m.extX, m.extY);
        return m;
    }
    m.orgX = scrollAxisX(view).value;
    m.orgY = scrollAxisY(view).value;
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

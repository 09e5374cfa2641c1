#pragma once

#include "Canvas.h"

namespace varn {

class CVARNView;

// The text sizes the annotation strips are measured with, in device pixels of the surface the
// view painted on last: the height of a line and the width of the widest label an axis carries.
struct LabelMetrics {
    int lineHeight = 15;
    int axisLabelWidth = 35;
    // The lines the page's title and its legend took at the window's width when last painted.
    int titleLines = 1;
    int legendLines = 1;
    friend bool operator==(const LabelMetrics&, const LabelMetrics&) = default;
};

LabelMetrics measureLabels(const Canvas& canvas);

// The device-pixel strips "Axes and Legend" keeps around a page: a top strip for the title and
// legend lines and a left strip for the value axes, both held at the window's edges while the page
// scrolls under them, and room under the page (a chromosome's megabase axis, the compensation
// page's last chromosome names), which scrolls with the page. The strips are measured in pixels, not in the
// page's units, so that the texts keep their room at every extent. All zero when the annotations are off or
// there is no page.
struct PageFrame {
    int left = 0, top = 0, bottom = 0;
    int pad = 0;   // room between texts and the edges of their strip
    int tick = 0;  // length of an axis tick
    int lines = 0; // text lines in the top strip
};

PageFrame pageFrame(const CVARNView& view);

} // namespace varn

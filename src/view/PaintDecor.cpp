// The annotation layer's device-pixel bookkeeping: the strips, the plots' areas, the labels'
// layout, and marks put at device points.
#include "PaintDecor.h"

#include "CVARNView.h"
#include "GenomeLayout.h"
#include "PageExtent.h"
#include "PaintStyle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace varn::paint {

namespace {

// The strip texts may run past the window's right edge (a long title); nothing else lives there.
constexpr int kFarRight = 1 << 20;

} // namespace

Decor::Decor(Canvas& canvas, const CVARNView& view, const WindowMapping& shown)
    : canvas_(canvas), map_(shown), frame_(pageFrame(view)), lineHeight_(view.labelMetrics.lineHeight) {
    // The window, or for a picture the page from the shown origin to its end and the room under it.
    const PageExtent page = pageExtent(view);
    const int pageRight = static_cast<int>(std::ceil(x(page.right)));
    const int pageBottom = static_cast<int>(std::ceil(y(page.bottom))) + frame_.bottom;
    area_ = {0, 0, std::max({1, view.viewportWidth, pageRight}),
             std::max({1, view.viewportHeight, pageBottom})};
    shownRight_ = view.viewportWidth > 0 ? view.viewportWidth : area_.right;
}

Box Decor::box(int left, int top, int right, int bottom) const {
    double x1 = x(left), x2 = x(right), y1 = y(top), y2 = y(bottom);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // The surface rounds each point to its nearest pixel and a line covers both end pixels.
    return {static_cast<int>(std::floor(x1)), static_cast<int>(std::floor(y1)),
            static_cast<int>(std::ceil(x2)) + 1, static_cast<int>(std::ceil(y2)) + 1};
}

Pen Decor::pen(Rgb colour, int pixels, PenStyle style) const {
    const int extent = map_.extX == 0 ? 1 : std::abs(map_.extX);
    return {style, pixels * extent, colour};
}

Box Decor::topStrip() const {
    return {0, 0, kFarRight, frame_.top};
}

Box Decor::leftStrip() const {
    return {0, frame_.top, frame_.left, area_.bottom};
}

Box Decor::plotWindow() const {
    return {frame_.left, frame_.top, area_.right, area_.bottom};
}

void Decor::blockPlot(const Box& area) {
    const Box window = plotWindow();
    const Box clipped{std::max(area.left, window.left), std::max(area.top, window.top),
                      std::min(area.right, window.right), std::min(area.bottom, window.bottom)};
    layout_.block(clipped);
}

void Decor::coverStrips() {
    canvas_.setPen(pen(kWhite, 1));
    canvas_.setBrush(kWhite);
    canvas_.fillRect(logicalX(0), logicalY(0), logicalX(area_.right), logicalY(frame_.top - 1));
    canvas_.fillRect(logicalX(0), logicalY(frame_.top), logicalX(frame_.left - 1), logicalY(area_.bottom));
}

Box Decor::textBox(int left, int top, const std::string& text) const {
    const TextSize s = size(text);
    return {left, top, left + s.width, top + s.height};
}

bool Decor::label(int left, int top, const std::string& text, const Box& region) {
    if (!layout_.place(textBox(left, top, text), region)) return false;
    canvas_.textOut(logicalX(left), logicalY(top), text);
    return true;
}

void Decor::line(int x1, int y1, int x2, int y2, const Pen& pen) {
    canvas_.setPen(pen);
    canvas_.moveTo(logicalX(x1), logicalY(y1));
    canvas_.lineTo(logicalX(x2), logicalY(y2));
}

void drawStripLines(Decor& d, std::span<const std::string> lines, int firstLine) {
    const int pad = d.frame().pad;
    for (std::size_t k = 0; k < lines.size(); ++k)
        d.label(pad, pad + (firstLine + static_cast<int>(k)) * d.lineHeight(), lines[k], d.topStrip());
}

void drawChromosomeLabels(Decor& d, std::span<const Panel> panels, int labelBottom, bool followWindow) {
    const Box window = d.plotWindow();
    const int pad = d.frame().pad;
    for (const Panel& p : panels) {
        const int dataLeft = static_cast<int>(std::lround(d.x(p.left())));
        const int left = followWindow ? std::max(dataLeft, window.left + pad) : dataLeft;
        // A genome page's label keeps to its own panel and the gap after it.
        const int room = static_cast<int>(std::floor(d.x(p.left() + p.width() + kPanelGap))) - left;
        // Close over the row: the room between rows is what a genome page fitted into a small
        // frame (a report's) has least of.
        const int bottom = static_cast<int>(std::floor(d.y(p.y + labelBottom))) - std::max(1, pad / 2);
        const std::string forms[] = {chromosomeLabel(p.chromosome), p.chromosome == kChromosomeX
                                                                        ? std::string("X")
                                                                        : std::to_string(p.chromosome)};
        // The long form anywhere over the panel before the short one: at its left, in its middle,
        // at its right, wherever the bars of the row above and the neighbours' labels leave room.
        bool placed = false;
        for (const std::string& text : forms) {
            const TextSize s = d.size(text);
            if (followWindow) {
                placed = d.label(left, bottom - s.height, text, window);
            } else {
                const int slack = room - s.width - kLabelGap;
                for (int shift : {0, slack / 2, slack}) {
                    if (slack < 0 || placed) break;
                    placed = d.label(left + shift, bottom - s.height, text, window);
                }
            }
            if (placed) break;
        }
    }
}

} // namespace varn::paint

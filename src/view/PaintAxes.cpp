// The axes of "Axes and Legend": a value axis at the left of every row of panels, held in the left
// strip while the page scrolls under it, and the megabase ticks under a chromosome.
#include "PaintDecor.h"

#include "PaintStyle.h"
#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace varn::paint {

namespace {

// Every whole step of this many megabases gets a tick; the step is the smallest that leaves room
// for a label between ticks at the panel's mean SNP density.
constexpr int kMegabaseSteps[] = {1, 2, 5, 10, 20, 25, 50, 100};

// The labels of one row's axis, each at the height of its tick, right-aligned to the ticks.
struct RowLabels {
    std::string high, low, middle, unit;
    int highY = 0, lowY = 0, middleY = 0;
    std::vector<std::pair<int, std::string>> others;
    bool ends = false, full = false;
};

} // namespace

// A reader needs a scale before anything else: both ends of a row's axis, or neither (one alone
// reads as a number of the row above or below). Then the middle, the unit over the row's topmost
// label, and the ticks in between only where the ends and the middle found room, so that no row
// shows a scale it does not finish.
void drawValueAxes(Decor& d, std::span<const int> rowTops, std::span<const ValueRow> rows) {
    const PageFrame& f = d.frame();
    const Box strip = d.leftStrip();
    const int axisX = f.left - f.pad;
    const int labelRight = axisX - f.tick - 2;
    const Pen pen = d.pen(kAxisColour, 1);
    auto at = [&](int middleY, const std::string& text) {
        const TextSize s = d.size(text);
        return d.textBox(labelRight - s.width, middleY - s.height / 2, text);
    };
    auto put = [&](int middleY, const std::string& text) {
        const Box b = at(middleY, text);
        return d.label(b.left, b.top, text, strip);
    };
    std::vector<RowLabels> axes;
    for (int rowTop : rowTops) {
        for (const ValueRow& r : rows) {
            const int top = static_cast<int>(std::lround(d.y(rowTop + r.top())));
            const int bottom = static_cast<int>(std::lround(d.y(rowTop + r.bottom())));
            // A row scrolled under the top strip, or past the window's end, has no axis.
            if (std::max(top, strip.top) > std::min(bottom, strip.bottom - 1)) continue;
            d.line(axisX, std::max(top, strip.top), axisX, std::min(bottom, strip.bottom - 1), pen);
            RowLabels labels;
            labels.unit = r.unit;
            const int steps = static_cast<int>(std::lround((r.high - r.low) / r.tickStep));
            for (int k = 0; k <= steps; ++k) {
                const double value = r.low + k * r.tickStep;
                const int y = static_cast<int>(std::lround(d.y(rowTop + r.yOf(value))));
                if (y >= strip.top && y < strip.bottom) d.line(axisX - f.tick, y, axisX, y, pen);
                if (k == 0)
                    labels.low = tickText(value), labels.lowY = y;
                else if (k == steps)
                    labels.high = tickText(value), labels.highY = y;
                else if (2 * k == steps)
                    labels.middle = tickText(value), labels.middleY = y;
                else
                    labels.others.emplace_back(y, tickText(value));
            }
            axes.push_back(std::move(labels));
        }
    }
    for (RowLabels& a : axes) {
        const Box high = at(a.highY, a.high), low = at(a.lowY, a.low);
        a.ends = d.fits(high, strip) && d.fits(low, strip) && !high.intersects(low);
        if (a.ends) put(a.highY, a.high), put(a.lowY, a.low);
    }
    std::vector<bool> middles;
    for (RowLabels& a : axes) {
        middles.push_back(put(a.middleY, a.middle));
        a.full = middles.back() && a.ends;
    }
    // The unit above the topmost label of the row, where a row too small for its ends shows its
    // middle alone.
    for (std::size_t k = 0; k < axes.size(); ++k) {
        const RowLabels& a = axes[k];
        if (a.ends)
            put(a.highY - d.lineHeight(), a.unit);
        else if (middles[k])
            put(a.middleY - d.lineHeight(), a.unit);
    }
    for (const RowLabels& a : axes) {
        if (!a.full) continue;
        for (const auto& [y, text] : a.others) put(y, text);
    }
}

void drawMegabaseAxis(Decor& d, const CVARNDoc& doc, int t, const Panel& panel, int axisY) {
    if (panel.width() < 2) return;
    const PageFrame& f = d.frame();
    const Box window = d.plotWindow();
    const int y = static_cast<int>(std::lround(d.y(panel.y + axisY)));
    const int left = static_cast<int>(std::lround(d.x(panel.left())));
    const int right = static_cast<int>(std::lround(d.x(panel.left() + panel.width())));
    if (y < window.top || y >= window.bottom || std::max(left, window.left) >= std::min(right, window.right))
        return;
    const Pen pen = d.pen(kAxisColour, 1);
    d.line(std::max(left, window.left), y, std::min(right, window.right - 1), y, pen);

    auto position = [&](int i) { return doc.snpPosition[snpOf(doc, t, i)]; };
    const double megabases = std::max(1, position(panel.end - 1) - position(panel.start)) / 1e6;
    const double pixelsPerMegabase = std::max(1, right - left) / megabases;
    const int room = d.size("250").width + 2 * f.pad;
    int step = kMegabaseSteps[std::size(kMegabaseSteps) - 1];
    for (int s : kMegabaseSteps) {
        if (s * pixelsPerMegabase >= room) {
            step = s;
            break;
        }
    }
    const long long stepBases = step * 1'000'000LL;
    // A tick at the first SNP past each whole step, so never before the first SNP nor after the
    // last; across a gap without SNPs (a centromere) the tick names the last step the gap passed.
    long long next = (position(panel.start) / stepBases + 1) * stepBases;
    for (int i = panel.start + 1; i < panel.end; ++i) {
        if (position(i) < next) continue;
        const int x = static_cast<int>(std::lround(d.x(panel.xOf(i))));
        const long long passed = position(i) / stepBases;
        const std::string text = std::to_string(passed * step);
        next = (passed + 1) * stepBases;
        if (x < window.left || x >= window.right) continue;
        d.line(x, y, x, y + f.tick, pen);
        const TextSize s = d.size(text);
        d.label(x - s.width / 2, y + f.tick + 1, text, window);
    }
    const TextSize unit = d.size("Mb");
    d.label(f.left - f.pad - f.tick - 2 - unit.width, y + f.tick + 1, "Mb", d.leftStrip());
}

} // namespace varn::paint

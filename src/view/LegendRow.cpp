// The marks of a legend line, drawn as the tracks draw them: a patch of dots, a line in the
// track's width, a tick, or a bar.
#include "LegendRow.h"

#include "PaintDecor.h"

#include <algorithm>

namespace varn::paint {

int legendItemWidth(const Canvas& canvas, const LegendItem& item, int lineHeight, int pad) {
    const int mark = item.swatch == Swatch::None ? 0 : lineHeight + pad / 2;
    return mark + canvas.textSize(item.text).width;
}

int legendLineCount(const Canvas& canvas, std::span<const LegendItem> items, int width, int lineHeight,
                    int pad) {
    int lines = items.empty() ? 0 : 1, x = 0;
    for (const LegendItem& item : items) {
        const int w = legendItemWidth(canvas, item, lineHeight, pad);
        if (x > 0 && x + w > width) ++lines, x = 0;
        x += w + legendItemGap(pad);
    }
    return lines;
}

std::size_t drawLegendLine(Decor& d, std::span<const LegendItem> items, int left, int top, int right,
                           const Box& region) {
    const PageFrame& f = d.frame();
    const int h = d.lineHeight();
    const int middle = top + h / 2;
    const int swatch = h;
    int x = left;
    std::size_t drawn = 0;
    for (const LegendItem& item : items) {
        const int mark = item.swatch == Swatch::None ? 0 : swatch + f.pad / 2;
        const int width = legendItemWidth(d.canvas(), item, h, f.pad);
        if (x + width > right) break;
        switch (item.swatch) {
        case Swatch::Dots: {
            // A patch of the cloud: single pixels would not show.
            const int r = std::max(2, h / 6);
            d.canvas().setPen(d.pen(item.colour, 1));
            d.canvas().setBrush(item.colour);
            d.canvas().fillRect(d.logicalX(x + swatch / 2 - r), d.logicalY(middle - r),
                                d.logicalX(x + swatch / 2 + r), d.logicalY(middle + r));
            break;
        }
        case Swatch::Line:
            d.line(x, middle, x + swatch, middle, d.pen(item.colour, item.pixels, item.style));
            break;
        case Swatch::Tick:
            d.line(x + swatch / 2, middle - h / 3, x + swatch / 2, middle + h / 3, d.pen(item.colour, 1));
            break;
        case Swatch::Bar: {
            const int r = std::max(2, h / 6);
            d.canvas().setPen(d.pen(item.colour, 1));
            d.canvas().setBrush(item.colour);
            d.canvas().fillRect(d.logicalX(x), d.logicalY(middle - r), d.logicalX(x + swatch),
                                d.logicalY(middle + r));
            break;
        }
        case Swatch::None:
            break;
        }
        d.label(x + mark, top, item.text, region);
        x += width + legendItemGap(f.pad);
        ++drawn;
    }
    return drawn;
}

} // namespace varn::paint

#pragma once

#include "Canvas.h"
#include "LabelLayout.h"

#include <cstddef>
#include <span>

namespace varn::paint {

class Decor;

// One entry of a legend line: the mark a track draws, in its colour, and what it means.
enum class Swatch { None, Dots, Line, Tick, Bar };

struct LegendItem {
    Swatch swatch = Swatch::None;
    Rgb colour;
    int pixels = 1; // line width of a Line swatch
    const char* text = "";
    PenStyle style = PenStyle::Solid; // of a Line swatch
};

// The room an item takes on its line, in device pixels, and the room left after it.
int legendItemWidth(const Canvas& canvas, const LegendItem& item, int lineHeight, int pad);
inline int legendItemGap(int pad) {
    return 2 * pad;
}

// How many text lines the items take when each line runs `width` device pixels.
int legendLineCount(const Canvas& canvas, std::span<const LegendItem> items, int width, int lineHeight,
                    int pad);

// Draws the items from the first one on, from device (left, top) along one text line as far as
// `right`, their texts inside `region`; returns how many fitted, so that a caller may go on with
// the rest on the next line or leave them out.
std::size_t drawLegendLine(Decor& d, std::span<const LegendItem> items, int left, int top, int right,
                           const Box& region);

} // namespace varn::paint

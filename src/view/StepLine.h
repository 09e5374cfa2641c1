#pragma once

#include "Canvas.h"

#include <span>

namespace varn::paint {

// One stretch of a decoded copy-number line: its level y from x0 to x1 (logical units), in the
// colour of its call.
struct Step {
    int x0 = 0, x1 = 0, y = 0;
    Rgb colour;
};

// The steps of one chromosome, in order, as one line: up or down from the level before, then along
// its own level; the lines of one colour go to the surface together. Steps narrower than a pixel
// (extent logical units; a noisy stretch holds thousands at a genome page's extent) become one
// stroke per pixel column and colour, from the highest to the lowest level they visit there: the
// same ink. Three pixels thick on a white edge, so that the line stands out from the cloud of raw
// ratios, even in red.
void drawStepLine(Canvas& canvas, std::span<const Step> steps, int extent);

} // namespace varn::paint

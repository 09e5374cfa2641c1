#pragma once

namespace varn {

class Canvas;
struct PurityEstimate;

// The fit curve of a tumour cell fraction estimate in a box of width x height logical units with
// its top-left at (0, 0): the misfit over the fraction 0.10 .. 1.00 (low is good), the interval
// shaded, the estimate as a red line, the other local minima as dotted lines, axis labels in
// percent. Text is drawn only when labels is true (a small picture in a dialog leaves it out).
void paintPurityCurve(Canvas& canvas, const PurityEstimate& estimate, int width, int height, bool labels);

} // namespace varn

#pragma once

namespace varn {

class Canvas;
struct PurityPloidyFit;

// The joint fit of tumour cell fraction and ploidy as a map in a box of width x height logical
// units with its top-left at (0, 0): the fraction 0.10 .. 1.00 across, the ploidy 1.5 .. 5.5 up,
// each cell shaded by how well it fits (darker is better: the excess of its cost over the best,
// in units of the fit's dispersion, on a log scale), the path a constraint leaves (the baseline's
// copy number, a fraction or ploidy given) dotted, and every solution marked with its number (the
// best in red). Axis labels and the first solution's text only when labels is true.
void paintPurityMap(Canvas& canvas, const PurityPloidyFit& fit, int width, int height, bool labels);

} // namespace varn

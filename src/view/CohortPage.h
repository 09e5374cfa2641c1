#pragma once

#include "Canvas.h"

namespace varn {

class CVARNDoc;
struct CohortSummary;

// The cohort picture: the merged genome page, one panel per chromosome in the six rows of the
// genome view, each with the share of samples gained (red, up from the panel's zero line), lost
// (blue, down from it) and in LOH (magenta, down from the strip above the ideogram), over the
// chromosome's cytoband ideogram. A bar's full height is every sample of the cohort.
struct CohortPageGeometry {
    int originX = 0, originY = 0; // the window origin; the title sits above the first row
    int extentX = 20, extentY = 10;
    int right = 0, bottom = 0; // logical end of the drawing
};

CohortPageGeometry cohortPageGeometry();

// Paints the page; doc supplies the annotation (chromosome, position and cytoband stain of each
// merged SNP), summary the frequencies.
void paintCohortPage(Canvas& canvas, const CVARNDoc& doc, const CohortSummary& summary);

} // namespace varn

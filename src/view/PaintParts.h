#pragma once

#include "Canvas.h"
#include "WindowMapping.h"

#include <span>
#include <string>

namespace varn {

class CVARNDoc;
class CVARNView;
struct AlleleAnalysis;

// The pieces of the view's paint, shared by the per-mode files.
namespace paint {

// One chromosome's panel: its top-left corner and its display-index range [start, end). The
// SNP with display index i sits at x = x + 100 + (i - start), after a 100-unit left margin.
struct Panel {
    int chromosome = 0;
    int x = 0, y = 0;
    int start = 0, end = 0;
    int width() const { return end - start; }
    int left() const { return x + 100; }
    int xOf(int i) const { return x + 100 + (i - start); }
};

// Sets the canvas to the window shown now (the preset, scrolled or fitted) and returns it; the
// titles are drawn at its origin so that they stay at the top-left of the window.
WindowMapping applyShownWindow(Canvas& canvas, const CVARNView& view);

// The panel of chromosome c of array type t, at its genome-page place (its row moved down when the
// B-allele fraction panels take room under the rows) or at (0, 0) for the chromosome modes.
Panel panelOf(const CVARNView& view, int t, int chromosome, bool atOrigin);
// The same for a paint that knows its row pitch (panelRowPitch) already.
Panel panelOf(const CVARNView& view, int t, int chromosome, bool atOrigin, int rowPitch);

// Display index -> position (through the merged order for type 0) and -> SNP record.
int positionOf(const CVARNDoc& doc, int t, int i);
int snpOf(const CVARNDoc& doc, int t, int i);

// trunc(value * scale) as a logical offset. A value that is not finite (the log of a dropped-out
// signal) has no place on the page and yields false; huge values are clamped far off the page so
// that the coordinate arithmetic cannot overflow.
bool scaledOffset(float value, int scale, int& offset);

// printf into a string: the plot texts keep the C formats (%f prints six decimals).
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A pool sample name, at most 31 characters even when its buffer lacks a terminator; empty for
// a row outside the table.
std::string sampleName(const CVARNDoc& doc, int t, int row);

// The five grid lines of one track with base line y = base, from x = left to right.
void drawTrackGrid(Canvas& canvas, int left, int right, int base, int yScale);

// A moving-average curve: drawMethod 1 sets a pixel at each point after the first; 2 draws a
// line with the pen through all of them, the first being the left end of the track's zero line.
void drawAverageCurve(Canvas& canvas, int drawMethod, std::span<const Point> points, Rgb dotColour,
                      const Pen& linePen);

void drawHeteroTicks(Canvas& canvas, const CVARNDoc& doc, int t, const Panel& panel);
void drawIdeogram(Canvas& canvas, const CVARNDoc& doc, int t, const Panel& panel);

// The expected log ratio of a decoded state, the level its call is drawn at.
float stateLevel(const CVARNDoc& doc, int state);

// Titles and labels of the copy-number plots.
std::string copyNumberTitle(CVARNDoc& doc, const CVARNView& view);
// The compensation page's title: the analysed row against the reference row of array t.
std::string compensationTitle(const CVARNDoc& doc, int t, int analysed, int reference);
std::string chromosomeLabel(int chromosome);

// The data tracks of one panel: against the pool (modes 2-5) or the paired normal (21, 22).
void drawPoolTracks(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel);
void drawSelfTracks(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel);

// Label, the two tracks' grids and the data tracks of one panel in the current copy-number mode;
// the label goes at the given point.
void drawPanelPlot(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel,
                   Point label);

// The B-allele fraction panel of one chromosome under its profile: the SNPs' fractions, the
// segments' bands and LOH from the alleles.
void drawBafPanel(Canvas& canvas, const AlleleAnalysis& alleles, const Panel& panel);

// Whole paints of one family of modes.
void paintGenome(Canvas& canvas, CVARNDoc& doc, CVARNView& view);       // 2, 4, 21
void paintChromosome(Canvas& canvas, CVARNDoc& doc, CVARNView& view);   // 3, 5, 22
void paintCompensation(Canvas& canvas, CVARNDoc& doc, CVARNView& view); // 7
void paintReferenceSort(Canvas& canvas);                                // 10
void paintProfileDisplay(Canvas& canvas, const CVARNDoc& doc, CVARNView& view); // 30, 31

} // namespace paint
} // namespace varn

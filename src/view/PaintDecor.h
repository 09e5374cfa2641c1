#pragma once

#include "Canvas.h"
#include "LabelLayout.h"
#include "LegendRow.h"
#include "PageFrame.h"
#include "PaintParts.h"
#include "PanelRows.h"
#include "WindowMapping.h"

#include <span>
#include <string>
#include <vector>

namespace varn {
class CVARNDoc;
class CVARNView;
} // namespace varn

namespace varn::paint {

// The annotation layer of one paint, worked out in device pixels: texts keep their size whatever
// the extent, so their room is measured on the surface and only then taken back into the page's
// logical units to be drawn. Holds the paint's label layout.
class Decor {
  public:
    Decor(Canvas& canvas, const CVARNView& view, const WindowMapping& shown);
    // A page of its own (a profile's picture): its strips and its area in device pixels, the whole
    // area shown.
    Decor(Canvas& canvas, const WindowMapping& shown, const PageFrame& frame, int lineHeight, const Box& area)
        : canvas_(canvas), map_(shown), frame_(frame), lineHeight_(lineHeight), area_(area),
          shownRight_(area.right) {}

    Canvas& canvas() { return canvas_; }
    const PageFrame& frame() const { return frame_; }
    int lineHeight() const { return lineHeight_; }
    TextSize size(const std::string& text) const { return canvas_.textSize(text); }

    // Device coordinates of logical ones and back.
    double x(int logicalX) const { return map_.deviceX(logicalX); }
    double y(int logicalY) const { return map_.deviceY(logicalY); }
    int logicalX(int deviceX) const { return map_.logicalX(deviceX); }
    int logicalY(int deviceY) const { return map_.logicalY(deviceY); }
    // The pixels a logical rectangle covers.
    Box box(int left, int top, int right, int bottom) const;
    // A pen of the given width in device pixels.
    Pen pen(Rgb colour, int pixels, PenStyle style = PenStyle::Solid) const;

    // The surface, its strips and the page's part of it; the right edge of what the window shows.
    const Box& area() const { return area_; }
    int shownRight() const { return shownRight_; }
    Box topStrip() const;
    Box leftStrip() const;
    Box plotWindow() const;

    // A plot's area: no label goes there. Only the part in the page's window counts; what lies
    // under the strips is covered.
    void blockPlot(const Box& area);
    // Whites the strips over whatever the page drew under them.
    void coverStrips();
    // Draws the text with its top-left at device (left, top) when the layout has room for it
    // inside the region; false when it was left out.
    bool label(int left, int top, const std::string& text, const Box& region);
    // The room the text would take there, and whether the layout has it.
    Box textBox(int left, int top, const std::string& text) const;
    bool fits(const Box& box, const Box& region) const { return layout_.fits(box, region); }
    // A line between device points.
    void line(int x1, int y1, int x2, int y2, const Pen& pen);

  private:
    Canvas& canvas_;
    WindowMapping map_;
    PageFrame frame_;
    int lineHeight_ = 15;
    Box area_;
    int shownRight_ = 0;
    LabelLayout layout_;
};

// The title line and the lines under it in the top strip, from the top.
void drawStripLines(Decor& d, std::span<const std::string> lines, int firstLine = 0);

// The width of the top strip's lines at the window shown, in device pixels.
int stripWidth(const CVARNView& view);
// The page's title in the lines it needs at that width: wrapped between words into two lines,
// the words that are one of `names` (the samples) shortened with an ellipsis only where two lines
// are not room enough, and more lines where even the figures alone need them. The count goes to
// the view's label metrics, which the top strip's height follows; so this comes before the page's
// window is set.
std::vector<std::string> planStripTitle(const Canvas& canvas, CVARNView& view, const std::string& title,
                                        const std::vector<std::string>& names);
// The analysed samples' names in the copy-number title of the page shown.
std::vector<std::string> copyNumberTitleNames(const CVARNDoc& doc, const CVARNView& view);
// Counts the legend's lines at that width into the view's label metrics, as planStripTitle does.
void planCopyNumberLegend(const Canvas& canvas, CVARNView& view);
// Both for the page shown, as its paint will find them: for what is sized before it is painted
// (a picture's page).
void planStrips(const Canvas& canvas, CVARNView& view);

// The legend of the copy-number page shown: each track's mark, colour and meaning, then the
// ideogram's.
std::vector<LegendItem> copyNumberLegend(const CVARNView& view);
// The legend from the top strip's given line on, as many lines as it takes, and the B-allele
// fraction panel's key from a line of its own when the panel is shown.
void drawLegend(Decor& d, const CVARNView& view, int line);

// The axes of the value rows, for every panel row whose top lies at one of rowTops, in the left
// strip: a line over each row's range, a tick at every step, and as many of the tick labels and
// units as have room (the ends first, then the unit, then zero, then the rest).
void drawValueAxes(Decor& d, std::span<const int> rowTops, std::span<const ValueRow> rows);

// Megabase ticks along a line under a chromosome's panel at logical y = axisY, labelled where
// there is room; "Mb" in the left strip. The ticks sit at the first SNP at or past each whole
// step, so their spacing follows the SNPs' density as the panel does.
void drawMegabaseAxis(Decor& d, const CVARNDoc& doc, int t, const Panel& panel, int axisY);

// The name of each panel's chromosome above its first value row: "Ch7", or "7" where the panel is
// too narrow for the longer form.
void drawChromosomeLabels(Decor& d, std::span<const Panel> panels, int labelBottom, bool followWindow);

// The compensation page's genome-wide bands (x = position / positionsPerUnit): a dotted line where
// each chromosome starts, drawn with the page's marks, and each chromosome's name under each band,
// in a second line where the first has no room (the small chromosomes).
void drawChromosomeBoundaries(Decor& d, const CVARNDoc& doc, int t, std::span<const ValueRow> bands,
                              int positionsPerUnit);
void labelChromosomes(Decor& d, const CVARNDoc& doc, int t, std::span<const ValueRow> bands,
                      int positionsPerUnit);

// The compensation page's abscissae: a fragment of n bases at x = 2n, a GC content g (a fraction)
// at x = 10000 g - 2000, so that 500-2000 bases span x = 1000-4000 and 20-80 % GC the grid.
inline constexpr int kLengthUnitsPerBase = 2;
inline constexpr float kGcUnits = 10000.0f;
inline constexpr float kGcOffset = 2000.0f;
// Ticks with their values under the fragment-length and the GC-content bands, the unit after the
// last value: where a fragment's length or GC content puts its SNP's dot.
void labelCompensationScales(Decor& d, std::span<const ValueRow> lengthBands,
                             std::span<const ValueRow> gcBands);

// What the compensation page hands its annotation layer: the lines of the top strip (the title and
// the noise figures), each band's name, the hint under CGH View's red frame (empty when the frame
// is not shown) and the geometry of the bands.
struct CompensationTexts {
    std::vector<std::string> head;
    std::vector<std::string> bandLabels;
    std::string hint;
    int hintBelow = 0;        // logical y the hint goes under
    int plotRight = 0;        // the grid's right end
    int positionsPerUnit = 1; // of the genome-wide bands
    // Where the bands' dots lie, in logical units, a narrow stretch of x at a time: a scatter
    // reaches past its grid as far as its values do (an amplification's ratio of 3 far above the
    // linear band), and no label may cover a dot.
    struct Area {
        int left, top, right, bottom;
    };
    std::vector<Area> dots;
};

// Whole annotation layers, after everything else of the page is drawn.
void decorateCopyNumberPage(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view,
                            const WindowMapping& shown, std::span<const std::string> title,
                            std::span<const Panel> panels);
void decorateCompensationPage(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view,
                              const WindowMapping& shown, const CompensationTexts& texts);

// The decoded copy number of one panel as a step line: each segment a level at the expected log
// ratio of its state, in the colours of gain, loss, copy-neutral LOH and two copies, three pixels
// thick on a white edge so that it stands out from the cloud of raw ratios.
void drawCallLine(Canvas& canvas, const CVARNDoc& doc, const CVARNView& view, int t, const Panel& panel,
                  int zeroY);

} // namespace varn::paint

#pragma once

#include "GenomeStrip.h"
#include "ProfileColumns.h"
#include "view/BafPanelStyle.h"
#include "view/LabelLayout.h"
#include "view/LegendRow.h"
#include "view/PageFrame.h"
#include "view/PanelRows.h"

#include <string>
#include <vector>

namespace varn {

class Canvas;
struct ProfilePicture;

namespace paint {
class Decor;
// The median of the SNPs that share a pixel column, a darker red inside their red range.
inline constexpr Rgb kColumnMedian{110, 0, 0};
} // namespace paint

// Where everything of a profile's page goes, in device pixels from the page's top-left corner.
struct ProfilePageLayout {
    PageFrame frame;
    int lineHeight = 15;
    paint::Box area;
    int left = 0, right = 0; // the plots' x range
    std::vector<std::string> title;
    std::vector<paint::LegendItem> legend;
    int legendLines = 0;
    paint::ValueRow logRatio, baf;
    int bafKeyTop = 0;             // the B-allele fraction panel's title and legend line
    int lohTop = 0, lohBottom = 0; // its LOH bars
    int ideogramTop = 0, ideogramBottom = 0;
    int axisY = 0;    // the megabase axis's line
    int namesTop = 0; // the chromosomes' names
};

ProfilePageLayout layOutProfilePage(const Canvas& canvas, const ProfilePicture& picture, int width,
                                    int height);

// The parts of the page, each over the columns of the strip.
void drawLogRatioTrack(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                       const GenomeStrip& strip, const std::vector<ColumnSnps>& columns);
void drawCallTrack(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                   const GenomeStrip& strip, const std::vector<ColumnSnps>& columns);
void drawBafTrack(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                  const GenomeStrip& strip, const std::vector<ColumnSnps>& columns);
void drawChromosomeBoundaries(Canvas& canvas, const ProfilePageLayout& layout, const GenomeStrip& strip);
void drawProfileIdeogram(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                         const GenomeStrip& strip);
// The texts, after the marks: the axes, the megabase ticks and the chromosomes' names.
void drawGenomeAxis(paint::Decor& d, const ProfilePageLayout& layout, const GenomeStrip& strip);

// The visible chromosomes: those whose span meets the strip's visible range.
std::vector<int> visibleChromosomes(const GenomeStrip& strip);

} // namespace varn

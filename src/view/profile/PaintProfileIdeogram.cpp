// The ideogram of a profile's page: each chromosome's cytobands in the 50K ideogram's stain
// colours, or, without a cytoband table, its two arms outlined and its centromere between them.
#include "ProfilePageParts.h"

#include "ProfilePicture.h"
#include "view/PaintStyle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace varn {

namespace {

// UCSC's Giemsa stains as the 50K annotation's stain classes (1 white .. 5 black, 6 acen, 7 gvar,
// 8 stalk); 0 for a stain of no class, drawn white.
int stainClassOf(std::string_view stain) {
    constexpr std::string_view kStains[] = {"gneg",    "gpos25", "gpos50", "gpos75",
                                            "gpos100", "acen",   "gvar",   "stalk"};
    for (std::size_t k = 0; k < std::size(kStains); ++k)
        if (stain == kStains[k]) return static_cast<int>(k) + 1;
    // Tables of other builds name the darkest bands "gpos" without a density.
    return stain == "gpos" ? 5 : 0;
}

constexpr int kAcenStain = 6;

// x of a base, held inside the plots.
int clampedX(const ProfilePageLayout& layout, const GenomeStrip& strip, int chromosome, long long base) {
    const double x = std::clamp(strip.xOf(chromosome, base), static_cast<double>(layout.left),
                                static_cast<double>(layout.right));
    return static_cast<int>(std::lround(x));
}

void outline(Canvas& canvas, int left, int top, int right, int bottom) {
    canvas.setPen(paint::kBlackPen);
    const Segment sides[] = {{{left, top}, {left, bottom}},
                             {{right, top}, {right, bottom}},
                             {{left, top}, {right, top}},
                             {{left, bottom}, {right, bottom}}};
    canvas.drawSegments(sides);
}

} // namespace

std::vector<int> visibleChromosomes(const GenomeStrip& strip) {
    std::vector<int> shown;
    for (int c = 1; c <= 23; ++c) {
        const long long start = strip.chromosomeStart(c), end = start + strip.chromosomeLength(c);
        if (end > strip.visible().from && start < strip.visible().to) shown.push_back(c);
    }
    return shown;
}

void drawChromosomeBoundaries(Canvas& canvas, const ProfilePageLayout& layout, const GenomeStrip& strip) {
    std::vector<Segment> lines;
    for (int c : visibleChromosomes(strip)) {
        const long long start = strip.chromosomeStart(c);
        if (start <= strip.visible().from) continue;
        const int x = static_cast<int>(std::lround(strip.xOfCoordinate(start)));
        lines.push_back({{x, layout.logRatio.top()}, {x, layout.baf.bottom()}});
    }
    canvas.setPen({PenStyle::Solid, 1, paint::kBoundaryColour});
    canvas.drawSegments(lines);
}

void drawProfileIdeogram(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                         const GenomeStrip& strip) {
    const int top = layout.ideogramTop, bottom = layout.ideogramBottom;
    // The centromere as a waist, a third of the strip high, whether a table gives its acen bands
    // or the build's own span stands in for them.
    const int waistTop = top + (bottom - top) / 3, waistBottom = bottom - (bottom - top) / 3;
    for (int c : visibleChromosomes(strip)) {
        const int left = clampedX(layout, strip, c, 0),
                  right = clampedX(layout, strip, c, strip.chromosomeLength(c));
        bool banded = false;
        for (const CytoBand& band : picture.cytobands) {
            if (band.chromosome != c) continue;
            banded = true;
            const int stain = stainClassOf(band.stain);
            const int x0 = clampedX(layout, strip, c, band.start), x1 = clampedX(layout, strip, c, band.end);
            const Rgb colour = paint::stainColour(stain);
            canvas.setPen({PenStyle::Solid, 1, colour});
            canvas.setBrush(colour);
            if (stain == kAcenStain)
                canvas.fillRect(x0, waistTop, x1, waistBottom);
            else
                canvas.fillRect(x0, top, x1, bottom);
        }
        // The arms end where the table's acen bands begin and end (a table without them outlines the
        // chromosome whole), else at the build's centromere.
        Centromere centromere = centromereOf(picture.build, c);
        if (banded) {
            Centromere acen{std::numeric_limits<int>::max(), 0};
            for (const CytoBand& band : picture.cytobands)
                if (band.chromosome == c && stainClassOf(band.stain) == kAcenStain)
                    acen = {std::min(acen.start, band.start), std::max(acen.end, band.end)};
            centromere = acen.end > acen.start ? acen : Centromere{};
        }
        if (centromere.end <= centromere.start) {
            outline(canvas, left, top, right, bottom);
            continue;
        }
        const int p = clampedX(layout, strip, c, centromere.start),
                  q = clampedX(layout, strip, c, centromere.end);
        outline(canvas, left, top, p, bottom);
        outline(canvas, q, top, right, bottom);
        if (banded) continue;
        canvas.setPen({PenStyle::Solid, 1, paint::kRed});
        canvas.setBrush(paint::kRed);
        canvas.fillRect(p, waistTop, q, waistBottom);
    }
}

} // namespace varn

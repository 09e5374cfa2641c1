// The log ratio of a profile's page: each pixel column's SNPs as one stroke from their lowest to
// their highest value with their median marked, and the decoded call as a step line over them.
#include "ProfilePageParts.h"

#include "ProfilePicture.h"
#include "document/profile/Profile.h"
#include "view/AlleleCallClasses.h"
#include "view/PaintStyle.h"
#include "view/StepLine.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// The grid of the 50K tracks over the row's whole range: the zero line solid, whole values
// dotted, halves dash-dotted.
void drawLogRatioGrid(Canvas& canvas, const paint::ValueRow& row, int left, int right) {
    const int steps = static_cast<int>(std::lround((row.high - row.low) / 0.5));
    for (int k = 0; k <= steps; ++k) {
        const double value = row.low + 0.5 * k;
        const bool whole = std::abs(value - std::round(value)) < 1e-9;
        canvas.setPen(std::abs(value) < 1e-9 ? paint::kGridSolidPen
                      : whole                ? paint::kGridDottedPen
                                             : paint::kGridDashDotPen);
        canvas.moveTo(left, row.yOf(value));
        canvas.lineTo(right, row.yOf(value));
    }
}

// A value past the grid is drawn at its edge, so that a deep deletion still shows where it is.
int yOfClamped(const paint::ValueRow& row, double value) {
    return row.yOf(std::clamp(value, row.reachLow, row.reachHigh));
}

// The call's colour: the allele-specific class of k copies with j minor, or the seven-state call
// line's gain, loss and two copies where only the total was decoded.
Rgb callColour(int total, int minor) {
    if (minor >= 0) return paint::kAlleleCallClasses[paint::alleleCallClass(total, minor)].colour;
    if (total > 2) return paint::kCallGain;
    if (total < 2) return paint::kCallLoss;
    return paint::kCallTwoCopies;
}

} // namespace

void drawLogRatioTrack(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                       const GenomeStrip&, const std::vector<ColumnSnps>& columns) {
    const paint::ValueRow& row = layout.logRatio;
    drawLogRatioGrid(canvas, row, layout.left, layout.right);
    if (picture.profile == nullptr) return;
    const std::vector<ColumnRange> ranges = summariseColumns(picture.profile->logRatio, columns, row);
    std::vector<Segment> strokes;
    std::vector<Point> medians;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        const ColumnRange& r = ranges[k];
        if (r.count == 0) continue;
        const int x = layout.left + static_cast<int>(k);
        strokes.push_back({{x, r.top}, {x, r.bottom}});
        // One SNP is its own range; a median of several marks where most of them lie.
        if (r.count > 1) medians.push_back({x, r.median});
    }
    canvas.setPen(paint::kRedPen);
    canvas.drawSegments(strokes);
    canvas.setPixels(medians, paint::kColumnMedian);
}

void drawCallTrack(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                   const GenomeStrip& strip, const std::vector<ColumnSnps>& columns) {
    const Profile* profile = picture.profile;
    if (profile == nullptr || picture.totalCopies.size() != profile->size() || columns.empty()) return;
    const bool withMinor = picture.minorCopies.size() == profile->size();
    auto levelY = [&](int total) {
        const std::size_t k = static_cast<std::size_t>(total);
        const float level = k < picture.levelOfTotal.size() ? picture.levelOfTotal[k] : 0.0f;
        return yOfClamped(layout.logRatio, std::isfinite(level) ? level : 0.0);
    };
    auto columnOf = [&](std::size_t i) {
        return layout.left + strip.columnOf(strip.coordinate(profile->chromosome[i], profile->position[i]));
    };
    // Runs of one state on one chromosome; an undecoded SNP ends a run and draws nothing. Each
    // chromosome is its own line: no step joins one chromosome's end to the next one's start.
    std::vector<paint::Step> steps;
    auto flush = [&] {
        paint::drawStepLine(canvas, steps, 1);
        steps.clear();
    };
    const std::size_t first = columns.front().begin, last = columns.back().end;
    std::size_t i = first;
    while (i < last) {
        const int total = picture.totalCopies[i];
        const int minor = withMinor ? picture.minorCopies[i] : -1;
        const int chromosome = profile->chromosome[i];
        std::size_t end = i + 1;
        while (end < last && profile->chromosome[end] == chromosome && picture.totalCopies[end] == total &&
               (!withMinor || picture.minorCopies[end] == minor))
            ++end;
        if (!steps.empty() && (total < 0 || profile->chromosome[i] != profile->chromosome[i - 1])) flush();
        // A run inside one pixel column (x0 = x1) is ink of that column, as narrow segments are on
        // the 50K pages.
        if (total >= 0)
            steps.push_back({columnOf(i), columnOf(end - 1), levelY(total), callColour(total, minor)});
        i = end;
    }
    flush();
}

} // namespace varn

// The B-allele fraction panel of a profile's page. Each pixel column marks the heights its SNPs'
// fractions reach, informative SNPs over the rest, and draws each run of marked heights as one
// stroke: the picture the dots would make, at the cost of the panel's pixels. A range from lowest
// to highest, as the log ratio has, would fill every column from 0 to 1 (its homozygous SNPs sit
// at both ends), and the bands in between are what the panel is for.
#include "ProfilePageParts.h"

#include "ProfilePicture.h"
#include "document/profile/Profile.h"
#include "view/PaintStyle.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace varn {

namespace {

// The runs of marked heights of one column as strokes. The marks are 0 or 1, so that the ends of
// the runs are found a machine word at a time.
void addRuns(const std::vector<std::uint8_t>& marks, int x, int top, std::vector<Segment>& out) {
    const std::uint8_t* const begin = marks.data();
    const std::uint8_t* const end = begin + marks.size();
    const std::uint8_t* at = begin;
    while (at < end) {
        const auto* first =
            static_cast<const std::uint8_t*>(std::memchr(at, 1, static_cast<std::size_t>(end - at)));
        if (first == nullptr) break;
        const auto* past =
            static_cast<const std::uint8_t*>(std::memchr(first, 0, static_cast<std::size_t>(end - first)));
        if (past == nullptr) past = end;
        out.push_back(
            {{x, top + static_cast<int>(first - begin)}, {x, top + static_cast<int>(past - begin) - 1}});
        at = past;
    }
}

void drawDots(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
              const std::vector<ColumnSnps>& columns) {
    const Profile& profile = *picture.profile;
    const paint::ValueRow& row = layout.baf;
    const bool known = picture.informative.size() == profile.size();
    const auto height = static_cast<std::size_t>(row.bottom() - row.top() + 1);
    // The heights each kind of SNP reaches in the column, one byte a pixel row; a store, not an
    // update, per SNP, so that neighbours at the same height (the homozygous SNPs at 0 and 1) do
    // not wait on each other.
    std::vector<std::uint8_t> otherMarks(height), informativeMarks(height);
    std::vector<Segment> other, informative;
    // row.yOf from the panel's top, clamped without branches: the fractions of the homozygous SNPs
    // fall either side of 0 and 1 at random.
    const int zero = row.zeroY - row.top();
    const auto unitsPerValue = static_cast<float>(row.unitsPerValue);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (columns[k].size() == 0) continue;
        std::fill(otherMarks.begin(), otherMarks.end(), 0);
        std::fill(informativeMarks.begin(), informativeMarks.end(), 0);
        std::uint8_t* marks[2] = {otherMarks.data(), informativeMarks.data()};
        for (std::size_t i = columns[k].begin; i < columns[k].end; ++i) {
            const float baf = profile.baf[i];
            if (baf != baf) continue;
            const int y = zero - static_cast<int>(std::min(std::max(baf, 0.0f), 1.0f) * unitsPerValue);
            marks[known && picture.informative[i] != 0 ? 1 : 0][y] = 1;
        }
        const int x = layout.left + static_cast<int>(k);
        addRuns(otherMarks, x, row.top(), other);
        addRuns(informativeMarks, x, row.top(), informative);
    }
    canvas.setPen({PenStyle::Solid, 1, paint::kOtherSnp});
    canvas.drawSegments(other);
    canvas.setPen({PenStyle::Solid, 1, paint::kInformativeSnp});
    canvas.drawSegments(informative);
}

// Each segment's band and its mirror (a balanced segment's two lines meet at 0.5), and its LOH
// bar over the panel.
void drawSegments(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                  const GenomeStrip& strip) {
    std::vector<Segment> expected, measured;
    std::vector<std::pair<int, int>> loh;
    const double left = layout.left, right = layout.right;
    for (const PictureSegment& s : picture.segments) {
        const double from = strip.xOf(s.chromosome, s.start), to = strip.xOf(s.chromosome, s.end);
        if (to < left || from > right) continue;
        const int x0 = static_cast<int>(std::lround(std::max(from, left)));
        const int x1 = static_cast<int>(std::lround(std::min(to, right)));
        const bool fitted = std::isfinite(s.expectedBand);
        const double band = fitted ? s.expectedBand : s.measuredBand;
        if (std::isfinite(band)) {
            auto& lines = fitted ? expected : measured;
            for (double b : {band, 1.0 - band}) {
                const int y = layout.baf.yOf(std::clamp(b, 0.0, 1.0));
                lines.push_back({{x0, y}, {x1, y}});
            }
        }
        if (s.loh) loh.emplace_back(x0, x1);
    }
    canvas.setPen(paint::kMeasuredBandPen);
    canvas.drawSegments(measured);
    canvas.setPen(paint::kExpectedBandPen);
    canvas.drawSegments(expected);
    canvas.setPen({PenStyle::Solid, 1, paint::kAlleleLoh});
    canvas.setBrush(paint::kAlleleLoh);
    for (const auto& [x0, x1] : loh) canvas.fillRect(x0, layout.lohTop, x1, layout.lohBottom);
}

} // namespace

void drawBafTrack(Canvas& canvas, const ProfilePicture& picture, const ProfilePageLayout& layout,
                  const GenomeStrip& strip, const std::vector<ColumnSnps>& columns) {
    paint::drawBafGrid(canvas, layout.baf, layout.left, layout.right);
    if (picture.profile == nullptr) return;
    if (picture.profile->baf.size() == picture.profile->size()) drawDots(canvas, picture, layout, columns);
    drawSegments(canvas, picture, layout, strip);
}

} // namespace varn

// The B-allele fraction panel under a chromosome's profile: every SNP's fraction from 0 (bottom)
// to 1 (top) at the SNP's own x, so that a step in the profile above and a split of the bands
// below line up SNP for SNP. Its grid, colours and key are those of every B-allele fraction panel
// (BafPanelStyle.h); its axis and key are drawn with the page's annotations.
#include "PaintParts.h"

#include "BafPanelStyle.h"
#include "GenomeLayout.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/analysis/AlleleAnalysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace varn::paint {

namespace {

// Within this many standard errors of what a balanced segment's informative SNPs show, a segment
// keeps both parents in the panel whatever else says otherwise.
constexpr double kBalancedZ = 3.0;

int yOf(const Panel& panel, double baf) {
    const double clipped = std::clamp(baf, 0.0, 1.0);
    return panel.y + kBafPanelTop + static_cast<int>(std::lround((1.0 - clipped) * kBafPanelHeight));
}

void drawDots(Canvas& canvas, const AlleleAnalysis& alleles, const Panel& panel, std::size_t first,
              std::size_t last) {
    std::vector<Point> other, informative;
    for (std::size_t k = first; k < last; ++k) {
        const AlleleSnp& snp = alleles.baf.snps[k];
        if (!std::isfinite(snp.baf)) continue;
        const Point at{panel.xOf(snp.index), yOf(panel, snp.baf)};
        (alleles.informative.informative[k] != 0 ? informative : other).push_back(at);
    }
    canvas.setPixels(other, kOtherSnp);
    canvas.setPixels(informative, kInformativeSnp);
}

// Informative SNPs that sit at 0.5: the mean distance of a balanced segment's SNPs from 0.5 is
// the folded mean of their noise, and its standard error shrinks with their number.
bool sitsAtHalf(const AlleleSegment& segment, double noise) {
    if (segment.informative < kAlleleParameters.minSegmentSnps || !std::isfinite(segment.mirroredBaf))
        return false;
    const double spread =
        noise * std::sqrt(1.0 - 2.0 / std::numbers::pi) / std::sqrt(static_cast<double>(segment.informative));
    return segment.mirroredBaf - 0.5 <= foldedMean(0.0, noise) + kBalancedZ * spread;
}

// The LOH bar says what the call line above says: where the allele-specific decoder decoded, a
// state without a copy of the minor parent; where the seven-state HMM did, the LOH call its
// segment carries (the LOH score's, as the segment files have it). A paired profile, which no
// decoder decodes, shows what its alleles fit. Informative SNPs at 0.5 are both parents there, so
// such a segment is never marked, whatever the score made of its calls.
bool markedLoh(const AlleleAnalysis& alleles, std::size_t s, double noise) {
    const AlleleSegment& segment = alleles.segments.segments[s];
    const AlleleCopyNumber& copies = alleles.copyNumbers.segments[s];
    if (sitsAtHalf(segment, noise)) return false;
    if (segment.total.minorCopies >= 0) return copies.loh;
    if (!alleles.paired && segment.total.copyNumber >= 0) return segment.total.loh;
    return copies.loh;
}

void drawSegments(Canvas& canvas, const AlleleAnalysis& alleles, const Panel& panel) {
    std::vector<Segment> expected, measured;
    std::vector<std::size_t> loh;
    const auto& snps = alleles.baf.snps;
    const double noise = alleles.segments.bafNoise > 0.0 ? alleles.segments.bafNoise : 0.03;
    for (std::size_t s = 0; s < alleles.segments.segments.size(); ++s) {
        const AlleleSegment& segment = alleles.segments.segments[s];
        if (segment.total.chromosome != panel.chromosome) continue;
        const int from = panel.xOf(snps[static_cast<std::size_t>(segment.firstSnp)].index);
        const int to = panel.xOf(snps[static_cast<std::size_t>(segment.lastSnp)].index);
        const AlleleCopyNumber& copies = alleles.copyNumbers.segments[s];
        const bool fitted = std::isfinite(copies.expectedBand);
        const double band = fitted ? copies.expectedBand : segment.mirroredBaf;
        if (std::isfinite(band)) {
            // The band and its mirror: a balanced segment's two lines meet at 0.5.
            auto& lines = fitted ? expected : measured;
            lines.push_back({{from, yOf(panel, band)}, {to, yOf(panel, band)}});
            lines.push_back({{from, yOf(panel, 1.0 - band)}, {to, yOf(panel, 1.0 - band)}});
        }
        if (markedLoh(alleles, s, noise)) loh.push_back(s);
    }
    canvas.setPen(kMeasuredBandPen);
    canvas.drawSegments(measured);
    canvas.setPen(kExpectedBandPen);
    canvas.drawSegments(expected);
    canvas.setPen(kMagentaPen);
    canvas.setBrush(kAlleleLoh);
    const int top = panel.y + kBafPanelTop - kBafLohBarHeight - kBafLohBarGap;
    for (std::size_t s : loh) {
        const AlleleSegment& segment = alleles.segments.segments[s];
        canvas.fillRect(panel.xOf(snps[static_cast<std::size_t>(segment.firstSnp)].index), top,
                        panel.xOf(snps[static_cast<std::size_t>(segment.lastSnp)].index),
                        top + kBafLohBarHeight);
    }
}

} // namespace

void drawBafPanel(Canvas& canvas, const AlleleAnalysis& alleles, const Panel& panel) {
    const ValueRow row = bafValueRow(panel.y + kBafPanelTop + kBafPanelHeight, kBafPanelHeight);
    drawBafGrid(canvas, row, panel.left(), panel.left() + panel.width());
    // The SNPs are in display order: the panel's are one run.
    const auto& snps = alleles.baf.snps;
    const auto byIndex = [](const AlleleSnp& snp, int index) { return snp.index < index; };
    const auto first = std::lower_bound(snps.begin(), snps.end(), panel.start, byIndex);
    const auto last = std::lower_bound(first, snps.end(), panel.end, byIndex);
    drawDots(canvas, alleles, panel, static_cast<std::size_t>(first - snps.begin()),
             static_cast<std::size_t>(last - snps.begin()));
    drawSegments(canvas, alleles, panel);
}

} // namespace varn::paint

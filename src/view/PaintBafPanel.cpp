// The B-allele fraction panel under a chromosome's profile: every SNP's fraction from 0 (bottom)
// to 1 (top) at the SNP's own x, so that a step in the profile above and a split of the bands
// below line up SNP for SNP.
#include "PaintParts.h"

#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "engine/analysis/AlleleAnalysis.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace varn::paint {

namespace {

// A homozygous SNP sits at 0 or 1 whatever the tumour does; only the informative ones (germline
// heterozygous) carry the balance of the parents' copies, so they are drawn dark over the light
// cloud of the rest.
constexpr Rgb kOtherSnp{175, 175, 175};
constexpr Rgb kInformativeSnp{40, 40, 40};
// The band a segment's copies predict, in the decoded level's colour of the profile above; a
// segment whose alleles the fit could not place shows its measured band, dashed.
constexpr Pen kExpectedBandPen{PenStyle::Solid, 3, kDarkGreen};
constexpr Pen kMeasuredBandPen{PenStyle::DashDot, 1, kDarkGreen};
// LOH from the alleles: a bar over the panel, in the magenta of the copy-neutral LOH marks.
constexpr int kLohBarHeight = 40;

int yOf(const Panel& panel, double baf) {
    const double clipped = std::clamp(baf, 0.0, 1.0);
    return panel.y + kBafPanelTop + static_cast<int>(std::lround((1.0 - clipped) * kBafPanelHeight));
}

void drawGrid(Canvas& canvas, const Panel& panel) {
    const int left = panel.left(), right = panel.left() + panel.width();
    auto line = [&](const Pen& pen, double baf) {
        canvas.setPen(pen);
        canvas.moveTo(left, yOf(panel, baf));
        canvas.lineTo(right, yOf(panel, baf));
    };
    line(kGridSolidPen, 0.0);
    line(kGridSolidPen, 1.0);
    line(kGridDottedPen, 0.5);
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

void drawSegments(Canvas& canvas, const AlleleAnalysis& alleles, const Panel& panel) {
    std::vector<Segment> expected, measured;
    std::vector<std::size_t> loh;
    const auto& snps = alleles.baf.snps;
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
        if (copies.loh) loh.push_back(s);
    }
    canvas.setPen(kMeasuredBandPen);
    canvas.drawSegments(measured);
    canvas.setPen(kExpectedBandPen);
    canvas.drawSegments(expected);
    canvas.setPen(kMagentaPen);
    canvas.setBrush(kMagenta);
    const int top = panel.y + kBafPanelTop - kLohBarHeight - 10;
    for (std::size_t s : loh) {
        const AlleleSegment& segment = alleles.segments.segments[s];
        canvas.fillRect(panel.xOf(snps[static_cast<std::size_t>(segment.firstSnp)].index), top,
                        panel.xOf(snps[static_cast<std::size_t>(segment.lastSnp)].index), top + kLohBarHeight);
    }
}

} // namespace

void drawBafPanel(Canvas& canvas, const AlleleAnalysis& alleles, const Panel& panel) {
    drawGrid(canvas, panel);
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

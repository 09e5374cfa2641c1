#include "BAlleleFraction.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/common/RobustStatistics.h"
#include "engine/common/SideBySide.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varn {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

double contrastOf(float a, float b) {
    if (!(a > 0.0f) || !(b > 0.0f) || !std::isfinite(a) || !std::isfinite(b)) return std::nan("");
    return std::log(static_cast<double>(b) / a);
}

} // namespace

const AlleleCentres* ArrayCentres::of(int record) const {
    const int i = record - first;
    if (i < 0 || i >= static_cast<int>(centre.size())) return nullptr;
    return &centre[static_cast<std::size_t>(i)];
}

double bAlleleFractionOf(double contrast, const AlleleCentres& c) {
    if (!std::isfinite(contrast) || !(c.aa < c.ab && c.ab < c.bb)) return std::nan("");
    // Below the heterozygous centre the B probes' excess over their cross-hybridisation floor
    // measures the B copies; above it the A probes' does, mirrored.
    if (contrast <= c.ab) {
        const double r = std::exp(contrast - c.ab), floor = std::exp(static_cast<double>(c.aa) - c.ab);
        return (r - floor) / ((1.0 - floor) * (1.0 + r));
    }
    const double r = std::exp(c.ab - contrast), floor = std::exp(static_cast<double>(c.ab) - c.bb);
    return 1.0 - (r - floor) / ((1.0 - floor) * (1.0 + r));
}

BAlleleFraction analysisSnps(const CVARNDoc& doc, int t) {
    BAlleleFraction out;
    out.arrayType = t;
    if (t < kCombined || t > kHind) return out;
    const int first = std::max(0, doc.snpFirst[t]), last = std::min(kSlots - 1, doc.snpLast[t]);
    out.snps.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)));
    for (int i = first; i <= last; ++i) {
        const int pos = t == kCombined ? doc.combineOrder[i] : i;
        if (!inSlots(pos) || doc.positionUsable[pos] != 1) continue;
        const int record = doc.arrangeOrder[pos];
        if (!inSlots(record)) continue;
        const int ch = doc.snpChromosome[record];
        if (ch < 1 || ch > kChromosomeX) continue;
        out.snps.push_back({i, pos, record, ch, doc.snpPosition[record], kNaN});
    }
    return out;
}

BAlleleFraction bAlleleFraction(const CVARNDoc& doc, int t, const ArrayCentres centres[3]) {
    BAlleleFraction out = analysisSnps(doc, t);
    // Each SNP's fraction is its own (a logarithm and two exponentials): formed in blocks side by side.
    constexpr std::size_t kBlock = 4096;
    sideBySide((out.snps.size() + kBlock - 1) / kBlock, [&](std::size_t b) {
        const std::size_t end = std::min(out.snps.size(), (b + 1) * kBlock);
        for (std::size_t k = b * kBlock; k < end; ++k) {
            AlleleSnp& snp = out.snps[k];
            const AlleleCentres* c = centres[arrayOfSlot(snp.record)].of(snp.record);
            if (c == nullptr) continue;
            const double baf =
                bAlleleFractionOf(contrastOf(doc.alleleASignal[0][snp.record], doc.alleleBSignal[0][snp.record]), *c);
            if (std::isfinite(baf)) snp.baf = static_cast<float>(baf);
        }
    });
    return out;
}

std::string summarisedAllelesReason(const CVARNDoc& doc, int t, int row, const std::string& sample) {
    std::vector<double> contrast;
    contrast.reserve(static_cast<std::size_t>(doc.snpLast[t] - doc.snpFirst[t] + 1));
    for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) {
        const double l = contrastOf(doc.alleleASignal[row][k], doc.alleleBSignal[row][k]);
        if (std::isfinite(l)) contrast.push_back(l);
    }
    const std::string why = sample + ": its allele A and allele B probes read alike at every SNP (a summarised "
                                     "signal file); the allele analysis needs the two alleles apart";
    if (contrast.size() < 2) return why;
    const double median = medianOf(contrast);
    for (double& l : contrast) l = std::fabs(l - median);
    return medianOf(contrast) < kAlleleParameters.summarisedSpread ? why : std::string();
}

float clippedBaf(float baf) { return std::isfinite(baf) ? std::clamp(baf, 0.0f, 1.0f) : baf; }

} // namespace varn

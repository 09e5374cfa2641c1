// The paired normal's heterozygous SNPs measure the tumour's allelic balance directly: where the
// tumour lost a parental allele, that allele's tumour/normal ratio falls to the share of normal
// cells (plus the probe's cross-hybridisation floor) and the retained one rises. Used by the
// tumour cell fraction estimate of paired profiles.
#include "AlleleImbalance.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace varn {

namespace {

// |z| beyond this (a factor of 20 between the alleles) is a failed probe, not biology.
constexpr double kContrastClip = 3.0;

bool positive(float a, float b) {
    return a > 0.0f && b > 0.0f && std::isfinite(a) && std::isfinite(b);
}

} // namespace

double crossTalkOf(const CVARNDoc& doc, int t) {
    std::vector<double> absentA, absentB; // ln(absent / present) at BB and at AA
    for (int pos = kChromosomeStart[t][1]; pos < kChromosomeStart[t][23]; ++pos) {
        if (doc.positionUsable[pos] != 1) continue;
        const int snp = doc.arrangeOrder[pos];
        const float a = doc.alleleASignal[1][snp], b = doc.alleleBSignal[1][snp];
        if (!positive(a, b)) continue;
        if (doc.normalSnpCall[snp] == kCallAA)
            absentB.push_back(std::log(b / a));
        else if (doc.normalSnpCall[snp] == kCallBB)
            absentA.push_back(std::log(a / b));
    }
    if (absentA.empty() || absentB.empty()) return 0.0;
    return std::exp(0.5 * (medianOf(absentA) + medianOf(absentB)));
}

std::vector<float> pairedAlleleContrast(const CVARNDoc& doc, int t) {
    std::vector<float> z(kSlots, std::numeric_limits<float>::quiet_NaN());
    for (int pos = kChromosomeStart[t][1]; pos < kChromosomeStart[t][23]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        if (doc.positionUsable[pos] != 1 || doc.normalSnpCall[snp] != kCallAB) continue;
        const float at = doc.alleleASignal[0][snp], bt = doc.alleleBSignal[0][snp];
        const float an = doc.alleleASignal[1][snp], bn = doc.alleleBSignal[1][snp];
        if (!positive(at, bt) || !positive(an, bn)) continue;
        z[static_cast<std::size_t>(pos)] = static_cast<float>(std::log((at / an) / (bt / bn)));
    }
    return z;
}

void splitAtAlleleChanges(const CVARNDoc& doc, int t, const float* total, const std::vector<float>& contrast,
                          std::vector<ProfileSegment>& segments, std::vector<SegmentAlleles>& alleles) {
    // The size of the contrast, |z|, steps where the balance changes whatever the phase.
    std::vector<float> size(contrast.size());
    std::transform(contrast.begin(), contrast.end(), size.begin(), [](float z) { return std::fabs(z); });
    const std::vector<ProfileSegment> steps =
        segmentProfile(doc, t, size.data(), profileNoise(doc, t, size.data()));

    std::vector<ProfileSegment> out;
    alleles.clear();
    for (const ProfileSegment& s : segments) {
        std::vector<int> cuts{s.firstPos};
        for (const ProfileSegment& a : steps)
            if (a.chromosome == s.chromosome && a.firstPos > s.firstPos && a.firstPos <= s.lastPos)
                cuts.push_back(a.firstPos);
        std::sort(cuts.begin(), cuts.end());
        cuts.push_back(s.lastPos + 1);
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            ProfileSegment piece = s;
            SegmentAlleles piecesAlleles;
            double sum = 0.0, squares = 0.0;
            piece.count = 0;
            for (int pos = cuts[i]; pos < cuts[i + 1]; ++pos) {
                if (doc.positionUsable[pos] != 1 || !std::isfinite(total[pos])) continue;
                if (piece.count == 0) piece.firstPos = pos;
                piece.lastPos = pos;
                ++piece.count;
                sum += total[pos];
                const float z = contrast[static_cast<std::size_t>(pos)];
                if (!std::isfinite(z)) continue;
                const double clipped = std::clamp(static_cast<double>(z), -kContrastClip, kContrastClip);
                squares += clipped * clipped;
                ++piecesAlleles.count;
            }
            if (piece.count == 0) continue;
            piece.level = sum / piece.count;
            if (piecesAlleles.count > 0) piecesAlleles.meanSquare = squares / piecesAlleles.count;
            out.push_back(piece);
            alleles.push_back(piecesAlleles);
        }
    }
    segments = std::move(out);
}

} // namespace varn

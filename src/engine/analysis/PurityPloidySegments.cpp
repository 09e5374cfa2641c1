#include "PurityPloidySegments.h"

#include "document/CVARNDoc.h"
#include "document/SampleName.h"
#include "engine/alleles/AlleleReadings.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// The profile's own segments, in the form the allele stages cut further.
std::vector<CopyNumberSegment> levelSegments(const CVARNDoc& doc, int a, double noise) {
    std::vector<CopyNumberSegment> out;
    for (const ProfileSegment& p : segmentProfile(doc, a, doc.logRatio[0], noise))
        out.push_back(asCopyNumberSegment(doc, p));
    return out;
}

} // namespace

bool purityPloidySegments(const CVARNDoc& doc, int t, bool paired, PurityPloidyInput& in,
                          std::string& alleleReason) {
    in = PurityPloidyInput{};
    in.informativeFromNormal = paired;
    in.baselineCopyNumber = baselineCopyNumberOf(doc);
    // Both profiles read the signal ratios: natural log against a pool, base 2 against the normal.
    const double toNatural = paired ? std::log(2.0) : 1.0;
    float pure[kStates];
    pureMeansOf(doc, false, pure);
    alleleReason = alleleAnalysisMissing(doc, t, paired);
    const int first = firstArrayOf(t), last = lastArrayOf(t);
    // A merged analysis reads its SNPs as the merged decoder does (each judged informative among
    // the neighbours of both arrays, twice as dense as one array's), each array's part fitted apart.
    std::shared_ptr<const AlleleReadings> readings[3];
    if (alleleReason.empty()) {
        const std::shared_ptr<const AlleleReadings> merged =
            t == kCombined ? keptAlleleReadings(doc, kCombined, paired) : nullptr;
        for (int a = first; a <= last && alleleReason.empty(); ++a) {
            readings[a] = merged ? std::make_shared<const AlleleReadings>(arrayPartOf(*merged, a))
                                 : keptAlleleReadings(doc, a, paired);
            alleleReason = readings[a]->why;
        }
    }
    for (int a = first; a <= last; ++a) {
        const double noise = profileNoise(doc, a, doc.logRatio[0]);
        if (!(noise > 0.0) || !std::isfinite(noise)) continue;
        FitArray& array = in.arrays[a];
        array.copies = effectiveCopiesOf(pure, false);
        array.levelNoise = noise * toNatural;
        double region = 0.0;
        const std::optional<double> level = baselineRegionLevel(doc, a);
        array.hasRegion = level.has_value();
        region = level.value_or(region);
        array.regionLevel = region * toNatural;
        const std::vector<CopyNumberSegment> levels = levelSegments(doc, a, noise);
        std::vector<AlleleSegment> pieces;
        if (alleleReason.empty()) {
            const BAlleleFraction& baf = readings[a]->baf;
            const InformativeSnps& informative = readings[a]->informative;
            AlleleSegments cut = alleleSegments(doc, baf, informative, levels, nullptr);
            array.bafNoise = cut.bafNoise;
            array.informativeShare = cut.informativeShare;
            array.detectableMinorShare =
                kAlleleParameters.detectableHomozygousSds * informative.homozygousNoise;
            pieces = std::move(cut.segments);
        } else {
            for (const CopyNumberSegment& s : levels) pieces.push_back({s, 0, -1, 0, 0.0, std::nan(""), 0.0});
        }
        for (const AlleleSegment& piece : pieces) {
            if (piece.total.chromosome < 1 || piece.total.chromosome > 22 || piece.total.markers == 0)
                continue;
            FitSegment s;
            s.arrayType = a;
            s.chromosome = piece.total.chromosome;
            s.bases = piece.total.end - piece.total.start + 1.0;
            s.markers = piece.total.markers;
            s.level = piece.total.meanLn * toNatural;
            s.informative = piece.informative;
            s.expectedHeterozygous = piece.expectedHeterozygous;
            s.mirroredBaf = piece.mirroredBaf;
            in.segments.push_back(s);
        }
    }
    return !in.segments.empty();
}

} // namespace varn

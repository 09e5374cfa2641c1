#include "PurityPloidySegments.h"

#include "document/CVARNDoc.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/analysis/AlleleReadings.h"
#include "engine/analysis/DocumentProfile.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/FitSegments.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <cmath>

namespace varn {

bool purityPloidySegments(const CVARNDoc& doc, int t, bool paired, PurityPloidyInput& in,
                          std::string& alleleReason) {
    in = PurityPloidyInput{};
    in.informativeFromNormal = paired;
    in.baselineCopyNumber = baselineCopyNumberOf(doc);
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
        const bool alleles = alleleReason.empty();
        const Profile profile =
            documentProfile(doc, alleles ? readings[a]->baf : analysisSnps(doc, a), paired, alleles);
        if (!addFitSegments(profile, a - kXba, alleles ? &readings[a]->informative : nullptr, in)) continue;
        FitArray& array = in.arrays[a];
        array.copies = effectiveCopiesOf(pure, false);
        // Both profiles read the signal ratios: natural log against a pool, base 2 against the normal.
        const std::optional<double> level = baselineRegionLevel(doc, a);
        array.hasRegion = level.has_value();
        array.regionLevel = level.value_or(0.0) * (paired ? std::log(2.0) : 1.0);
    }
    return !in.segments.empty();
}

} // namespace varn

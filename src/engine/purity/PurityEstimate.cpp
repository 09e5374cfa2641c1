// The tumour cell fraction of the analysis the document holds: the joint fit of fraction and
// ploidy where the profile's alleles can be read (JointFitEstimate.h), else the levels-only fit
// (LevelsPurityFit.h) of the profile's segments read against the baseline region.
#include "PurityEstimate.h"

#include "document/CVARNDoc.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/JointFitEstimate.h"
#include "engine/purity/LevelsPurityFit.h"
#include "engine/purity/PairedContrastModel.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <cmath>

namespace varn {

bool estimatePurity(const CVARNDoc& doc, int t, bool paired, PurityEstimate& estimate, std::string& reason,
                    const PurityFitOptions& options) {
    if (jointFitEstimate(doc, t, paired, options, estimate)) return true;
    PurityFitInput in;
    // The means are natural-log ratios of the signal; a paired profile reads the same signal
    // ratios in base 2.
    pureMeansOf(doc, false, in.pureMeans);
    if (paired)
        for (float& m : in.pureMeans) m = static_cast<float>(m / std::log(2.0));
    in.log2Scale = paired;
    in.baseCopyNumber = baselineCopyNumberOf(doc);
    double noiseSum = 0.0;
    int arrays = 0;
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) {
        const double noise = profileNoise(doc, a, doc.logRatio[0]);
        if (!(noise > 0) || !std::isfinite(noise)) continue;
        auto segments = segmentProfile(doc, a, doc.logRatio[0], noise);
        if (paired) addPairedAlleles(doc, a, segments, in);
        // Levels are read against the baseline region, which holds the copy number the user
        // gave it: the averaging of the references on the linear scale and the normalisation
        // leave the profile a little off zero there.
        const double offset = baselineRegionLevel(doc, a).value_or(0.0);
        for (ProfileSegment& s : segments) s.level -= offset;
        in.segments.insert(in.segments.end(), segments.begin(), segments.end());
        noiseSum += noise;
        ++arrays;
    }
    if (arrays == 0 || in.segments.empty()) {
        reason = "There is no decoded profile to estimate the tumour cell fraction from.";
        return false;
    }
    in.noise = noiseSum / arrays;
    const std::string alleleReason = estimate.alleleReason;
    estimate = fitPurity(in);
    estimate.alleleReason = alleleReason;
    return true;
}

} // namespace varn

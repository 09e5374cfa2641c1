// The allele-specific decoding of the 50K analysis the document holds: its allele analysis, the
// levels of each array from its baseline region (a pool profile is zero there; the region holds
// the user's copy number, or the joint fit's solution's), the sexes of the pool's references, the
// decoder over the profile, and the states written back by display position.
#include "AlleleSpecificDecoding.h"

#include "document/CVARNDoc.h"
#include "engine/allelic/ProfileDecoding.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/analysis/AlleleReadings.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <algorithm>
#include <cmath>

namespace varn {

AlleleDecoding decodeAlleleSpecific(CVARNDoc& doc, int t, bool paired) {
    AlleleDecoding out;
    // The allele analysis reads the seven-state HMM's segments, not a previous decoding's.
    doc.hmmMinorCopies.clear();
    const AlleleAnalysis alleles = analyseAlleles(doc, t, paired);
    if (!alleles.available) {
        out.why = alleles.why;
        return out;
    }
    const int first = firstArrayOf(t), last = lastArrayOf(t);
    DecodingLevels s;
    float pure[kStates];
    pureMeansOf(doc, false, pure);
    s.copies = effectiveCopiesOf(pure, false);
    s.purity = std::clamp(static_cast<double>(doc.hmmMeansPurity), 0.01, 1.0);
    s.baseCopyNumber = baselineCopyNumberOf(doc);
    s.scale = paired ? 1.0 / std::log(2.0) : 1.0;
    for (int a = first; a <= last; ++a) {
        s.baseline[a] = baselineRegionLevel(doc, a).value_or(0.0);
        s.noise[a] = profileNoise(doc, a, doc.logRatio[0]);
    }
    out.purity = s.purity;
    out.regionCopyNumber = s.baseCopyNumber;
    // A paired profile reads X against the patient's own normal; a pool against its references.
    s.xAgainstOwnNormal = paired;
    if (!paired) {
        int men = 0, references = 0;
        for (int a = first; a <= last; ++a) {
            const std::shared_ptr<const PoolSexes> pool = keptPoolSexes(doc, a);
            if (!pool->read) continue;
            men += pool->men();
            references += pool->references;
        }
        out.poolMaleShare = references > 0 ? static_cast<double>(men) / references : 0.0;
        s.referenceMaleShare = out.poolMaleShare;
    }

    const ProfileDecoding decoded =
        decodeProfile(alleles.profile, alleles.informative, alleles.segments, s, alleles.sample);
    out.decoded = true;
    out.sex = decoded.sex;
    out.warning = decoded.warning;
    doc.hmmMinorCopies.assign(kSlots, -1);
    for (std::size_t i = 0; i < decoded.totalCopies.size(); ++i) {
        if (decoded.totalCopies[i] < 0) continue;
        const int pos = alleles.baf.snps[i].pos;
        doc.hmmState[0][pos] = decoded.totalCopies[i];
        doc.hmmMinorCopies[static_cast<std::size_t>(pos)] = decoded.minorCopies[i];
    }
    return out;
}

} // namespace varn

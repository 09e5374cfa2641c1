#include "FitSegments.h"

#include "document/profile/Profile.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/AlleleSegments.h"
#include "engine/allelic/ProfileSegmentation.h"

#include <cmath>

namespace varn {

bool addFitSegments(const Profile& profile, int array, const InformativeSnps* informative,
                    PurityPloidyInput& in, double waves, double minBases) {
    const double noise = profileNoise(profile, array);
    if (!(noise > 0.0) || !std::isfinite(noise)) return false;
    const int a = array + 1;
    const double toNatural = profile.logBase == LogBase::Two ? std::log(2.0) : 1.0;
    FitArray& fit = in.arrays[a];
    fit.levelNoise = noise * toNatural;
    const std::vector<CopyNumberSegment> levels = segmentProfile(profile, array, noise, waves);
    std::vector<AlleleSegment> pieces;
    if (informative != nullptr) {
        AlleleSegments cut = alleleSegments(profile, *informative, levels);
        fit.bafNoise = cut.bafNoise;
        fit.informativeShare = cut.informativeShare;
        fit.detectableMinorShare = kAlleleParameters.detectableHomozygousSds * informative->homozygousNoise;
        pieces = std::move(cut.segments);
    } else {
        for (const CopyNumberSegment& s : levels) pieces.push_back({s, 0, -1, 0, 0.0, std::nan(""), 0.0});
    }
    for (const AlleleSegment& piece : pieces) {
        if (piece.total.chromosome < 1 || piece.total.chromosome > 22 || piece.total.markers == 0) continue;
        if (minBases > 0.0 && piece.total.end - piece.total.start + 1.0 < minBases) continue;
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
    return true;
}

} // namespace varn

#include "JointFitEstimate.h"

#include "engine/analysis/PurityPloidySegments.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// The estimate's fields from the joint fit: the best solution, the cost per segment along p (the
// constraint's path, else the best over psi at each p) and the other solutions as candidates.
void fromJointFit(PurityEstimate& e) {
    const PurityPloidyFit& fit = e.fit;
    const PurityPloidySolution& best = fit.solutions.front();
    e.joint = true;
    e.decided = fit.decided;
    e.why = fit.why;
    e.purity = best.purity;
    e.low = best.purityLow;
    e.high = best.purityHigh;
    e.segments = fit.segments;
    const double perSegment = 1.0 / std::max(1, fit.segments);
    if (!fit.path.empty()) {
        for (std::size_t i = 0; i < fit.path.size(); ++i)
            e.curve.push_back({fit.path[i].first, fit.pathCost[i] * perSegment});
    } else {
        const PurityPloidyMap& m = fit.map;
        for (int i = 0; i < m.purities; ++i) {
            double low = m.at(i, 0);
            for (int j = 1; j < m.ploidies; ++j) low = std::min(low, static_cast<double>(m.at(i, j)));
            e.curve.push_back({m.purityAt(i), low * perSegment});
        }
    }
    for (std::size_t n = 1; n < fit.solutions.size(); ++n)
        e.candidates.push_back({fit.solutions[n].purity, fit.solutions[n].cost * perSegment});
}

} // namespace

bool jointFitEstimate(const CVARNDoc& doc, int t, bool paired, const PurityFitOptions& options,
                      PurityEstimate& estimate) {
    PurityPloidyInput joint;
    // Without the alleles the joint fit still places a fraction and a ploidy both given.
    const bool bothGiven = std::isfinite(options.fixedPurity) && std::isfinite(options.fixedPloidy);
    if (!purityPloidySegments(doc, t, paired, joint, estimate.alleleReason) ||
        !(estimate.alleleReason.empty() || bothGiven))
        return false;
    if (options.dataDecideBaseline) joint.baselineCopyNumber = 0;
    joint.fixedPurity = options.fixedPurity;
    joint.fixedPloidy = options.fixedPloidy;
    joint.listMapBest = options.listMapBest;
    estimate.fit = fitPurityPloidy(joint);
    if (!estimate.fit.available) {
        if (estimate.alleleReason.empty()) estimate.alleleReason = estimate.fit.why;
        return false;
    }
    for (const FitSegment& s : joint.segments) estimate.markers += s.markers;
    estimate.changedMarkers =
        static_cast<int>(std::lround(estimate.fit.solutions.front().alteredShare * estimate.markers));
    fromJointFit(estimate);
    return true;
}

PurityEstimate estimateOfJointFit(const PurityPloidyFit& fit, int markers) {
    PurityEstimate e;
    e.fit = fit;
    e.markers = markers;
    e.changedMarkers = static_cast<int>(std::lround(fit.solutions.front().alteredShare * markers));
    fromJointFit(e);
    return e;
}

} // namespace varn

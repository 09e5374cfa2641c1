#pragma once

#include "engine/purity/PurityEstimate.h"

#include <string>

namespace varn {

class CVARNDoc;

// The estimate from the joint fit of fraction and ploidy, where the profile's alleles can be
// read (or, without them, where the person gave both): the fit itself kept in estimate.fit, and
// the estimate's fields read from it. False when the joint fit cannot serve; estimate.alleleReason
// then says why the alleles could not be read, or why the fit could not run.
bool jointFitEstimate(const CVARNDoc& doc, int t, bool paired, const PurityFitOptions& options,
                      PurityEstimate& estimate);

// The estimate's fields read from an available joint fit of segments holding these markers: the
// best solution, the cost per segment along p and the other solutions as candidates.
PurityEstimate estimateOfJointFit(const PurityPloidyFit& fit, int markers);

} // namespace varn

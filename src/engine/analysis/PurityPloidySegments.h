#pragma once

#include "engine/purity/PurityPloidyFit.h"

#include <string>

namespace varn {

class CVARNDoc;

// The segments the joint fit of purity and ploidy reads, from the analysis the document holds:
// array t (1 Xba, 2 Hind, 0 both arrays, each segmented on its own), against the pool's allele
// model or (paired) the patient's own normal. Each array's autosomal profile is segmented by its
// levels alone (not by the HMM, whose states already assume a fraction), each segment cut further
// where its alleles step, and read with its informative SNPs' mirrored B-allele fraction.
// Levels in natural log (a paired profile's base 2 converted). The baseline region of each array
// comes along for the constraint; baselineCopyNumber is the document's.
// False when there is no decoded profile. When the alleles cannot be read, alleleReason says why
// in words for the person and the segments carry their levels alone.
bool purityPloidySegments(const CVARNDoc& doc, int t, bool paired, PurityPloidyInput& input,
                          std::string& alleleReason);

} // namespace varn

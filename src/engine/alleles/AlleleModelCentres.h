#pragma once

#include "engine/alleles/BAlleleFraction.h"

#include <string>

namespace varn {

class CVARNDoc;

// The cluster centres of array a (1 Xba, 2 Hind) from the allele model of the pool loaded; empty
// when the pool has none.
ArrayCentres centresOfModel(const CVARNDoc& doc, int a);

// Why the pool of array a gives no allele model (no pool, or none learned for it); empty when it
// does.
std::string alleleModelMissing(const CVARNDoc& doc, int a);

} // namespace varn

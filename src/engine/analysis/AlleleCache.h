#pragma once

#include "engine/allelic/SampleSex.h"
#include "engine/analysis/AlleleReadings.h"
#include "engine/common/KeptValues.h"

#include <vector>

namespace varn {

// The results of the allele stages kept between calls (KeptValues.h): the joint fit, the
// allele-specific decoder, the B-allele fraction panel and the exports read the same alleles of
// the same sample, and each reading of a whole array takes longer than the analysis itself. A
// handful of the latest are kept (one array, the other, both merged, a paired analysis).
struct AlleleCache {
    std::vector<Kept<AlleleReadings>> readings;
    std::vector<Kept<PoolSexes>> poolSexes;
};

} // namespace varn

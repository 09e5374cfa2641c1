#pragma once

#include "engine/alleles/BAlleleFraction.h"

namespace varn {

class CVARNDoc;

// The cluster centres of a paired analysis, read from the patient's own normal (row 1 of the
// allele sums, its calls in normalSnpCall): a paired analysis has no pool and so no allele model,
// and the normal is the better reference anyway, measured on the same day with the same probes.
// At the normal's heterozygous SNPs its own contrast is the AB centre; at its homozygous SNPs its
// contrast is that homozygous centre. The other centres lie the array-wide spacing away: the
// median contrast of the normal's AA (BB) SNPs less the median of its AB SNPs, which is ln c, the
// cross-hybridisation share (about -2.1 on these arrays). A SNP the normal did not call takes the
// array-wide medians. Empty when the normal has no SNPs of some genotype to measure them on.
ArrayCentres centresFromNormal(const CVARNDoc& doc, int t);

} // namespace varn

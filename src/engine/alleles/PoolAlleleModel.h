#pragma once

#include "engine/alleles/AlleleModelLearning.h"

#include <filesystem>

namespace varn {

class CVARNDoc;

// A pool's allele model is learned while its references are read: each reference's contrasts
// are taken right after its signal file is read (before the next file overwrites the document's
// probe rows), and the model is learned, or updated, once all are in.

ReferenceAlleles startReferenceAlleles(const CVARNDoc& doc, int t);

// The population heterozygosity rate of every record of array t (heteroRate is kept by display
// position), as the learning takes it.
std::vector<float> heteroRateByRecord(const CVARNDoc& doc, int t);

// The contrasts of the signal file the document read last (its probe rows, scaled or not: the
// ratio does not see the scale), appended to alleles; with the reference's calls where
// "<stem>_snp.txt" lies beside "<stem>.txt" and reads as a SNP-call file of the array.
void collectReferenceAlleles(ReferenceAlleles& alleles, const CVARNDoc& doc,
                             const std::filesystem::path& signalPath);

// A new pool of array t, its rows and refCount in place: learns its model. A pool of fewer than
// three references gets none (the reason function says why); references without clusters leave
// none with that reason kept.
void learnPoolAlleleModel(CVARNDoc& doc, int t, const ReferenceAlleles& alleles);

// References appended to the pool of array t (refCount already counts them): the model is
// updated with them when it was the pool's own before (modelWasUsable); otherwise the grown pool
// has none.
void extendPoolAlleleModel(CVARNDoc& doc, int t, const ReferenceAlleles& added, bool modelWasUsable);

} // namespace varn

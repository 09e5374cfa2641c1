#pragma once

#include <vector>

namespace varn::demo {

struct ArrayModel;
struct DemoGenome;
struct DemoTumour;

// How noisy a demo tumour is against its references, measured the way the analysis will see it:
// each sample's 20 allele probes summed and scaled by the array mean, the natural-log ratio of
// the tumour to the mean of the references, corrected by least-squares parabolas in fragment
// length and then GC content, and its SD over the usable autosomal SNPs of unchanged stretches
// (diploid and heterozygous; 2+2 in a doubled genome; no subclone). A check that the demo data
// are not easier than real arrays.
double compensatedNoiseSd(const DemoGenome& genome, const ArrayModel& model, const std::vector<float>& tumourSum,
                          const std::vector<std::vector<float>>& referenceSums, const DemoTumour& tumour);

} // namespace varn::demo

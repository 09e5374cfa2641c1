#pragma once

#include <vector>

namespace varn {

struct Profile;

// Which SNPs of an allele analysis carry allelic information: those whose germline is
// heterozygous and whose sample still holds both alleles. Only there does the B-allele fraction
// measure the balance of the parents' copies; at a homozygous SNP it is 0 or 1 whatever happens.
struct InformativeSnps {
    std::vector<char> informative; // in step with the profile's SNPs
    int count = 0;
    // The spread of the B-allele fraction at homozygous SNPs (how close to 0 or 1 a minor allele
    // may come before it cannot be told from none).
    double homozygousNoise = 0.0;
    bool fromNormal = false; // decided by the paired normal's calls
};

// Without the patient's normal: from the sample itself. Each SNP weighs the population
// heterozygosity rate (the prior), its own B-allele fraction against the homozygous ends and
// against the band its neighbours show (a stretch of 0.3 / 0.7 values is a heterozygous stretch
// in imbalance, not a run of miscalls), and its call. A neighbourhood where far more SNPs look
// heterozygous than the population allows holds no alleles at all (a homozygous deletion in a
// pure tumour reads balanced everywhere) and gives none.
// Reads the profile's B-allele fraction, genotypes (when it has them) and heterozygosity prior.
InformativeSnps informativeFromSample(const Profile& profile);

// With the paired normal: its heterozygous calls decide (its B-allele fraction where it has no
// calls).
InformativeSnps informativeFromNormal(const Profile& profile);

} // namespace varn

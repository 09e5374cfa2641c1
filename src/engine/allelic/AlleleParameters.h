#pragma once

namespace varn {

// Every number the allele analysis of a sample rests on, in one place, with where it comes from.
// The stages (BAlleleFraction, InformativeSnps, AlleleSegments, AlleleCopyNumbers) read them
// from here and nowhere else.
struct AlleleParameters {
    // ---- the sample's allele contrast ----
    // A summarised signal file writes the same number for both alleles (or a fixed ratio): its
    // allele contrasts then have no spread at all. Real arrays spread them over about +-2 around
    // each SNP's heterozygous centre (the homozygous clusters lie ln c = ln 0.12 away, the
    // cross-hybridisation of the probes); a median absolute deviation below this is no allele
    // measurement.
    double summarisedSpread = 0.01;

    // ---- informative SNPs (germline heterozygous, from the sample alone) ----
    // Neighbours looked at on either side (usable SNPs of the same chromosome): about 15
    // heterozygous SNPs each way at a population heterozygosity near 0.3, enough for the median of
    // a stretch's allelic band and few enough that a band ends where its stretch ends.
    int bandWindow = 50;
    // A SNP at least this far from both homozygous ends (in B-allele fraction, and at least
    // clearHomozygousSds of the homozygous noise) certainly holds both alleles; these mark the band.
    double clearDistance = 0.06;
    double clearHomozygousSds = 6.0;
    // A band needs this many clear neighbours; fewer is a stretch without the second allele (LOH in
    // a pure tumour), where a SNP must stand on its own value.
    int minBandSnps = 4;
    // The spread of a band's values is never taken below this (a few neighbours can agree by
    // chance); 0.02 is about the spread of a heterozygous SNP's B-allele fraction on the demo.
    double minBandSpread = 0.02;
    // What a call says: a heterozygous SNP is called AB in a balanced stretch and often homozygous
    // in an imbalanced one (the caller sees the weaker allele fade); a homozygous SNP is rarely
    // called AB (genotyping error rates of these arrays are a few per thousand).
    double callAbIfHeterozygous = 0.8;
    double callAbIfHomozygous = 0.01;
    // Where more of a neighbourhood looks heterozygous than this share, and more than twice what
    // the population rates expect, its values do not measure alleles at all: a homozygous
    // deletion in a pure tumour leaves only background, which reads as balanced everywhere.
    int excessWindow = 20;
    double excessShare = 0.8;
    double excessOverExpected = 2.0;

    // ---- imbalance segmentation ----
    // The log-ratio segments are cut further where the mirrored B-allele fraction of the
    // informative SNPs, or the share of informative SNPs against the population rates, steps. A cut
    // must stand this many standard errors clear (as the profile's own segmentation: noise alone
    // stays below about 4.5 over an array's candidate cuts) and leave this many values on each
    // side.
    double splitZ = 6.0;
    int minSegmentSnps = 10;
    // Cuts of the two signals closer than this many SNPs are one step, taken where the B-allele
    // fraction puts it.
    int sameStepSnps = 5;

    // ---- allele-specific copy numbers ----
    // The mixture model holds to about this much in mirrored B-allele fraction (probe response is
    // not quite linear, cluster centres carry the error of a few references).
    double bafModelError = 0.005;
    // The level of a segment holds to this much beyond its noise (the compensation leaves slow
    // waves): only used where the alleles contradict the HMM's copy number.
    double levelModelError = 0.05;
    // A segment whose mirrored B-allele fraction lies this many standard errors from every split
    // of the HMM's copy number disagrees with it; its closest fit over all copy numbers is taken.
    double disagreeZ = 5.0;
    // A minor allele whose expected share of the B-allele fraction falls below this many
    // homozygous noise SDs cannot be told from homozygous: its SNPs are not expected among the
    // informative ones (LOH in a nearly pure tumour shows as a deficit of informative SNPs).
    double detectableHomozygousSds = 4.0;
    // Informative SNPs inside a stretch without a second allele are strays (edges, failed probes):
    // the share of the expected heterozygous SNPs they are taken to make up at most.
    double strayShare = 0.02;
    // Where the copy number leaves room for both parents, losing the minor one is taken to be the
    // rarer state a priori (about one segment in ten in carcinomas): a few informative SNPs fewer
    // than expected in a short segment are chance, not LOH. ln(0.1).
    double minorLossLogPrior = -2.3;
    // X has no copy number from the HMM (its level depends on the sexes of sample and references),
    // so only the alleles say whether a second one is there; at high normal-cell fractions a band
    // fits several copy numbers (one copy left, or three against one), and the one fewest copies
    // away from two is taken: this many log-likelihood units per copy.
    double undecodedCopyPenalty = 2.0;
};

inline constexpr AlleleParameters kAlleleParameters{};

} // namespace varn

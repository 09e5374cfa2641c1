#pragma once

#include "document/DocumentLimits.h"
#include "document/profile/Profile.h"

namespace varn {

// What an array's chemistry does to the log ratio and the B-allele fraction, one row per
// platform (PlatformTable.cpp gives where each value comes from). A profile's analysis starts
// from its platform's row and measures on the data what the row only expects: the noise of the
// log ratio, the centre of the heterozygous cluster, the share of heterozygous SNPs.
//
// SNP density needs no row: every window and threshold of the allele stages that counts SNPs
// stands for statistical support (how many values a median, a band or a cut rests on) and stays a
// count whatever the density, while every genomic scale is in bases (the decoders' chance of a
// change between neighbouring SNPs follows their distance), so that a denser array resolves
// smaller events with the same support per event.
struct PlatformValues {
    const char* name = "";
    // The log ratio of k copies against the sample's mean, as a share of log2 of the copy ratio
    // (ASCAT's gamma): the profile's log ratio over it is the copy ratio's own logarithm. 1 where
    // the compression is already in the pure means (the 50K pair).
    double compression = 1.0;
    // The pure-tumour means of the log ratio so decompressed, natural log against two copies:
    // 0..6 copies. They give each copy number's effective copies (MixtureModel.h).
    float pureMeans[kStates] = {};
    // Above this SD of one SNP's log ratio (neighbour differences) a profile is too noisy to trust
    // its calls; 0 where the analysis ranks its references for noise instead.
    double noiseLimit = 0.0;
    // Where the homozygous clusters of the B-allele fraction lie (AA at homozygousOffset, BB at
    // 1 - homozygousOffset): the probes' cross-hybridisation, which the fraction of VARN's own
    // 50K reading and of Illumina's software has taken out already.
    double homozygousOffset = 0.0;
    // The heterozygous cluster's centre on an array whose probes read both alleles alike. The
    // analysis measures it: a paired normal places it SNP by SNP, else the sample's heterozygous
    // SNPs place it genome-wide.
    double heterozygousCentre = 0.5;
    // The share of an array's SNPs heterozygous in a person, where no population frequencies
    // give each SNP's own (PennCNV's PFB file): used until the data measure it.
    double heterozygosity = 0.3;
    // What X is read against: references of which this share are men (the 50K pool's share is
    // read from the pool itself); 0 for clusters of two X copies.
    double referenceMaleShare = 0.0;
};

// The row of a platform.
const PlatformValues& platformValues(Platform platform);

// The row of a profile: its first array's platform.
const PlatformValues& platformOf(const Profile& profile);

} // namespace varn

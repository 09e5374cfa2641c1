#include "PlatformTable.h"

#include "document/HmmDefaults.h"

#include <cmath>

namespace varn {

namespace {

// The pure means of an array whose decompressed log ratio is the copy ratio itself: ln(k / 2) for
// k >= 1, and for no copy the array's floor (the probes' background) decompressed, given as log2.
PlatformValues linearMeans(PlatformValues row, double floorLog2) {
    row.pureMeans[0] = static_cast<float>(floorLog2 / row.compression * std::log(2.0));
    for (int k = 1; k < kStates; ++k) row.pureMeans[k] = static_cast<float>(std::log(k / 2.0));
    return row;
}

PlatformValues fiftyK() {
    PlatformValues row;
    row.name = "Affymetrix Xba / Hind 50K";
    // Its compression lies in its pure means, the HMM dialog's defaults: measured on the arrays
    // as the pool profile reads them (a homozygous deletion -1.24, one copy -0.49, three 0.365,
    // natural log), and mixed with normal cells on the linear scale as the probes add signal up.
    row.compression = 1.0;
    for (int k = 0; k < kStates; ++k) row.pureMeans[k] = kDefaultHmmMean[k];
    // Its B-allele fraction is formed against every SNP's own clusters (the pool's allele model,
    // or the paired normal's), its heterozygosity rates are the annotation's, and the pool's
    // share of men is read from the pool (PoolSexes).
    return row;
}

PlatformValues illumina() {
    PlatformValues row;
    row.name = "Illumina Infinium";
    // ASCAT's default gamma, set on Illumina arrays: a one-copy loss in a pure tumour reads 0.55
    // of log2(1/2). PennCNV's published Illumina state means agree (one copy lost near -0.45 to
    // -0.66, a gain near +0.3 to +0.4); the floor is its homozygous deletion state, -3.53.
    row.compression = 0.55;
    // PennCNV's quality control takes a log R ratio SD above 0.3 for a failed hybridisation.
    row.noiseLimit = 0.3;
    // GenomeStudio scales the B allele frequency so that the AA and BB cluster centres of each
    // SNP read 0 and 1; its heterozygous cluster is left where the probes put it (PennCNV's
    // quality control accepts a median up to 0.55).
    row.homozygousOffset = 0.0;
    // Infinium SNPs are chosen common: about a third of them are heterozygous in a person.
    row.heterozygosity = 0.33;
    return linearMeans(row, -3.53);
}

PlatformValues snp6() {
    PlatformValues row;
    row.name = "Affymetrix GenomeWideSNP_6";
    // ASCAT's default gamma, as for Illumina; its users keep it on these arrays.
    row.compression = 0.55;
    // Measured on the GenomeWideSNP_6 pair in Debian's r-cran-pscbs (chromosome 1): the log2
    // total copy ratio's SD from neighbour differences is 0.29 in the normal and 0.47 in the
    // tumour; its raw B-allele fraction puts the normal's AA cluster at 0.108, BB at 0.889 and AB
    // at 0.501, and 34 % of its SNPs in the heterozygous cluster.
    row.noiseLimit = 0.5;
    row.homozygousOffset = 0.108;
    row.heterozygosity = 0.34;
    return linearMeans(row, -3.53);
}

PlatformValues unknown() {
    PlatformValues row;
    row.name = "an array of unknown platform";
    // A plain table or ASCAT's files say nothing of the array: the log ratio is taken as the
    // copy ratio's own (ASCAT's gamma of 1, "the ideal case"), its fraction as Illumina's.
    row.compression = 1.0;
    row.heterozygosity = 0.33;
    return linearMeans(row, -3.53);
}

} // namespace

const PlatformValues& platformValues(Platform platform) {
    static const PlatformValues rows[] = {unknown(), fiftyK(), snp6(), illumina()};
    switch (platform) {
    case Platform::Affymetrix50K:
        return rows[1];
    case Platform::AffymetrixSnp6:
        return rows[2];
    case Platform::Illumina:
        return rows[3];
    case Platform::Unknown:
        break;
    }
    return rows[0];
}

const PlatformValues& platformOf(const Profile& profile) {
    return platformValues(profile.arrays.empty() ? Platform::Unknown : profile.arrays.front().platform);
}

} // namespace varn

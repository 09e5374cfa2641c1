#include "FinalReportSample.h"

#include "DemoRandom.h"
#include "DenseArray.h"
#include "ReportTumour.h"
#include "document/ChromosomeTable.h"
#include "document/DocumentLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varn::demo {

namespace {

// How the array reads a sample's DNA, each value with where it comes from.
//
// Log R ratio = compression * log2(copies / the sample's mean copies): the sample's intensities
// are normalised to its mean, as ASCAT models the log ratio. PennCNV's published Illumina state
// means put one copy lost near -0.45 and one gained near +0.3, that is 0.45 and 0.51 of log2 of
// the copy ratio; the demo takes 0.48 for both.
constexpr double kCompression = 0.48;
// The floor of the compressed ratio, so that no copy at all (a homozygous deletion without
// normal cells, not in this demo's tumour) stays a number.
constexpr double kLowestLogRRatio = -3.5;
// Noise of one hybridisation, beside the clusters' own offset (DenseArray, SD 0.06): a good
// blood normal reads an SD of about 0.15 and a tumour biopsy about 0.2. PennCNV's quality
// control refuses samples above 0.28 (Wang et al. 2007).
constexpr double kNormalNoise = 0.13, kTumourNoise = 0.18;
// Genomic waves: the log R ratio follows the local GC content by a few hundredths (Diskin et al.
// 2008), differently in every hybridisation.
constexpr double kNormalWave = 0.03, kTumourWave = 0.05;
// One bead type in a thousand reads wild on a given chip.
constexpr double kOutlierRate = 0.001;

// B allele frequency: the allele-B fraction of the DNA as the probes see it. The B probes bind a
// little better than the A probes, so a heterozygote reads 0.55, not 0.5 (on the GenomeWideSNP_6
// pair in Debian's r-cran-pscbs the raw fraction's heterozygous cluster sits at 0.558; PennCNV's
// quality control accepts a heterozygous median up to 0.55): the fraction b reads as
// k b / (k b + 1 - b) with k = 0.55 / 0.45, which keeps the homozygotes at 0 and 1.
constexpr double kHetCentre = 0.55;
constexpr double kAlleleGain = kHetCentre / (1.0 - kHetCentre);
// Spread of the clusters: homozygotes within a few hundredths of 0 and 1 (clipped there, so
// that many read exactly 0 or 1), heterozygotes about 0.04 around their centre; between them the
// spread grows with the fraction's distance from the ends.
constexpr double kHomSd = 0.015, kHetSd = 0.04;

// Calls: GenCall scores a signal by its distance to the nearest cluster (z in the cluster's SDs,
// the score falling as exp(-z^2/8)) and by the SNP's own quality; below GenomeStudio's default
// cutoff of 0.15 it reports no call. A weak total signal (under a quarter of the mean) scores low
// too, and one SNP in 500 fails on a chip.
constexpr double kNoCallCutoff = 0.15;
constexpr double kWeakSignal = 0.25;
constexpr double kFailedRate = 0.002;

std::uint64_t streamOf(const std::string& text) {
    std::uint64_t h = 1469598103934665603ULL; // FNV-1a
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// Copies the person inherited at a SNP of any row.
int inheritedCopies(const DenseArray& a, const ReportTumour& patient, std::size_t i) {
    const int c = a.chromosome[i];
    if (c >= 1 && c <= kChromosomeX) return germlineCopiesAt(patient, c, a.position[i]);
    if (c == kDenseY) return patient.tumour.male ? 1 : 0;
    if (c == kDenseMitochondrial) return 1;
    return 2;
}

// The reference copies of a row's clusters: the sample's mean, except on Y and MT, whose
// clusters are those of a single copy.
bool singleCopyClusters(int chromosome) {
    return chromosome == kDenseY || chromosome == kDenseMitochondrial;
}

struct Cluster {
    int call;
    double centre, sd;
};
constexpr Cluster kClusters[3] = {
    {kCallAA, 0.0, kHomSd}, {kCallAB, kHetCentre, kHetSd}, {kCallBB, 1.0, kHomSd}};

} // namespace

std::vector<std::uint8_t> drawDenseGermline(const DenseArray& a, const ReportTumour& patient,
                                            std::uint64_t seed) {
    DemoRandom rng(seed, streamOf("final report germline " + patient.tumour.name));
    std::vector<std::uint8_t> alleles(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double p = a.bFrequency[i];
        const bool first = rng.chance(p);
        const bool second = rng.chance(p); // drawn on every row, so that a loss moves no other SNP
        const int copies = inheritedCopies(a, patient, i);
        alleles[i] =
            static_cast<std::uint8_t>((copies >= 1 && first ? 1 : 0) | (copies >= 2 && second ? 2 : 0));
    }
    return alleles;
}

ReportSample synthesiseReportSample(const DenseArray& a, const ReportTumour& patient,
                                    const std::vector<std::uint8_t>& germline, bool tumour,
                                    std::uint64_t seed) {
    const DemoTumour& t = patient.tumour;
    ReportSample s;
    s.name = tumour ? t.name : t.name + "N";
    DemoRandom rng(seed, streamOf("final report sample " + s.name));
    const double normalCells = tumour ? t.normalFraction : 1.0;
    DemoTumour inherited = t; // the patient's own genome: the germline changes only
    inherited.segments = patient.germline;
    const double meanCopies = (1.0 - normalCells) * tumourPloidy(wholeGenomeSegments(t)) +
                              normalCells * tumourPloidy(wholeGenomeSegments(inherited));
    const double noise = tumour ? kTumourNoise : kNormalNoise;
    const double wave = tumour ? kTumourWave : kNormalWave;
    const std::size_t n = a.size();
    s.logRRatio.resize(n);
    s.bAlleleFreq.resize(n);
    s.gcScore.resize(n);
    s.call.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const int c = a.chromosome[i];
        if (c == kDenseUnmapped) {
            s.logRRatio[i] = s.bAlleleFreq[i] = std::numeric_limits<float>::quiet_NaN();
            s.gcScore[i] = 0.0f;
            s.call[i] = kNoCall;
            continue;
        }
        const int first = germline[i] & 1, second = germline[i] >> 1 & 1;
        const int normalCopies = inheritedCopies(a, patient, i);
        const double normalB = first + (normalCopies >= 2 ? second : 0);
        double total = normalCopies, b = normalB;
        if (tumour && c <= kChromosomeX) {
            // The first parent's copies are the major ones; which allele that parent gave is
            // random, so the phase is too.
            const PlantedSegment state = tumourStateAt(t, c, a.position[i]);
            const double share = state.subcloneShare;
            const double cloneB = state.majorCopies * first + state.minorCopies() * second;
            const double subB = state.subcloneMajorCopies * first +
                                (state.subcloneCopyNumber - state.subcloneMajorCopies) * second;
            const double tumourTotal = (1.0 - share) * state.copyNumber + share * state.subcloneCopyNumber;
            const double tumourB = (1.0 - share) * cloneB + share * subB;
            total = (1.0 - normalCells) * tumourTotal + normalCells * normalCopies;
            b = (1.0 - normalCells) * tumourB + normalCells * normalB;
        }
        const double ratio = total / (singleCopyClusters(c) ? 1.0 : meanCopies);
        double lrr =
            ratio > 0.0 ? std::max(kLowestLogRRatio, kCompression * std::log2(ratio)) : kLowestLogRRatio;
        lrr += wave * a.gcWave[i] + a.clusterOffset[i] + rng.normal(0.0, noise);
        if (rng.chance(kOutlierRate)) lrr = rng.uniform(-1.5, 1.0);
        s.logRRatio[i] = static_cast<float>(lrr);

        const double fraction = total > 0.0 ? b / total : rng.uniform();
        const double read = kAlleleGain * fraction / (kAlleleGain * fraction + 1.0 - fraction);
        const double spread = kHomSd + (kHetSd - kHomSd) * 4.0 * fraction * (1.0 - fraction);
        const double baf = std::clamp(read + rng.normal(0.0, spread), 0.0, 1.0);
        s.bAlleleFreq[i] = static_cast<float>(baf);

        const Cluster* nearest = &kClusters[0];
        double z = 1e9;
        for (const Cluster& k : kClusters) {
            const double d = std::abs(baf - k.centre) / k.sd;
            if (d < z) {
                z = d;
                nearest = &k;
            }
        }
        double score = a.callQuality[i] * std::exp(-z * z / 8.0) * std::min(1.0, ratio / kWeakSignal);
        if (rng.chance(kFailedRate)) score = rng.uniform(0.0, kNoCallCutoff);
        s.gcScore[i] = static_cast<float>(score);
        s.call[i] = static_cast<std::int8_t>(score >= kNoCallCutoff ? nearest->call : kNoCall);
    }
    return s;
}

} // namespace varn::demo

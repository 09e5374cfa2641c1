#include "DemoSamples.h"

#include "DemoGenome.h"
#include "DemoRandom.h"
#include "DemoTumours.h"
#include "document/DocumentLimits.h"
#include "view/GenomeLayout.h"

#include <algorithm>
#include <cmath>

namespace varn::demo {

namespace {

// Expected natural-log ratio of copy numbers 0..6 against a diploid normal, as the copy-number
// model expects it (compressed from log(c/2) by the normal cells in a tumour and by the probes'
// limited dynamic range).
constexpr double kLogRatioOfCopies[7] = {-1.24, -0.49, 0.0, 0.365, 0.657, 0.899, 1.1};

constexpr double kCrossTalk = 0.12;       // an allele probe's response to the other allele
constexpr double kMismatchResponse = 0.35; // probes 2 and 3 of a group: weak, allele-blind
constexpr double kProbeNoise = 0.22;      // per-probe scatter of one hybridisation (log scale)
constexpr double kFragmentNoise = 0.21;   // per-SNP scatter of one sample's amplification
constexpr double kNoCallRate = 0.03;
constexpr double kMiscallRate = 0.002;

std::uint64_t streamOf(const std::string& text, int arrayType) {
    std::uint64_t h = 1469598103934665603ULL; // FNV-1a
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h ^ (static_cast<std::uint64_t>(arrayType) << 56);
}

int callOf(int allelesA, int allelesB) {
    if (allelesA > 0 && allelesB > 0) return kCallAB;
    return allelesA > 0 ? kCallAA : kCallBB;
}

// The array software's call: mostly the genotype, a few NoCalls, rarely a wrong genotype. Where
// no DNA is left (copy number 0) the calls are noise.
signed char observedCall(int genotype, int copyNumber, DemoRandom& rng) {
    if (copyNumber == 0) return static_cast<signed char>(rng.chance(0.7) ? kNoCall : 1 + rng.below(3));
    if (rng.chance(kNoCallRate)) return kNoCall;
    if (rng.chance(kMiscallRate)) return static_cast<signed char>(1 + (genotype + rng.below(2)) % 3);
    return static_cast<signed char>(genotype);
}

// A smooth, sample-specific dependence of signal on fragment length and GC content: the PCR
// step of the protocol amplifies short, GC-balanced fragments best, differently on each run.
struct AmplificationCurve {
    double length1, length2, gc1, gc2;

    double at(int fragmentLength, float gcContent) const {
        const double u = (fragmentLength - 1250.0) / 750.0;
        const double v = gcContent > 0.0f ? (gcContent - 0.42) / 0.09 : 0.0;
        return length1 * u + length2 * (u * u - 0.33) + gc1 * v + gc2 * (v * v - 1.0);
    }
};

// Allele levels relative to one copy in a diploid normal; the total follows the copy number's
// expected log ratio. With no copy left only cross-hybridisation remains.
struct AlleleLevels {
    double a = 0.0, b = 0.0;
};

AlleleLevels levelsOf(int copies, int allelesA) {
    const double total = 2.0 * std::exp(kLogRatioOfCopies[copies]);
    if (copies == 0) return {total / 2.0, total / 2.0};
    return {total * allelesA / copies, total * (copies - allelesA) / copies};
}

// The caller sees a mixture of tumour and normal DNA: where the weaker allele holds a fair
// share of the signal it calls a heterozygote, so heterozygous calls return into LOH stretches
// as the normal cells grow; in between it hesitates.
int mixedGenotype(const AlleleLevels& mix, DemoRandom& rng) {
    const double share = std::min(mix.a, mix.b) / (mix.a + mix.b);
    if (rng.chance(std::clamp((share - 0.1) / 0.2, 0.0, 1.0))) return kCallAB;
    return mix.a >= mix.b ? kCallAA : kCallBB;
}

} // namespace

ArrayModel makeArrayModel(std::uint64_t seed, int arrayType) {
    ArrayModel m;
    m.arrayType = arrayType;
    m.first = arrayType == kXba ? 57244 : 0;
    m.last = arrayType == kXba ? kSlots - 1 : 57243;
    DemoRandom rng(seed, 200 + static_cast<std::uint64_t>(arrayType));
    m.affinity.resize(static_cast<std::size_t>(m.count()) * kProbesPerSnp);
    for (int i = 0; i < m.count(); ++i) {
        // Each SNP's probes share much of their binding strength (the flanking sequence).
        const double snpEffect = rng.normal(0.0, 0.5);
        for (int p = 0; p < kProbesPerSnp; ++p) {
            const double mismatch = p % 4 >= 2 ? -0.7 : 0.0;
            m.affinity[static_cast<std::size_t>(i) * kProbesPerSnp + static_cast<std::size_t>(p)] =
                static_cast<float>(std::exp(snpEffect + rng.normal(0.0, 0.3) + mismatch));
        }
    }
    int placed = 0;
    while (placed < kNullFields) {
        const int f = rng.below(kFieldsAfterId);
        if (!m.nullField[static_cast<std::size_t>(f)]) {
            m.nullField[static_cast<std::size_t>(f)] = true;
            ++placed;
        }
    }
    return m;
}

std::vector<signed char> drawGermline(const DemoGenome& genome, const ArrayModel& model, std::uint64_t seed,
                                      const std::string& person, bool male) {
    DemoRandom rng(seed, streamOf("germline " + person, model.arrayType));
    std::vector<signed char> genotype(static_cast<std::size_t>(model.count()));
    for (int i = 0; i < model.count(); ++i) {
        const double p = genome.alleleAFrequency[static_cast<std::size_t>(model.first + i)];
        const bool a1 = rng.chance(p);
        const bool a2 = rng.chance(p);
        // A man's single X carries one allele; the second draw is still made, so that the
        // stream stays the same as a woman's.
        const bool hemizygous = male && genome.chromosome[static_cast<std::size_t>(model.first + i)] == varn::kChromosomeX;
        genotype[static_cast<std::size_t>(i)] =
            static_cast<signed char>(hemizygous ? callOf(a1, !a1) : callOf(a1 + a2, 2 - a1 - a2));
    }
    return genotype;
}

SampleData synthesiseSample(const DemoGenome& genome, const ArrayModel& model,
                            const std::vector<signed char>& germline, const DemoTumour* tumour, std::uint64_t seed,
                            const std::string& sampleName, double noiseFactor, bool male) {
    DemoRandom rng(seed, streamOf("sample " + sampleName, model.arrayType));
    const double brightness = 900.0 * std::exp(rng.normal(0.0, 0.3));
    const AmplificationCurve curve{rng.normal(0.0, 0.12), rng.normal(0.0, 0.08), rng.normal(0.0, 0.08),
                                   rng.normal(0.0, 0.04)};
    // Normal samples differ in quality (the reference ranking is there to find the quiet ones);
    // a tumour keeps exactly its given level, so that its profile is as noisy as intended.
    const double quality = std::exp(rng.normal(0.0, 0.2));
    const double fragmentNoise = kFragmentNoise * noiseFactor * (tumour == nullptr ? quality : 1.0);
    const double probeNoise = kProbeNoise * noiseFactor;

    SampleData s;
    const auto n = static_cast<std::size_t>(model.count());
    s.intensity.resize(n * kProbesPerSnp);
    s.call.resize(n);
    s.alleleSum.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t snp = static_cast<std::size_t>(model.first) + i;
        const int g = germline[i];
        const int germlineCopies = male && genome.chromosome[snp] == varn::kChromosomeX ? 1 : 2;
        int copies = germlineCopies;
        int allelesA = g == kCallAA ? copies : (g == kCallAB ? 1 : 0);
        int allelesB = copies - allelesA;
        const int germlineA = allelesA;
        // A subclone: the share of the tumour cells that hold its state, its copies and its A alleles.
        double subcloneShare = 0.0;
        int subcloneCopies = 0;
        int subcloneA = 0;
        if (tumour != nullptr) {
            const PlantedSegment state = tumourStateAt(*tumour, genome.chromosome[snp], genome.position[snp]);
            copies = state.copyNumber;
            if (state.subclonal()) {
                subcloneShare = state.subcloneShare;
                subcloneCopies = state.subcloneCopyNumber;
            }
            if (g == kCallAB) {
                // Which parent's allele is A at this SNP is a coin toss (phase); the subclone
                // descends from the clone and keeps its parents.
                const bool majorIsA = rng.chance(0.5);
                allelesA = majorIsA ? state.majorCopies : state.minorCopies();
                subcloneA = majorIsA ? state.subcloneMajorCopies : subcloneCopies - state.subcloneMajorCopies;
            } else {
                allelesA = g == kCallAA ? copies : 0;
                subcloneA = g == kCallAA ? subcloneCopies : 0;
            }
            allelesB = copies - allelesA;
        }
        AlleleLevels level = levelsOf(copies, allelesA);
        if (subcloneShare > 0.0) {
            // Two tumour cell populations: their DNA mixes as the normal cells' does below.
            const AlleleLevels sub = levelsOf(subcloneCopies, subcloneA);
            level.a = (1.0 - subcloneShare) * level.a + subcloneShare * sub.a;
            level.b = (1.0 - subcloneShare) * level.b + subcloneShare * sub.b;
        }
        const double normalCells = tumour != nullptr ? tumour->normalFraction : 0.0;
        if (normalCells > 0.0) {
            // A biopsy mixes the DNA of its cells: every probe sees (1 - f) tumour + f normal.
            const AlleleLevels normal = levelsOf(germlineCopies, germlineA);
            level.a = (1.0 - normalCells) * level.a + normalCells * normal.a;
            level.b = (1.0 - normalCells) * level.b + normalCells * normal.b;
        }
        const double levelA = level.a;
        const double levelB = level.b;
        const double snpScale = brightness * std::exp(curve.at(genome.fragmentLength[snp], genome.gcContent[snp]) +
                                                      rng.normal(0.0, fragmentNoise));
        const float* affinity = &model.affinity[i * kProbesPerSnp];
        float* out = &s.intensity[i * kProbesPerSnp];
        double sum = 0.0;
        for (int p = 0; p < kProbesPerSnp; ++p) {
            double target = 0.0;
            switch (p % 4) {
            case 0: target = levelA + kCrossTalk * levelB; break;
            case 1: target = levelB + kCrossTalk * levelA; break;
            default: target = kMismatchResponse * (levelA + levelB); break;
            }
            const double value = affinity[p] * snpScale * target * std::exp(rng.normal(0.0, probeNoise));
            // Written with one decimal: keep what the reader will see.
            const float written = static_cast<float>(std::round(value * 10.0) / 10.0);
            out[p] = written;
            if (p % 4 < 2) sum += written;
        }
        s.alleleSum[i] = static_cast<float>(sum);
        if (normalCells > 0.0) s.call[i] = observedCall(mixedGenotype(level, rng), germlineCopies, rng);
        else if (subcloneShare > 0.0)
            s.call[i] = observedCall(mixedGenotype(level, rng), std::max(copies, subcloneCopies), rng);
        else s.call[i] = observedCall(callOf(allelesA, allelesB), copies, rng);
    }
    return s;
}

} // namespace varn::demo

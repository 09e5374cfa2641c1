#include "PairedContrastModel.h"

#include "document/CVARNDoc.h"
#include "engine/alleles/AlleleImbalance.h"
#include "engine/allelic/MixtureModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace varn {

namespace {
const LevelsFitParameters& P = kLevelsFit;
} // namespace

// The allelic contrast a stretch of k copies, j of them from the minor parent, shows at tumour
// fraction p: each allele's DNA is 1 - p parts the normal cells' single copy and p parts the
// tumour's (its share of the tumour's compressed total), and each allele probe also answers to
// the other allele with the array's cross-hybridisation share c. With no copy left only the
// normal cells' alleles remain, in balance.
double expectedContrast(const PurityFitInput& in, double p, int k, int j, double c) {
    const double minor = minorAlleleShare(effectiveCopiesOf(in.pureMeans, in.log2Scale), k, j, p);
    const double major = 1.0 - minor;
    return std::log((major + c * minor) / (minor + c * major));
}

// The mean z^2 of a stretch is its expected contrast squared plus the noise's; it scatters by
// about sqrt((2 s^4 + 4 d^2 s^2) / n) over n SNPs, and the model itself is taken to hold to a
// tenth of the squared contrast (probe response is not quite linear). The chi-square of that,
// in the units of the total level's squared distance (times its noise variance), spread over
// the stretch's markers and capped as a total-level misfit is.
double alleleChi(const PurityFitInput& in, std::size_t s, double expected) {
    const SegmentAlleles& a = in.alleles[s];
    const double noise = in.contrastNoise[in.segments[s].arrayType];
    const double e2 = expected * expected;
    const double variance = (2.0 * noise * noise + 4.0 * e2 * noise) / a.count +
                            (P.contrastModelError * e2) * (P.contrastModelError * e2) + 1e-12;
    const double d = a.meanSquare - noise - e2;
    return d * d / variance;
}

double alleleMisfit(const PurityFitInput& in, std::size_t s, double expected) {
    return std::min(P.misfitCap * P.misfitCap,
                    in.noise * in.noise * alleleChi(in, s, expected) / in.segments[s].count);
}

bool hasAlleles(const PurityFitInput& in, std::size_t s) {
    return s < in.alleles.size() && in.alleles[s].count >= P.minAlleleSnps;
}

bool imbalanced(const PurityFitInput& in, std::size_t s) {
    if (!hasAlleles(in, s)) return false;
    const SegmentAlleles& a = in.alleles[s];
    const double noise = in.contrastNoise[in.segments[s].arrayType];
    const double excess = a.meanSquare - noise;
    return excess > P.changeContrast * P.changeContrast &&
           excess > P.changeZ * noise * std::sqrt(2.0 / a.count);
}

// The paired normal's allele signals: the total segments cut where the allelic balance steps,
// each with its heterozygous SNPs' contrast, the array's cross-hybridisation share, and the
// contrast noise alone gives, read from the quietest tenth of the stretches (by SNPs; most of a
// genome keeps both parents' alleles).
void addPairedAlleles(const CVARNDoc& doc, int t, std::vector<ProfileSegment>& segments, PurityFitInput& in) {
    std::vector<SegmentAlleles> alleles;
    splitAtAlleleChanges(doc, t, doc.logRatio[0], pairedAlleleContrast(doc, t), segments, alleles);
    std::vector<std::pair<double, int>> quiet;
    int snps = 0;
    for (const SegmentAlleles& a : alleles)
        if (a.count >= P.noiseStretchSnps) {
            quiet.push_back({a.meanSquare, a.count});
            snps += a.count;
        }
    std::sort(quiet.begin(), quiet.end());
    int seen = 0;
    for (const auto& [meanSquare, count] : quiet) {
        in.contrastNoise[t] = meanSquare;
        seen += count;
        if (10 * seen >= snps) break;
    }
    in.crossTalk[t] = crossTalkOf(doc, t);
    // Without a noise figure or usable probes, the total levels alone decide.
    if (quiet.empty() || !(in.crossTalk[t] > 0.0 && in.crossTalk[t] < 1.0))
        alleles.assign(segments.size(), {});
    in.alleles.insert(in.alleles.end(), alleles.begin(), alleles.end());
}

} // namespace varn

// Levels of the allele-specific states in a profile's units. A pool profile is zero on its
// baseline region; the region holds b copies (the user's, or the joint fit's solution), so k
// copies of an array lie at
//     level(k) = regionLevel + ln[(p g(k) + 2(1 - p)) / (p g(b) + 2(1 - p))]
// with g that array's effective copies, whatever the tumour's ploidy (it only moves the whole
// profile, and the region fixes that). On X the normal cells hold gN = 2 copies in a woman, g(1)
// in a man, and the pool's references 2(1 - f) + f g(1) with f its share of men (a paired normal
// is the patient's own: gN):
//     levelX(k) = regionLevel + ln[(p g(k) + (1 - p) gN) / poolX] - ln[(p g(b) + 2(1 - p)) / 2].
// A paired profile is base 2: the same in log2.
#include "AlleleSpecificDecoding.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "document/SampleName.h"
#include "engine/alleles/AlleleReadings.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/AlleleSpecificHmm.h"
#include "engine/allelic/ProfileSegmentation.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/common/SideBySide.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "engine/signal/BaselineRegionLevel.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

struct Setup {
    EffectiveCopies g;
    double p = 1.0;
    int base = 2;
    double scale = 1.0; // 1 for natural log, 1 / ln 2 for a paired profile
    double region[3] = {};
    double noise[3] = {};
};

// ln of the mixed signal of tumour cells holding g effective copies (normal cells holding
// normalCopies) against `against`.
double mixedLevel(const Setup& s, double g, double normalCopies, double against) {
    return std::log((s.p * g + (1.0 - s.p) * normalCopies) / against);
}

// The tumour cells' effective copies of a chain state: a subclonal one's pair half and half.
double tumourCopies(const Setup& s, int state) {
    if (state < kAlleleStates) return s.g.g[alleleStates()[state].total];
    const SubcloneStep& step = subcloneSteps()[state - kAlleleStates];
    return 0.5 * (s.g.g[alleleStates()[step.lower].total] + s.g.g[alleleStates()[step.upper].total]);
}

void fillLevels(AlleleHmmArray& a, const Setup& s, int array, bool x, double normalCopies, double poolX) {
    const double baseShift = mixedLevel(s, s.g.g[s.base], 2.0, 2.0);
    for (int st = 0; st < kHmmStates; ++st) {
        const double g = tumourCopies(s, st);
        const double relative = x ? mixedLevel(s, g, normalCopies, poolX) : mixedLevel(s, g, 2.0, 2.0);
        a.level[st] = s.region[array] + s.scale * (relative - baseShift);
    }
    a.levelNoise = s.noise[array];
}

// One chromosome of arrays first..last in base order, with each SNP's allele reading.
AlleleHmmChain chainOf(const CVARNDoc& doc, int ch, int first, int last, const AlleleAnalysis& alleles,
                       const std::vector<int>& snpAt, std::vector<int>& positions) {
    AlleleHmmChain chain;
    positions.clear();
    for (int a = first; a <= last; ++a)
        for (int pos = kChromosomeStart[a][ch]; pos < kChromosomeStart[a][ch + 1]; ++pos)
            if (doc.positionUsable[pos] == 1 && std::isfinite(doc.logRatio[0][pos])) positions.push_back(pos);
    std::stable_sort(positions.begin(), positions.end(), [&](int x, int y) {
        return doc.snpPosition[doc.arrangeOrder[x]] < doc.snpPosition[doc.arrangeOrder[y]];
    });
    chain.snps.reserve(positions.size());
    for (int pos : positions) {
        AlleleHmmSnp s;
        s.array = arrayOfSlot(pos);
        s.position = doc.snpPosition[doc.arrangeOrder[pos]];
        s.level = doc.logRatio[0][pos];
        s.heteroRate = doc.heteroRate[pos];
        const int i = snpAt[static_cast<std::size_t>(pos)];
        if (i >= 0 && std::isfinite(alleles.baf.snps[static_cast<std::size_t>(i)].baf)) {
            const float b = alleles.baf.snps[static_cast<std::size_t>(i)].baf;
            s.alleles = 1;
            s.informative = alleles.informative.informative[static_cast<std::size_t>(i)] != 0;
            s.mirroredBaf = std::max(b, 1.0f - b);
        }
        chain.snps.push_back(s);
    }
    return chain;
}

void writeStates(CVARNDoc& doc, const std::vector<int>& states, const std::vector<int>& positions) {
    for (std::size_t n = 0; n < positions.size(); ++n) {
        const AlleleState& st = alleleStates()[reportedAlleleState(states[n])];
        doc.hmmState[0][positions[n]] = st.total;
        doc.hmmMinorCopies[static_cast<std::size_t>(positions[n])] = static_cast<signed char>(st.minor);
    }
}

} // namespace

AlleleDecoding decodeAlleleSpecific(CVARNDoc& doc, int t, bool paired) {
    AlleleDecoding out;
    // The allele analysis reads the seven-state HMM's segments, not a previous decoding's.
    doc.hmmMinorCopies.clear();
    const AlleleAnalysis alleles = analyseAlleles(doc, t, paired);
    if (!alleles.available) {
        out.why = alleles.why;
        return out;
    }
    const int first = firstArrayOf(t), last = lastArrayOf(t);
    Setup s;
    float pure[kStates];
    pureMeansOf(doc, false, pure);
    s.g = effectiveCopiesOf(pure, false);
    s.p = std::clamp(static_cast<double>(doc.hmmMeansPurity), 0.01, 1.0);
    s.base = baselineCopyNumberOf(doc);
    s.scale = paired ? 1.0 / std::log(2.0) : 1.0;
    for (int a = first; a <= last; ++a) {
        s.region[a] = baselineRegionLevel(doc, a).value_or(0.0);
        s.noise[a] = profileNoise(doc, a, doc.logRatio[0]);
    }
    out.purity = s.p;
    out.regionCopyNumber = s.base;

    AlleleHmmChain model;
    model.informativeFromNormal = alleles.informative.fromNormal;
    const double detectable = kAlleleParameters.detectableHomozygousSds * alleles.informative.homozygousNoise;
    for (int a = first; a <= last; ++a) {
        AlleleHmmArray& arr = model.arrays[a];
        fillLevels(arr, s, a, false, 2.0, 2.0);
        arr.bafNoise = std::max(0.01, alleles.segments.bafNoise);
        arr.informativeShare = std::clamp(alleles.segments.informativeShare, 0.05, 1.0);
        fillAlleleBands(arr, s.g, s.p, detectable, model.informativeFromNormal);
    }

    std::vector<int> snpAt(kSlots, -1);
    for (std::size_t i = 0; i < alleles.baf.snps.size(); ++i)
        snpAt[static_cast<std::size_t>(alleles.baf.snps[i].pos)] = static_cast<int>(i);
    doc.hmmMinorCopies.assign(kSlots, -1);
    out.decoded = true;

    // X: the sexes of sample and pool decide its normal level.
    out.sex = readSampleSex(doc, alleles.baf, alleles.informative, s.region);
    if (!paired) {
        int men = 0, references = 0;
        for (int a = first; a <= last; ++a) {
            const std::shared_ptr<const PoolSexes> pool = keptPoolSexes(doc, a);
            if (!pool->read) continue;
            men += pool->men();
            references += pool->references;
        }
        out.poolMaleShare = references > 0 ? static_cast<double>(men) / references : 0.0;
    }
    const double g1 = s.g.g[1];
    const double normalCopies = out.sex.male ? g1 : 2.0;
    const double poolX = paired ? normalCopies : 2.0 * (1.0 - out.poolMaleShare) + out.poolMaleShare * g1;
    if (!out.sex.read) {
        out.warning = "the X of " + alleles.sample +
                      " holds too few heterozygous SNPs to read its sex; X is left undecoded";
    } else if (!paired) {
        const double baseShift = mixedLevel(s, s.g.g[s.base], 2.0, 2.0);
        const double expectedFemale = s.scale * (std::log(2.0 / poolX) - baseShift);
        const double expectedMale = s.scale * (std::log(g1 / poolX) - baseShift);
        out.warning = sexContradiction(out.sex, expectedFemale, expectedMale, alleles.sample);
    }
    const bool decodeX = out.warning.empty();
    AlleleHmmChain x = model;
    if (decodeX) {
        for (int a = first; a <= last; ++a) {
            AlleleHmmArray& arr = x.arrays[a];
            fillLevels(arr, s, a, true, normalCopies, poolX);
            if (out.sex.male) std::fill(std::begin(arr.shows), std::end(arr.shows), false);
        }
        x.informativeFromNormal = model.informativeFromNormal && !out.sex.male;
        if (out.sex.male)
            for (int st = 0; st < kHmmStates; ++st) {
                const SubcloneStep* step =
                    st < kAlleleStates ? nullptr : &subcloneSteps()[st - kAlleleStates];
                x.allowed[st] = alleleStates()[step ? step->upper : st].minor == 0;
            }
    }

    // The chromosomes are independent chains, each gathered and decoded whole on one of the
    // machine's cores, side by side.
    const std::size_t count = decodeX ? 23 : 22;
    std::vector<std::vector<int>> states(count), positions(count);
    sideBySide(count, [&](std::size_t c) {
        const int ch = c < 22 ? static_cast<int>(c) + 1 : kChromosomeX;
        AlleleHmmChain chain = chainOf(doc, ch, first, last, alleles, snpAt, positions[c]);
        const AlleleHmmChain& like = c < 22 ? model : x;
        std::copy(std::begin(like.arrays), std::end(like.arrays), std::begin(chain.arrays));
        std::copy(std::begin(like.allowed), std::end(like.allowed), std::begin(chain.allowed));
        chain.informativeFromNormal = like.informativeFromNormal;
        states[c] = decodeAlleleStates(chain);
    });
    for (std::size_t c = 0; c < count; ++c) writeStates(doc, states[c], positions[c]);
    return out;
}

} // namespace varn

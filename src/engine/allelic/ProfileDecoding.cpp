// Levels of the allele-specific states in a profile's units. The baseline level holds b copies
// (the user's region, or the joint fit's solution), so k copies of an array lie at
//     level(k) = baseline + ln[(p g(k) + 2(1 - p)) / (p g(b) + 2(1 - p))]
// with g that array's effective copies, whatever the tumour's ploidy (it only moves the whole
// profile, and the baseline fixes that). On X the normal cells hold gN = 2 copies in a woman, g(1)
// in a man, and the references 2(1 - f) + f g(1) with f their share of men (a paired normal is
// the patient's own: gN):
//     levelX(k) = baseline + ln[(p g(k) + (1 - p) gN) / refX] - ln[(p g(b) + 2(1 - p)) / 2].
// A profile in base 2: the same in log2.
#include "ProfileDecoding.h"

#include "document/ChromosomeTable.h"
#include "document/profile/Profile.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/AlleleSpecificHmm.h"
#include "engine/common/SideBySide.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace varn {

namespace {

// ln of the mixed signal of tumour cells holding g effective copies (normal cells holding
// normalCopies) against `against`.
double mixedLevel(const DecodingLevels& s, double g, double normalCopies, double against) {
    return std::log((s.purity * g + (1.0 - s.purity) * normalCopies) / against);
}

// The tumour cells' effective copies of a chain state: a subclonal one's pair half and half.
double tumourCopies(const DecodingLevels& s, int state) {
    if (state < kAlleleStates) return s.copies.g[alleleStates()[state].total];
    const SubcloneStep& step = subcloneSteps()[state - kAlleleStates];
    return 0.5 *
           (s.copies.g[alleleStates()[step.lower].total] + s.copies.g[alleleStates()[step.upper].total]);
}

void fillLevels(AlleleHmmArray& a, const DecodingLevels& s, int array, bool x, double normalCopies,
                double refX) {
    const double baseShift = mixedLevel(s, s.copies.g[s.baseCopyNumber], 2.0, 2.0);
    for (int st = 0; st < kHmmStates; ++st) {
        const double g = tumourCopies(s, st);
        const double relative = x ? mixedLevel(s, g, normalCopies, refX) : mixedLevel(s, g, 2.0, 2.0);
        a.level[st] = s.baseline[array] + s.scale * (relative - baseShift);
    }
    a.levelNoise = s.noise[array];
}

// The SNPs of each chromosome with a log ratio, in base order (a merged profile's arrays in
// turn at a base both share).
std::vector<std::vector<std::size_t>> chromosomeRows(const Profile& p) {
    std::vector<std::vector<std::size_t>> rows(kChromosomeX + 1);
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p.chromosome[i] >= 1 && p.chromosome[i] <= kChromosomeX && std::isfinite(p.logRatio[i]))
            rows[p.chromosome[i]].push_back(i);
    for (std::vector<std::size_t>& r : rows)
        std::stable_sort(r.begin(), r.end(), [&](std::size_t x, std::size_t y) {
            return p.position[x] != p.position[y] ? p.position[x] < p.position[y] : p.array[x] < p.array[y];
        });
    return rows;
}

AlleleHmmChain chainOf(const Profile& p, const InformativeSnps& informative,
                       const std::vector<std::size_t>& rows) {
    AlleleHmmChain chain;
    chain.snps.reserve(rows.size());
    for (std::size_t i : rows) {
        AlleleHmmSnp s;
        s.array = p.array[i] + 1;
        s.position = p.position[i];
        s.level = p.logRatio[i];
        if (p.hasBaf() && std::isfinite(p.baf[i])) {
            const float b = p.baf[i];
            s.heteroRate = p.heterozygosity[i];
            s.alleles = 1;
            s.informative = informative.informative[i] != 0;
            s.mirroredBaf = std::max(b, 1.0f - b);
        } else if (!p.heterozygosity.empty()) {
            s.heteroRate = p.heterozygosity[i];
        }
        chain.snps.push_back(s);
    }
    return chain;
}

} // namespace

ProfileDecoding decodeProfile(const Profile& profile, const InformativeSnps& informative,
                              const AlleleSegments& segments, const DecodingLevels& s,
                              const std::string& sample) {
    ProfileDecoding out;
    // The arrays the profile's SNPs come from (one of the 50K pair, or both).
    bool present[3] = {};
    for (std::uint8_t a : profile.array) present[std::min<int>(a + 1, 2)] = true;
    AlleleHmmChain model;
    model.informativeFromNormal = informative.fromNormal;
    const double detectable = kAlleleParameters.detectableHomozygousSds * informative.homozygousNoise;
    for (int a = 1; a <= 2; ++a) {
        if (!present[a]) continue;
        AlleleHmmArray& arr = model.arrays[a];
        fillLevels(arr, s, a, false, 2.0, 2.0);
        arr.bafNoise = std::max(0.01, segments.bafNoise);
        arr.informativeShare = std::clamp(segments.informativeShare, 0.05, 1.0);
        fillAlleleBands(arr, s.copies, s.purity, detectable, model.informativeFromNormal);
    }

    // X: the sexes of sample and references decide its normal level.
    out.sex = readSampleSex(profile, informative, s.baseline);
    if (s.male) {
        out.sex.read = true;
        out.sex.male = *s.male;
    }
    const double g1 = s.copies.g[1];
    const double normalCopies = out.sex.male ? g1 : 2.0;
    const double refX =
        s.xAgainstOwnNormal ? normalCopies : 2.0 * (1.0 - s.referenceMaleShare) + s.referenceMaleShare * g1;
    if (!out.sex.read) {
        out.warning =
            "the X of " + sample + " holds too few heterozygous SNPs to read its sex; X is left undecoded";
    } else if (!s.xAgainstOwnNormal && !s.male) {
        const double baseShift = mixedLevel(s, s.copies.g[s.baseCopyNumber], 2.0, 2.0);
        const double expectedFemale = s.scale * (std::log(2.0 / refX) - baseShift);
        const double expectedMale = s.scale * (std::log(g1 / refX) - baseShift);
        out.warning = sexContradiction(out.sex, expectedFemale, expectedMale, sample);
    }
    const bool decodeX = out.warning.empty();
    AlleleHmmChain x = model;
    if (decodeX) {
        for (int a = 1; a <= 2; ++a) {
            if (!present[a]) continue;
            AlleleHmmArray& arr = x.arrays[a];
            fillLevels(arr, s, a, true, normalCopies, refX);
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
    const std::vector<std::vector<std::size_t>> rows = chromosomeRows(profile);
    const std::size_t count = decodeX ? 23 : 22;
    std::vector<std::vector<int>> states(count);
    sideBySide(count, [&](std::size_t c) {
        const int ch = c < 22 ? static_cast<int>(c) + 1 : kChromosomeX;
        AlleleHmmChain chain = chainOf(profile, informative, rows[static_cast<std::size_t>(ch)]);
        const AlleleHmmChain& like = c < 22 ? model : x;
        std::copy(std::begin(like.arrays), std::end(like.arrays), std::begin(chain.arrays));
        std::copy(std::begin(like.allowed), std::end(like.allowed), std::begin(chain.allowed));
        chain.informativeFromNormal = like.informativeFromNormal;
        states[c] = decodeAlleleStates(chain);
    });
    out.totalCopies.assign(profile.size(), -1);
    out.minorCopies.assign(profile.size(), -1);
    for (std::size_t c = 0; c < count; ++c) {
        const int ch = c < 22 ? static_cast<int>(c) + 1 : kChromosomeX;
        const std::vector<std::size_t>& r = rows[static_cast<std::size_t>(ch)];
        for (std::size_t n = 0; n < r.size(); ++n) {
            const AlleleState& st = alleleStates()[reportedAlleleState(states[c][n])];
            out.totalCopies[r[n]] = static_cast<std::int8_t>(st.total);
            out.minorCopies[r[n]] = static_cast<std::int8_t>(st.minor);
        }
    }
    return out;
}

} // namespace varn

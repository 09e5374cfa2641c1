#include "InformativeSnps.h"

#include "document/DocumentLimits.h"
#include "document/profile/Profile.h"
#include "engine/allelic/AlleleParameters.h"
#include "engine/common/RobustStatistics.h"
#include "engine/common/SideBySide.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

const AlleleParameters& kP = kAlleleParameters;

// How far a B-allele fraction lies from the nearer homozygous end; negative beyond it.
double distanceFromHomozygous(float baf) { return std::min<double>(baf, 1.0 - baf); }

int callOf(const Profile& p, std::size_t i) {
    return p.genotype.empty() ? kNoCall : p.genotype[i];
}

// A profile without calls: a fraction this close to an end stands for a homozygous call; a
// normal's fraction this far from both ends, for a heterozygous one (its clusters lie within a
// few hundredths of 0, of 0.5 and of 1).
constexpr double kUncalledHomozygous = 0.1;
constexpr double kNormalHeterozygous = 0.2;
// A fraction clipped to the ends: more than one homozygous SNP in this many exactly on an end.
constexpr std::size_t kClippedShare = 10;

// The SD of the B-allele fraction at SNPs the sample calls homozygous, from their median absolute
// distance to the end (robust against the few that are heterozygous in an imbalanced stretch).
double homozygousNoiseOf(const Profile& p) {
    std::vector<double> distance;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const float b = p.baf[i];
        const int call = callOf(p, i);
        const bool homozygous = p.genotype.empty()
                                    ? std::fabs(distanceFromHomozygous(b)) < kUncalledHomozygous
                                    : call == kCallAA || call == kCallBB;
        if (std::isfinite(b) && homozygous) distance.push_back(std::fabs(distanceFromHomozygous(b)));
    }
    if (distance.empty()) return 0.01;
    // An array whose software clips the fraction to 0..1 (GenomeStudio's) puts about half of its
    // homozygous SNPs exactly on the end and spreads the other half as the far side of their
    // noise: the median distance of those off the end is then the noise's median deviation.
    const auto onEnd = static_cast<std::size_t>(std::count(distance.begin(), distance.end(), 0.0));
    if (onEnd > distance.size() / kClippedShare)
        distance.erase(std::remove(distance.begin(), distance.end(), 0.0), distance.end());
    if (distance.empty()) return 0.002;
    return std::max(0.002, kMadToSd * medianOf(distance));
}

double priorOf(const Profile& p, std::size_t i) {
    const double h = std::clamp(static_cast<double>(p.heterozygosity[i]), 0.01, 0.99);
    return std::log(h / (1.0 - h));
}

double callTerm(int call) {
    if (call == kCallAB) return std::log(kP.callAbIfHeterozygous / kP.callAbIfHomozygous);
    if (call == kCallAA || call == kCallBB)
        return std::log((1.0 - kP.callAbIfHeterozygous) / (1.0 - kP.callAbIfHomozygous));
    return 0.0;
}

// The median absolute deviation from the upper median of n sorted values at(0..n-1): the
// deviations below the median (centre - at(c - 1 - i)) and above it (at(c + 1 + j) - centre) each
// rise away from it, and the (n/2)-th smallest of the two runs together is the one wanted. Found
// by halving how many of it come from below, not by walking out n/2 steps.
template <typename At> double middleDeviation(const At& at, std::size_t n) {
    const std::size_t c = n / 2, k = n / 2;
    if (k == 0) return 0.0;
    const double centre = at(c);
    const std::size_t below = c, above = n - c - 1;
    auto low = [&](std::size_t i) { return centre - at(c - 1 - i); };
    auto high = [&](std::size_t j) { return at(c + 1 + j) - centre; };
    std::size_t first = k > above ? k - above : 0, last = std::min(k, below);
    for (;;) {
        const std::size_t i = first + (last - first) / 2, j = k - i; // i from below, j from above
        if (i < below && j > 0 && high(j - 1) > low(i)) {
            first = i + 1;
        } else if (i > 0 && j < above && low(i - 1) > high(j)) {
            last = i - 1;
        } else {
            if (i == 0) return high(j - 1);
            if (j == 0) return low(i - 1);
            return std::max(low(i - 1), high(j - 1));
        }
    }
}

// One chromosome, SNPs [begin, end) of the profile.
void decideChromosome(const Profile& p, std::size_t begin, std::size_t end, double homNoise,
                      InformativeSnps& out) {
    const double clear = std::max(kP.clearDistance, kP.clearHomozygousSds * homNoise);
    const double lnHomNoise = std::log(homNoise);
    std::vector<std::size_t> clearSnps; // clearly heterozygous, in order
    for (std::size_t i = begin; i < end; ++i) {
        const float b = p.baf[i];
        if (std::isfinite(b) && distanceFromHomozygous(b) > clear) clearSnps.push_back(i);
    }
    // The band a SNP's neighbours show: the clear SNPs within bandWindow on either side, the
    // SNP itself left out so that it is judged by the others. Their values are kept sorted as the
    // window slides (a few dozen at a time), so that the median and the median absolute deviation
    // are read off without sorting again for every SNP.
    const std::size_t window = static_cast<std::size_t>(kP.bandWindow);
    std::size_t lo = 0, hi = 0; // clear SNPs [lo, hi) are in the window
    std::vector<double> sorted;
    double lastSpread = std::nan(""), lnSpread = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        const float baf = p.baf[i];
        if (!std::isfinite(baf)) continue;
        for (; hi < clearSnps.size() && clearSnps[hi] <= i + window; ++hi) {
            const double v = distanceFromHomozygous(p.baf[clearSnps[hi]]);
            sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), v), v);
        }
        for (; lo < hi && clearSnps[lo] + window < i; ++lo)
            sorted.erase(
                std::lower_bound(sorted.begin(), sorted.end(), distanceFromHomozygous(p.baf[clearSnps[lo]])));
        const double d = distanceFromHomozygous(baf);
        // The band without the SNP itself: one copy of its value left out where it is clear.
        const bool self = lo < hi && std::binary_search(clearSnps.begin() + static_cast<std::ptrdiff_t>(lo),
                                                        clearSnps.begin() + static_cast<std::ptrdiff_t>(hi), i);
        const std::size_t skip =
            self ? static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), d) - sorted.begin())
                 : sorted.size();
        const std::size_t n = sorted.size() - (self ? 1 : 0);
        auto at = [&](std::size_t k) { return sorted[k < skip ? k : k + 1]; };
        double heterozygous = std::log(2.0); // on its own: anywhere between the ends
        if (static_cast<int>(n) >= kP.minBandSnps) {
            const std::size_t c = n / 2;
            const double centre = at(c);
            const double deviation = middleDeviation(at, n);
            const double spread = std::max(kP.minBandSpread, kMadToSd * deviation);
            // ln of the normal density of d around the band (without ln sqrt(2 pi), which the
            // homozygous side leaves out alike); ln spread formed again only when the spread moves.
            if (spread != lastSpread) {
                lastSpread = spread;
                lnSpread = std::log(spread);
            }
            const double zb = (d - centre) / spread;
            heterozygous = -0.5 * zb * zb - lnSpread;
        }
        const double z = d / homNoise; // the homozygous end's normal density, likewise
        const double odds =
            priorOf(p, i) + heterozygous - (-0.5 * z * z - lnHomNoise) + callTerm(callOf(p, i));
        out.informative[i] = odds > 0.0;
    }

    // A neighbourhood far more heterozygous than the population allows measures no alleles. The
    // counts of a window come from running counts; the sum of the rates, only needed where the
    // counts already say "too many", is added up SNP by SNP as before, so that it rounds alike.
    const std::size_t reach = static_cast<std::size_t>(kP.excessWindow);
    std::vector<int> lookedBefore(end - begin + 1, 0), heterozygousBefore(end - begin + 1, 0);
    for (std::size_t j = begin; j < end; ++j) {
        const bool finite = std::isfinite(p.baf[j]);
        lookedBefore[j - begin + 1] = lookedBefore[j - begin] + (finite ? 1 : 0);
        heterozygousBefore[j - begin + 1] = heterozygousBefore[j - begin] + (finite ? out.informative[j] : 0);
    }
    std::vector<char> excess(end - begin, 0);
    for (std::size_t i = begin; i < end; ++i) {
        const std::size_t a = i >= begin + reach ? i - reach : begin, b = std::min(end, i + reach + 1);
        const int looked = lookedBefore[b - begin] - lookedBefore[a - begin];
        const int heterozygous = heterozygousBefore[b - begin] - heterozygousBefore[a - begin];
        if (!(looked > 0 && heterozygous > kP.excessShare * looked)) continue;
        double expected = 0.0;
        for (std::size_t j = a; j < b; ++j)
            if (std::isfinite(p.baf[j])) expected += p.heterozygosity[j];
        excess[i - begin] = heterozygous > kP.excessOverExpected * expected;
    }
    for (std::size_t i = begin; i < end; ++i)
        if (excess[i - begin]) out.informative[i] = 0;
}

// The normal's call, else its B-allele fraction well clear of both ends.
bool normalHeterozygous(const Profile& p, std::size_t i) {
    if (!p.normalGenotype.empty() && p.normalGenotype[i] != kNoCall) return p.normalGenotype[i] == kCallAB;
    return !p.normalBaf.empty() && std::isfinite(p.normalBaf[i]) &&
           distanceFromHomozygous(p.normalBaf[i]) > kNormalHeterozygous;
}

} // namespace

InformativeSnps informativeFromSample(const Profile& p) {
    InformativeSnps out;
    out.informative.assign(p.size(), 0);
    out.homozygousNoise = p.hasBaf() ? homozygousNoiseOf(p) : 0.01;
    if (!p.hasBaf()) return out;
    // Each chromosome is judged by its own SNPs alone, so the chromosomes are decided side by side.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (i == 0 || p.chromosome[i] != p.chromosome[i - 1]) starts.push_back(i);
    starts.push_back(p.size());
    sideBySide(starts.size() - 1, [&](std::size_t c) {
        decideChromosome(p, starts[c], starts[c + 1], out.homozygousNoise, out);
    });
    out.count = static_cast<int>(std::count(out.informative.begin(), out.informative.end(), 1));
    return out;
}

InformativeSnps informativeFromNormal(const Profile& p) {
    InformativeSnps out;
    out.fromNormal = true;
    out.informative.assign(p.size(), 0);
    out.homozygousNoise = p.hasBaf() ? homozygousNoiseOf(p) : 0.01;
    if (!p.hasBaf()) return out;
    for (std::size_t i = 0; i < p.size(); ++i)
        out.informative[i] = std::isfinite(p.baf[i]) && normalHeterozygous(p, i);
    out.count = static_cast<int>(std::count(out.informative.begin(), out.informative.end(), 1));
    return out;
}

} // namespace varn

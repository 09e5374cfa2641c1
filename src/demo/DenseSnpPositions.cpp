#include "DenseSnpPositions.h"

#include "DemoChromosomes.h"
#include "DemoRandom.h"
#include "DenseArray.h"
#include "document/ChromosomeTable.h"
#include "document/profile/GenomeBuild.h"

#include <algorithm>
#include <cmath>

namespace varn::demo {

namespace {

constexpr std::uint64_t kSitesStream = 301;

// hg19 begins and ends most chromosomes with 10 kb of unknown sequence.
constexpr int kTelomereGap = 10000;
// SNPs keep this far from a gap: no probe can be designed on the repeats at its edge (and two
// SNPs drawn on one base move apart by a base or two without reaching it).
constexpr int kGapMargin = 20000;
// The heterochromatin beside the centromere of 1, 9 and 16 is not in the assembly: from the
// centromere to the end of the gvar band 1q12, 9q12 or 16q11.2 of UCSC's hg19 cytoBand (as
// Debian's r-bioc-biovizbase ships it, hg19IdeogramCyto).
struct Block {
    int chromosome, end;
};
constexpr Block kHeterochromatinEnd[] = {{1, 142600000}, {9, 65900000}, {16, 47000000}};
// X's pseudoautosomal regions on hg19 (the Genome Reference Consortium's PAR1 and PAR2): the
// arrays report their SNPs as "XY".
constexpr int kPar1End = 2699520;
constexpr int kPar2Start = 154931044;
// The male-specific region of Y that arrays type, hg19 bases.
constexpr int kYStart = 2700000, kYEnd = 28800000;
constexpr int kMitochondrialLength = 16569;

// Shares of the rows off chromosomes 1..23: a few hundred of each at 700,000 SNPs, as on
// Illumina's genome-wide arrays.
constexpr double kShareY = 0.001, kSharePseudoautosomal = 0.0005, kShareMitochondrial = 0.0002,
                 kShareUnmapped = 0.0001;

// Density varies along the genome: typed SNPs crowd where genes and common variation are, and
// thin out in deserts. Each 500 kb bin gets a weight drawn from a gamma distribution of shape 3
// (SD 58 % of the mean): a choice of this demo, so that most windows hold between a third of and
// twice the mean count, and spacing is uneven on every scale from bases to megabases.
constexpr int kBinLength = 500000;
constexpr int kBinShape = 6;
// X carries about half the autosomal density: less diversity, fewer tag SNPs to choose.
constexpr double kXDensity = 0.5;

struct Bin {
    int chromosome, start, length;
};

// The stretches of chromosome c that carry SNPs, as [start, end) pairs.
std::vector<std::pair<int, int>> sequencedStretches(int c) {
    const int length = chromosomeLength(GenomeBuild::Hg19, c);
    const Centromere cen = centromereOf(GenomeBuild::Hg19, c);
    int qStart = cen.end + kGapMargin;
    for (const Block& b : kHeterochromatinEnd)
        if (b.chromosome == c) qStart = b.end + kGapMargin;
    int first = kTelomereGap + kGapMargin, last = length - kTelomereGap - kGapMargin;
    if (c == kChromosomeX) {
        first = kPar1End + kGapMargin;
        last = kPar2Start - kGapMargin;
    }
    std::vector<std::pair<int, int>> out;
    if (!isAcrocentric(c)) out.emplace_back(first, cen.start - kGapMargin);
    out.emplace_back(qStart, last);
    return out;
}

double gammaDraw(DemoRandom& rng, int shape) {
    double sum = 0.0;
    for (int k = 0; k < shape; ++k) sum -= std::log(1.0 - rng.uniform());
    return sum / shape;
}

// n positions spread uniformly over [lo, hi), sorted, for the rows off the autosomes and X.
void appendRows(DenseSites& sites, int chromosome, int n, const std::vector<std::pair<int, int>>& ranges,
                DemoRandom& rng) {
    double total = 0.0;
    for (const auto& [lo, hi] : ranges) total += hi - lo;
    std::vector<std::int32_t> positions(static_cast<std::size_t>(n), 0);
    for (std::int32_t& p : positions) {
        double u = rng.uniform() * total;
        for (const auto& [lo, hi] : ranges) {
            if (u < hi - lo) {
                p = lo + static_cast<int>(u);
                break;
            }
            u -= hi - lo;
        }
    }
    std::sort(positions.begin(), positions.end());
    for (const std::int32_t p : positions) {
        sites.chromosome.push_back(static_cast<std::int8_t>(chromosome));
        sites.position.push_back(p);
    }
}

int rowsOf(double share, int snpCount) {
    return std::max(1, static_cast<int>(std::lround(share * snpCount)));
}

} // namespace

DenseSites drawDenseSites(std::uint64_t seed, int snpCount) {
    DemoRandom rng(seed, kSitesStream);
    std::vector<Bin> bins;
    std::vector<double> cumulative;
    double weight = 0.0;
    for (int c = 1; c <= kChromosomeX; ++c) {
        for (const auto& [lo, hi] : sequencedStretches(c)) {
            for (int start = lo; start < hi; start += kBinLength) {
                const int length = std::min(kBinLength, hi - start);
                bins.push_back({c, start, length});
                weight += length * gammaDraw(rng, kBinShape) * (c == kChromosomeX ? kXDensity : 1.0);
                cumulative.push_back(weight);
            }
        }
    }
    const int y = rowsOf(kShareY, snpCount);
    const int xy = rowsOf(kSharePseudoautosomal, snpCount);
    const int mt = rowsOf(kShareMitochondrial, snpCount);
    const int unmapped = rowsOf(kShareUnmapped, snpCount);
    const int placed = snpCount - y - xy - mt - unmapped;

    // Chromosome and base in one key, so that one sort puts the draws in genome order.
    std::vector<std::uint64_t> keys(static_cast<std::size_t>(placed));
    for (std::uint64_t& key : keys) {
        const double u = rng.uniform() * weight;
        const auto at = std::upper_bound(cumulative.begin(), cumulative.end(), u) - cumulative.begin();
        const Bin& bin = bins[static_cast<std::size_t>(std::min<std::ptrdiff_t>(at, std::ssize(bins) - 1))];
        const int base = bin.start + std::min(bin.length - 1, static_cast<int>(rng.uniform() * bin.length));
        key = static_cast<std::uint64_t>(bin.chromosome) << 32 | static_cast<std::uint32_t>(base);
    }
    std::sort(keys.begin(), keys.end());
    DenseSites sites;
    sites.chromosome.reserve(static_cast<std::size_t>(snpCount));
    sites.position.reserve(static_cast<std::size_t>(snpCount));
    int previousChromosome = 0, previous = 0;
    for (const std::uint64_t key : keys) {
        const int c = static_cast<int>(key >> 32);
        int base = static_cast<int>(key & 0xffffffffU);
        if (c == previousChromosome && base <= previous) base = previous + 1; // one SNP per base
        sites.chromosome.push_back(static_cast<std::int8_t>(c));
        sites.position.push_back(base);
        previousChromosome = c;
        previous = base;
    }
    const int length = chromosomeLength(GenomeBuild::Hg19, kChromosomeX);
    appendRows(sites, kDensePseudoautosomal, xy, {{60001, kPar1End}, {kPar2Start, length - kTelomereGap}},
               rng);
    appendRows(sites, kDenseY, y, {{kYStart, kYEnd}}, rng);
    appendRows(sites, kDenseMitochondrial, mt, {{1, kMitochondrialLength}}, rng);
    appendRows(sites, kDenseUnmapped, unmapped, {{0, 1}}, rng);
    return sites;
}

} // namespace varn::demo

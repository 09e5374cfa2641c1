// The strip's mapping from (chromosome, base) to x and back, for the whole genome, one chromosome
// and a part of one, and the pixel columns at the strip's ends.
#include "view/profile/GenomeStrip.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

constexpr GenomeBuild kBuild = GenomeBuild::Hg19;
const long long kChr1 = chromosomeLength(kBuild, 1); // 249,250,621
const long long kChr2 = chromosomeLength(kBuild, 2);

TEST(GenomeStrip, MapsBasesToXAndBack) {
    const GenomeRange genome = GenomeStrip::wholeGenome(kBuild);
    const GenomeRange chr2 = GenomeStrip::chromosomeRange(kBuild, 2);
    ASSERT_EQ(chr2.from, kChr1);
    ASSERT_EQ(chr2.to, kChr1 + kChr2);
    const struct {
        const char* name;
        GenomeRange visible;
        int chromosome;
        long long base;
        double x;
    } cases[] = {
        {"genome start", genome, 1, 0, 100.0},
        {"genome end", genome, 23, chromosomeLength(kBuild, 23), 1100.0},
        {"chr2 on the genome", genome, 2, 0, 100.0 + 1000.0 * kChr1 / genome.to},
        {"chr2 start", chr2, 2, 0, 100.0},
        {"chr2 middle", chr2, 2, kChr2 / 2, 100.0 + 1000.0 * (kChr2 / 2) / kChr2},
        {"chr2 end", chr2, 2, kChr2, 1100.0},
        {"a base past chr2's end is held at it", chr2, 2, kChr2 + 5'000'000, 1100.0},
        {"chr1 lies left of chr2's page", chr2, 1, 0, 100.0 - 1000.0 * kChr1 / kChr2},
        {"10-20 Mb of chr1", {10'000'000, 20'000'000}, 1, 15'000'000, 600.0},
    };
    for (const auto& c : cases) {
        const GenomeStrip strip(kBuild, c.visible, 100, 1000);
        EXPECT_NEAR(strip.xOf(c.chromosome, c.base), c.x, 1e-6) << c.name;
        // Back from x to the base, to within the bases of a pixel's hundredth.
        const Locus back = strip.locusAt(c.x);
        const long long held = std::min<long long>(c.base, chromosomeLength(kBuild, c.chromosome));
        const bool atChromosomeEnd = held == chromosomeLength(kBuild, c.chromosome) && c.chromosome < 23;
        if (!atChromosomeEnd) {
            EXPECT_EQ(back.chromosome, c.chromosome) << c.name;
            EXPECT_NEAR(static_cast<double>(back.base), static_cast<double>(held),
                        (c.visible.to - c.visible.from) / 1000.0 / 100 + 1)
                << c.name;
        }
    }
}

TEST(GenomeStrip, OffTheGenomeAndAtTheColumnsEdges) {
    const GenomeStrip strip(kBuild, GenomeStrip::chromosomeRange(kBuild, 1), 50, 100);
    EXPECT_EQ(strip.locusAt(49.0), Locus{}); // left of chromosome 1: no locus
    EXPECT_EQ(strip.locusAt(50.0), (Locus{1, 0}));
    const long long genomeEnd = GenomeStrip::wholeGenome(kBuild).to;
    EXPECT_EQ(strip.locusAt(strip.xOfCoordinate(genomeEnd) + 1), Locus{}); // right of X's end
    EXPECT_EQ(strip.locusAt(150.0), (Locus{2, 0}));                        // chromosome 1's end is 2's start
    EXPECT_EQ(strip.columns(), 100);
    EXPECT_EQ(strip.columnOf(-1), 0);              // held inside
    EXPECT_EQ(strip.columnOf(kChr1 / 100 - 1), 0); // the last base of column 0
    EXPECT_EQ(strip.columnOf(kChr1 / 100 + 1), 1); // the first of column 1
    EXPECT_EQ(strip.columnOf(kChr1), 99);          // the chromosome's end is in the last column
    EXPECT_EQ(strip.columnOf(kChr1 + kChr2), 99);  // and so is what lies past it
}

} // namespace
} // namespace varn

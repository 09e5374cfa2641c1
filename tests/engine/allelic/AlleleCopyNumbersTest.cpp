// The split of each segment's copy number between the parents, from its informative SNPs: how
// many there are against the population rates and where their band lies, at the sample's tumour
// fraction. Segments and the fit's input are built here, on an array without compression.
#include "engine/allelic/AlleleCopyNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varn {
namespace {

// An array without compression: k copies read as k (none as the probes' background, 0.2); levels
// in natural log against two copies, the informative SNPs' band noise 0.03.
AlleleFitInput inputAt(double purity) {
    AlleleFitInput in;
    in.purity = purity;
    const double g[kStates] = {0.2, 1, 2, 3, 4, 5, 6};
    for (int k = 0; k < kStates; ++k) {
        in.pureMeans[k] = std::log(g[k] / 2.0);
        in.levels[k] = std::log((purity * g[k] + 2.0 * (1.0 - purity)) / 2.0);
    }
    in.levelNoise = 0.3;
    in.homozygousNoise = 0.015;
    return in;
}

constexpr double kBafNoise = 0.03;

// The mirrored B-allele fraction a band at `band` shows under the noise.
double mirroredOf(double band) {
    return 0.5 + foldedMean(band - 0.5, kBafNoise);
}

struct Case {
    std::string name;
    double purity;
    int hmm;         // the HMM's copy number, -1 undecoded
    double meanLn;   // the segment's level
    int informative; // of expected heterozygous SNPs
    double expected;
    double band;      // where the informative SNPs' band lies
    int major, minor; // the answer
    bool loh, mismatch;
    double expectedBand; // NaN: none
};

TEST(AlleleCopyNumbers, SplitsEachSegmentBetweenTheParents) {
    const double none = std::nan("");
    const Case cases[] = {
        {"balanced diploid", 1.0, 2, 0.0, 30, 30, 0.5, 1, 1, false, false, 0.5},
        {"copy-neutral LOH in a pure tumour: no informative SNP left", 1.0, 2, 0.0, 0, 30, none, 2, 0, true,
         false, none},
        {"copy-neutral LOH with 40 % normal cells: a band at 0.8", 0.6, 2, 0.0, 30, 30, 0.8, 2, 0, true,
         false, 0.8},
        {"one copy lost", 1.0, 1, std::log(0.5), 0, 30, none, 1, 0, true, false, none},
        {"doubled genome, balanced", 1.0, 4, std::log(2.0), 30, 30, 0.5, 2, 2, false, false, 0.5},
        {"doubled genome, three against one", 1.0, 4, std::log(2.0), 30, 30, 0.75, 3, 1, false, false, 0.75},
        {"doubled genome after LOH", 1.0, 4, std::log(2.0), 0, 30, none, 4, 0, true, false, none},
        {"both copies lost", 1.0, 0, std::log(0.1), 0, 30, none, 0, 0, false, false, none},
        // A single SNP without a second allele is chance, not LOH.
        {"one-SNP segment, not informative", 1.0, 2, 0.0, 0, 0.3, none, 1, 1, false, false, 0.5},
        {"one-SNP segment, informative", 1.0, 2, 0.0, 1, 0.3, 0.55, 1, 1, false, false, 0.5},
        // Three against two at the level of five, where the HMM said two: the alleles and the
        // level together overrule it.
        {"the alleles contradict the HMM", 1.0, 2, std::log(2.5), 40, 40, 0.6, 3, 2, false, true, 0.6},
        // X, which the HMM does not decode: only whether a second allele is there.
        {"undecoded, both alleles", 1.0, -1, 0.0, 30, 30, 0.5, -1, -1, false, false, 0.5},
        {"undecoded, a single X", 1.0, -1, std::log(0.5), 0, 30, none, -1, -1, true, false, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlleleSegments segments;
        segments.bafNoise = kBafNoise;
        AlleleSegment s;
        s.total.copyNumber = c.hmm;
        s.total.markers = 100;
        s.total.meanLn = c.meanLn;
        s.informative = c.informative;
        s.expectedHeterozygous = c.expected;
        s.mirroredBaf = c.informative > 0 ? mirroredOf(c.band) : none;
        segments.segments.push_back(s);
        const AlleleCopyNumbers out = alleleCopyNumbers(segments, inputAt(c.purity));
        ASSERT_EQ(out.segments.size(), 1u);
        const AlleleCopyNumber& n = out.segments[0];
        EXPECT_EQ(n.nMajor, c.major);
        EXPECT_EQ(n.nMinor, c.minor);
        EXPECT_EQ(n.loh, c.loh);
        EXPECT_EQ(n.mismatch, c.mismatch);
        if (std::isnan(c.expectedBand))
            EXPECT_TRUE(std::isnan(n.expectedBand)) << n.expectedBand;
        else
            EXPECT_NEAR(n.expectedBand, c.expectedBand, 1e-9);
        EXPECT_EQ(out.purity, c.purity);
    }
}

TEST(AlleleCopyNumbers, MajorShareMixesTheNormalCellsIn) {
    struct Row {
        double purity;
        int k, j;
        double share;
    };
    // Pure: the tumour's own split; with normal cells each parent also holds their single copy.
    const Row rows[] = {{1.0, 2, 1, 0.5}, {1.0, 3, 1, 2.0 / 3}, {1.0, 4, 1, 0.75}, {1.0, 2, 0, 1.0},
                        {0.6, 2, 0, 0.8}, {0.5, 1, 0, 2.0 / 3}, {0.5, 0, 0, 0.5}};
    for (const Row& r : rows)
        EXPECT_NEAR(majorShare(inputAt(r.purity), r.k, r.j), r.share, 1e-6)
            << r.purity << " " << r.k << " " << r.j;
    EXPECT_TRUE(std::isnan(majorShare(inputAt(1.0), 0, 0))) << "no DNA left in a pure tumour";
}

} // namespace
} // namespace varn

// The log-ratio segments cut further where the alleles step, on one chromosome of SNPs built
// here: a hundred in balance, then a stretch of forty that changes.
#include "engine/allelic/AlleleSegments.h"

#include "engine/EngineFixtures.h"
#include "engine/allelic/TinySnps.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace varn {
namespace {

using test::TinySnp;

constexpr int kSnps = 140;
constexpr int kChange = 100; // the first SNP of the stretch that changes

struct Allele {
    float baf;
    bool informative;
};

// SNP i of the table's chromosome, 10 kb apart from 10 kb on, as test::addChromosome lays them.
CopyNumberSegment logRatioSegment(int first, int last) {
    CopyNumberSegment s;
    s.chromosome = 1;
    s.start = 10000 * (first + 1);
    s.end = 10000 * (last + 1);
    s.copyNumber = 2;
    return s;
}

// A log-ratio segment between two SNPs, holding none.
CopyNumberSegment between(int base) {
    CopyNumberSegment s = logRatioSegment(0, 0);
    s.start = s.end = base;
    return s;
}

float balanced(int i) { return 0.5f + 0.03f * test::gaussianNoise(7, i); }
float imbalanced(int i) { return 0.5f + (i % 2 ? 0.3f : -0.3f) + 0.03f * test::gaussianNoise(7, i); }

struct Case {
    std::string name;
    std::function<Allele(int)> snp;
    std::vector<CopyNumberSegment> logRatio;
    std::vector<int> firstSnps;   // of the pieces
    std::vector<int> informative; // of the pieces
};

TEST(AlleleSegments, CutsWhereTheAllelesStepAndNowhereElse) {
    const std::vector<CopyNumberSegment> whole{logRatioSegment(0, kSnps - 1)};
    const std::vector<CopyNumberSegment> split{logRatioSegment(0, kChange - 1), logRatioSegment(kChange, kSnps - 1)};
    auto lohFrom = [](int change) {
        return [change](int i) { return i < change ? Allele{balanced(i), true} : Allele{0.01f, false}; };
    };
    const Case cases[] = {
        {"copy-neutral LOH under a flat log ratio: only the informative SNPs' share steps", lohFrom(kChange), whole,
         {0, kChange}, {kChange, 0}},
        {"an allelic imbalance: the band steps",
         [](int i) { return Allele{i < kChange ? balanced(i) : imbalanced(i), true}; }, whole, {0, kChange},
         {kChange, kSnps - kChange}},
        {"no informative SNP anywhere", [](int i) { return Allele{i % 2 ? 0.99f : 0.01f, false}; }, whole, {0}, {0}},
        {"a step at a log-ratio boundary is that boundary", lohFrom(kChange), split, {0, kChange}, {kChange, 0}},
        {"a step three SNPs beside it leaves no sliver", lohFrom(kChange + 3), split, {0, kChange}, {kChange, 3}},
        // The one-SNP segment stays a piece; a segment without a SNP leaves none.
        {"a one-SNP segment, and an empty one",
         [](int i) { return Allele{balanced(i), true}; },
         {logRatioSegment(0, 0), between(15000), logRatioSegment(1, kSnps - 1)},
         {0, 1},
         {1, kSnps - 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestDocument td(false);
        BAlleleFraction baf;
        InformativeSnps inf;
        test::addChromosome(*td.doc, baf, 1, kSnps, [&](int i) { return TinySnp{c.snp(i).baf, kCallAB}; });
        for (int i = 0; i < kSnps; ++i) inf.informative.push_back(c.snp(i).informative);
        const AlleleSegments out = alleleSegments(test::profileOf(*td.doc, baf), inf, c.logRatio);
        std::vector<int> firsts, informative;
        for (const AlleleSegment& a : out.segments) {
            firsts.push_back(a.firstSnp);
            informative.push_back(a.informative);
        }
        EXPECT_EQ(firsts, c.firstSnps);
        EXPECT_EQ(informative, c.informative);
        for (const AlleleSegment& a : out.segments) EXPECT_EQ(std::isnan(a.mirroredBaf), a.informative == 0);
    }
}

TEST(AlleleSegments, MeasuresTheBandsAndTheirNoiseAroundThem) {
    test::TestDocument td(false);
    BAlleleFraction baf;
    test::addChromosome(*td.doc, baf, 1, kSnps,
                        [](int i) { return TinySnp{i < kChange ? balanced(i) : imbalanced(i), kCallAB}; });
    InformativeSnps inf;
    inf.informative.assign(kSnps, 1);
    const AlleleSegments out = alleleSegments(test::profileOf(*td.doc, baf), inf, {logRatioSegment(0, kSnps - 1)});
    ASSERT_EQ(out.segments.size(), 2u);
    // Measured around the bands, not inflated by the imbalanced stretch's distance from 0.5.
    EXPECT_NEAR(out.bafNoise, 0.03, 0.006);
    EXPECT_NEAR(out.segments[0].mirroredBaf, 0.5 + foldedMean(0.0, 0.03), 0.01);
    EXPECT_NEAR(out.segments[1].mirroredBaf, 0.8, 0.01);
    EXPECT_NEAR(out.informativeShare, 1.0 / 0.3, 1e-5);

    // No informative SNP: no band, no noise, a share of none.
    inf.informative.assign(kSnps, 0);
    const AlleleSegments none = alleleSegments(test::profileOf(*td.doc, baf), inf, {logRatioSegment(0, kSnps - 1)});
    EXPECT_EQ(none.bafNoise, 0.0);
    EXPECT_EQ(none.informativeShare, 0.0);
}

TEST(AlleleSegments, SummarisesAPieceOverItsSnpsWithALogRatio) {
    test::TestDocument td(false);
    BAlleleFraction baf;
    // Log ratio 0.1 i, none at SNP 0; the even SNPs informative at 0.6 and 0.4 by turns.
    test::addChromosome(*td.doc, baf, 1, 12, [](int i) {
        return TinySnp{i % 2 ? 0.01f : (i % 4 ? 0.4f : 0.6f), kCallAB, i == 0 ? std::nanf("") : 0.1f * i};
    });
    InformativeSnps inf;
    for (int i = 0; i < 12; ++i) inf.informative.push_back(i % 2 == 0);
    std::vector<float> loh;
    for (const AlleleSnp& s : baf.snps) loh.push_back(static_cast<float>(s.index - kXbaFirstSlot));
    const AlleleSegments out = alleleSegments(test::profileOf(*td.doc, baf), inf, {logRatioSegment(0, 11)}, loh);
    ASSERT_EQ(out.segments.size(), 1u);
    const AlleleSegment& a = out.segments[0];
    EXPECT_EQ(a.total.markers, 11);
    EXPECT_EQ(a.total.start, 20000); // the first SNP with a log ratio
    EXPECT_EQ(a.total.end, 120000);
    EXPECT_NEAR(a.total.meanLn, 0.6, 1e-6);
    EXPECT_NEAR(a.total.lohMean, 6.0, 1e-6);
    EXPECT_EQ(a.total.lohMax, 11.0);
    EXPECT_EQ(a.firstSnp, 0);
    EXPECT_EQ(a.lastSnp, 11);
    EXPECT_EQ(a.informative, 5);
    EXPECT_NEAR(a.expectedHeterozygous, 11 * 0.3, 1e-5);
    EXPECT_NEAR(a.mirroredBaf, 0.6, 1e-6);
    EXPECT_NEAR(a.meanSquare, 0.01, 1e-6);
}

} // namespace
} // namespace varn

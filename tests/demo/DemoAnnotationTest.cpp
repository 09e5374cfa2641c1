#include "demo/DemoFixture.h"

#include "demo/DemoChromosomes.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace varn::test {
namespace {

constexpr int kArrayEnd[3] = {kSlots, kSlots, 57244};

int chromosomeAt(const CVARNDoc& doc, int pos) { return doc.snpChromosome[doc.arrangeOrder[pos]]; }
int baseAt(const CVARNDoc& doc, int pos) { return doc.snpPosition[doc.arrangeOrder[pos]]; }

TEST(DemoAnnotation, LoadsWithoutAnyMessage) {
    DemoAnnotationFixture& f = demoAnnotation();
    ASSERT_TRUE(f.written);
    EXPECT_TRUE(f.ui.messages.empty()) << f.ui.messages.front();
}

// The per-chromosome counts of the layout table hold for both arrays, including the Y / unplaced
// slots after X, and every table entry the loaders read is the one generated.
TEST(DemoAnnotation, ArraysMatchTheLayoutTableChromosomeByChromosome) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    for (int t : {kXba, kHind}) {
        for (int c = 1; c <= 23; ++c)
            for (int pos = kChromosomeStart[t][c]; pos < kChromosomeStart[t][c + 1]; ++pos)
                ASSERT_EQ(chromosomeAt(doc, pos), c) << "array " << t << " position " << pos;
        for (int pos = kChromosomeStart[t][24]; pos < kArrayEnd[t]; ++pos)
            ASSERT_EQ(chromosomeAt(doc, pos), demo::kUnplacedChromosome) << "array " << t << " position " << pos;
    }
    EXPECT_EQ(kArrayEnd[kXba] - kChromosomeStart[kXba][24], 347);
    EXPECT_EQ(kArrayEnd[kHind] - kChromosomeStart[kHind][24], 286);
}

// The merged table is one SNP short on chromosome 4: its last SNP in genome order stands at merged
// index 35957, the first slot of merged chromosome 5. Every other merged slot holds a SNP of its
// own chromosome.
TEST(DemoAnnotation, MergedOrderMatchesTheLayoutTableWithTheOneChromosome4Snp) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    std::vector<int> offTable;
    for (int c = 1; c <= 23; ++c)
        for (int m = kChromosomeStart[0][c]; m < kChromosomeStart[0][c + 1]; ++m)
            if (chromosomeAt(doc, doc.combineOrder[m]) != c) offTable.push_back(m);
    ASSERT_EQ(offTable, std::vector<int>{35957});
    EXPECT_EQ(chromosomeAt(doc, doc.combineOrder[35957]), 4);
    EXPECT_EQ(chromosomeAt(doc, doc.combineOrder[35958]), 5);
    for (int m = kChromosomeStart[0][24]; m < kSlots; ++m)
        ASSERT_EQ(chromosomeAt(doc, doc.combineOrder[m]), demo::kUnplacedChromosome);
}

TEST(DemoAnnotation, OrdersArePermutationsAndRecordsAreNotInGenomeOrder) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    for (int t : {kXba, kHind}) {
        std::vector<int> records(doc.arrangeOrder.data() + doc.snpFirst[t], doc.arrangeOrder.data() + doc.snpLast[t] + 1);
        int inPlace = 0;
        for (std::size_t i = 0; i < records.size(); ++i) inPlace += records[i] == doc.snpFirst[t] + static_cast<int>(i);
        EXPECT_LT(inPlace, 100) << "array " << t;
        std::sort(records.begin(), records.end());
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_EQ(records[i], doc.snpFirst[t] + static_cast<int>(i)) << "array " << t;
    }
    std::vector<int> merged(doc.combineOrder.data(), doc.combineOrder.data() + kSlots);
    std::sort(merged.begin(), merged.end());
    for (int i = 0; i < kSlots; ++i) ASSERT_EQ(merged[static_cast<std::size_t>(i)], i);
}

// Genome order: base positions rise strictly along each chromosome, per array and in the merged
// order, and stay inside the chromosome.
TEST(DemoAnnotation, BasePositionsRiseAlongEachChromosome) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    for (int t : {kXba, kHind}) {
        for (int pos = doc.snpFirst[t] + 1; pos <= doc.snpLast[t]; ++pos) {
            if (chromosomeAt(doc, pos) != chromosomeAt(doc, pos - 1)) continue;
            ASSERT_GT(baseAt(doc, pos), baseAt(doc, pos - 1)) << "array " << t << " position " << pos;
        }
    }
    for (int m = 1; m < kSlots; ++m) {
        const int p = doc.combineOrder[m];
        const int q = doc.combineOrder[m - 1];
        if (chromosomeAt(doc, p) != chromosomeAt(doc, q)) {
            ASSERT_GT(chromosomeAt(doc, p), chromosomeAt(doc, q)) << "merged index " << m;
            continue;
        }
        ASSERT_GT(baseAt(doc, p), baseAt(doc, q)) << "merged index " << m;
    }
    for (int snp = 0; snp < kSlots; ++snp) {
        ASSERT_GT(doc.snpPosition[snp], 0);
        ASSERT_LE(doc.snpPosition[snp], demo::kChromosomeLength[doc.snpChromosome[snp]]);
    }
    // Chromosome 1 spans most of its 247 Mb, chromosome 21 lies within its 47 Mb.
    EXPECT_GT(baseAt(doc, kChromosomeStart[kXba][2] - 1), 240000000);
    EXPECT_LT(baseAt(doc, kChromosomeStart[kHind][22] - 1), 46944323);
}

// A few percent of the fragments are too short, too long or without a GC figure, so the usable
// flag matters; nearly all lie within 500..2000 bases.
TEST(DemoAnnotation, SomePositionsAreUnusable) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    int unusable = 0, noGc = 0, shortOnes = 0, longOnes = 0;
    for (int pos = 0; pos < kSlots; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        unusable += doc.positionUsable[pos] == 0;
        noGc += doc.snpGcContent[snp] == 0.0f;
        shortOnes += doc.snpFragmentLength[snp] < 500;
        longOnes += doc.snpFragmentLength[snp] > 2000;
    }
    EXPECT_GT(noGc, 100);
    EXPECT_GT(shortOnes, 500);
    EXPECT_GT(longOnes, 500);
    EXPECT_GT(unusable, kSlots / 50);
    EXPECT_LT(unusable, kSlots / 10);
}

TEST(DemoAnnotation, CytobandsUseEveryStainClassWithShortArmBandNames) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    std::set<int> stains;
    for (int snp = 0; snp < kSlots; ++snp) {
        stains.insert(doc.snpBandStain[snp]);
        const char* name = doc.snpBandName[snp];
        const std::size_t length = strnlen(name, 16);
        ASSERT_GE(length, 3u) << snp;
        ASSERT_LE(length, 10u) << snp;
        ASSERT_TRUE(name[0] == 'p' || name[0] == 'q') << name;
        ASSERT_TRUE(name[1] >= '1' && name[1] <= '9') << name;
    }
    EXPECT_EQ(stains, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(DemoAnnotation, HeterozygosityRatesLieBetweenZeroAndOneHalf) {
    const CVARNDoc& doc = *demoAnnotation().doc;
    int zero = 0;
    double sum = 0.0;
    for (int pos = 0; pos < kSlots; ++pos) {
        ASSERT_GE(doc.heteroRate[pos], 0.0f);
        ASSERT_LE(doc.heteroRate[pos], 0.5f);
        zero += doc.heteroRate[pos] == 0.0f;
        sum += doc.heteroRate[pos];
    }
    EXPECT_GT(zero, 0);
    EXPECT_NEAR(sum / kSlots, 0.32, 0.05);
}

// The loaders read back exactly what was generated (a sample of records).
TEST(DemoAnnotation, DocumentHoldsTheGeneratedTables) {
    DemoAnnotationFixture& f = demoAnnotation();
    const CVARNDoc& doc = *f.doc;
    for (int snp = 0; snp < kSlots; snp += 97) {
        const auto k = static_cast<std::size_t>(snp);
        ASSERT_EQ(doc.snpChromosome[snp], f.genome.chromosome[k]);
        ASSERT_EQ(doc.snpPosition[snp], f.genome.position[k]);
        ASSERT_EQ(doc.snpFragmentLength[snp], f.genome.fragmentLength[k]);
        ASSERT_FLOAT_EQ(doc.snpGcContent[snp], f.genome.gcContent[k]);
        ASSERT_EQ(doc.snpBandStain[snp], f.genome.bandStain[k]);
        ASSERT_STREQ(doc.snpBandName[snp], f.genome.bandName[k].c_str());
        ASSERT_EQ(doc.arrangeOrder[snp], f.genome.arrangeOrder[k]);
        ASSERT_EQ(doc.combineOrder[snp], f.genome.combineOrder[k]);
        ASSERT_FLOAT_EQ(doc.heteroRate[snp], f.genome.heteroRate[k]);
    }
}

} // namespace
} // namespace varn::test

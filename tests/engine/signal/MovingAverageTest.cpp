#include "engine/signal/MovingAverage.h"

#include "document/CVARNDoc.h"
#include "support/TestDocument.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace varn {
namespace {

using test::TestDocument;

TEST(TrimmedMean, SmallWindowsAndTrimming) {
    const float w[5] = {3.0f, 10.0f, -1.0f, 4.0f, 4.0f};
    EXPECT_EQ(trimmedMean(w, 1, 1), 3.0f);
    EXPECT_EQ(trimmedMean(w, 2, 1), 6.5f); // n = 2 is never trimmed
    EXPECT_EQ(trimmedMean(w, 3, 1), 3.0f); // the median of 3, 10, -1
    EXPECT_EQ(trimmedMean(w, 3, 2), 4.0f);
    EXPECT_EQ(trimmedMean(w, 5, 1), (3.0f + 4.0f + 4.0f) / 3.0f); // one 4 stays: one min, one max out
    EXPECT_EQ(trimmedMean(w, 5, 2), 4.0f);
}

// Values of one Xba chromosome, plain increasing numbers so windows can be checked by hand.
struct Chromosome {
    int begin, end;
    std::vector<int> usable; // usable positions in order
};

Chromosome xbaChromosome(const CVARNDoc& doc, int ch) {
    Chromosome c{kChromosomeStart[kXba][ch], kChromosomeStart[kXba][ch + 1], {}};
    for (int pos = c.begin; pos < c.end; ++pos)
        if (doc.positionUsable[pos] == 1) c.usable.push_back(pos);
    return c;
}

TEST(MovingAverage, ForwardWindowOfUsableValuesNeverCrossesTheChromosomeEnd) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    for (int pos = 0; pos < kSlots; ++pos) doc.logRatio[0][pos] = static_cast<float>(pos % 1000);
    doc.movingAverage(kXba, 3, 2, 1, false);
    const Chromosome c = xbaChromosome(doc, 5);
    // Index j averages the first three usable positions at or after j.
    const int j = c.usable[10] - 1 > c.usable[9] ? c.usable[10] - 1 : c.usable[10];
    const float expected = (doc.logRatio[0][c.usable[10]] + doc.logRatio[0][c.usable[11]] + doc.logRatio[0][c.usable[12]]) / 3;
    EXPECT_FLOAT_EQ(doc.averageRatio[0][j], expected);
    // The last usable position has a window of one value: its own, not the next chromosome's.
    const int last = c.usable.back();
    EXPECT_EQ(doc.averageRatio[0][last], doc.logRatio[0][last]);
    // Two values left: averaged as found.
    const int second = c.usable[c.usable.size() - 2];
    EXPECT_FLOAT_EQ(doc.averageRatio[0][second], (doc.logRatio[0][second] + doc.logRatio[0][last]) * 0.5f);
    // Indices after the last usable position find nothing and keep their old value.
    for (int pos = last + 1; pos < c.end; ++pos) EXPECT_EQ(doc.averageRatio[0][pos], 0.0f);
}

TEST(MovingAverage, WindowOfOneIsTheFirstQualifyingValueAndTrimmedThreeIsTheMedian) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const Chromosome c = xbaChromosome(doc, 2);
    for (int pos = c.begin; pos < c.end; ++pos) doc.logRatio[0][pos] = static_cast<float>((pos * 7919) % 101);
    doc.movingAverage(kXba, 1, 1, 1, false);
    for (std::size_t i = 1; i < 200; ++i)
        for (int j = c.usable[i - 1] + 1; j <= c.usable[i]; ++j) ASSERT_EQ(doc.averageRatio[0][j], doc.logRatio[0][c.usable[i]]);
    doc.movingAverage(kXba, 3, 1, 1, false);
    for (std::size_t i = 0; i < 200; ++i) {
        float v[3] = {doc.logRatio[0][c.usable[i]], doc.logRatio[0][c.usable[i + 1]], doc.logRatio[0][c.usable[i + 2]]};
        std::sort(v, v + 3);
        ASSERT_EQ(doc.averageRatio[0][c.usable[i]], v[1]);
    }
}

TEST(MovingAverage, AlleleRowsSkipPositionsWhereTheNormalIsNotHeterozygous) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const Chromosome c = xbaChromosome(doc, 3);
    std::vector<int> het;
    for (int pos : c.usable) {
        const bool ab = pos % 3 == 0;
        doc.normalSnpCall[doc.arrangeOrder[pos]] = ab ? kCallAB : kCallAA;
        if (ab) het.push_back(pos);
        doc.logRatio[1][pos] = ab ? 1.0f : 50.0f;
        doc.logRatio[2][pos] = ab ? -1.0f : 50.0f;
    }
    // Linear scale: 2^1 and 2^-1.
    doc.movingAverage(kXba, 4, 2, 2, true);
    doc.movingAverage(kXba, 4, 2, 3, true);
    for (int pos = c.usable[0]; pos < het[het.size() - 5]; ++pos) {
        ASSERT_EQ(doc.averageRatio[1][pos], 2.0f) << pos;
        ASSERT_EQ(doc.averageRatio[2][pos], 0.5f) << pos;
    }
}

TEST(MovingAverage, MergedTypeWalksTheMergedOrderAndSkipsNonFiniteValues) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int begin = kChromosomeStart[0][10];
    for (int m = begin; m < begin + 40; ++m) doc.logRatio[0][doc.combineOrder[m]] = static_cast<float>(m - begin);
    int first = begin;
    while (doc.positionUsable[doc.combineOrder[first]] != 1) ++first;
    doc.logRatio[0][doc.combineOrder[first]] = -INFINITY; // a zero signal
    int next = first + 1;
    while (doc.positionUsable[doc.combineOrder[next]] != 1) ++next;
    doc.movingAverage(kCombined, 1, 1, 1, false);
    EXPECT_EQ(doc.averageRatio[0][first], static_cast<float>(next - begin));
}

} // namespace
} // namespace varn

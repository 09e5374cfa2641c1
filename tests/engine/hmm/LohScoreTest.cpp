#include "document/CVARNDoc.h"
#include "support/TestDocument.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

using test::TestDocument;

// Hind chromosomes 21 and 22.
constexpr int kChr21 = 54490, kChr22 = 55374, kChr22End = 55808;

const float kHomAtHalf = std::log(0.999f) - std::log(0.5f); // about 0.692
const float kAbAtHalf = std::log(0.001f) - std::log(0.5f);  // about -6.21

void setCalls(CVARNDoc& doc, int first, int end, int call, float hetero) {
    for (int pos = first; pos < end; ++pos) {
        doc.snpCall[doc.arrangeOrder[pos]] = call;
        doc.heteroRate[pos] = hetero;
    }
}

TEST(LohScore, ContributionsOfHomozygousAndHeterozygousCallsAtHalfHeterozygosity) {
    EXPECT_NEAR(kHomAtHalf, 0.692, 1e-3);
    EXPECT_NEAR(kAbAtHalf, -6.21, 1e-2);
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    setCalls(doc, kChr21, kChr22End, kCallAB, 0.5f);
    // chromosome 22: ten homozygous calls, one AB, ten homozygous (a no-call counts as one).
    const int a = kChr22;
    for (int pos = a; pos < a + 21; ++pos) doc.snpCall[pos] = pos % 3 == 0 ? kNoCall : kCallAA;
    doc.snpCall[a + 10] = kCallAB;
    // chromosome 21: its first SNP homozygous, the rest AB.
    doc.snpCall[kChr21] = kCallBB;
    doc.computeLohScore(kHind);

    const float run = 20 * kHomAtHalf + kAbAtHalf; // the AB dip never drops the total below 0
    for (int pos = a; pos < a + 21; ++pos) EXPECT_NEAR(doc.lohScore[pos], run, 1e-4f) << pos;
    EXPECT_EQ(doc.lohScore[a + 21], 0.0f);
    EXPECT_NEAR(doc.lohScore[kChr21], kHomAtHalf, 1e-6f);
    EXPECT_EQ(doc.lohScore[kChr21 + 1], 0.0f);
}

TEST(LohScore, AWholeChromosomeWithoutAbCallsIsOneRunAndRunsNeverCrossChromosomes) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    setCalls(doc, kChr21, kChr22End, kCallAA, 0.5f);
    doc.computeLohScore(kHind);
    float sum21 = 0, sum22 = 0;
    for (int pos = kChr21; pos < kChr22; ++pos) sum21 += kHomAtHalf;
    for (int pos = kChr22; pos < kChr22End; ++pos) sum22 += kHomAtHalf;
    for (int pos = kChr21; pos < kChr22; ++pos) ASSERT_NEAR(doc.lohScore[pos], sum21, 1e-2f);
    for (int pos = kChr22; pos < kChr22End; ++pos) ASSERT_NEAR(doc.lohScore[pos], sum22, 1e-2f);
}

TEST(LohScore, UninformativeSnpsExtendTheRunAndChromosomeXIsScored) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    setCalls(doc, kChr22, kChr22End, kCallAB, 0.5f);
    doc.snpCall[kChr22] = kCallAA;
    doc.heteroRate[kChr22 + 1] = 0.0f; // homozygous at h = 0 adds exactly nothing
    doc.snpCall[kChr22 + 1] = kCallAA;
    doc.computeLohScore(kHind);
    EXPECT_NEAR(doc.lohScore[kChr22], kHomAtHalf, 1e-6f);
    EXPECT_NEAR(doc.lohScore[kChr22 + 1], kHomAtHalf, 1e-6f); // tie moves the end forward
    EXPECT_EQ(doc.lohScore[kChr22 + 2], 0.0f);

    const int x = kChromosomeStart[kXba][23], xEnd = kChromosomeStart[kXba][24];
    setCalls(doc, x, xEnd, kCallAA, 0.5f);
    doc.computeLohScore(kXba);
    EXPECT_GT(doc.lohScore[x], 100.0f);
    EXPECT_EQ(doc.lohScore[kChr22], 0.0f); // every place is cleared first
}

TEST(LohScore, MergedOrderScoresByMergedIndex) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    for (int pos = 0; pos < kSlots; ++pos) {
        doc.snpCall[pos] = kCallAB;
        doc.heteroRate[pos] = 0.5f;
    }
    const int m = kChromosomeStart[0][22] + 7;
    doc.snpCall[doc.arrangeOrder[doc.combineOrder[m]]] = kCallAA;
    doc.computeLohScore(kCombined);
    EXPECT_NEAR(doc.lohScore[m], kHomAtHalf, 1e-6f);
    EXPECT_EQ(doc.lohScore[m + 1], 0.0f);
    EXPECT_EQ(doc.lohScore[m - 1], 0.0f);
}

} // namespace
} // namespace varn

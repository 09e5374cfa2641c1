#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace varn {
namespace {

using test::TestDocument;

// Region: Xba chromosome 2.
constexpr int kRegionStart = 61903, kRegionEnd = 67180;

void prepare(CVARNDoc& doc, int references, const std::function<float(int)>& copyNumber) {
    test::makeSyntheticPool(doc, kXba, references + 1, 0.1f, copyNumber);
    doc.regionStart[kXba] = kRegionStart;
    doc.regionEnd[kXba] = kRegionEnd;
}

std::vector<float> compensatedRatio(CVARNDoc& doc, int numerator, int denominator) {
    doc.fillLogRatio(numerator, denominator, doc.snpFirst[kXba], doc.snpLast[kXba]);
    doc.compensateLengthGc(kRegionStart, kRegionEnd, kXba, doc.logRatio[0], 3);
    return std::vector<float>(doc.logRatio[0] + doc.snpFirst[kXba], doc.logRatio[0] + doc.snpLast[kXba] + 1);
}

TEST(PoolRatio, OneSelectedReferenceGivesTheCompensatedLogRatioOfSampleOverReference) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    prepare(doc, 3, [](int) { return 2.0f; });
    for (int i = 1; i <= 3; ++i) doc.refSelected[kXba][i] = i == 3;
    const std::vector<float> expected = compensatedRatio(doc, 0, 3);

    // Usual call: sample over itself, so the profile is minus the reference's compensated ratio.
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 0, kXba);
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos)
        ASSERT_NEAR(doc.logRatio[0][pos], expected[pos - doc.snpFirst[kXba]], 2e-5f) << pos;

    // Sort: the only ticked reference is also the denominator.
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 3, kXba);
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos)
        ASSERT_NEAR(doc.logRatio[0][pos], expected[pos - doc.snpFirst[kXba]], 2e-5f) << pos;
}

TEST(PoolRatio, ReferencesAreAveragedOnTheLinearScale) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    prepare(doc, 2, [](int) { return 2.0f; });
    const std::vector<float> r1 = compensatedRatio(doc, 1, 0);
    const std::vector<float> r2 = compensatedRatio(doc, 2, 0);
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 0, kXba);
    for (int pos = kRegionStart; pos < kRegionStart + 500; ++pos) {
        const std::size_t i = static_cast<std::size_t>(pos - doc.snpFirst[kXba]);
        ASSERT_NEAR(doc.logRatio[0][pos], -std::log((std::exp(r1[i]) + std::exp(r2[i])) / 2), 2e-5f);
    }
}

TEST(PoolRatio, BaseCopyNumberThreeShiftsEveryRatioByItsExpectedLogRatio) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    prepare(doc, 3, [](int) { return 2.0f; });
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 0, kXba);
    const std::vector<float> base(doc.logRatio[0] + doc.snpFirst[kXba], doc.logRatio[0] + doc.snpLast[kXba] + 1);
    doc.baseCopyNumber = 3;
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 0, kXba);
    EXPECT_FLOAT_EQ(doc.hmmMean[3], 0.365f);
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos)
        ASSERT_EQ(doc.logRatio[0][pos], base[pos - doc.snpFirst[kXba]] + 0.365f) << pos;
}

TEST(PoolRatio, ProfileSdExcludesTheRegionEndWhichTheFitIncludes) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    prepare(doc, 3, [](int) { return 2.0f; });
    int end = kRegionEnd;
    while (doc.positionUsable[end] != 1) --end;
    doc.regionEnd[kXba] = end;
    doc.poolSignal[0][doc.arrangeOrder[end]] *= 1e4f; // an outlier on the region's last SNP
    doc.computePoolRatio(kRegionStart, end, doc.refSelected[kXba], 0, 0, kXba);
    EXPECT_EQ(doc.rowSd[kXba][0], doc.regionSd(doc.logRatio[0], kRegionStart, end - 1));
    EXPECT_GT(doc.regionSd(doc.logRatio[0], kRegionStart, end), 1.5f * doc.rowSd[kXba][0]);
    EXPECT_NEAR(doc.rowSd[kXba][0], 0.1f * std::sqrt(1.0f + 1.0f / 3.0f), 0.01f);
}

TEST(PoolRatio, EndsWithTheHmmOfThePlantedCopyNumbers) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int gainStart = kChromosomeStart[kXba][3], gainEnd = kChromosomeStart[kXba][4];
    prepare(doc, 10, [&](int pos) { return pos >= gainStart && pos < gainEnd ? 3.0f : 2.0f; });
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 0, kXba);
    int right = 0, total = 0;
    for (int pos = kChromosomeStart[kXba][1]; pos < kChromosomeStart[kXba][5]; ++pos) {
        if (doc.positionUsable[pos] != 1) continue;
        right += doc.hmmState[0][pos] == (pos >= gainStart && pos < gainEnd ? 3 : 2);
        ++total;
    }
    EXPECT_GT(right, total * 99 / 100);
}

TEST(PoolRatio, ZeroSignalsAndAnEmptySelectionLeaveAFiniteProfile) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    prepare(doc, 3, [](int) { return 2.0f; });
    int zero = kRegionStart + 50;
    while (doc.positionUsable[zero] != 1) ++zero;
    doc.poolSignal[0][zero] = 0.0f;     // sample: 0/0 against itself, x/0 against references
    doc.poolSignal[2][zero + 7] = 0.0f; // one reference
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 0, kXba);
    EXPECT_FALSE(std::isfinite(doc.logRatio[0][zero]));
    EXPECT_TRUE(std::isfinite(doc.rowSd[kXba][0]));
    EXPECT_NEAR(doc.rowSd[kXba][0], 0.1f * std::sqrt(1.0f + 1.0f / 3.0f), 0.01f);
    for (int pos = kRegionStart; pos < kRegionEnd; ++pos) {
        if (doc.positionUsable[pos] == 1 && pos != zero) {
            ASSERT_TRUE(std::isfinite(doc.logRatio[0][pos])) << pos;
        }
    }
    EXPECT_EQ(doc.hmmState[0][zero + 1 + (doc.positionUsable[zero + 1] ? 0 : 1)], 2);

    // No reference ticked: the compensated ratio of numerator and denominator, not 0/0.
    for (int i = 1; i <= 3; ++i) doc.refSelected[kXba][i] = 0;
    const std::vector<float> expected = compensatedRatio(doc, 0, 2);
    doc.computePoolRatio(kRegionStart, kRegionEnd, doc.refSelected[kXba], 0, 2, kXba);
    for (int pos = kRegionStart; pos < kRegionStart + 100; ++pos)
        EXPECT_EQ(doc.logRatio[0][pos], expected[pos - doc.snpFirst[kXba]]);
}

TEST(RowRatio, FitsAndMeasuresOnAllAutosomesAndStoresTheSdByNumeratorRow) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeSyntheticPool(doc, kHind, 3, 0.1f, [](int) { return 2.0f; });
    doc.computeRowRatio(1, 2, 1, kHind);
    const std::vector<float> profile(doc.logRatio[0], doc.logRatio[0] + doc.snpLast[kHind] + 1);
    EXPECT_EQ(doc.rowSd[kHind][2], doc.regionSd(doc.logRatio[0], 0, doc.autosomeLast[kHind]));
    EXPECT_NEAR(doc.rowSd[kHind][2], 0.1f * std::sqrt(2.0f), 0.01f);
    doc.fillLogRatio(2, 1, 0, doc.snpLast[kHind]);
    doc.compensateLengthGc(0, doc.autosomeLast[kHind], kHind, doc.logRatio[0], 3);
    for (int pos = 0; pos <= doc.snpLast[kHind]; ++pos) ASSERT_EQ(profile[pos], doc.logRatio[0][pos]);
}

} // namespace
} // namespace varn

#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varn {
namespace {

using test::TestDocument;

constexpr int kXbaChr2 = 61903, kXbaChr3 = 67181;

float parabolaOfLength(const CVARNDoc& doc, int pos) {
    const float length = static_cast<float>(doc.snpFragmentLength[doc.arrangeOrder[pos]]);
    return 0.2f - 3e-4f * length + 1.5e-7f * length * length;
}

TEST(Compensation, ValuesOnAParabolaOfLengthCompensateToZeroAlsoOutsideTheFitRange) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    float* values = doc.logRatio[0];
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos) values[pos] = parabolaOfLength(doc, pos);
    doc.compensateLengthGc(kXbaChr2, kXbaChr3 - 1, kXba, values, 3);
    float worst = 0;
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos) worst = std::max(worst, std::fabs(values[pos]));
    // Single-precision normal equations with lengths near 1000: a few thousandths at most.
    EXPECT_LT(worst, 2e-3f);
    // Fragments outside 500..2000 bases (not usable) are corrected by the same curve.
    int unusable = 0;
    for (int pos = doc.snpFirst[kXba]; pos <= doc.snpLast[kXba]; ++pos) unusable += 1 - doc.positionUsable[pos];
    EXPECT_GT(unusable, 1000);
}

TEST(Compensation, LengthOutsideTheUsableRangeIsCorrectedButNotFitted) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    float* values = doc.logRatio[0];
    const int odd = kXbaChr2 + 100;
    for (int pos = kXbaChr2; pos < kXbaChr3; ++pos) values[pos] = 0.001f * static_cast<float>(pos % 7);
    doc.snpFragmentLength[doc.arrangeOrder[odd]] = 2500;
    doc.computePositionUsable();
    ASSERT_EQ(doc.positionUsable[odd], 0);
    doc.fitQuadratic(kXbaChr2, kXbaChr3 - 1, values, 1);
    const float c0 = doc.fitCoef[0], c1 = doc.fitCoef[1], c2 = doc.fitCoef[2];

    values[odd] = 100.0f; // would swing the curve if it took part
    doc.fitQuadratic(kXbaChr2, kXbaChr3 - 1, values, 1);
    EXPECT_EQ(doc.fitCoef[0], c0);
    EXPECT_EQ(doc.fitCoef[1], c1);
    EXPECT_EQ(doc.fitCoef[2], c2);

    doc.subtractFit(values, odd, odd, 1);
    EXPECT_FLOAT_EQ(values[odd], 100.0f - (c2 * (2500.0f * 2500.0f) + c1 * 2500.0f + c0));
}

TEST(Compensation, FitRangeIsInclusiveAndDegenerateFitsKeepTheDataFinite) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    float* values = doc.logRatio[0];
    int usable = kXbaChr2;
    while (doc.positionUsable[usable] != 1) ++usable;
    values[usable] = 0.75f;
    // A range of one usable position: n = 1, no parabola; the level is removed, nothing else.
    doc.fitQuadratic(usable, usable, values, 1);
    EXPECT_EQ(doc.fitX[1], static_cast<float>(doc.snpFragmentLength[usable]));
    EXPECT_EQ(doc.fitY[1], 0.75f);
    EXPECT_EQ(doc.fitCoef[0], 0.75f);
    EXPECT_EQ(doc.fitCoef[1], 0.0f);
    EXPECT_EQ(doc.fitCoef[2], 0.0f);
    // No usable position at all: nothing is removed.
    doc.fitQuadratic(usable, usable - 1, values, 2);
    EXPECT_EQ(doc.fitCoef[0], 0.0f);
}

TEST(Compensation, NonFiniteValuesTakeNoPartInTheFit) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    float* values = doc.logRatio[0];
    for (int pos = kXbaChr2; pos < kXbaChr3; ++pos) values[pos] = parabolaOfLength(doc, pos);
    doc.fitQuadratic(kXbaChr2, kXbaChr3 - 1, values, 1);
    const float clean[3] = {doc.fitCoef[0], doc.fitCoef[1], doc.fitCoef[2]};
    // Zero signals give -inf, +inf or NaN log ratios.
    int planted = 0;
    for (int pos = kXbaChr2; pos < kXbaChr3 && planted < 3; ++pos) {
        if (doc.positionUsable[pos] != 1) continue;
        values[pos] = planted == 0 ? -INFINITY : planted == 1 ? INFINITY : std::numeric_limits<float>::quiet_NaN();
        ++planted;
    }
    doc.compensateLengthGc(kXbaChr2, kXbaChr3 - 1, kXba, values, 1);
    EXPECT_NEAR(doc.fitCoef[0], clean[0], 1e-3f);
    EXPECT_NEAR(doc.fitCoef[1], clean[1], 1e-6f);
    for (int pos = kXbaChr2 + 200; pos < kXbaChr3; ++pos) EXPECT_TRUE(std::isfinite(values[pos])) << pos;
    EXPECT_TRUE(std::isfinite(doc.regionSd(values, kXbaChr2, kXbaChr3 - 1)));
}

TEST(Compensation, RegionSdUsesUsablePositionsOfAnInclusiveRange) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    float* values = doc.logRatio[0];
    int a = kXbaChr2;
    while (doc.positionUsable[a] != 1) ++a;
    int b = a + 1;
    while (doc.positionUsable[b] != 1) ++b;
    int c = b + 1;
    while (doc.positionUsable[c] != 1) ++c;
    values[a] = 1.0f;
    values[b] = 2.0f;
    values[c] = 6.0f;
    for (int pos = a + 1; pos < c; ++pos)
        if (doc.positionUsable[pos] == 0) values[pos] = 1000.0f; // unusable: ignored
    // 1, 2, 6: mean 3, sample variance (4 + 1 + 9) / 2 = 7.
    EXPECT_FLOAT_EQ(doc.regionSd(values, a, c), std::sqrt(7.0f));
    EXPECT_FLOAT_EQ(doc.regionSd(values, a, b), std::sqrt(0.5f));
    EXPECT_EQ(doc.regionSd(values, a, a), 0.0f); // one value has no spread
}

TEST(Compensation, RegionSdOverAWholeArrayDoesNotOverflowTheCount) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    float* values = doc.logRatio[0];
    for (int pos = doc.snpFirst[kXba]; pos <= doc.autosomeLast[kXba]; ++pos) values[pos] = (pos % 2) ? 0.5f : -0.5f;
    ASSERT_GT(test::usableCount(doc, doc.snpFirst[kXba], doc.autosomeLast[kXba]), 46341); // n(n-1) > INT_MAX
    EXPECT_NEAR(doc.regionSd(values, doc.snpFirst[kXba], doc.autosomeLast[kXba]), 0.5f, 0.01f);
}

} // namespace
} // namespace varn

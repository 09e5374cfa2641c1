#include "commands/CAverage.h"
#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

using test::TestDocument;

// Tumour (row 0) and normal (row 1) of Hind with allele signals: allele A carries half the total
// signal; allele B of the tumour is lost (a quarter) on odd positions.
void preparePair(CVARNDoc& doc) {
    test::makeSyntheticPool(doc, kHind, 2, 0.1f, [](int) { return 2.0f; });
    for (int pos = 0; pos <= doc.snpLast[kHind]; ++pos) {
        for (int row = 0; row < 2; ++row) {
            doc.alleleASignal[row][pos] = 0.5f * doc.poolSignal[row][pos];
            doc.alleleBSignal[row][pos] = (row == 0 && pos % 2 ? 0.25f : 0.5f) * doc.poolSignal[row][pos];
        }
        doc.normalSnpCall[pos] = kCallAB;
    }
}

TEST(PairedRatio, AlleleRowsTakeTheTotalCorrectionAndAreSplitIntoLargerAndSmaller) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    preparePair(doc);
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    doc.computePairedRatio(0, doc.snpLast[kHind], kHind);
    for (int pos = 0; pos <= doc.snpLast[kHind]; ++pos) {
        const float total = doc.logRatio[0][pos];
        ASSERT_NEAR(doc.alleleARatio[pos], total, 1e-5f);
        ASSERT_NEAR(doc.alleleBRatio[pos], pos % 2 ? total - 1.0f : total, 1e-5f); // log2(1/2)
        ASSERT_GE(doc.logRatio[1][pos], doc.logRatio[2][pos]);
        ASSERT_EQ(doc.logRatio[1][pos], std::max(doc.alleleARatio[pos], doc.alleleBRatio[pos]));
    }
    // Base-2 units: the length/GC-corrected total has the noise of two rows, sqrt(2) * 0.1 / ln 2.
    EXPECT_NEAR(doc.regionSd(doc.logRatio[0], 0, doc.autosomeLast[kHind]), 0.1f * std::sqrt(2.0f) / std::log(2.0f), 0.01f);
    EXPECT_EQ(td.view->displayMode, 21);
    EXPECT_EQ(td.view->shownArrayType, kHind);
}

TEST(PairedRatio, BaseShiftRaisesAllThreeRowsAndAveragingIsLinear) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    preparePair(doc);
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageText = "1";
        return DialogResult::Ok;
    });
    doc.computePairedRatio(0, doc.snpLast[kHind], kHind);
    const float before[3] = {doc.logRatio[0][1001], doc.logRatio[1][1001], doc.logRatio[2][1001]};
    doc.baseCopyNumber = 4;
    td.ui.answer<CAverage>([](CAverage& d) {
        d.averageText = "1";
        return DialogResult::Ok;
    });
    doc.computePairedRatio(0, doc.snpLast[kHind], kHind);
    for (int row = 0; row < 3; ++row) EXPECT_NEAR(doc.logRatio[row][1001], before[row] + 0.657f, 1e-6f);
    int usable = 1000;
    while (doc.positionUsable[usable] != 1) ++usable;
    for (int row = 0; row < 3; ++row) EXPECT_FLOAT_EQ(doc.averageRatio[row][usable], std::exp2(doc.logRatio[row][usable]));
}

TEST(PairedRatio, CancelledOrFailedAveragingIsReported) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    preparePair(doc);
    td.ui.cancel<CAverage>();
    doc.computePairedRatio(0, doc.snpLast[kHind], kHind);
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Failed; });
    doc.computePairedRatio(0, doc.snpLast[kHind], kHind);
    ASSERT_EQ(td.ui.messages.size(), 2u);
    EXPECT_EQ(td.ui.messages[0], "Cancelled");
    EXPECT_EQ(td.ui.messages[1], "Averaging error");
    EXPECT_EQ(td.view->displayMode, 0);
}

} // namespace
} // namespace varn

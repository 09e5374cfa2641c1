#include "document/CVARNDoc.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

namespace varn::test {
namespace {

TEST(CVARNDoc, ConstructionSetsRangesAndDefaults) {
    TestDocument td(false);
    const CVARNDoc& doc = *td.doc;
    EXPECT_EQ(doc.snpFirst[kXba], 57244);
    EXPECT_EQ(doc.snpLast[kHind], 57243);
    EXPECT_EQ(doc.autosomeLast[kCombined], 113236);
    EXPECT_EQ(doc.chrXLast[kXba], 115856);
    for (int t = 0; t < 3; ++t) EXPECT_EQ(doc.refCount[t], -1);
    EXPECT_EQ(doc.singleRefRow[kXba], 1);
    EXPECT_EQ(doc.singleRefRow[kHind], 1);
    EXPECT_EQ(doc.singleRefRow[kCombined], 0);
    EXPECT_EQ(doc.baseCopyNumber, 2);
    EXPECT_EQ(doc.arrayType, -1);
    EXPECT_EQ(doc.referenceMode, kNonSelfReference);
    EXPECT_EQ(doc.endMarker1, "$$EOF1$$");
    EXPECT_EQ(doc.endMarker2, "$$EOF2$$");
    EXPECT_FLOAT_EQ(doc.hmmMean[3], 0.365f);
    EXPECT_FLOAT_EQ(doc.hmmSdFactor[0], 2.361f);
}

TEST(CVARNDoc, ResetsRestoreDefaultsAndKeepTheEndMarkers) {
    TestDocument td(false);
    CVARNDoc& doc = *td.doc;
    doc.hmmMean[6] = 9.0f;
    doc.hmmSdFactor[1] = 9.0f;
    doc.ResetHmmParameters();
    EXPECT_FLOAT_EQ(doc.hmmMean[6], 1.1f);
    EXPECT_FLOAT_EQ(doc.hmmSdFactor[1], 1.405f);

    doc.sampleOrigin = 3;
    doc.supplier = "lab";
    doc.otherAdjusted = 1;
    doc.lastUpdateTime = "now";
    doc.ResetSampleAttributes();
    EXPECT_EQ(doc.sampleOrigin, 0);
    EXPECT_EQ(doc.supplier, "");
    EXPECT_EQ(doc.otherAdjusted, 0);
    EXPECT_EQ(doc.lastUpdateTime, "");
    EXPECT_EQ(doc.endMarker1, "$$EOF1$$");
    EXPECT_EQ(doc.endMarker2, "$$EOF2$$");
}

TEST(CVARNDoc, NewDocumentStepClearsNoTable) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    doc.poolSignal[5][10] = 3.0f;
    doc.refCount[kXba] = 6;
    doc.pathName = "/x/pool.ref";
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.poolSignal[5][10], 3.0f);
    EXPECT_EQ(doc.refCount[kXba], 6);
    EXPECT_TRUE(doc.pathName.empty());
}

} // namespace
} // namespace varn::test

#include "commands/CAverage.h"
#include "commands/CRefSelect.h"
#include "document/CVARNDoc.h"
#include "engine/EngineFixtures.h"
#include "support/TestDocument.h"
#include "view/CVARNView.h"
#include "view/GenomeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>
#include <cstring>
#include <string>

namespace varn {
namespace {

using test::TestDocument;

constexpr int kRegionStart = 61903, kRegionEnd = 67180; // Xba chromosome 2

// Ticks the listed items (from 0) after pressing "Sample Load".
std::function<DialogResult(CRefSelect&)> tick(std::vector<int> items, int loads = 1) {
    return [items, loads](CRefSelect& d) {
        for (int i = 0; i < loads; ++i) d.onSampleLoad();
        for (int item : items) d.listChecked[static_cast<std::size_t>(item)] = true;
        return DialogResult::Ok;
    };
}

std::function<DialogResult(CRefSelect&)> tickAll() {
    return [](CRefSelect& d) {
        d.onSampleLoad();
        for (std::size_t i = 0; i < d.listChecked.size(); ++i) d.listChecked[i] = true;
        return DialogResult::Ok;
    };
}

TEST(ReferenceSd, CompensationRemovesAReferencesLengthAndGcDependence) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeSyntheticPool(doc, kXba, 3, 0.0f, [](int) { return 2.0f; });
    // Reference 2 differs from the sample only by noise, reference 1 only by its smooth curves.
    test::setRowSignal(doc, 2, kXba, [&](int pos) { return doc.poolSignal[0][pos] * std::exp(0.2f * test::gaussianNoise(2, pos)); });
    const float* compensated = doc.measureReferenceSd(kRegionStart, kRegionEnd, 0, kXba);
    const float* raw = doc.measureReferenceSdRaw(kRegionStart, kRegionEnd, 0, kXba);
    EXPECT_EQ(compensated, doc.refSdCompensated);
    EXPECT_EQ(raw, doc.refSdRaw);
    EXPECT_LT(doc.refSdCompensated[1], 0.01f);
    EXPECT_GT(doc.refSdRaw[1], 0.05f);
    EXPECT_NEAR(doc.refSdCompensated[2], 0.2f, 0.01f);
    EXPECT_NEAR(doc.refSdRaw[2], 0.2f, 0.01f);
}

struct RankingFixture : ::testing::Test {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    float sd[kPoolRows] = {};

    void SetUp() override {
        test::makePool(doc, kXba, 6);
        const float values[6] = {0, 0.3f, 0.1f, 0.3f, 0.2f, NAN};
        std::copy(values, values + 6, sd);
        view.referenceSdTable[kXba] = sd;
        for (int i = 1; i < 6; ++i) doc.refSelected[kXba][i] = 7; // marks "not written"
        doc.refUsedCount[kXba] = 99;
        doc.pivotRow[kXba] = 98;
    }
};

TEST_F(RankingFixture, RanksFromTheSmallestSdWithEqualSdsInRowOrderAndFillsTheDialog) {
    std::string names[6], lines[6];
    td.ui.answer<CRefSelect>([&](CRefSelect& d) {
        EXPECT_EQ(d.entryCount, 6);
        EXPECT_EQ(d.fillFlag, 2);
        d.onSampleLoad();
        for (int s = 1; s < 6; ++s) names[s] = d.referenceName[s];
        for (std::size_t i = 0; i < d.listItems.size(); ++i) lines[i] = d.listItems[i];
        d.listChecked[2] = true; // rank 3: ref1
        d.listChecked[3] = true; // rank 4: ref3
        return DialogResult::Ok;
    });
    EXPECT_TRUE(view.rankReferences(kXba));
    const int expected[6] = {0, 2, 4, 1, 3, 5}; // an SD that is not a number ranks last
    for (int s = 1; s < 6; ++s) EXPECT_EQ(view.rankOrder[s], expected[s]) << s;
    EXPECT_EQ(names[1], "ref2");
    EXPECT_EQ(lines[0], " sampleref2   0.100000");
    EXPECT_EQ(lines[2], " sampleref1   0.300000");
    EXPECT_EQ(td.ui.messages.back(), "2 items selected \n as references");

    const int selected[6] = {0, 1, 0, 1, 0, 0};
    for (int i = 1; i < 6; ++i) EXPECT_EQ(doc.refSelected[kXba][i], selected[i]) << i;
    EXPECT_EQ(doc.refUsedCount[kXba], 2);
    EXPECT_EQ(doc.pivotRow[kXba], 1); // the ticked reference of best rank
}

TEST_F(RankingFixture, NothingTickedKeepsTheDialogOpenAndCancelChangesNothing) {
    td.ui.answer<CRefSelect>(tick({}));
    td.ui.cancel<CRefSelect>();
    EXPECT_FALSE(view.rankReferences(kXba));
    ASSERT_EQ(td.ui.messages.size(), 1u);
    EXPECT_EQ(td.ui.messages[0], "Select samples");
    EXPECT_EQ(doc.refSelected[kXba][1], 7);
    EXPECT_EQ(doc.refUsedCount[kXba], 99);
    EXPECT_EQ(doc.pivotRow[kXba], 98);
}

TEST_F(RankingFixture, RepeatedSampleLoadLinesStandForTheSameReference) {
    // Three presses: 15 lines. Item 11 repeats rank 2 (ref4), item 7 repeats rank 3 (ref1).
    td.ui.answer<CRefSelect>(tick({11, 7}, 3));
    EXPECT_TRUE(view.rankReferences(kXba));
    const int selected[6] = {0, 1, 0, 0, 1, 0};
    for (int i = 1; i < 6; ++i) EXPECT_EQ(doc.refSelected[kXba][i], selected[i]) << i;
    EXPECT_EQ(doc.refUsedCount[kXba], 2);
    EXPECT_EQ(doc.pivotRow[kXba], 4);
}

// A pool of five references of which reference 3 is by far the quietest.
void prepareSort(CVARNDoc& doc, int t) {
    test::makeSyntheticPool(doc, t, 6, 0.05f, [](int) { return 2.0f; });
    for (int i = 1; i < 6; ++i) {
        const float noise = i == 3 ? 0.02f : 0.3f;
        test::setRowSignal(doc, i, t, [&](int pos) { return doc.poolSignal[0][pos] * std::exp(noise * test::gaussianNoise(i, pos)); });
    }
    doc.regionStart[t] = kChromosomeStart[t][2];
    doc.regionEnd[t] = kChromosomeStart[t][3] - 1;
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) doc.snpCall[pos] = kCallAA;
}

TEST(Sort, SingleArrayMeasuresWhenNeededRanksAndShowsTheGenome) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    prepareSort(doc, kXba);
    view.shownArrayType = kXba;
    view.displayMode = ModeReferenceSort;
    int firstRanked = 0;
    td.ui.answer<CRefSelect>([&](CRefSelect& d) {
        firstRanked = std::stoi(std::string(d.referenceName[1]).substr(3));
        return tickAll()(d);
    });
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    view.OnSort();
    EXPECT_TRUE(td.ui.allAnswersUsed());
    EXPECT_EQ(view.referenceSdTable[kXba], doc.refSdCompensated);
    EXPECT_EQ(view.referenceSdRawTable[kXba], doc.refSdRaw);
    EXPECT_EQ(firstRanked, 3);
    EXPECT_EQ(doc.pivotRow[kXba], 3);
    EXPECT_EQ(doc.refUsedCount[kXba], 5);
    EXPECT_EQ(view.displayMode, ModeGenomeSingle);
    EXPECT_EQ(view.windowExtX, 10);
    EXPECT_EQ(view.averageNumber, 10);
    EXPECT_GT(doc.rowSd[kXba][0], 0.0f);
    EXPECT_LT(doc.rowSd[kXba][0], 0.2f);
    EXPECT_EQ(doc.hmmState[0][kChromosomeStart[kXba][5] + 11], 2);
    EXPECT_GT(doc.lohScore[kChromosomeStart[kXba][5] + 11], 10.0f); // all calls homozygous
}

// Range Set's release turns to the ranking with a new region and copy number; a Cancel in the Sort
// that follows (in the reference dialog of either array, or in the averaging dialog) returns to the
// genome the person had: its region, copy number, references, profile and page.
TEST(Sort, CancelAfterANewRegionReturnsToTheResultShownBefore) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    prepareSort(doc, kXba);
    prepareSort(doc, kHind);
    ASSERT_TRUE(test::sortWithEveryReference(view, td.ui, kXba));
    const int regionStart = doc.regionStart[kXba], regionEnd = doc.regionEnd[kXba];
    const std::vector<float> profile(doc.logRatio[0], doc.logRatio[0] + kSlots);
    const std::vector<float> averages(doc.averageRatio[0], doc.averageRatio[0] + kSlots);
    const float sd = doc.rowSd[kXba][0];
    view.windowOrgX = 300; // scrolled along the genome
    const int chr5 = kChromosomeStart[kXba][5];
    const auto roads = std::vector<std::function<void()>>{
        [&] {
            view.applyRegionBaseline(kXba, chr5, chr5 + 2000, 3);
            td.ui.cancel<CRefSelect>();
        },
        [&] {
            view.applyRegionBaseline(kXba, chr5, chr5 + 2000, 3);
            td.ui.answer<CRefSelect>(tick({1}));
            td.ui.cancel<CAverage>();
        },
        [&] {
            view.applyCombinedRegion(kChromosomeStart[kCombined][5], kChromosomeStart[kCombined][5] + 4000, 3);
            td.ui.answer<CRefSelect>(tick({0}));
            td.ui.cancel<CRefSelect>();
        },
    };
    for (std::size_t road = 0; road < roads.size(); ++road) {
        roads[road]();
        ASSERT_EQ(view.displayMode, ModeReferenceSort) << road;
        view.OnSort();
        EXPECT_TRUE(td.ui.allAnswersUsed()) << road;
        EXPECT_EQ(doc.regionStart[kXba], regionStart) << road;
        EXPECT_EQ(doc.regionEnd[kXba], regionEnd) << road;
        EXPECT_EQ(doc.baseCopyNumber, 2) << road;
        for (int i = 1; i < 6; ++i) EXPECT_EQ(doc.refSelected[kXba][i], 1) << road;
        EXPECT_EQ(doc.pivotRow[kXba], 3) << road;
        EXPECT_EQ(doc.rowSd[kXba][0], sd) << road;
        EXPECT_TRUE(std::equal(profile.begin(), profile.end(), doc.logRatio[0])) << road;
        EXPECT_TRUE(std::equal(averages.begin(), averages.end(), doc.averageRatio[0])) << road;
        EXPECT_EQ(view.shownArrayType, kXba) << road;
        EXPECT_EQ(view.displayMode, ModeGenomeSingle) << road;
        EXPECT_EQ(view.windowOrgX, 300) << road;
    }
}

TEST(Sort, MergedTypeSortsXbaThenHindAndShowsTheMergedGenome) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    prepareSort(doc, kXba);
    prepareSort(doc, kHind);
    view.shownArrayType = kCombined;
    int typesSeen[2] = {};
    td.ui.answer<CRefSelect>([&](CRefSelect& d) {
        typesSeen[0] = view.shownArrayType;
        return tick({0})(d);
    });
    td.ui.answer<CRefSelect>([&](CRefSelect& d) {
        typesSeen[1] = view.shownArrayType;
        return tick({0, 1})(d);
    });
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    view.OnSort();
    EXPECT_TRUE(td.ui.allAnswersUsed());
    EXPECT_EQ(typesSeen[0], kXba);
    EXPECT_EQ(typesSeen[1], kHind);
    ASSERT_EQ(td.ui.messages.size(), 4u);
    EXPECT_EQ(td.ui.messages[0], "Sort Xba references");
    EXPECT_EQ(td.ui.messages[1], "1 items selected \n as references");
    EXPECT_EQ(td.ui.messages[2], "Sort Hind references");
    EXPECT_EQ(doc.refUsedCount[kXba], 1);
    EXPECT_EQ(doc.refUsedCount[kHind], 2);
    EXPECT_EQ(doc.pivotRow[kXba], 3);
    EXPECT_EQ(doc.pivotRow[kHind], 3);
    EXPECT_EQ(view.shownArrayType, kCombined);
    EXPECT_EQ(view.displayMode, ModeGenomeBoth);
    EXPECT_EQ(view.windowExtX, 20);
    EXPECT_EQ(view.windowExtY, 10);
    // Both arrays' profiles are in place: decoded on both.
    EXPECT_EQ(doc.hmmState[0][kChromosomeStart[kXba][7] + 3], 2);
    EXPECT_EQ(doc.hmmState[0][kChromosomeStart[kHind][7] + 3], 2);
}

} // namespace
} // namespace varn

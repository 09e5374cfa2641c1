#include "document/SelfTempFile.h"

#include "commands/CAverage.h"
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varn {
namespace {

using test::TestDocument;

void answerAveraging(test::ScriptedUi& ui) {
    ui.answer<CAverage>([](CAverage& d) {
        d.averageNumber = 5;
        return DialogResult::Ok;
    });
}

TEST(SelfTempFile, WritesBothBlocksWithTheExactFormatsAndLineCount) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kXba, "tum", true);
    const int i = 57244;
    doc.poolSignal[0][i] = 20.25f;
    doc.alleleASignal[0][i] = 10.0f;
    doc.alleleBSignal[0][i] = 10.25f;
    doc.snpCall[i] = 2;
    doc.poolSignal[1][i] = 1.0f / 3.0f;
    doc.alleleASignal[1][i] = 0.0f;
    doc.alleleBSignal[1][i] = -2.0f;
    doc.normalSnpCall[i] = 3;
    const std::string text = formatSelfTempFile(doc, kXba);
    EXPECT_EQ(text.rfind("1 \n 0 \n tum \n20.250000\t10.000000\t10.250000\t2\n", 0), 0u);
    EXPECT_NE(text.find("\n0.333333\t0.000000\t-2.000000\t3\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 84),
              "58244 \t 66244 \t 2 \n-1.300000\n-0.510000\n0.000000\n0.370000\n0.660000\n0.900000\n1.120000\n");
    int lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, 3 + 2 * 58960 + 1 + 7);
}

// A paired analysis without a region of its own stores the whole autosomal range, and the
// document takes that range over too.
TEST(SelfTempFile, StoringRepairsANegativeRegionInFileAndDocument) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    test::fillStoredAnalysis(doc, kHind, "p1", true);
    doc.regionStart[kHind] = -1;
    doc.regionEnd[kHind] = -1;
    ASSERT_EQ(doc.StoreSelfTempFile(kHind), 0);
    EXPECT_EQ(doc.regionStart[kHind], 0);
    EXPECT_EQ(doc.regionEnd[kHind], 55807);
    const std::string text = test::readFileBytes(doc.fixedPath("c:\\VARN\\Self temporary files\\p1.temp"));
    EXPECT_NE(text.find("\n0 \t 55807 \t 2 \n"), std::string::npos);
}

TEST(SelfTempFile, StoreThenLoadGivesBackBothSamplesForBothArrays) {
    for (int t : {kXba, kHind}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        test::fillStoredAnalysis(doc, t, "pair" + std::to_string(t), true, true);
        doc.baseCopyNumber = 3;
        const std::string text = formatSelfTempFile(doc, t);
        auto column = [&](int slot, int kind) {
            const float* row = kind == 0 ? doc.poolSignal[slot] : kind == 1 ? doc.alleleASignal[slot]
                                                                            : doc.alleleBSignal[slot];
            return std::vector<float>(row + doc.snpFirst[t], row + doc.snpLast[t] + 1);
        };
        std::vector<std::vector<float>> before;
        for (int slot = 0; slot < 2; ++slot)
            for (int kind = 0; kind < 3; ++kind) before.push_back(column(slot, kind));
        std::vector<int> tumourCalls(doc.snpCall.data() + doc.snpFirst[t], doc.snpCall.data() + doc.snpLast[t] + 1);
        std::vector<int> normalCalls(doc.normalSnpCall.data() + doc.snpFirst[t],
                                     doc.normalSnpCall.data() + doc.snpLast[t] + 1);
        for (int slot = 0; slot < 2; ++slot) {
            std::fill(doc.poolSignal[slot], doc.poolSignal[slot] + kSlots, 0.0f);
            std::fill(doc.alleleASignal[slot], doc.alleleASignal[slot] + kSlots, 0.0f);
            std::fill(doc.alleleBSignal[slot], doc.alleleBSignal[slot] + kSlots, 0.0f);
        }
        std::fill(doc.snpCall.data(), doc.snpCall.data() + kSlots, 0);
        std::fill(doc.normalSnpCall.data(), doc.normalSnpCall.data() + kSlots, 0);
        doc.baseCopyNumber = 2;
        doc.regionStart[t] = 0;
        std::strcpy(doc.poolSampleName[t][0], "x");
        doc.arrayType = 0;

        ASSERT_EQ(parseSelfTempFile(doc, text), TempFileRead::Loaded);
        EXPECT_EQ(doc.arrayType, t);
        EXPECT_EQ(doc.analysedRow[t], 0);
        EXPECT_STREQ(doc.poolSampleName[t][0], ("pair" + std::to_string(t)).c_str());
        std::size_t c = 0;
        for (int slot = 0; slot < 2; ++slot) {
            for (int kind = 0; kind < 3; ++kind, ++c) {
                const std::vector<float> after = column(slot, kind);
                for (std::size_t k = 0; k < after.size(); ++k)
                    ASSERT_EQ(test::printedF(after[k]), test::printedF(before[c][k])) << slot << kind << k;
            }
        }
        EXPECT_TRUE(std::equal(tumourCalls.begin(), tumourCalls.end(), doc.snpCall.data() + doc.snpFirst[t]));
        EXPECT_TRUE(std::equal(normalCalls.begin(), normalCalls.end(), doc.normalSnpCall.data() + doc.snpFirst[t]));
        EXPECT_EQ(doc.regionStart[t], doc.snpFirst[t] + 1000);
        EXPECT_EQ(doc.regionEnd[t], doc.snpFirst[t] + 9000);
        EXPECT_EQ(doc.baseCopyNumber, 3);
        EXPECT_FLOAT_EQ(doc.hmmMean[0], -1.3f);
    }
}

TEST(SelfTempFile, BadFilesAreRefusedAndLeaveTheDocumentAsItWas) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kHind, "B", true);
    const std::string good = formatSelfTempFile(doc, kHind);
    test::fillStoredAnalysis(doc, kHind, "current", true, false, 5);
    doc.arrayType = kXba;
    const auto before = test::storedFieldsDigest(doc, kHind);
    const std::string binary(3000, '\xff');
    const std::string afterHeader = good.substr(good.find("B \n") + 3);
    const std::vector<std::string> bad = {"",
                                          binary,
                                          "7 \n 0 \n B \n" + afterHeader,
                                          "2 \n 300 \n B \n" + afterHeader,
                                          good.substr(0, good.size() / 3),
                                          good.substr(0, good.size() * 2 / 3),
                                          good.substr(0, good.rfind('\n', good.size() - 2) + 1)};
    const auto path = td.root.path() / "bad.temp";
    for (const std::string& text : bad) {
        td.ui.messages.clear();
        test::writeFileBytes(path, text);
        EXPECT_EQ(doc.LoadSelfTempFile(path), 1);
        EXPECT_EQ(td.ui.messages.at(0), "temporary data cannot be loaded");
        EXPECT_EQ(test::storedFieldsDigest(doc, kHind), before);
    }
    EXPECT_EQ(doc.LoadSelfTempFile(td.root.path() / "none.temp"), 1);
    EXPECT_EQ(test::storedFieldsDigest(doc, kHind), before);
}

// The developers' rule: a new paired sample records the range it was fitted on as its region,
// so the stored file reloads to the same profile.
TEST(SelfTempFile, ReloadRecomputesTheSameProfileAsBeforeTheStore) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    const int t = kHind;
    test::fillStoredAnalysis(doc, t, "paired", true);
    doc.regionStart[t] = doc.snpFirst[t];
    doc.regionEnd[t] = doc.snpLast[t];
    answerAveraging(td.ui);
    doc.computePairedRatio(doc.regionStart[t], doc.regionEnd[t], t);
    std::vector<std::string> profile;
    for (int row = 0; row < 3; ++row)
        for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
            profile.push_back(test::printedF(doc.logRatio[row][pos]));
            profile.push_back(test::printedF(doc.averageRatio[row][pos]));
        }

    doc.OnStore();
    for (int row = 0; row < 3; ++row) std::fill(doc.logRatio[row], doc.logRatio[row] + kSlots, 0.0f);
    std::fill(doc.poolSignal[0], doc.poolSignal[0] + kSlots, 1.0f);
    doc.referenceMode = kNonSelfReference;
    doc.regionStart[t] = 5;
    td.view->displayMode = ModeNone;

    td.ui.answerFile(doc.fixedPath("c:\\VARN\\Self temporary files\\paired.temp"));
    answerAveraging(td.ui);
    doc.OnSelfLoad();
    EXPECT_EQ(doc.referenceMode, kSelfReference);
    EXPECT_EQ(td.view->displayMode, ModeGenomeSelf);
    std::size_t k = 0;
    for (int row = 0; row < 3; ++row)
        for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
            ASSERT_EQ(test::printedF(doc.logRatio[row][pos]), profile[k++]) << row << " " << pos;
            ASSERT_EQ(test::printedF(doc.averageRatio[row][pos]), profile[k++]) << row << " " << pos;
        }
    ASSERT_EQ(td.ui.fileDialogs.size(), 1u);
    EXPECT_EQ(td.ui.fileDialogs[0].title, "Select self temporary file");
    EXPECT_EQ(td.ui.fileDialogs[0].initialDirectory, doc.fixedPath("C:\\VARN\\Self temporary files"));
    EXPECT_TRUE(td.ui.messages.empty());
}

} // namespace
} // namespace varn

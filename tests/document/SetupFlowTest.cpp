#include "commands/CAverage.h"
#include "document/SetupDialogs.h"
#include "engine/EngineFixtures.h"
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace varn {
namespace {

using test::TestDocument;

// A signal file of array t: two header lines, then per SNP record the serial number, an
// identifier, 40 intensities and the sixteen "null" fields. Intensity i of record k is
// base + (k % 7) + i / 40, so every SNP has a signal of its own.
void writeSignalFile(const CVARNDoc& doc, int t, const std::filesystem::path& path, float base) {
    std::ofstream out(path);
    out << "header one\nheader two\n";
    for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) {
        out << k << "\tSNP_A-" << k;
        for (int i = 0; i < kProbes; ++i)
            out << '\t' << base + static_cast<float>(k % 7) + static_cast<float>(i) / 40;
        for (int n = 0; n < 16; ++n) out << "\tnull";
        out << '\n';
    }
}

// A SNP-call file of array t whose call at record k is AA, AB or BB by k % 3 (plus one).
void writeCallFile(const CVARNDoc& doc, int t, const std::filesystem::path& path, int shift) {
    static const char* const kCalls[3] = {"AA", "AB", "BB"};
    std::ofstream out(path);
    out << "header one\nheader two\n";
    for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k)
        out << "SNP_A-" << k << '\t' << kCalls[(k + shift) % 3] << '\n';
}

int expectedCall(int k, int shift) {
    return (k + shift) % 3 + 1;
}

std::function<DialogResult(CBasicMode&)> choose(int mode, int arrayChoice) {
    return [=](CBasicMode& d) {
        d.mode = mode;
        d.arrayChoice = arrayChoice;
        return DialogResult::Ok;
    };
}

TEST(SetupFlow, FirstFileNewOpensWithNonSelfAndXbaAndCancelStopsEverything) {
    TestDocument td;
    bool nonSelf = false, xba = false;
    td.ui.answer<CBasicMode>([&](CBasicMode& d) {
        nonSelf = d.nonSelfChecked() && !d.selfChecked();
        xba = d.xbaChecked() && !d.hindChecked() && !d.bothChecked();
        return DialogResult::Cancel;
    });
    td.doc->OnFileNew();
    EXPECT_TRUE(nonSelf);
    EXPECT_TRUE(xba);
    EXPECT_EQ(td.doc->arrayType, -1);
    EXPECT_TRUE(td.ui.messages.empty());
}

TEST(SetupFlow, PoolChecksStopWithTheirMessageAndKeepTheChoice) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kHind));
    doc.OnFileNew();
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kCombined));
    doc.OnFileNew();
    test::makePool(doc, kXba, 3);
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kCombined));
    doc.OnFileNew();
    EXPECT_EQ(td.ui.messages,
              (std::vector<std::string>{"Read the reference sample", "Read the Xba reference sample",
                                        "Read the Hind reference sample"}));
    EXPECT_TRUE(td.ui.allAnswersUsed());
    // The next File New opens with the choice, while the document still describes the analysis
    // shown (none yet).
    bool nonSelfBoth = false;
    td.ui.answer<CBasicMode>([&](CBasicMode& d) {
        nonSelfBoth = d.nonSelfChecked() && d.bothChecked();
        return DialogResult::Cancel;
    });
    doc.OnFileNew();
    EXPECT_TRUE(nonSelfBoth);
    EXPECT_EQ(doc.arrayType, -1);
}

TEST(SetupFlow, SelfWithBothArraysIsRefusedAndTheNextFileNewOpensWithThatChoice) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makePool(doc, kXba, 3);
    test::makePool(doc, kHind, 3);
    td.ui.answer<CBasicMode>(choose(kSelfReference, kCombined));
    doc.OnFileNew();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Sorry, This mode is not supported now."});
    bool selfBoth = false;
    td.ui.answer<CBasicMode>([&](CBasicMode& d) {
        selfBoth = d.selfChecked() && d.bothChecked();
        return DialogResult::Cancel;
    });
    doc.OnFileNew();
    EXPECT_TRUE(selfBoth);
    EXPECT_TRUE(td.ui.fileDialogs.empty());
}

TEST(SetupFlow, CancelledOrEmptySampleChoiceLeavesTheAnalysisItsMeansAndAttributesAsTheyWere) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makePool(doc, kXba, 3);
    const int snp = doc.snpFirst[kXba] + 5;
    doc.poolSignal[0][snp] = 7.5f;
    doc.hmmMean[0] = 3.0f;
    doc.diseaseOrigin = "AML";
    doc.sampleOrigin = 2;
    int presetArray = 0;
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kXba));
    td.ui.answer<CSampleSelect>([&](CSampleSelect& d) {
        presetArray = d.arrayChoice;
        return DialogResult::Cancel;
    });
    doc.hmmMeansPurity = 0.5f;
    doc.OnFileNew();
    EXPECT_EQ(presetArray, kXba);
    EXPECT_EQ(doc.hmmMean[0], 3.0f);
    EXPECT_EQ(doc.hmmMeansPurity, 0.5f);
    EXPECT_EQ(doc.diseaseOrigin, "AML");
    EXPECT_EQ(doc.sampleOrigin, 2);
    EXPECT_EQ(doc.poolSignal[0][snp], 7.5f);

    // OK with neither "New Sample" nor "Edited Sample" checked: nothing is read or shown.
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kXba));
    td.ui.answer<CSampleSelect>([](CSampleSelect& d) {
        d.signalPath = "/no/such/file.txt";
        return DialogResult::Ok;
    });
    doc.OnFileNew();
    EXPECT_EQ(doc.poolSignal[0][snp], 7.5f);
    EXPECT_EQ(td.view->displayMode, ModeNone);
    EXPECT_TRUE(td.ui.messages.empty());
}

TEST(SetupFlow, NewPoolSampleFillsRowZeroAndItsCallsAndShowsTheCompensationPlots) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeSyntheticPool(doc, kHind, 4, 0.1f, [](int) { return 2.0f; });
    const auto signal = td.root / "a_sample_name_of_more_than_31_characters.txt";
    const auto calls = td.root / "calls.txt";
    writeSignalFile(doc, kHind, signal, 1.0f);
    writeCallFile(doc, kHind, calls, 0);
    doc.analysedRow[kHind] = 3;
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kHind));
    td.ui.answer<CSampleSelect>([&](CSampleSelect& d) {
        d.sampleChoice = 1;
        d.signalPath = signal.string();
        d.signalName = signal.stem().string();
        d.snpPath = calls.string();
        d.snpName = calls.stem().string();
        return DialogResult::Ok;
    });
    doc.OnFileNew();
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_STREQ(doc.poolSampleName[kHind][0], "a_sample_name_of_more_than_31_c");
    EXPECT_EQ(doc.analysedRow[kHind], 0);
    for (int k : {doc.snpFirst[kHind], doc.snpFirst[kHind] + 1, doc.snpLast[kHind]})
        EXPECT_EQ(doc.snpCall[k], expectedCall(k, 0)) << k;
    EXPECT_GT(doc.poolSignal[0][doc.snpFirst[kHind]], 0.0f);
    EXPECT_EQ(td.view->displayMode, ModeCompensation);
    EXPECT_EQ(td.view->shownArrayType, kHind);
    EXPECT_EQ(td.view->windowExtX, 1);
}

TEST(SetupFlow, UnreadableSampleFileStopsWithTheReadersMessage) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makePool(doc, kXba, 3);
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kXba));
    td.ui.answer<CSampleSelect>([&](CSampleSelect& d) {
        d.sampleChoice = 1;
        d.signalPath = (td.root / "missing.txt").string();
        d.snpPath = (td.root / "missing calls.txt").string();
        return DialogResult::Ok;
    });
    doc.OnFileNew();
    EXPECT_EQ(td.ui.messages.at(0), "sample file cannot be loaded");
    EXPECT_EQ(td.view->displayMode, ModeNone);
}

TEST(SetupFlow, NewPairedSampleReadsTumourAndNormalIntoTheirRowsAndRecordsTheFittedRange) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int t = kXba;
    const auto tumour = td.root / "tumourX.txt";
    const auto normal = td.root / "normalX.txt";
    const auto tumourCalls = td.root / "tumour calls.txt";
    const auto normalCalls = td.root / "normal calls.txt";
    writeSignalFile(doc, t, tumour, 2.0f);
    writeSignalFile(doc, t, normal, 1.0f);
    writeCallFile(doc, t, tumourCalls, 0);
    writeCallFile(doc, t, normalCalls, 1);
    doc.regionStart[t] = -1;
    doc.regionEnd[t] = -1;
    td.ui.answer<CBasicMode>(choose(kSelfReference, t));
    td.ui.answer<CSelfSampleSelect>([&](CSelfSampleSelect& d) {
        d.sampleChoice = 1;
        d.tumorSignalPath = tumour.string();
        d.tumorSignalName = "tumourX";
        d.normalSignalPath = normal.string();
        d.normalSignalName = "normalX";
        d.tumorSnpPath = tumourCalls.string();
        d.normalSnpPath = normalCalls.string();
        return DialogResult::Ok;
    });
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    doc.OnFileNew();
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_STREQ(doc.poolSampleName[t][0], "tumourX");
    const int k = doc.snpFirst[t] + 10;
    EXPECT_NE(doc.poolSignal[0][k], doc.poolSignal[1][k]);
    EXPECT_GT(doc.alleleASignal[0][k], 0.0f);
    EXPECT_GT(doc.alleleASignal[1][k], 0.0f);
    EXPECT_EQ(doc.snpCall[k], expectedCall(k, 0));
    EXPECT_EQ(doc.normalSnpCall[k], expectedCall(k, 1));
    EXPECT_EQ(doc.regionStart[t], doc.snpFirst[t]);
    EXPECT_EQ(doc.regionEnd[t], doc.snpLast[t]);
    EXPECT_EQ(td.view->displayMode, ModeGenomeSelf);
    EXPECT_TRUE(td.ui.allAnswersUsed());
}

TEST(SetupFlow, EditedPoolSampleReloadsTheStoredAnalysisAndAverages) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    test::fillStoredAnalysis(doc, kHind, "stored");
    test::fillPool(doc, kHind, 5);
    ASSERT_EQ(doc.StoreNonSelfTempFile(kHind), 0);
    const int regionStart = doc.regionStart[kHind];
    doc.regionStart[kHind] = 0;
    test::fillPool(doc, kXba, 2);
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kXba));
    td.ui.answer<CSampleSelect>([](CSampleSelect& d) {
        d.sampleChoice = 2;
        return DialogResult::Ok;
    });
    td.ui.answerFile(doc.fixedPath("c:\\VARN\\temporary files\\stored.temp"));
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    doc.OnFileNew();
    // The file's array type wins over the one announced in the dialog.
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_EQ(doc.arrayType, kHind);
    EXPECT_EQ(doc.regionStart[kHind], regionStart);
    EXPECT_EQ(td.view->displayMode, ModeGenomeSingle);
    EXPECT_EQ(td.view->shownArrayType, kHind);
    EXPECT_TRUE(td.ui.allAnswersUsed());
}

TEST(SetupFlow, BothArraysAskForTheXbaThenTheHindFileAndShowTheMergedGenome) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    test::fillStoredAnalysis(doc, kXba, "sx");
    test::fillPool(doc, kXba, 4);
    ASSERT_EQ(doc.StoreNonSelfTempFile(kXba), 0);
    test::fillStoredAnalysis(doc, kHind, "sh");
    test::fillPool(doc, kHind, 4);
    ASSERT_EQ(doc.StoreNonSelfTempFile(kHind), 0);

    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kCombined));
    td.ui.answerFile(doc.fixedPath("c:\\VARN\\temporary files\\sx.temp"));
    td.ui.answerFile(doc.fixedPath("c:\\VARN\\temporary files\\sh.temp"));
    td.ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    doc.OnFileNew();
    EXPECT_EQ(td.ui.messages, (std::vector<std::string>{"Select Xba temp file", "Select Hind temp file"}));
    EXPECT_EQ(td.view->displayMode, ModeGenomeBoth);
    EXPECT_EQ(td.view->shownArrayType, kCombined);

    // A cancelled chooser stops before anything is averaged.
    td.ui.messages.clear();
    td.view->displayMode = ModeNone;
    td.ui.answer<CBasicMode>(choose(kNonSelfReference, kCombined));
    td.ui.answerFile(doc.fixedPath("c:\\VARN\\temporary files\\sx.temp"));
    td.ui.answerFile(std::nullopt);
    doc.OnFileNew();
    EXPECT_EQ(td.view->displayMode, ModeNone);
    EXPECT_TRUE(td.ui.allAnswersUsed());
}

} // namespace
} // namespace varn

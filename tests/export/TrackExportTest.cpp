#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varn {
namespace {

using test::TestDocument;

std::filesystem::path track(const CVARNDoc& doc, const std::string& name) {
    return doc.fixedPath("c:\\VARN\\IGBfiles\\" + name + ".sgr");
}

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

TEST(TrackExport, SingleArrayTracksHoldTwoToThePowerOfRatioAndScore) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    const int t = kHind;
    doc.arrayType = t;
    std::strcpy(doc.poolSampleName[t][0], "H1");
    doc.logRatio[0][0] = 0.0f;
    doc.logRatio[0][1] = 1.0f;
    doc.logRatio[0][2] = -0.5f;
    doc.lohScore[0] = 3.0f;
    doc.snpChromosome[56000] = 23;
    doc.snpPosition[56000] = 1234567;
    doc.logRatio[0][56000] = 2.0f;
    td.view->displayMode = ModeGenomeSingle;
    doc.OnIgbFileOut();
    const std::string ratio = test::readFileBytes(track(doc, "H1"));
    EXPECT_EQ(ratio.rfind("chr1 \t30000 \t1.000000 \nchr1 \t60000 \t2.000000 \nchr1 \t90000 \t0.707107 \n", 0), 0u);
    EXPECT_NE(ratio.find("\nchr23 \t1234567 \t4.000000 \n"), std::string::npos);
    EXPECT_EQ(countLines(ratio), 57244);
    const std::string loh = test::readFileBytes(track(doc, "H1LOH"));
    EXPECT_EQ(loh.rfind("chr1 \t30000 \t8.000000 \nchr1 \t60000 \t1.000000 \n", 0), 0u);
    EXPECT_EQ(countLines(loh), 57244);
    EXPECT_EQ(loh.back(), '\n');
    EXPECT_TRUE(td.ui.messages.empty());

    doc.arrayType = kXba;
    std::strcpy(doc.poolSampleName[kXba][0], "X1");
    EXPECT_EQ(doc.WriteBatchTracks(kXba), 0);
    EXPECT_EQ(countLines(test::readFileBytes(track(doc, "X1"))), 58960);
}

// The merged profile: "<Xba name>and<Hind name>", integer HMM states in genome order of both
// arrays, and the LOH score held by merged index.
TEST(TrackExport, MergedTracksCarryIntegerStatesAndAreNamedAfterBothSamples) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    std::strcpy(doc.poolSampleName[kXba][0], "A");
    std::strcpy(doc.poolSampleName[kHind][0], "B");
    const int p0 = doc.combineOrder[0], p1 = doc.combineOrder[1];
    doc.hmmState[0][p0] = 3;
    doc.hmmState[0][p1] = 0;
    doc.lohScore[0] = 1.0f;
    doc.lohScore[1] = 0.0f;
    td.view->displayMode = ModeGenomeBoth;
    doc.OnIgbFileOut();
    const std::string ratio = test::readFileBytes(track(doc, "AandB"));
    const std::string first = "chr1 \t" + std::to_string(doc.snpPosition[doc.arrangeOrder[p0]]) + " \t3 \nchr1 \t" +
                              std::to_string(doc.snpPosition[doc.arrangeOrder[p1]]) + " \t0 \n";
    EXPECT_EQ(ratio.rfind(first, 0), 0u);
    EXPECT_EQ(countLines(ratio), 116204);
    const std::string loh = test::readFileBytes(track(doc, "AandBLOH"));
    EXPECT_NE(loh.find(" \t2.000000 \n"), std::string::npos);
    EXPECT_EQ(loh.find(" \t2.000000 \n"), loh.find('\n') - 11) << "the first line carries 2^1";
    EXPECT_EQ(countLines(loh), 116204);
}

TEST(TrackExport, MissingFolderOrOtherDisplayModeWritesNothing) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    doc.arrayType = kXba;
    std::strcpy(doc.poolSampleName[kXba][0], "X");
    td.view->displayMode = ModeGenomeSingle;
    doc.OnIgbFileOut();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"IGB file cannot be loaded"});
    EXPECT_EQ(doc.WriteBatchTracks(kXba), 1);

    // The ratio track stays when only the LOH track cannot be written.
    test::makeOutputFolders(doc);
    std::filesystem::create_directories(track(doc, "XLOH")); // a folder in the way of the LOH track
    td.ui.messages.clear();
    doc.OnIgbFileOut();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"IGB LOH file cannot be loaded"});
    EXPECT_TRUE(std::filesystem::is_regular_file(track(doc, "X")));
    td.ui.messages.clear();
    EXPECT_EQ(doc.WriteBatchTracks(kXba), 1);
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"IGB file cannot be loaded"});

    td.ui.messages.clear();
    std::filesystem::remove(track(doc, "X"));
    td.view->displayMode = ModeChromosomeSingle;
    doc.OnIgbFileOut();
    EXPECT_FALSE(std::filesystem::exists(track(doc, "X")));
    EXPECT_TRUE(td.ui.messages.empty());
}

// The batch run reloads every stored pool-mode analysis in name order, writes two tracks per
// file, skips files whose pool is not loaded with one message each and leaves the view alone.
TEST(TrackExport, BatchExportsEveryStoredAnalysisWithALoadedPool) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    td.ui.messages.clear();
    doc.OnBatchIgbFileOut();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"error"});

    test::fillPool(doc, kXba, 4);
    for (const char* name : {"x2", "x1"}) {
        test::fillStoredAnalysis(doc, kXba, name, false, false, static_cast<unsigned>(name[1]));
        ASSERT_EQ(doc.StoreNonSelfTempFile(kXba), 0);
    }
    test::fillStoredAnalysis(doc, kHind, "h1");
    doc.refCount[kHind] = 2;
    ASSERT_EQ(doc.StoreNonSelfTempFile(kHind), 0);
    doc.refCount[kHind] = -1;
    test::writeFileBytes(doc.fixedPath("c:\\VARN\\temporary files\\notes.txt"), "not a stored analysis");

    td.view->displayMode = ModeChromosomeSelf;
    td.view->windowOrgX = 500;
    td.view->currentChromosome = 7;
    td.ui.messages.clear();
    doc.OnBatchIgbFileOut();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Reference is not loaded"});
    for (const char* name : {"x1", "x2"}) {
        EXPECT_EQ(countLines(test::readFileBytes(track(doc, name))), 58960) << name;
        EXPECT_EQ(countLines(test::readFileBytes(track(doc, std::string(name) + "LOH"))), 58960) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(track(doc, "h1")));
    EXPECT_EQ(td.view->displayMode, ModeChromosomeSelf);
    EXPECT_EQ(td.view->windowOrgX, 500);
    EXPECT_EQ(td.view->currentChromosome, 7);
    EXPECT_STREQ(doc.poolSampleName[kXba][0], "x2") << "the last file in name order stays loaded";

    // The tracks are those of each analysis: x1's profile recomputed alone gives its file.
    const std::string x2Track = test::readFileBytes(track(doc, "x2"));
    doc.computePoolRatio(doc.regionStart[kXba], doc.regionEnd[kXba], doc.refSelected[kXba], 0, 0, kXba);
    doc.computeLohScore(kXba);
    ASSERT_EQ(doc.WriteBatchTracks(kXba), 0);
    EXPECT_EQ(test::readFileBytes(track(doc, "x2")), x2Track);
}

} // namespace
} // namespace varn

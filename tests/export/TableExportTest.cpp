// The raw data table, the view file and the sample list table.
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"
#include "view/DisplayMode.h"

#include <gtest/gtest.h>

#include <cstring>

namespace varn {
namespace {

using test::TestDocument;

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

void fillShownProfile(CVARNDoc& doc, int t) {
    doc.arrayType = t;
    std::strcpy(doc.poolSampleName[t][0], "S");
    const int p = doc.snpFirst[t];
    doc.logRatio[0][p] = -0.25f;
    doc.hmmState[0][p] = 1;
    doc.averageRatio[0][p] = 0.125f;
    doc.snpCall[doc.arrangeOrder[p]] = 3;
    doc.baseCopyNumber = 2;
}

TEST(RawDataTable, WritesHeaderRowsSettingsAndTheEndMarkerWithoutLineEnd) {
    for (int t : {kXba, kHind}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        fillShownProfile(doc, t);
        std::filesystem::create_directories(doc.installRoot().root());
        doc.OnRawDataOut(); // creates the RawData folder
        const std::string text = test::readFileBytes(doc.fixedPath("c:\\VARN\\RawData\\S.xls"));
        const int p = doc.snpFirst[t];
        const std::string usable = std::to_string(doc.positionUsable[p]);
        EXPECT_EQ(text.rfind("S\nChromosome\tPosition\tFlag\tLog2-Ratio\tHMM\tAverage\tSNPcall\n1 \t30000 \t" + usable +
                                 " \t-0.250000 \t1 \t0.125000 \t3 \n",
                             0),
                  0u);
        const std::string tail =
            "\n2 \n-1.240000\n-0.490000\n0.000000\n0.365000\n0.657000\n0.899000\n1.100000\nFILE_END_VARN_RAW_DATA";
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        const int rows = t == kXba ? 58960 : 57244;
        EXPECT_EQ(countLines(text), 2 + rows + 1 + 7);
        EXPECT_TRUE(td.ui.messages.empty());
    }
}

TEST(RawDataTable, IsEnabledOnlyOnTheSingleArrayGenomeAndReportsAFailedWrite) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    td.view->displayMode = ModeGenomeSingle;
    EXPECT_TRUE(doc.OnUpdateRawDataOut());
    for (int mode : {ModeNone, ModeGenomeBoth, ModeChromosomeSingle, ModeGenomeSelf}) {
        td.view->displayMode = mode;
        EXPECT_FALSE(doc.OnUpdateRawDataOut()) << mode;
    }
    fillShownProfile(doc, kHind);
    std::filesystem::remove_all(doc.installRoot().root());
    test::writeFileBytes(doc.installRoot().root(), "a file where the root should be");
    doc.OnRawDataOut();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Raw Data cannot be loaded"});
}

TEST(ViewFile, WritesTheSnapshotWithDiseaseCutTo31Characters) {
    for (int t : {kXba, kHind}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        test::makeOutputFolders(doc);
        fillShownProfile(doc, t);
        doc.OnSaveViewFile();
        const auto path = doc.fixedPath("c:\\VARN View\\S.cng");
        std::string text = test::readFileBytes(path);
        EXPECT_EQ(text.rfind(std::to_string(t) + "\nS\t\n-0.250000 \t1 \t3 \n", 0), 0u);
        const std::string tail = "\n2 \n-1.240000\n-0.490000\n0.000000\n0.365000\n0.657000\n0.899000\n1.100000\n"
                                 "FILE_END_VARN_VIEW";
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        EXPECT_EQ(countLines(text), 2 + (t == kXba ? 58960 : 57244) + 1 + 7);

        doc.diseaseOrigin = std::string(31, 'd') + "overflow";
        doc.OnSaveViewFile();
        text = test::readFileBytes(path);
        EXPECT_EQ(text.rfind(std::to_string(t) + "\nS\t" + std::string(31, 'd') + "\n-0.25", 0), 0u);
        EXPECT_TRUE(td.ui.messages.empty());
    }
}

TEST(ViewFile, MissingFolderIsReportedNotCreated) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    fillShownProfile(doc, kXba);
    doc.OnSaveViewFile();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"VARN View cannot be loaded"});
    EXPECT_FALSE(std::filesystem::exists(doc.fixedPath("c:\\VARN View")));
}

// A name edited into a temporary file may hold separators; every writer keeps to its own folder.
TEST(OutputFileNames, SeparatorsInASampleNameNeverLeaveTheOutputFolder) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    fillShownProfile(doc, kXba);
    std::strcpy(doc.poolSampleName[kXba][0], "../x\\y");
    const auto root = doc.installRoot().root();
    for (const char* folder : {"RawData", "IGBfiles", "temporary files"})
        std::filesystem::create_directories(root / folder);
    std::filesystem::create_directories(doc.installRoot().viewRoot());
    td.view->displayMode = ModeGenomeSingle;
    doc.referenceMode = kNonSelfReference;
    doc.OnRawDataOut();
    doc.OnIgbFileOut();
    doc.OnStore();
    doc.OnSaveViewFile();
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(root / "RawData" / ".._x_y.xls"));
    EXPECT_TRUE(std::filesystem::exists(root / "IGBfiles" / ".._x_y.sgr"));
    EXPECT_TRUE(std::filesystem::exists(root / "IGBfiles" / ".._x_yLOH.sgr"));
    EXPECT_TRUE(std::filesystem::exists(root / "temporary files" / ".._x_y.temp"));
    EXPECT_TRUE(std::filesystem::exists(doc.installRoot().viewRoot() / ".._x_y.cng"));
    EXPECT_FALSE(std::filesystem::exists(root / "x_y.xls"));
}

TEST(SampleList, ListsXbaThenHindRowsAndIsEmptyWithoutPools) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    std::filesystem::create_directories(doc.installRoot().root());
    const auto path = doc.fixedPath("c:\\VARN\\SampleList.xls");
    doc.OnDebug();
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(test::readFileBytes(path), "");

    test::fillPool(doc, kXba, 3);
    doc.OnDebug();
    EXPECT_EQ(test::readFileBytes(path), "1\tref01\n2\tref02\n3\tref03\n");
    test::fillPool(doc, kHind, 1);
    std::memset(doc.poolSampleName[kXba][2], 'n', kNameSize); // a name filling its row without terminator
    doc.OnDebug();
    EXPECT_EQ(test::readFileBytes(path), "1\tref01\n2\t" + std::string(32, 'n') + "\n3\tref03\n1\tref01\n");
    EXPECT_TRUE(td.ui.messages.empty());

    std::filesystem::remove_all(doc.installRoot().root());
    doc.OnDebug();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Sample List file cannot be loaded"});
}

} // namespace
} // namespace varn

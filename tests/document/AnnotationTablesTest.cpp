#include "AnnotationFiles.h"

#include "document/CVARNDoc.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace varn::test {
namespace {

// One installation with complete tables for the whole suite: writing 116,204-line tables is the
// slow part.
class FullAnnotation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = new TempDir();
        writeAnnotationTables(root_->path() / "VARN");
        ui_ = new ScriptedUi();
        doc_ = new CVARNDoc(InstallRoot(root_->path() / "VARN"), *ui_);
    }
    static void TearDownTestSuite() {
        delete doc_;
        delete ui_;
        delete root_;
    }
    static TempDir* root_;
    static ScriptedUi* ui_;
    static CVARNDoc* doc_;
};
TempDir* FullAnnotation::root_ = nullptr;
ScriptedUi* FullAnnotation::ui_ = nullptr;
CVARNDoc* FullAnnotation::doc_ = nullptr;

TEST_F(FullAnnotation, LoadsEveryTableWithoutAMessage) {
    EXPECT_TRUE(ui_->messages.empty());
    EXPECT_EQ(doc_->combineOrder[116203], 116203);
    EXPECT_FLOAT_EQ(doc_->heteroRate[41], 0.11f);
    EXPECT_EQ(doc_->snpBandStain[9], 2);
    EXPECT_STREQ(doc_->snpBandName[9], "q9.2");
}

TEST_F(FullAnnotation, HeaderLinesAreSkippedAndLineThreeIsTheFirstRecord) {
    // Line 3 of IDH3.txt is Hind record 0, line 3 of IDX3.txt Xba record 57244; the numbers of
    // the header lines reach no table.
    EXPECT_EQ(doc_->snpPosition[0], 20000);
    EXPECT_EQ(doc_->snpChromosome[0], 1);
    EXPECT_EQ(doc_->snpPosition[57244], 20000);
    EXPECT_EQ(doc_->snpFragmentLength[57244], syntheticFragmentLength(57244));
    EXPECT_EQ(doc_->snpPosition[57243], 57244 * 20000);
    EXPECT_EQ(doc_->snpPosition[116203], 58960 * 20000);
    EXPECT_EQ(doc_->snpChromosome[116203], 23);
}

TEST_F(FullAnnotation, HindOccupiesTheFirstPositionsAndXbaTheRest) {
    for (int p = 0; p <= 57243; ++p) ASSERT_LE(doc_->arrangeOrder[p], 57243) << p;
    for (int p = 57244; p <= 116203; ++p) ASSERT_GE(doc_->arrangeOrder[p], 57244) << p;
}

TEST_F(FullAnnotation, UsableExactlyForFragmentsOf500To2000BasesWithPositiveGc) {
    int usable = 0;
    for (int p = 0; p < kSlots; ++p) {
        const int snp = doc_->arrangeOrder[p];
        const int length = syntheticFragmentLength(snp);
        const bool expected = length >= 500 && length <= 2000 && syntheticGcContent(snp) > 0.0f;
        ASSERT_EQ(doc_->positionUsable[p], expected ? 1 : 0) << "position " << p;
        usable += expected;
    }
    // The bounds themselves are usable, their neighbours not; GC 0 or below is never usable.
    EXPECT_EQ(doc_->positionUsable[100], 1);  // length 500
    EXPECT_EQ(doc_->positionUsable[99], 0);   // 499
    EXPECT_EQ(doc_->positionUsable[1600], 1); // 2000
    EXPECT_EQ(doc_->positionUsable[1601], 0); // 2001
    EXPECT_EQ(doc_->positionUsable[530], 0);  // length 930, GC 0
    EXPECT_EQ(doc_->positionUsable[770], 0);  // length 1170, GC -0.1
    EXPECT_EQ(doc_->positionUsable[771], 1);
    EXPECT_GT(usable, 80000);
}

TEST(AnnotationTables, MissingTablesAreReportedInLoadOrderAndLeaveZeros) {
    TempDir root;
    ScriptedUi ui;
    CVARNDoc doc(InstallRoot(root.path() / "VARN"), ui);
    const std::vector<std::string> expected = {
        "errror", "errror", "arrange data cannot be loaded", "arrange data cannot be loaded",
        "cytoband data cannot be loaded", "cytoband data cannot be loaded", "cytoband data cannot be loaded",
        "hetero rate data cannot be loaded"};
    EXPECT_EQ(ui.messages, expected);
    EXPECT_EQ(doc.arrangeOrder[70000], 0);
    EXPECT_EQ(doc.positionUsable[70000], 0);
    EXPECT_FLOAT_EQ(doc.hmmMean[0], -1.24f);
    EXPECT_EQ(doc.refCount[1], -1);
}

TEST(AnnotationTables, OnlyTheMissingTableIsReported) {
    TempDir root;
    writeAnnotationTables(root.path() / "VARN");
    std::filesystem::remove(root.path() / "VARN" / "data" / "combine.txt");
    ScriptedUi ui;
    CVARNDoc doc(InstallRoot(root.path() / "VARN"), ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"cytoband data cannot be loaded"});
    EXPECT_EQ(doc.combineOrder[5000], 0);
    EXPECT_EQ(doc.arrangeOrder[5000], 5000);
}

// Single tables loaded into an otherwise empty document.
class OneTable : public ::testing::Test {
protected:
    TestDocument td{false};
    CVARNDoc& doc = *td.doc;
    void write(const char* name, const std::string& text) {
        writeFileBytes(doc.fixedPath(std::string("c:\\VARN\\data\\") + name), text);
    }
};

TEST_F(OneTable, ArrangeLineThatDoesNotScanLeavesZeroAndTheNextLineTakesTheNextPosition) {
    write("arrange_data_H.txt", "7\nnot a number\n9\n-5\n200000\n12\n");
    EXPECT_EQ(doc.loadArrangeTable(kHind), 0);
    EXPECT_EQ(doc.arrangeOrder[0], 7);
    EXPECT_EQ(doc.arrangeOrder[1], 0);
    EXPECT_EQ(doc.arrangeOrder[2], 9);
    // Records outside the slot space would send lookups past the arrays: treated as unscannable.
    EXPECT_EQ(doc.arrangeOrder[3], 0);
    EXPECT_EQ(doc.arrangeOrder[4], 0);
    EXPECT_EQ(doc.arrangeOrder[5], 12);
}

TEST_F(OneTable, ShortBufferTablesTakeLongLinesIn31BytePieces) {
    // 40 characters and a newline: the first 31 are one line, the other 10 the next.
    write("cytoband_X.txt", "3 p36.33" + std::string(23, ' ') + "5 q12.1xyz\n" + "4 p11\n");
    EXPECT_EQ(doc.loadCytobandTable(kXba), 0);
    EXPECT_EQ(doc.snpBandStain[57244], 3);
    EXPECT_STREQ(doc.snpBandName[57244], "p36.33");
    EXPECT_EQ(doc.snpBandStain[57245], 5);
    EXPECT_STREQ(doc.snpBandName[57245], "q12.1xyz");
    EXPECT_EQ(doc.snpBandStain[57246], 4);
}

TEST_F(OneTable, BandNamesAreCutToTenCharacters) {
    write("cytoband_H.txt", "2 abcdefghijklmnop\n6\n");
    doc.loadCytobandTable(kHind);
    EXPECT_STREQ(doc.snpBandName[0], "abcdefghij");
    // A line with the stain only sets the stain.
    EXPECT_EQ(doc.snpBandStain[1], 6);
    EXPECT_STREQ(doc.snpBandName[1], "");
}

TEST_F(OneTable, IdLinesStoreTheFieldsThatScanAndLongLinesComeInPieces) {
    // Line 3 is cut after its position; a 10,000-byte line is three pieces (4095, 4095, 1811),
    // each taking a record.
    std::string text = "h1\nh2\n1 5 1000\n" + std::string(10000, 'x') + "\n2 7 3000 900 0.45\n";
    write("IDH3.txt", text);
    doc.snpFragmentLength[0] = 77;
    EXPECT_EQ(doc.loadIdTable(kHind), 0);
    EXPECT_EQ(doc.snpChromosome[0], 5);
    EXPECT_EQ(doc.snpPosition[0], 1000);
    EXPECT_EQ(doc.snpFragmentLength[0], 77);
    EXPECT_EQ(doc.snpChromosome[1], 0);
    EXPECT_EQ(doc.snpChromosome[4], 7);
    EXPECT_EQ(doc.snpFragmentLength[4], 900);
    EXPECT_FLOAT_EQ(doc.snpGcContent[4], 0.45f);
}

TEST_F(OneTable, TablesLongerThanTheirRangeStopAtTheRange) {
    // A Hind table one line too long must not reach the first Xba position; merged tables must
    // not run past the slots.
    std::string arrange, combine;
    for (int i = 0; i < 57244 + 5; ++i) arrange += "3\n";
    for (int i = 0; i < kSlots + 50; ++i) combine += "4\n";
    write("arrange_data_H.txt", arrange);
    write("combine.txt", combine);
    write("japanesehetero.txt", combine);
    doc.arrangeOrder[57244] = 57300;
    EXPECT_EQ(doc.loadArrangeTable(kHind), 0);
    EXPECT_EQ(doc.arrangeOrder[57243], 3);
    EXPECT_EQ(doc.arrangeOrder[57244], 57300);
    EXPECT_EQ(doc.loadCombineTable(), 0);
    EXPECT_EQ(doc.combineOrder[kSlots - 1], 4);
    EXPECT_EQ(doc.loadHeteroRateTable(), 0);
}

TEST_F(OneTable, BinaryBytesReadAsTextUpToTheirFirstZero) {
    std::string bytes = "12";
    bytes += '\0';
    bytes += "99\n\xff\xfe\x01\n34\n";
    write("combine.txt", bytes);
    EXPECT_EQ(doc.loadCombineTable(), 0);
    EXPECT_EQ(doc.combineOrder[0], 12);
    EXPECT_EQ(doc.combineOrder[1], 0);
    EXPECT_EQ(doc.combineOrder[2], 34);
}

TEST_F(OneTable, HeteroRateSkipsTheLeadingNumber) {
    write("japanesehetero.txt", "0 0.25\n1\t0.5\nx 0.7\n");
    doc.loadHeteroRateTable();
    EXPECT_FLOAT_EQ(doc.heteroRate[0], 0.25f);
    EXPECT_FLOAT_EQ(doc.heteroRate[1], 0.5f);
    EXPECT_FLOAT_EQ(doc.heteroRate[2], 0.0f);
}

TEST_F(OneTable, EmptyTablesChangeNothing) {
    write("IDX3.txt", "");
    write("arrange_data_X.txt", "");
    EXPECT_EQ(doc.loadIdTable(kXba), 0);
    EXPECT_EQ(doc.loadArrangeTable(kXba), 0);
    EXPECT_EQ(doc.arrangeOrder[57244], 0);
    EXPECT_TRUE(td.ui.messages.empty());
}

} // namespace
} // namespace varn::test

#include "document/SetupDialogs.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace varn {
namespace {

using test::TestDocument;

void chooseType(test::ScriptedUi& ui, int type) {
    ui.answer<CSampleTypeSelect>([type](CSampleTypeSelect& d) {
        d.sampleType = type;
        return DialogResult::Ok;
    });
}

std::string numberedList(int lines, const std::string& prefix = "s") {
    std::string text;
    for (int i = 1; i <= lines; ++i) text += prefix + std::to_string(i) + "\r\n";
    return text;
}

// A signal file with just its header and the first SNP, every intensity 1.
void writeSignalFile(const std::filesystem::path& path) {
    std::string line = "1\tSNP_A-1";
    for (int i = 0; i < 40; ++i) line += i % 4 == 2 ? "\tnull\t1.0" : "\t1.0";
    test::writeFileBytes(path, "header\nheader\n" + line + "\n");
}

long count(const std::vector<std::string>& messages, const std::string& text) {
    return std::count(messages.begin(), messages.end(), text);
}

TEST(PoolBuilding, MakeReferenceAccepts199LinesAndCancellingSaveAsKeepsThePoolUnsaved) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const auto list = td.root.path() / "list.txt";
    test::writeFileBytes(list, numberedList(199));
    for (int i = 1; i <= 199; ++i)
        writeSignalFile(doc.fixedPath("c:\\VARN\\sampledataX\\s" + std::to_string(i) + "X.txt"));
    chooseType(td.ui, kXba);
    td.ui.answerFile(list);
    td.ui.answerFile(std::nullopt); // Save As cancelled
    doc.OnMakeReference();
    EXPECT_EQ(doc.refCount[kXba], 200);
    EXPECT_EQ(doc.arrayType, kXba);
    EXPECT_STREQ(doc.poolSampleName[kXba][1], "s1");
    EXPECT_STREQ(doc.poolSampleName[kXba][199], "s199");
    EXPECT_EQ(count(td.ui.messages, "sample file cannot be loaded"), 0);
    EXPECT_TRUE(doc.pathName.empty());
    ASSERT_EQ(td.ui.fileDialogs.size(), 2u);
    EXPECT_EQ(td.ui.fileDialogs[0].title, "Select sample list file");
    EXPECT_EQ(td.ui.fileDialogs[0].initialDirectory, doc.fixedPath("C:\\VARN\\sampledataX"));
    EXPECT_EQ(td.ui.fileDialogs[0].filter, "text(*.txt)|*.txt|all_files(*.*)|*.*||");
    EXPECT_EQ(td.ui.fileDialogs[0].defaultExtension, "txt");
    EXPECT_EQ(td.ui.fileDialogs[0].initialFileName, "*.txt");
    EXPECT_EQ(doc.refCount[kHind], -1);
}

// A refused list reads no sample file and leaves the pool exactly as it was, however long.
TEST(PoolBuilding, ListsBeyond200RowsAreRefusedAndLeaveThePoolAsItWas) {
    for (int lines : {200, 20000}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        doc.refCount[kHind] = 3;
        std::strcpy(doc.poolSampleName[kHind][1], "old1");
        const auto list = td.root.path() / "list.txt";
        test::writeFileBytes(list, numberedList(lines));
        chooseType(td.ui, kHind);
        td.ui.answerFile(list);
        doc.OnMakeReference();
        EXPECT_EQ(td.ui.messages, std::vector<std::string>{"The maximum size of references is 200 at this point"});
        EXPECT_EQ(doc.refCount[kHind], 3);
        EXPECT_STREQ(doc.poolSampleName[kHind][1], "old1");
        EXPECT_STREQ(doc.poolSampleName[kHind][199], "");
        EXPECT_TRUE(td.ui.allAnswersUsed());
    }
}

// Names are cut to 16 characters for a new pool, and the cut name finds its signal file; a
// 40-character line is two rows, a blank line a row of its own; Save As writes the pool file.
TEST(PoolBuilding, MakeReferenceCutsNamesAndReadsTheirSignalFilesThenSavesThePool) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const std::string forty(40, 'z');
    // The blank line's row keeps its empty name, whose file is "H.txt".
    for (const std::string& name : {std::string("ABCDEFGHIJKLMNOP"), std::string(16, 'z'), std::string(9, 'z'),
                                     std::string(), std::string("last")})
        writeSignalFile(doc.fixedPath("c:\\VARN\\sampledataH\\" + name + "H.txt"));
    const auto list = td.root.path() / "list.txt";
    test::writeFileBytes(list, "ABCDEFGHIJKLMNOPQRSTU extra\n" + forty + "\n\nlast");
    chooseType(td.ui, kHind);
    td.ui.answerFile(list);
    const auto poolFile = td.root.path() / "pool.ref";
    td.ui.answerFile(poolFile);
    doc.OnMakeReference();
    EXPECT_EQ(doc.refCount[kHind], 6);
    EXPECT_STREQ(doc.poolSampleName[kHind][1], "ABCDEFGHIJKLMNOP");
    EXPECT_STREQ(doc.poolSampleName[kHind][2], std::string(16, 'z').c_str());
    EXPECT_STREQ(doc.poolSampleName[kHind][3], std::string(9, 'z').c_str());
    EXPECT_STREQ(doc.poolSampleName[kHind][4], "") << "a blank line keeps the row's name";
    EXPECT_STREQ(doc.poolSampleName[kHind][5], "last");
    EXPECT_EQ(count(td.ui.messages, "sample file cannot be loaded"), 0);
    EXPECT_GT(doc.poolSignal[1][0], 0.0f);
    EXPECT_EQ(doc.pathName, poolFile);
    EXPECT_EQ(std::filesystem::file_size(poolFile), 76u + 5u * (4u * 57244u + 20u));
    // One report before each of the five files and a last one that closes the progress display.
    const std::vector<std::pair<int, int>> reports = {{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}};
    EXPECT_EQ(td.ui.progressReports, reports);
}

TEST(PoolBuilding, AddReferenceNeedsALoadedPoolAndStaysWithin200Rows) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const std::string opening = "The reference pool file to which new references are added should be loaded";
    chooseType(td.ui, kXba);
    doc.OnAddReference();
    EXPECT_EQ(td.ui.messages, (std::vector<std::string>{opening, "The reference pool file is not loaded yet"}));

    td.ui.messages.clear();
    td.ui.cancel<CSampleTypeSelect>();
    doc.OnAddReference();
    EXPECT_EQ(td.ui.messages, (std::vector<std::string>{opening, "The reference pool file is not loaded yet"}));

    doc.refCount[kXba] = 150;
    const auto list = td.root.path() / "list.txt";
    test::writeFileBytes(list, numberedList(51, "added_sample_long_"));
    td.ui.messages.clear();
    chooseType(td.ui, kXba);
    td.ui.answerFile(list);
    doc.OnAddReference();
    EXPECT_EQ(td.ui.messages.back(), "The maximum size of references is 200 at this point");
    EXPECT_EQ(doc.refCount[kXba], 150);
    EXPECT_STREQ(doc.poolSampleName[kXba][150], "");

    test::writeFileBytes(list, numberedList(50, "added_sample_long_"));
    writeSignalFile(doc.fixedPath("c:\\VARN\\sampledataX\\added_sample_loX.txt"));
    td.ui.messages.clear();
    chooseType(td.ui, kXba);
    td.ui.answerFile(list);
    td.ui.answerFile(std::nullopt);
    doc.OnAddReference();
    EXPECT_EQ(doc.refCount[kXba], 200);
    EXPECT_STREQ(doc.poolSampleName[kXba][150], "added_sample_lo") << "added names keep 15 characters";
    EXPECT_EQ(count(td.ui.messages, "sample file cannot be loaded"), 0);
}

TEST(PoolBuilding, UnreadableListOrCancelledDialogsChangeNothing) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    td.ui.cancel<CSampleTypeSelect>();
    doc.OnMakeReference();
    chooseType(td.ui, kXba);
    td.ui.answerFile(std::nullopt);
    doc.OnMakeReference();
    EXPECT_TRUE(td.ui.messages.empty());
    chooseType(td.ui, kXba);
    td.ui.answerFile(td.root.path() / "missing.txt");
    doc.OnMakeReference();
    chooseType(td.ui, kXba);
    td.ui.answerFile(td.root.path());
    doc.OnMakeReference();
    EXPECT_EQ(td.ui.messages, std::vector<std::string>(2, "samplelist cannot be loaded"));
    EXPECT_EQ(doc.refCount[kXba], -1);
    EXPECT_EQ(doc.arrayType, -1);
}

// A binary list still takes one row per piece and never more than the pool holds.
TEST(PoolBuilding, BinaryListIsReadAsPiecesWithoutOverrunningThePool) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    std::string binary(31 * 150, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i % 7 == 0 ? 0 : 'a' + i % 26);
    const auto list = td.root.path() / "list.bin";
    test::writeFileBytes(list, binary);
    chooseType(td.ui, kXba);
    td.ui.answerFile(list);
    doc.OnMakeReference();
    // None of the 150 names has a signal file: no row is made and nothing is offered for saving.
    EXPECT_EQ(doc.refCount[kXba], -1);
    EXPECT_EQ(td.ui.messages.back(), "No sample of the list could be read; the reference pool is unchanged");
    for (int r = 1; r < kPoolRows; ++r) EXPECT_LE(std::strlen(doc.poolSampleName[kXba][r]), 16u);
    EXPECT_TRUE(td.ui.allAnswersUsed());
}

} // namespace
} // namespace varn

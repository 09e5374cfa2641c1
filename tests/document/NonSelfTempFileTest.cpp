#include "document/NonSelfTempFile.h"

#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>

namespace varn {
namespace {

using test::TestDocument;

std::filesystem::path tempPath(const CVARNDoc& doc, const std::string& name) {
    return doc.fixedPath("c:\\VARN\\temporary files\\" + name + ".temp");
}

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// Stores the analysis of type t, scrambles what the file holds, and reloads it.
void storeScrambleReload(CVARNDoc& doc, int t, const std::filesystem::path& path) {
    ASSERT_EQ(doc.StoreNonSelfTempFile(t), 0);
    for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) {
        doc.poolSignal[0][i] = -1.0f;
        doc.snpCall[i] = 9;
    }
    doc.regionStart[t] = doc.regionEnd[t] = -5;
    doc.baseCopyNumber = 4;
    for (float& m : doc.hmmMean) m = 99.0f;
    for (int& f : doc.refSelected[t]) f = 7;
    doc.refUsedCount[t] = doc.pivotRow[t] = -3;
    doc.arrayType = 3 - t;
    std::strcpy(doc.poolSampleName[t][doc.analysedRow[t]], "other");
    ASSERT_EQ(doc.LoadNonSelfTempFile(path), 0);
}

TEST(NonSelfTempFile, StoreThenLoadGivesBackEveryFieldForBothArrays) {
    for (int t : {kXba, kHind}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        test::makeOutputFolders(doc);
        test::fillStoredAnalysis(doc, t, "T" + std::to_string(t), false, true, 10u + static_cast<unsigned>(t));
        doc.refCount[t] = 6;
        doc.analysedRow[t] = 0;
        std::vector<float> signal(doc.poolSignal[0] + doc.snpFirst[t], doc.poolSignal[0] + doc.snpLast[t] + 1);
        std::vector<int> calls(doc.snpCall.data() + doc.snpFirst[t], doc.snpCall.data() + doc.snpLast[t] + 1);
        float means[kStates];
        std::memcpy(means, doc.hmmMean, sizeof means);
        int flags[kRefSelectedSize];
        std::memcpy(flags, doc.refSelected[t], sizeof flags);
        const int otherTypeSignal = 1234;
        doc.poolSignal[0][doc.snpFirst[3 - t]] = otherTypeSignal;
        doc.baseCopyNumber = 3;

        storeScrambleReload(doc, t, tempPath(doc, "T" + std::to_string(t)));

        EXPECT_EQ(doc.arrayType, t);
        EXPECT_STREQ(doc.poolSampleName[t][0], ("T" + std::to_string(t)).c_str());
        for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) {
            const std::size_t k = static_cast<std::size_t>(i - doc.snpFirst[t]);
            // Six decimals: the value read back is the float nearest to the printed one.
            ASSERT_EQ(doc.poolSignal[0][i], std::strtof(test::printedF(signal[k]).c_str(), nullptr)) << i;
            ASSERT_NEAR(doc.poolSignal[0][i], signal[k], 6e-7);
            ASSERT_EQ(doc.snpCall[i], calls[k]);
        }
        EXPECT_EQ(doc.poolSignal[0][doc.snpFirst[3 - t]], otherTypeSignal);
        EXPECT_EQ(doc.regionStart[t], doc.snpFirst[t] + 1000);
        EXPECT_EQ(doc.regionEnd[t], doc.snpFirst[t] + 9000);
        EXPECT_EQ(doc.baseCopyNumber, 3);
        for (int k = 0; k < kStates; ++k) EXPECT_EQ(doc.hmmMean[k], means[k]);
        for (int k = 0; k < 200; ++k) EXPECT_EQ(doc.refSelected[t][k], flags[k]);
        EXPECT_EQ(doc.refSelected[t][250], 7) << "only 200 flags travel in the file";
        EXPECT_EQ(doc.refUsedCount[t], 5);
        EXPECT_EQ(doc.pivotRow[t], 0);
        EXPECT_TRUE(td.ui.messages.empty());
    }
}

TEST(NonSelfTempFile, WritesTheExactHeaderBodyAndTailAndOneLinePerRecord) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    const int t = kHind;
    test::fillStoredAnalysis(doc, t, "S1");
    doc.poolSignal[0][0] = 20.5f;
    doc.snpCall[0] = 2;
    doc.poolSignal[0][1] = 0.0000004f;
    doc.snpCall[1] = 0;
    doc.regionStart[t] = 12;
    doc.regionEnd[t] = 3456;
    doc.refUsedCount[t] = 17;
    doc.pivotRow[t] = 4;
    const std::string text = formatNonSelfTempFile(doc, t);
    EXPECT_EQ(text.rfind("2 \n 0 \n S1 \n20.500000\t2\n0.000000\t0\n", 0), 0u);
    const std::string tail = "12 \t 3456 \t 2 \n-1.300000\n-0.510000\n0.000000\n0.370000\n0.660000\n0.900000\n1.120000\n0\n1\n1\n0\n";
    EXPECT_NE(text.find(tail), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 14), "\n1\n0\n1\n17 \t 4\n");
    EXPECT_EQ(countLines(text), 3 + 57244 + 1 + 7 + 200 + 1);
    EXPECT_EQ(countLines(formatNonSelfTempFile(doc, kXba)), 3 + 58960 + 1 + 7 + 200 + 1);
}

TEST(NonSelfTempFile, AnalysedRowOtherThanZeroTravelsWithItsNameAndRowZerosSignal) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::makeOutputFolders(doc);
    test::fillStoredAnalysis(doc, kXba, "sample");
    doc.refCount[kXba] = 8;
    doc.analysedRow[kXba] = 5;
    std::strcpy(doc.poolSampleName[kXba][5], "ref05");
    const float first = doc.poolSignal[0][57244];
    storeScrambleReload(doc, kXba, tempPath(doc, "ref05"));
    EXPECT_EQ(doc.analysedRow[kXba], 5);
    EXPECT_STREQ(doc.poolSampleName[kXba][5], "ref05");
    EXPECT_EQ(doc.poolSignal[0][57244], first);
}

// Header lines are read whole: any name the document can hold (31 characters) reads back and
// every later field stays in its line. A name with a blank keeps only its first word.
TEST(NonSelfTempFile, LongNamesReadBackWholeAndBlanksEndTheName) {
    for (const std::string name : {"N234567890123456789012345678901", "two words"}) {
        TestDocument td;
        CVARNDoc& doc = *td.doc;
        test::makeOutputFolders(doc);
        test::fillStoredAnalysis(doc, kHind, name);
        doc.refCount[kHind] = 3;
        const float firstSignal = doc.poolSignal[0][0];
        storeScrambleReload(doc, kHind, tempPath(doc, name));
        EXPECT_STREQ(doc.poolSampleName[kHind][0], name == "two words" ? "two" : name.c_str());
        EXPECT_EQ(doc.poolSignal[0][0], firstSignal);
        EXPECT_EQ(doc.regionEnd[kHind], 9000);
        EXPECT_EQ(doc.refUsedCount[kHind], 5);
    }
}

std::string attributesBlock(bool withMarkers) {
    std::string b = "AttributesInformation\n2\nAML\n\nGenome\n3N\n1\n4\n0\nfirst line\nsecond\n";
    if (!withMarkers) return b;
    return b + "$$EOF1$$\n1\n5\nremark\n$$EOF2$$\n2009/01/12 10:00\n";
}

TEST(NonSelfTempFile, ReadsTheTrailingAttributesBlockAndClearsTheRecordWithoutOne) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kXba, "A");
    doc.refCount[kXba] = 4;
    const std::string body = formatNonSelfTempFile(doc, kXba);
    ASSERT_EQ(parseNonSelfTempFile(doc, body + attributesBlock(true)), TempFileRead::Loaded);
    EXPECT_EQ(doc.sampleOrigin, 2);
    EXPECT_EQ(doc.diseaseOrigin, "AML");
    EXPECT_EQ(doc.diseaseOther, "");
    EXPECT_EQ(doc.supplier, "Genome");
    EXPECT_EQ(doc.ploidyText, "3N");
    EXPECT_EQ(doc.ploidyAdjusted, 1);
    EXPECT_EQ(doc.fishText, "4");
    EXPECT_EQ(doc.fishAdjusted, 0);
    EXPECT_EQ(doc.otherCharacteristics, "first line\r\nsecond\r\n");
    EXPECT_EQ(doc.otherAdjusted, 1);
    EXPECT_EQ(doc.ploidyStatus, 5);
    EXPECT_EQ(doc.remarks, "remark\r\n");
    EXPECT_EQ(doc.lastUpdateTime, "2009/01/12 10:00");
    EXPECT_EQ(doc.endMarker1, "$$EOF1$$");

    // A missing marker ends the list at the end of the file with what was collected.
    ASSERT_EQ(parseNonSelfTempFile(doc, body + attributesBlock(false)), TempFileRead::Loaded);
    EXPECT_EQ(doc.otherCharacteristics, "first line\r\nsecond\r\n");
    EXPECT_EQ(doc.ploidyStatus, 0);
    EXPECT_EQ(doc.lastUpdateTime, "");

    ASSERT_EQ(parseNonSelfTempFile(doc, body), TempFileRead::Loaded);
    EXPECT_EQ(doc.sampleOrigin, 0);
    EXPECT_EQ(doc.diseaseOrigin, "");
    EXPECT_EQ(doc.otherCharacteristics, "");
}

TEST(NonSelfTempFile, WithoutAPoolOfItsTypeOnlyTheArrayTypeChanges) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kXba, "A");
    doc.refCount[kXba] = 3;
    const std::string text = formatNonSelfTempFile(doc, kXba);
    doc.refCount[kXba] = -1;
    doc.arrayType = kHind;
    const auto before = test::storedFieldsDigest(doc, kXba);
    const auto path = td.root.path() / "a.temp";
    test::writeFileBytes(path, text);
    EXPECT_EQ(doc.LoadNonSelfTempFile(path), 1);
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Reference is not loaded"});
    EXPECT_EQ(doc.arrayType, kXba);
    doc.arrayType = kHind;
    EXPECT_EQ(test::storedFieldsDigest(doc, kXba), before);
}

// Missing, empty, truncated, binary, wrong-type and out-of-range files are refused with the
// reader's message and change nothing; over-long lines and extra lines are taken in stride.
TEST(NonSelfTempFile, BadFilesAreRefusedAndLeaveTheDocumentAsItWas) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kHind, "B");
    doc.refCount[kHind] = 3;
    doc.refCount[kXba] = 3;
    const std::string good = formatNonSelfTempFile(doc, kHind);
    test::fillStoredAnalysis(doc, kHind, "current", false, false, 99);
    doc.arrayType = kXba;
    doc.diseaseOrigin = "MM";
    const auto before = test::storedFieldsDigest(doc, kHind);

    std::string binary(5000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 131) % 256);
    std::vector<std::string> bad = {"", "\n", "2", binary, "3 \n 0 \n B \n", "0 \n 0 \n B \n", "-1\n",
                                    "2 \n 200 \n B \n" + good.substr(good.find("B \n") + 3),
                                    "2 \n -1 \n B \n" + good.substr(good.find("B \n") + 3)};
    for (std::size_t cut : {good.size() / 2, good.rfind('\n', good.size() - 2) + 1, good.find("\n1000 ") + 1,
                            std::size_t{12}})
        bad.push_back(good.substr(0, cut));
    const auto path = td.root.path() / "bad.temp";
    for (const std::string& text : bad) {
        td.ui.messages.clear();
        test::writeFileBytes(path, text);
        EXPECT_EQ(doc.LoadNonSelfTempFile(path), 1) << text.substr(0, 40);
        EXPECT_EQ(td.ui.messages.at(0), "temporary data cannot be loaded");
        EXPECT_EQ(test::storedFieldsDigest(doc, kHind), before) << text.substr(0, 40);
    }
    td.ui.messages.clear();
    EXPECT_EQ(doc.LoadNonSelfTempFile(td.root.path() / "missing.temp"), 1);
    EXPECT_EQ(doc.LoadNonSelfTempFile(td.root.path()), 1) << "a folder is not a file";
    EXPECT_EQ(td.ui.messages.size(), 4u) << "each message followed by one that names the file";
    EXPECT_EQ(test::storedFieldsDigest(doc, kHind), before);

    // A 10,000-character name line keeps its first 31 characters; unreadable data lines keep
    // their fields; lines after the fixed part that are not an attributes block are ignored.
    std::string longName = good;
    longName.replace(good.find("B \n"), 1, std::string(10000, 'x'));
    longName.replace(longName.find("x \n") + 3, 9, "garbage!!");
    test::writeFileBytes(path, longName + "more\nlines\n" + binary);
    const float kept = doc.poolSignal[0][0];
    td.ui.messages.clear();
    EXPECT_EQ(doc.LoadNonSelfTempFile(path), 0);
    EXPECT_STREQ(doc.poolSampleName[kHind][0], std::string(31, 'x').c_str());
    EXPECT_EQ(doc.poolSignal[0][0], kept);
    EXPECT_EQ(doc.regionEnd[kHind], 9000);
    EXPECT_TRUE(td.ui.messages.empty());
}

TEST(NonSelfTempFile, WriterFailureIsReportedAndLeavesNoFile) {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    test::fillStoredAnalysis(doc, kXba, "nofolder");
    EXPECT_EQ(doc.StoreNonSelfTempFile(kXba), 1);
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"temporary file cannot be opened"});
    EXPECT_FALSE(std::filesystem::exists(tempPath(doc, "nofolder")));

    // Storing again overwrites the earlier file without a question.
    test::makeOutputFolders(doc);
    td.ui.messages.clear();
    EXPECT_EQ(doc.StoreNonSelfTempFile(kXba), 0);
    doc.baseCopyNumber = 4;
    EXPECT_EQ(doc.StoreNonSelfTempFile(kXba), 0);
    EXPECT_NE(test::readFileBytes(tempPath(doc, "nofolder")).find(" \t 4 \n"), std::string::npos);
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tempPath(doc, "x").parent_path()),
                            std::filesystem::directory_iterator{}),
              1);
}

} // namespace
} // namespace varn

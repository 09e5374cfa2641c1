// The bad-input matrix of the files the program stores itself (docs/bad-input.md): the reference
// pool file, both temporary result files and the sample list of pool building.
#include "document/NonSelfTempFile.h"
#include "document/ReferencePoolFile.h"
#include "document/SelfTempFile.h"
#include "document/SetupDialogs.h"
#include "support/StoredAnalysis.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <cstring>
#include <string>
#include <vector>

namespace varn::test {
namespace {

std::string binaryBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131) % 256);
    return bytes;
}

std::string int32(std::int32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

std::string marker(std::string_view text) { return std::string(1, static_cast<char>(text.size())) + std::string(text); }

// ---- reference pool file ----

class PoolFileMatrix : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    std::string good; // an Xba pool of two references

    void SetUp() override {
        fillPool(doc, kXba, 2);
        doc.arrayType = kXba;
        ASSERT_TRUE(doc.OnSaveDocument(td.root / "good.ref"));
        good = readFileBytes(td.root / "good.ref");
        fillPool(doc, kXba, 3, 5);
        fillPool(doc, kHind, 3, 6);
    }
    std::uint64_t poolDigest() {
        std::uint64_t h = 1469598103934665603ull;
        for (int t : {kXba, kHind}) {
            h = (h ^ static_cast<std::uint64_t>(doc.refCount[t] + 10)) * 1099511628211ull;
            for (int r = 0; r < 5; ++r) {
                for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; k += 7) {
                    std::uint32_t bits;
                    std::memcpy(&bits, &doc.poolSignal[r][k], 4);
                    h = (h ^ bits) * 1099511628211ull;
                }
                h = (h ^ static_cast<std::uint64_t>(doc.poolSampleName[t][r][0])) * 1099511628211ull;
            }
        }
        return h;
    }
    // Opens bytes as "Load Ref" does; the first line of the one box shown, or "" for none.
    std::string open(const std::string& bytes, bool expectLoaded = false) {
        writeFileBytes(td.root / "in.ref", bytes);
        td.ui.messages.clear();
        EXPECT_EQ(doc.OnOpenDocument(td.root / "in.ref"), expectLoaded);
        EXPECT_LE(td.ui.messages.size(), 1u);
        return td.ui.messages.empty() ? "" : td.ui.messages[0].substr(0, td.ui.messages[0].find('\n'));
    }
};

TEST_F(PoolFileMatrix, EveryKindOfBadFileIsRefusedAndLeavesBothPoolsAsTheyWere) {
    const auto before = poolDigest();
    td.ui.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(td.root / "missing.ref"));
    EXPECT_EQ(td.ui.messages.at(0), std::string(kFailedToOpenDocument) +
                                        "\nmissing.ref cannot be opened; the reference pools in memory are unchanged")
        << "missing";

    EXPECT_EQ(open(""), kUnexpectedFileFormat) << "empty";
    EXPECT_EQ(open(good.substr(0, good.size() / 2)), kUnexpectedFileFormat) << "truncated in the rows";
    EXPECT_EQ(open(good.substr(0, good.size() - 3)), kUnexpectedFileFormat) << "truncated in the end marker";
    EXPECT_EQ(open(binaryBytes(300000)), "Invalid data file") << "binary";
    // The longest length form of a string, 4 GiB, in a file of a few bytes.
    EXPECT_EQ(open(std::string("\xff\xff\xff\xff\xff\xff\xff", 7) + "abc"), kUnexpectedFileFormat) << "over-long string";
    const std::string head = marker(kPoolStartMarker);
    const std::vector<std::pair<int, int>> badHeads = {{1, 201}, {1, 0}, {1, -5}, {3, 2}, {0, 2}, {-1, 1}};
    for (auto [t, rows] : badHeads)
        EXPECT_EQ(open(head + int32(t) + int32(rows) + good.substr(head.size() + 8)), "Invalid data file")
            << "type " << t << " rows " << rows;
    // The Xba rows under the Hind type: the end marker is not where the Hind row length puts it.
    EXPECT_EQ(open(head + int32(kHind) + good.substr(head.size() + 4)), "Data load failure") << "wrong array type";
    EXPECT_EQ(poolDigest(), before);
}

TEST_F(PoolFileMatrix, BytesAfterTheEndMarkerAreIgnored) {
    EXPECT_EQ(open(good + binaryBytes(1000), true), "Correct Xba reference data loaded!");
    EXPECT_EQ(doc.refCount[kXba], 3);
}

// ---- temporary result files ----

class TempFileMatrix : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    int loadNonSelf(const std::string& text) {
        writeFileBytes(td.root / "in.temp", text);
        td.ui.messages.clear();
        return doc.LoadNonSelfTempFile(td.root / "in.temp");
    }
    // Replaces the n-th line from the end (1 = the last line) of text.
    static std::string withLineFromEnd(std::string text, int n, const std::string& line) {
        std::size_t end = text.size() - 1;
        for (int i = 1; i < n; ++i) end = text.rfind('\n', end - 1);
        const std::size_t start = text.rfind('\n', end - 1) + 1;
        return text.replace(start, end - start, line);
    }
};

TEST_F(TempFileMatrix, NonSelfRowsOutsideThePoolAreRefused) {
    fillStoredAnalysis(doc, kXba, "T");
    fillPool(doc, kXba, 3);
    const std::string good = formatNonSelfTempFile(doc, kXba);
    fillStoredAnalysis(doc, kXba, "other", false, false, 3);
    const auto before = storedFieldsDigest(doc, kXba);
    // The pivot row is the denominator of a later Sort: beyond the pool it would be read past the
    // signal table.
    for (const char* pivot : {"200", "-1", "99999999"}) {
        EXPECT_EQ(loadNonSelf(withLineFromEnd(good, 1, std::string("2 \t ") + pivot)), 1) << pivot;
        EXPECT_EQ(td.ui.messages.at(0), "temporary data cannot be loaded");
    }
    EXPECT_EQ(storedFieldsDigest(doc, kXba), before);
    EXPECT_EQ(loadNonSelf(withLineFromEnd(good, 1, "2 \t 199")), 0) << "the last row of a full pool";
}

TEST_F(TempFileMatrix, NonSelfOutOfRangeSettingsAreTakenAndTheProfileStaysInsideItsArrays) {
    fillStoredAnalysis(doc, kHind, "T");
    fillPool(doc, kHind, 3);
    std::string text = formatNonSelfTempFile(doc, kHind);
    // Region far outside the array, a base copy number without a state, flags beyond 0/1.
    text = withLineFromEnd(text, 1 + 200 + 7 + 1, "-2000000 \t 2000000000 \t 99 ");
    text = withLineFromEnd(text, 1 + 3, "7");
    ASSERT_EQ(loadNonSelf(text), 0);
    EXPECT_EQ(doc.regionStart[kHind], -2000000);
    EXPECT_EQ(doc.baseCopyNumber, 99);
    doc.computePoolRatio(doc.regionStart[kHind], doc.regionEnd[kHind], doc.refSelected[kHind], doc.analysedRow[kHind],
                         doc.pivotRow[kHind], kHind);
    doc.computeLohScore(kHind);
    SUCCEED() << "recomputed without reading past the arrays";
}

TEST_F(TempFileMatrix, NonSelfFileOfTheOtherArrayIsShiftedOrRunsShort) {
    fillPool(doc, kXba, 3);
    fillPool(doc, kHind, 3);
    // An Xba file (58,960 signal lines) relabelled Hind: the fields after the 57,244th signal line
    // are read from signal lines, as the format has no check for it; every value stays in range.
    fillStoredAnalysis(doc, kXba, "X");
    std::string xba = formatNonSelfTempFile(doc, kXba);
    xba[0] = '2';
    EXPECT_EQ(loadNonSelf(xba), 0);
    EXPECT_TRUE(td.ui.messages.empty());
    EXPECT_GE(doc.pivotRow[kHind], 0);
    EXPECT_LT(doc.pivotRow[kHind], kPoolRows);
    // A Hind file relabelled Xba runs out of lines and is refused.
    fillStoredAnalysis(doc, kHind, "H");
    std::string hind = formatNonSelfTempFile(doc, kHind);
    hind[0] = '1';
    EXPECT_EQ(loadNonSelf(hind), 1);
    EXPECT_EQ(td.ui.messages.at(0), "temporary data cannot be loaded");
}

TEST_F(TempFileMatrix, SelfFileOfTheOtherArrayOrWithOutOfRangeSettings) {
    fillStoredAnalysis(doc, kXba, "X", true);
    std::string xba = formatSelfTempFile(doc, kXba);
    // Hind relabelled: the first block takes 57,244 lines, the second the rest and the start of
    // the real second block, the tail comes from signal lines.
    xba[0] = '2';
    EXPECT_EQ(parseSelfTempFile(doc, xba), TempFileRead::Loaded);
    fillStoredAnalysis(doc, kHind, "H", true);
    std::string hind = formatSelfTempFile(doc, kHind);
    hind[0] = '1';
    EXPECT_EQ(parseSelfTempFile(doc, hind), TempFileRead::Malformed) << "too few lines for Xba";
    // A region outside the array and a base copy number without a state: the paired profile
    // is recomputed inside the arrays.
    std::string out = withLineFromEnd(formatSelfTempFile(doc, kHind), 8, "-5 \t 900000000 \t -3 ");
    ASSERT_EQ(parseSelfTempFile(doc, out), TempFileRead::Loaded);
    EXPECT_EQ(doc.regionEnd[kHind], 900000000);
    CVARNView* view = doc.view;
    doc.view = nullptr; // the engine only: no averaging dialog
    doc.computePairedRatio(doc.regionStart[kHind], doc.regionEnd[kHind], kHind);
    doc.view = view;
}

TEST_F(TempFileMatrix, SelfFilesThatAreMissingEmptyTruncatedOrBinaryAreRefused) {
    fillStoredAnalysis(doc, kHind, "H", true);
    const std::string good = formatSelfTempFile(doc, kHind);
    const auto before = storedFieldsDigest(doc, kHind);
    for (const std::string& text : {std::string(), good.substr(0, good.size() / 3), good.substr(0, good.size() - 12),
                                    binaryBytes(20000), std::string("2\n 0 \n") + std::string(100000, 'x')}) {
        writeFileBytes(td.root / "in.temp", text);
        td.ui.messages.clear();
        EXPECT_EQ(doc.LoadSelfTempFile(td.root / "in.temp"), 1);
        EXPECT_EQ(td.ui.messages.at(0), "temporary data cannot be loaded");
    }
    EXPECT_EQ(doc.LoadSelfTempFile(td.root / "missing.temp"), 1);
    EXPECT_EQ(storedFieldsDigest(doc, kHind), before);
}

// ---- sample list ----

class SampleListMatrix : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    void make(int t, const std::string& list) {
        writeFileBytes(td.root / "list.txt", list);
        td.ui.answer<CSampleTypeSelect>([t](CSampleTypeSelect& d) {
            d.sampleType = t;
            return DialogResult::Ok;
        });
        td.ui.answerFile(td.root / "list.txt");
        td.ui.answerFile(std::nullopt); // Save As cancelled
        td.ui.messages.clear();
        doc.OnMakeReference();
    }
};

TEST_F(SampleListMatrix, EmptyAndUnterminatedListsAndTheOtherArraysNames) {
    make(kXba, "");
    EXPECT_EQ(doc.refCount[kXba], 1) << "empty: a pool without references, offered for saving";
    EXPECT_TRUE(td.ui.messages.empty());

    std::filesystem::create_directories(doc.fixedPath("c:\\VARN\\sampledataH"));
    for (const char* name : {"aH.txt", "bH.txt"})
        writeFileBytes(doc.fixedPath("c:\\VARN\\sampledataH\\") / name, "h\nh\n1\tSNP\t1\t1\n");
    make(kHind, "a\r\nb");
    EXPECT_EQ(doc.refCount[kHind], 3) << "a last line without its line end is a row";
    EXPECT_STREQ(doc.poolSampleName[kHind][2], "b");

    // An Xba sample's signal file exists, but the list is read as Hind: the name is looked for
    // in sampledataH, not found and reported; no row is made and the pool stays as it was.
    std::filesystem::create_directories(doc.fixedPath("c:\\VARN\\sampledataX"));
    writeFileBytes(doc.fixedPath("c:\\VARN\\sampledataX\\xsX.txt"), "h\nh\n1\tSNP\t1\t1\n");
    make(kHind, "xs\n");
    EXPECT_EQ(doc.refCount[kHind], 3);
    EXPECT_EQ(td.ui.messages.at(0), "sample file cannot be loaded");
    EXPECT_EQ(td.ui.messages.back(), "No sample of the list could be read; the reference pool is unchanged");
    EXPECT_STREQ(doc.poolSampleName[kHind][1], "a");
}

} // namespace
} // namespace varn::test

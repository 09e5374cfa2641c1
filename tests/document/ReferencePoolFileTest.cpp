#include "document/ReferencePoolFile.h"

#include "document/CArchive.h"
#include "document/CVARNDoc.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace varn::test {
namespace {

// A refused file is one box whose first line is the framework's or the reader's own text.
std::string firstLine(const std::string& box) {
    return box.substr(0, box.find('\n'));
}

class PoolFile : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    static float signalOf(int t, int row, int k) { return static_cast<float>(t * 1000 + row) + static_cast<float>(k % 97) / 8.0f; }

    // Fills a pool of `references` references of type t and leaves arrayType at t.
    void fillPool(int t, int references) {
        doc.arrayType = t;
        doc.refCount[t] = references + 1;
        for (int r = 1; r <= references; ++r) {
            for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k) doc.poolSignal[r][k] = signalOf(t, r, k);
            doc.poolRowMean[t][r] = 100.0f + static_cast<float>(r);
            std::snprintf(doc.poolSampleName[t][r], kNameSize, "ref%c%d", t == kXba ? 'X' : 'H', r);
        }
    }

    std::string save(int t, int references, const std::string& name = "pool.ref") {
        fillPool(t, references);
        EXPECT_TRUE(doc.OnSaveDocument(td.root / name));
        return readFileBytes(td.root / name);
    }

    // The in-memory pool of type t, to compare before and after a failed load.
    std::vector<float> snapshot(int t) {
        std::vector<float> v;
        for (int r = 0; r < kPoolRows; r += 1)
            for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; k += 101) v.push_back(doc.poolSignal[r][k]);
        for (int r = 0; r < kPoolRows; ++r) v.push_back(doc.poolRowMean[t][r]);
        v.push_back(static_cast<float>(doc.refCount[t]));
        v.push_back(static_cast<float>(doc.poolSampleName[t][1][0]));
        return v;
    }

    bool open(const std::string& bytes) {
        writeFileBytes(td.root / "in.ref", bytes);
        td.ui.messages.clear();
        return doc.OnOpenDocument(td.root / "in.ref");
    }
};

TEST_F(PoolFile, HindPoolRoundTripsAndLeavesXbaAlone) {
    const std::string bytes = save(kHind, 3);
    fillPool(kXba, 2);
    const auto xba = snapshot(kXba);
    // Clear the Hind pool in memory, then load it back.
    for (int r = 1; r <= 3; ++r) {
        for (int k = 0; k <= 57243; ++k) doc.poolSignal[r][k] = 0.0f;
        doc.poolRowMean[kHind][r] = 0.0f;
        std::memset(doc.poolSampleName[kHind][r], 0, kNameSize);
    }
    doc.refCount[kHind] = -1;
    ASSERT_TRUE(open(bytes));
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Correct Hind reference data loaded!"});
    EXPECT_EQ(doc.refCount[kHind], 4);
    for (int r = 1; r <= 3; ++r) {
        for (int k = 0; k <= 57243; ++k) ASSERT_EQ(doc.poolSignal[r][k], signalOf(kHind, r, k)) << r << " " << k;
        EXPECT_EQ(doc.poolRowMean[kHind][r], 100.0f + static_cast<float>(r));
        EXPECT_STREQ(doc.poolSampleName[kHind][r], ("refH" + std::to_string(r)).c_str());
    }
    EXPECT_EQ(snapshot(kXba), xba);
    // Loading does not change the current array type; the file is now the document's.
    EXPECT_EQ(doc.arrayType, kXba);
    EXPECT_EQ(doc.pathName, td.root / "in.ref");
}

TEST_F(PoolFile, LayoutIsByteExact) {
    const std::string bytes = save(kXba, 2);
    ASSERT_EQ(bytes.size(), 471796u);
    EXPECT_EQ(bytes[0], 34);
    EXPECT_EQ(bytes.substr(1, 34), kPoolStartMarker);
    EXPECT_EQ(bytes.substr(35, 8), std::string("\x01\0\0\0\x03\0\0\0", 8));
    float first;
    std::memcpy(&first, bytes.data() + 43, 4);
    EXPECT_EQ(first, signalOf(kXba, 1, 57244));
    const std::size_t row2 = 43 + 235860;
    EXPECT_EQ(bytes.substr(row2 - 16, 5), std::string("refX1"));
    EXPECT_EQ(bytes[bytes.size() - 33], 32);
    EXPECT_EQ(bytes.substr(bytes.size() - 32), kPoolEndMarker);
}

TEST_F(PoolFile, OneRowPoolStoresNoRowsAndLoadsBackEmpty) {
    const std::string bytes = save(kXba, 0);
    EXPECT_EQ(bytes.size(), 76u);
    doc.refCount[kXba] = 7;
    ASSERT_TRUE(open(bytes));
    EXPECT_EQ(doc.refCount[kXba], 1);
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Correct Xba reference data loaded!"});
}

TEST_F(PoolFile, LongNamesComeBackAsTheirFirstSixteenCharacters) {
    fillPool(kHind, 1);
    std::strcpy(doc.poolSampleName[kHind][1], "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    ASSERT_TRUE(doc.OnSaveDocument(td.root / "p.ref"));
    TestDocument fresh;
    ASSERT_TRUE(fresh.doc->OnOpenDocument(td.root / "p.ref"));
    EXPECT_STREQ(fresh.doc->poolSampleName[kHind][1], "ABCDEFGHIJKLMNOP");
}

TEST_F(PoolFile, RejectedHeadersShowInvalidDataFileAndChangeNothing) {
    const std::string good = save(kXba, 2);
    const auto before = snapshot(kXba);
    const auto loadedPath = doc.pathName;
    auto withHeader = [&](std::string marker, int type, int rows) {
        std::string b = std::string(1, static_cast<char>(marker.size())) + marker;
        b.append(reinterpret_cast<const char*>(&type), 4);
        b.append(reinterpret_cast<const char*>(&rows), 4);
        return b + good.substr(43);
    };
    const std::vector<std::string> bad = {
        withHeader(std::string(kPoolEndMarker), 1, 3), // the end marker first
        withHeader(std::string(kPoolStartMarker), 3, 3), withHeader(std::string(kPoolStartMarker), 0, 3),
        withHeader(std::string(kPoolStartMarker), -1, 3), withHeader(std::string(kPoolStartMarker), 1, 201),
        withHeader(std::string(kPoolStartMarker), 1, 0), withHeader(std::string(kPoolStartMarker), 1, -5),
        withHeader(std::string(kPoolStartMarker), 1, 0x7fffffff), "\x05hello and some more bytes"};
    for (const std::string& b : bad) {
        EXPECT_FALSE(open(b));
        EXPECT_EQ(firstLine(td.ui.messages.at(0)), "Invalid data file");
        EXPECT_EQ(snapshot(kXba), before);
        // The pools in memory are kept, and so is the name of the file they came from.
        EXPECT_EQ(doc.pathName, loadedPath);
    }
}

TEST_F(PoolFile, WrongOrMissingEndMarkerShowsDataLoadFailureAndChangesNothing) {
    const std::string good = save(kXba, 2);
    fillPool(kXba, 2);
    for (int k = 57244; k <= 116203; ++k) doc.poolSignal[1][k] = -1.0f;
    doc.refCount[kXba] = 2;
    const auto before = snapshot(kXba);
    std::string wrong = good;
    wrong[wrong.size() - 5] = 'X';
    const std::string missing = good.substr(0, good.size() - 33);
    const std::string extraRow = good.substr(0, good.size() - 33) + std::string(235860, '\0') + good.substr(good.size() - 33);
    for (const std::string& b : {wrong, missing, extraRow}) {
        EXPECT_FALSE(open(b));
        EXPECT_EQ(firstLine(td.ui.messages.at(0)), "Data load failure");
        EXPECT_EQ(snapshot(kXba), before);
    }
}

TEST_F(PoolFile, TruncatedFilesShowTheFrameworkReportAndChangeNothing) {
    const std::string good = save(kHind, 2);
    fillPool(kHind, 1);
    doc.refCount[kHind] = 2;
    const auto before = snapshot(kHind);
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{20}, std::size_t{35}, std::size_t{40},
                               std::size_t{43 + 1000}, good.size() - 40, good.size() - 10, good.size() - 1}) {
        EXPECT_FALSE(open(good.substr(0, length))) << length;
        EXPECT_EQ(firstLine(td.ui.messages.at(0)), kUnexpectedFileFormat) << length;
        EXPECT_EQ(snapshot(kHind), before) << length;
    }
}

TEST_F(PoolFile, OtherStringLengthFormsAreAccepted) {
    const std::string good = save(kXba, 1);
    const std::string rest = good.substr(35);
    const std::string marker(kPoolStartMarker);
    std::string wide;
    for (char c : marker) wide += std::string{c, '\0'};
    const std::vector<std::string> forms = {
        std::string("\xff\x22\x00", 3) + marker + rest,                       // 0xFF, 16-bit length
        std::string("\xff\xff\xff\x22\x00\x00\x00", 7) + marker + rest,       // 0xFF 0xFFFF, 32-bit length
        std::string("\xff\xfe\xff\x22", 4) + wide + rest,                     // wide, one-byte length
        std::string("\xff\xfe\xff\xff\x22\x00", 6) + wide + rest,             // wide, 16-bit length
    };
    for (const std::string& b : forms) {
        EXPECT_TRUE(open(b));
        EXPECT_EQ(td.ui.messages, std::vector<std::string>{"Correct Xba reference data loaded!"});
    }
    // A length claiming more bytes than the file holds is a truncated file, not an allocation.
    EXPECT_FALSE(open(std::string("\xff\xff\xff\xfe\xff\xff\xff", 7) + marker));
    EXPECT_EQ(firstLine(td.ui.messages.at(0)), kUnexpectedFileFormat);
}

TEST_F(PoolFile, MissingFileIsReported) {
    EXPECT_FALSE(doc.OnOpenDocument(td.root / "none.ref"));
    EXPECT_EQ(firstLine(td.ui.messages.at(0)), kFailedToOpenDocument);
}

TEST_F(PoolFile, StoringWritesThePoolOfTheCurrentArrayType) {
    fillPool(kHind, 2);
    fillPool(kXba, 1); // arrayType is now Xba
    ASSERT_TRUE(doc.OnSaveDocument(td.root / "x.ref"));
    EXPECT_EQ(readFileBytes(td.root / "x.ref").size(), 76u + 235860u);
}

TEST_F(PoolFile, NothingToStoreFailsAndKeepsTheExistingFile) {
    save(kXba, 1, "keep.ref");
    const std::string kept = readFileBytes(td.root / "keep.ref");
    for (int t : {-1, 0}) {
        doc.arrayType = t;
        td.ui.messages.clear();
        EXPECT_FALSE(doc.OnSaveDocument(td.root / "keep.ref"));
        EXPECT_EQ(td.ui.messages, std::vector<std::string>{kFailedToSaveDocument});
    }
    doc.arrayType = kHind; // no Hind pool was ever loaded
    EXPECT_FALSE(doc.OnSaveDocument(td.root / "keep.ref"));
    EXPECT_EQ(readFileBytes(td.root / "keep.ref"), kept);
    EXPECT_FALSE(std::filesystem::exists(td.root / "keep.ref.saving"));
    // A folder that does not exist cannot take the file.
    doc.arrayType = kXba;
    EXPECT_FALSE(doc.OnSaveDocument(td.root / "no" / "such" / "x.ref"));
}

TEST_F(PoolFile, SaveAsAsksWithTheFrameworkDialogAndCancelChangesNothing) {
    fillPool(kXba, 1);
    td.ui.answerFile(std::nullopt);
    EXPECT_FALSE(doc.DoSaveAs());
    ASSERT_EQ(td.ui.fileDialogs.size(), 1u);
    const FileChooserOptions& first = td.ui.fileDialogs[0];
    EXPECT_EQ(first.title, "Save As");
    EXPECT_EQ(first.filter, "All Files (*.*)|*.*||");
    EXPECT_EQ(first.defaultExtension, "");
    EXPECT_EQ(first.initialFileName, "");
    EXPECT_EQ(first.initialDirectory, doc.installRoot().root());
    EXPECT_TRUE(doc.pathName.empty());

    // Ctrl+S without a file name goes through Save As; with one it saves in place.
    td.ui.answerFile(td.root / "chosen.ref");
    EXPECT_TRUE(doc.DoSave());
    EXPECT_EQ(doc.pathName, td.root / "chosen.ref");
    doc.refCount[kXba] = 1;
    EXPECT_TRUE(doc.DoSave());
    EXPECT_EQ(readFileBytes(td.root / "chosen.ref").size(), 76u);
    EXPECT_EQ(td.ui.fileDialogs.size(), 2u);

    td.ui.answerFile(std::nullopt);
    EXPECT_FALSE(doc.DoSaveAs());
    EXPECT_EQ(td.ui.fileDialogs[2].initialDirectory, td.root.path());
    EXPECT_EQ(td.ui.fileDialogs[2].initialFileName, "chosen.ref");
    EXPECT_TRUE(td.ui.allAnswersUsed());
}

TEST(Archive, StringsTakeTheShortestLengthFormAndReadBack) {
    CArchive out;
    out.writeString("abc");
    out.writeString(std::string(300, 'x'));
    out.writeString(std::string(70000, 'y'));
    out.writeInt32(-2);
    out.writeFloat(1.5f);
    const std::string& b = out.bytes();
    EXPECT_EQ(b.substr(0, 4), "\x03" "abc");
    EXPECT_EQ(b.substr(4, 3), std::string("\xff\x2c\x01", 3));
    EXPECT_EQ(b.substr(307, 7), std::string("\xff\xff\xff\x70\x11\x01\x00", 7));
    CArchive in(b);
    EXPECT_EQ(in.readString(), "abc");
    EXPECT_EQ(in.readString(), std::string(300, 'x'));
    EXPECT_EQ(in.readString(), std::string(70000, 'y'));
    EXPECT_EQ(in.readInt32(), -2);
    EXPECT_EQ(in.readFloat(), 1.5f);
    EXPECT_FALSE(in.truncated());
    EXPECT_EQ(in.readInt32(), 0);
    EXPECT_TRUE(in.truncated());
}

} // namespace
} // namespace varn::test

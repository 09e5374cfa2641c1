// The bad-input matrix of the text readers of the installation and the samples (docs/bad-input.md):
// for each reader, a missing, empty, truncated, binary, over-long-line, too-long, out-of-range and
// wrong-array file, with what the reader does with it. Every case also checks that nothing was
// written past the range the file belongs to.
#include "document/CVARNDoc.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace varn::test {
namespace {

constexpr int kSentinel = 777777;

// Bytes of no text format: zeros and high bytes, no digit and no call text among them.
std::string binaryBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 3 == 0 ? 0 : 0x80 + (i * 37) % 120);
    return bytes;
}

std::string repeatLine(const std::string& line, int count) {
    std::string text;
    text.reserve(line.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

// ---- annotation tables ----

struct TableCase {
    const char* file;
    const char* missingMessage;
    std::function<int(CVARNDoc&)> load;
    std::function<int*(CVARNDoc&)> ints; // the int array a line fills first
    int first, last;                     // the slots of the table
    bool orderTable;                     // values are slots and must stay in the slot space
    int headerLines;
};

std::vector<TableCase> tableCases() {
    return {
        {"IDH3.txt", "errror", [](CVARNDoc& d) { return d.loadIdTable(kHind); },
         [](CVARNDoc& d) { return d.snpChromosome.data(); }, 0, 57243, false, 2},
        {"IDX3.txt", "errror", [](CVARNDoc& d) { return d.loadIdTable(kXba); },
         [](CVARNDoc& d) { return d.snpChromosome.data(); }, 57244, 116203, false, 2},
        {"arrange_data_H.txt", "arrange data cannot be loaded", [](CVARNDoc& d) { return d.loadArrangeTable(kHind); },
         [](CVARNDoc& d) { return d.arrangeOrder.data(); }, 0, 57243, true, 0},
        {"arrange_data_X.txt", "arrange data cannot be loaded", [](CVARNDoc& d) { return d.loadArrangeTable(kXba); },
         [](CVARNDoc& d) { return d.arrangeOrder.data(); }, 57244, 116203, true, 0},
        {"cytoband_H.txt", "cytoband data cannot be loaded", [](CVARNDoc& d) { return d.loadCytobandTable(kHind); },
         [](CVARNDoc& d) { return d.snpBandStain.data(); }, 0, 57243, false, 0},
        {"cytoband_X.txt", "cytoband data cannot be loaded", [](CVARNDoc& d) { return d.loadCytobandTable(kXba); },
         [](CVARNDoc& d) { return d.snpBandStain.data(); }, 57244, 116203, false, 0},
        {"combine.txt", "cytoband data cannot be loaded", [](CVARNDoc& d) { return d.loadCombineTable(); },
         [](CVARNDoc& d) { return d.combineOrder.data(); }, 0, 116203, true, 0},
        {"japanesehetero.txt", "hetero rate data cannot be loaded",
         [](CVARNDoc& d) { return d.loadHeteroRateTable(); }, nullptr, 0, 116203, false, 0},
    };
}

// A line of the table giving value v to the first int column (for the hetero table, the rate).
std::string tableLine(const TableCase& c, long long v) {
    const std::string file = c.file;
    if (file.rfind("ID", 0) == 0) return "9 " + std::to_string(v) + " 1000 900 0.4\n";
    if (file.rfind("cytoband", 0) == 0) return std::to_string(v) + " p11.2\n";
    if (file == "japanesehetero.txt") return "1 " + std::to_string(v) + " \n";
    return std::to_string(v) + "\n";
}

class AnnotationMatrix : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    // Every int slot of the table's first column set to the sentinel (order tables: a valid slot),
    // and the hetero rates to 0.5.
    void fill(const TableCase& c) {
        for (int i = 0; i < kSlots; ++i) {
            if (c.ints) c.ints(doc)[i] = c.orderTable ? i : kSentinel;
            doc.heteroRate[i] = 0.5f;
        }
    }
    int value(const TableCase& c, int slot) {
        return c.ints ? c.ints(doc)[slot] : static_cast<int>(doc.heteroRate[slot] * 10.0f);
    }
    int untouched(const TableCase& c, int slot) { return c.ints ? (c.orderTable ? slot : kSentinel) : 5; }
    static int expected(const TableCase& c, int v) { return c.ints ? v : v * 10; }

    // Runs the loader on text; false when the file is to be missing.
    int load(const TableCase& c, const std::string* text) {
        const auto path = doc.fixedPath(std::string("c:\\VARN\\data\\") + c.file);
        std::filesystem::remove(path);
        if (text != nullptr) {
            std::filesystem::create_directories(path.parent_path());
            writeFileBytes(path, *text);
        }
        td.ui.messages.clear();
        return c.load(doc);
    }

    // Nothing outside the table's slots has changed, and order tables hold only real slots.
    void expectInsideRange(const TableCase& c, const char* column) {
        for (int i = 0; i < kSlots; ++i) {
            if (i >= c.first && i <= c.last) continue;
            if (value(c, i) != untouched(c, i)) {
                ADD_FAILURE() << c.file << " [" << column << "] wrote slot " << i;
                break;
            }
        }
        if (!c.orderTable) return;
        for (int i = 0; i < kSlots; ++i)
            ASSERT_TRUE(c.ints(doc)[i] >= 0 && c.ints(doc)[i] < kSlots) << c.file << " [" << column << "] " << i;
    }
};

TEST_F(AnnotationMatrix, EveryTableUnderEveryKindOfBadFile) {
    for (const TableCase& c : tableCases()) {
        SCOPED_TRACE(c.file);
        const std::string header = repeatLine("12 34 56 78 0.9\n", c.headerLines);
        const int count = c.last - c.first + 1;
        const int v = c.orderTable ? c.first + 5 : 3;

        fill(c);
        EXPECT_EQ(load(c, nullptr), 1) << "missing";
        EXPECT_EQ(td.ui.messages, std::vector<std::string>{c.missingMessage});
        EXPECT_EQ(value(c, c.first), untouched(c, c.first));

        fill(c);
        const std::string empty;
        EXPECT_EQ(load(c, &empty), 0) << "empty";
        EXPECT_TRUE(td.ui.messages.empty());
        EXPECT_EQ(value(c, c.first), untouched(c, c.first)) << "empty";
        expectInsideRange(c, "empty");

        fill(c);
        std::string truncated = header + tableLine(c, v) + tableLine(c, v);
        truncated.pop_back();
        EXPECT_EQ(load(c, &truncated), 0) << "truncated";
        EXPECT_EQ(value(c, c.first + 1), expected(c, v)) << "a last line without its line end still counts";
        EXPECT_EQ(value(c, c.first + 2), untouched(c, c.first + 2)) << "truncated: the rest keeps its values";
        expectInsideRange(c, "truncated");

        fill(c);
        const std::string binary = header + binaryBytes(4000) + "\n" + tableLine(c, v);
        EXPECT_EQ(load(c, &binary), 0) << "binary";
        expectInsideRange(c, "binary");

        // A line longer than the read buffer comes in pieces, each taking a slot; the line after
        // it lands that many slots further on.
        fill(c);
        const std::size_t buffer = c.headerLines > 0 ? 4096 : 32;
        const std::string longLine = std::string(buffer * 2 - 2, ' ') + "\n";
        const std::string overLong = header + longLine + tableLine(c, v);
        EXPECT_EQ(load(c, &overLong), 0) << "over-long line";
        EXPECT_EQ(value(c, c.first + 3), expected(c, v)) << "over-long line: three pieces";
        expectInsideRange(c, "over-long line");

        fill(c);
        const std::string tooLong = header + repeatLine(tableLine(c, v), count + 40);
        EXPECT_EQ(load(c, &tooLong), 0) << "too many lines";
        EXPECT_EQ(value(c, c.last), expected(c, v));
        expectInsideRange(c, "too many lines");

        // Slots outside the slot space are refused by the order tables; other columns take any
        // number the scan gives.
        fill(c);
        const std::string outOfRange = header + tableLine(c, -1) + tableLine(c, kSlots) + tableLine(c, 99999999999LL);
        EXPECT_EQ(load(c, &outOfRange), 0) << "numbers out of range";
        if (c.orderTable) {
            EXPECT_EQ(value(c, c.first), untouched(c, c.first));
            EXPECT_EQ(value(c, c.first + 1), untouched(c, c.first + 1));
        } else if (c.ints) {
            EXPECT_EQ(value(c, c.first), -1);
        }
        expectInsideRange(c, "numbers out of range");
    }
}

TEST_F(AnnotationMatrix, TablesOfTheOtherArrayAreTakenAsLongAsTheirValuesAreSlots) {
    // arrange_data_X.txt in place of arrange_data_H.txt: Xba records shown at Hind positions (the
    // tables carry no array mark), and its 1,716 extra lines are dropped at the end of the range.
    const TableCase hind = tableCases()[2];
    fill(hind);
    std::string xbaTable;
    for (int snp = 57244; snp <= 116203; ++snp) xbaTable += std::to_string(snp) + "\n";
    EXPECT_EQ(load(hind, &xbaTable), 0);
    EXPECT_EQ(doc.arrangeOrder[0], 57244);
    EXPECT_EQ(doc.arrangeOrder[57243], 57244 + 57243);
    expectInsideRange(hind, "wrong array type");

    // The Hind table in place of the Xba one fills 57,244 of 58,960 positions.
    const TableCase xba = tableCases()[3];
    fill(xba);
    std::string hindTable;
    for (int snp = 0; snp <= 57243; ++snp) hindTable += std::to_string(snp) + "\n";
    EXPECT_EQ(load(xba, &hindTable), 0);
    EXPECT_EQ(doc.arrangeOrder[57244], 0);
    EXPECT_EQ(doc.arrangeOrder[116203], 116203) << "past the file's end the positions keep their records";
    expectInsideRange(xba, "wrong array type");
}

// ---- signal and SNP-call files ----

class SampleFileMatrix : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    static std::string signalLine(const std::string& value) {
        std::string line = "1\tSNP_A-1";
        for (int i = 0; i < 40; ++i) line += (i % 5 == 0 ? "\tnull\t" : "\t") + value;
        return line + "\tnull\tnull\tnull\tnull\tnull\tnull\tnull\tnull\n";
    }

    // poolSignal row 0 and the calls set to a sentinel on both arrays.
    void fill() {
        for (int k = 0; k < kSlots; ++k) {
            doc.poolSignal[0][k] = -7.0f;
            doc.snpCall[k] = 9;
            for (int i = 0; i < kProbes; ++i) doc.probeIntensity[i][k] = 2.0f;
        }
        td.ui.messages.clear();
    }
    std::filesystem::path write(const std::string& text) {
        const auto path = td.root / "sample.txt";
        writeFileBytes(path, text);
        td.ui.messages.clear();
        return path;
    }
    void expectOtherArrayUntouched(int t) {
        const int from = t == kHind ? doc.snpFirst[kXba] : doc.snpFirst[kHind];
        const int to = t == kHind ? doc.snpLast[kXba] : doc.snpLast[kHind];
        for (int k = from; k <= to; ++k) {
            if (doc.poolSignal[0][k] != -7.0f || doc.snpCall[k] != 9) {
                ADD_FAILURE() << "record " << k << " of the other array changed";
                return;
            }
        }
    }
};

TEST_F(SampleFileMatrix, SignalFileUnderEveryKindOfBadFile) {
    const std::string header = "h1\nh2\n";
    for (int t : {kHind, kXba}) {
        SCOPED_TRACE(t);
        const int first = doc.snpFirst[t];
        const int count = doc.snpLast[t] - first + 1;

        fill();
        EXPECT_EQ(doc.ReadSignalFile(t, td.root / "missing.txt", 0, 1), 1) << "missing";
        EXPECT_EQ(td.ui.messages.at(0), "sample file cannot be loaded");
        EXPECT_EQ(doc.poolSignal[0][first], -7.0f);

        for (const std::string& nothing : {std::string(), header, header + binaryBytes(5000)}) {
            fill();
            EXPECT_EQ(doc.ReadSignalFile(t, write(nothing), 0, 1), 1) << "empty / header only / binary";
            EXPECT_EQ(td.ui.messages.size(), 1u) << "one line that says why";
            EXPECT_EQ(doc.poolSignal[0][first], -7.0f) << "nothing to scale: unchanged";
        }

        // Truncated: the records past the last line keep their intensities (2.0 here), and the
        // whole array is scaled with them.
        fill();
        EXPECT_EQ(doc.ReadSignalFile(t, write(header + signalLine("4") + signalLine("4").substr(0, 30)), 0, 1), 0);
        EXPECT_GT(doc.poolSignal[0][first], doc.poolSignal[0][first + 5]);
        EXPECT_FLOAT_EQ(doc.poolSignal[0][first + 5], doc.poolSignal[0][first + 6]);
        expectOtherArrayUntouched(t);

        // Over-long: 5,000 characters come as two pieces, the second taking the next record.
        fill();
        const std::string overLong = header + std::string(5000, ' ') + "\n" + signalLine("6");
        EXPECT_EQ(doc.ReadSignalFile(t, write(overLong), 0, 0), 0);
        EXPECT_FLOAT_EQ(doc.probeIntensity[0][first + 2] / doc.probeIntensity[0][first], 3.0f);
        expectOtherArrayUntouched(t);

        // Too many lines: the lines past the array's last record are dropped.
        fill();
        EXPECT_EQ(doc.ReadSignalFile(t, write(header + repeatLine(signalLine("3"), count + 1717)), 0, 1), 0);
        EXPECT_FLOAT_EQ(doc.poolSignal[0][doc.snpLast[t]], 20.0f);
        expectOtherArrayUntouched(t);

        // Numbers out of range are taken as the scan gives them: one infinite intensity makes the
        // mean infinite, and the array's signals are then not finite numbers the analysis can use.
        fill();
        EXPECT_EQ(doc.ReadSignalFile(t, write(header + signalLine("1e40") + signalLine("-5")), 0, 1), 0);
        EXPECT_TRUE(std::isinf(doc.poolRowMean[t][0]));
        EXPECT_FALSE(std::isnormal(doc.poolSignal[0][first + 3]));
        expectOtherArrayUntouched(t);
    }
    // A Hind file read as Xba (its 57,244 lines) is refused before anything changes; a shorter
    // file of no array's length is read, its last records keeping their intensities.
    fill();
    EXPECT_EQ(doc.ReadSignalFile(kXba, write(header + repeatLine(signalLine("3"), 57244)), 0, 0), 1);
    EXPECT_EQ(td.ui.messages, std::vector<std::string>{"sample.txt holds 57244 SNP lines; an Xba 50K signal file holds 58960"});
    EXPECT_EQ(doc.probeIntensity[0][116203], 2.0f);
    fill();
    EXPECT_EQ(doc.ReadSignalFile(kXba, write(header + repeatLine(signalLine("3"), 57243)), 0, 0), 0);
    EXPECT_FLOAT_EQ(doc.probeIntensity[0][116203] * 1.5f, doc.probeIntensity[0][116203 - 1717]);
}

TEST_F(SampleFileMatrix, SnpCallFileUnderEveryKindOfBadFile) {
    const std::string header = "h1\nh2\n";
    for (int t : {kHind, kXba}) {
        SCOPED_TRACE(t);
        const int first = doc.snpFirst[t];
        const int count = doc.snpLast[t] - first + 1;

        fill();
        EXPECT_EQ(doc.ReadSnpCallFile(t, td.root / "missing.txt", 0), 1) << "missing";
        EXPECT_EQ(td.ui.messages.at(0), "normal SNP call file cannot be loaded");

        fill();
        EXPECT_EQ(doc.ReadSnpCallFile(t, write(""), 0), 1) << "empty";
        EXPECT_EQ(doc.ReadSnpCallFile(t, write(header), 0), 1) << "header only";
        EXPECT_EQ(td.ui.messages.size(), 1u) << "one line that says why";
        EXPECT_EQ(doc.snpCall[first], 9);

        // Truncated and binary: lines without a call text and records past the end keep their codes.
        fill();
        EXPECT_EQ(doc.ReadSnpCallFile(t, write(header + "1\tx\tAB\n" + binaryBytes(3000) + "\n2\tx\tB"), 0), 0);
        EXPECT_EQ(doc.snpCall[first], kCallAB);
        EXPECT_EQ(doc.snpCall[first + 1], 9);
        EXPECT_EQ(doc.snpCall[first + 2], 9);

        // Over-long: the second piece of a 4,206-character line takes the next record.
        fill();
        EXPECT_EQ(doc.ReadSnpCallFile(t, write(header + "1 " + std::string(4200, 'x') + "\tBB\n3\tx\tAA\n"), 0), 0);
        EXPECT_EQ(doc.snpCall[first], 9);
        EXPECT_EQ(doc.snpCall[first + 1], kCallBB);
        EXPECT_EQ(doc.snpCall[first + 2], kCallAA);

        // Too many lines: dropped past the range.
        fill();
        EXPECT_EQ(doc.ReadSnpCallFile(t, write(header + repeatLine("5\tx\tBB\n", count + 1717)), 0), 0);
        EXPECT_EQ(doc.snpCall[doc.snpLast[t]], kCallBB);
        expectOtherArrayUntouched(t);

        // A call text that is none of the four keeps the code (there are no numbers to range).
        fill();
        EXPECT_EQ(doc.ReadSnpCallFile(t, write(header + "1\tx\tCC\n"), 0), 0);
        EXPECT_EQ(doc.snpCall[first], 9);
    }
}

} // namespace
} // namespace varn::test

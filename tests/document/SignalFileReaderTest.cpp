#include "document/SignalFileLine.h"

#include "document/PlainDecimal.h"

#include "document/CVARNDoc.h"
#include "support/TestDocument.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace varn::test {
namespace {

constexpr const char* kFormat40 =
    "%*d %*s %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f "
    "%f %f %f %f %f %f";

// The line treatment the reader must reproduce, written the direct way: append a tab, delete
// "null" and its separator sixteen times, sscanf the rest.
int literalScan(const std::string& line, float (&v)[kProbes]) {
    std::vector<char> buffer(line.size() + 2);
    std::strcpy(buffer.data(), line.c_str());
    std::strcat(buffer.data(), "\t");
    for (int i = 0; i < kNullFields; ++i) {
        char* p = std::strstr(buffer.data(), "null");
        if (p == nullptr) break;
        const std::size_t rest = std::strlen(p);
        std::memmove(p, p + std::min<std::size_t>(5, rest), rest - std::min<std::size_t>(5, rest) + 1);
    }
    const int n = std::sscanf(buffer.data(), kFormat40, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7],
                              &v[8], &v[9], &v[10], &v[11], &v[12], &v[13], &v[14], &v[15], &v[16], &v[17], &v[18],
                              &v[19], &v[20], &v[21], &v[22], &v[23], &v[24], &v[25], &v[26], &v[27], &v[28], &v[29],
                              &v[30], &v[31], &v[32], &v[33], &v[34], &v[35], &v[36], &v[37], &v[38], &v[39]);
    return n < 0 ? 0 : n;
}

void expectSameScan(const std::string& line) {
    float mine[kProbes], theirs[kProbes];
    for (int i = 0; i < kProbes; ++i) mine[i] = theirs[i] = -7.0f;
    SignalLineScanner scanner;
    const int got = scanner.scan(line + "\n", mine);
    const int expected = literalScan(line + "\n", theirs);
    ASSERT_EQ(got, expected) << line;
    for (int i = 0; i < got; ++i)
        EXPECT_EQ(std::bit_cast<std::uint32_t>(mine[i]), std::bit_cast<std::uint32_t>(theirs[i]))
            << "value " << i << " of: " << line;
}

// A data line: serial, identifier, then the 40 values with "null" fields inserted before the
// values listed in nullsBefore (one "null" per entry).
std::string signalLine(int serial, const std::vector<std::string>& values, const std::vector<int>& nullsBefore) {
    std::string line = std::to_string(serial) + "\tSNP_A-" + std::to_string(1000000 + serial);
    for (std::size_t i = 0; i <= values.size(); ++i) {
        for (int at : nullsBefore)
            if (at == static_cast<int>(i)) line += "\tnull";
        if (i < values.size()) line += "\t" + values[i];
    }
    return line;
}

std::vector<int> nullsScattered() { return {0, 1, 3, 5, 8, 13, 13, 20, 21, 27, 30, 33, 36, 39, 40, 40}; }

TEST(SignalLine, PlainLinesMatchSscanfBitForBit) {
    std::vector<std::string> values;
    for (int i = 0; i < kProbes; ++i) values.push_back(std::to_string(123.456789 * (i + 1) / 7.0).substr(0, 10));
    expectSameScan(signalLine(1, values, nullsScattered()));
    values = {};
    for (int i = 0; i < kProbes; ++i) values.push_back(std::to_string(i * 1000 + 17) + ".3");
    expectSameScan(signalLine(2, values, std::vector<int>(16, 0)));
}

TEST(SignalLine, UnusualNumberFormsMatchSscanf) {
    // Forms the fast path does not take must still come out as scanf has them, including the
    // point where scanning stops.
    const std::vector<std::string> odd = {"+1.5",  "inf",    "-INFINITY", "nan",    "0x1p-3", "0X1.8P1", "1e",
                                          "1e+",   "1e400",  "-1e-50",    "1e-45",  ".5",     "5.",      "-.5",
                                          "1.5x",  "--1",    "abc",       "1E5",    "007",    "-0",      "3.4028235e38",
                                          "1e-38", "nan(1)", "+",         "0x",     "."};
    for (const std::string& token : odd) {
        std::vector<std::string> values(kProbes, "2.5");
        values[7] = token;
        expectSameScan(signalLine(3, values, nullsScattered()));
        values[0] = token;
        expectSameScan(signalLine(3, values, {}));
    }
}

TEST(SignalLine, BrokenLinesMatchSscanf) {
    expectSameScan("");
    expectSameScan("abc 1 2 3");
    expectSameScan("12");
    expectSameScan("12 id");
    expectSameScan("12 id 1 2 3 null 4");
    expectSameScan("+7 id 1 2");
    expectSameScan("- id 1 2");
    expectSameScan("12\tid\t\t\t1\v2\f3\r4");
    // Deleting a "null" can join its neighbours into a new one, or eat a digit when the
    // separator is missing.
    expectSameScan("1 id nunullll 5 6");
    expectSameScan("1 id nulnull\tl 5 6");
    expectSameScan("1 id null7 8 9");
    expectSameScan("1 id 5 6 null");
    expectSameScan("1 id nullnullnull 5");
    expectSameScan("1 idnull 5 6 7");
    std::string many = "1 id";
    for (int i = 0; i < 20; ++i) many += " null " + std::to_string(i);
    expectSameScan(many);
}

TEST(SignalLine, LinesReadInPlaceAgreeWithTheFullTreatment) {
    // Lines that look regular but are not: a "null" glued to the serial, a sign before a
    // "null", nulls before the serial, a "null" in the identifier, more than sixteen nulls.
    expectSameScan("12null\t34\t5 6");
    expectSameScan("-null 5 id 1");
    expectSameScan("null 5 id 1 2");
    expectSameScan("null\tnull 5 id null 1 2");
    expectSameScan("5 id null");
    expectSameScan("5 SNP_null_1 1 2 3");
    expectSameScan("5 nullid 1 2 3");
    std::string seventeen = "5 id";
    for (int i = 0; i < 17; ++i) seventeen += "\tnull\t" + std::to_string(i) + ".5";
    expectSameScan(seventeen);
    // Short and long plain numbers on both sides of the word-at-a-time limits.
    expectSameScan("1 id 5. 0.000001 1234567 123456.7 12345678 -1.5 00012.50 0 -0 .25 9999999.9 16777217 "
                   "16777216.5 0.1e1 123456789012345678901 1.00000000000000000001");
}

TEST(SignalLine, PlainNumbersMatchStrtofWhateverTheirLength) {
    // Every shape of the plain form from one to twelve characters, with eight or more readable
    // bytes after it (the word-at-a-time routes) and without.
    std::mt19937 random(11);
    std::string buffer;
    for (int trial = 0; trial < 40000; ++trial) {
        const int digits = 1 + static_cast<int>(random() % 11);
        std::string token = random() % 5 == 0 ? "-" : "";
        const int point = static_cast<int>(random() % (digits + 2)) - 1; // -1: no point
        for (int i = 0; i < digits; ++i) {
            if (i == point) token += '.';
            token += static_cast<char>('0' + random() % 10);
        }
        if (point == digits) token += '.';
        for (const std::string& after : {std::string("\t"), std::string("\t123456789"), std::string(" 1\n")}) {
            buffer = token + after;
            float mine = -7.0f;
            const char* end = scanPlainFloat(buffer.data(), buffer.data() + buffer.size(), mine);
            ASSERT_EQ(end, buffer.data() + token.size()) << token;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(mine), std::bit_cast<std::uint32_t>(std::strtof(token.c_str(), nullptr)))
                << token;
        }
    }
}

TEST(SignalLine, ReadingAheadPastTheLineChangesNothing) {
    // The reader lets the scanner look at the bytes after a line; they must not leak into it.
    const std::string file = "1 id 12.5 7 3.25\n99999999 88888888.8 77777777\n";
    const std::string_view line(file.data(), file.find('\n') + 1);
    SignalLineScanner scanner;
    float values[kProbes];
    ASSERT_EQ(scanner.scan(line, values, file.data() + file.size()), 3);
    EXPECT_EQ(values[0], 12.5f);
    EXPECT_EQ(values[1], 7.0f);
    EXPECT_EQ(values[2], 3.25f);
}

TEST(SignalLine, NullDeletionFollowsRepeatedSearchAndDelete) {
    std::string out;
    deleteNullFields("a nunull ll b\t", out);
    // First pass deletes "null " leaving "a null b\t"; the joined one goes next.
    EXPECT_EQ(out, "a b\t");
    deleteNullFields("null", out);
    EXPECT_EQ(out, "");
}

TEST(SignalLine, WherePlacedTheNullFieldsDoNotMatter) {
    std::vector<std::string> values;
    for (int i = 0; i < kProbes; ++i) values.push_back(std::to_string(100 + i * 3) + ".25");
    SignalLineScanner scanner;
    float front[kProbes], scattered[kProbes], back[kProbes];
    ASSERT_EQ(scanner.scan(signalLine(1, values, std::vector<int>(16, 0)), front), kProbes);
    ASSERT_EQ(scanner.scan(signalLine(1, values, nullsScattered()), scattered), kProbes);
    ASSERT_EQ(scanner.scan(signalLine(1, values, std::vector<int>(16, 40)), back), kProbes);
    for (int i = 0; i < kProbes; ++i) {
        EXPECT_EQ(front[i], 100.25f + static_cast<float>(i * 3));
        EXPECT_EQ(scattered[i], front[i]);
        EXPECT_EQ(back[i], front[i]);
    }
}

// Whole files.
class SignalFile : public ::testing::Test {
protected:
    TestDocument td;
    CVARNDoc& doc = *td.doc;

    int snpCount(int t) const { return doc.snpLast[t] - doc.snpFirst[t] + 1; }

    // A signal file of the array with one line per SNP; value(k, i) gives intensity i of data line k.
    std::filesystem::path writeSignalFile(int t, const std::function<float(int, int)>& value, int extraLines = 0,
                                          const std::string& name = "sample.txt") {
        std::string text = "#header 1 2 3\nserial\tid\tnull\n";
        const int lines = snpCount(t) + extraLines;
        text.reserve(static_cast<std::size_t>(lines) * 420);
        char line[1024];
        for (int k = 0; k < lines; ++k) {
            char* p = line + std::snprintf(line, 64, "%d\tSNP_A-%d", k, k);
            for (int i = 0; i < kProbes; ++i) {
                if (i % 5 == 2 || i % 7 == 0) p = std::strcpy(p, "\tnull") + 5; // 13 of them, 3 more at the end
                *p++ = '\t';
                p = std::to_chars(p, line + sizeof line, static_cast<double>(value(k, i)), std::chars_format::fixed, 3).ptr;
            }
            text.append(line, static_cast<std::size_t>(p - line));
            text += "\tnull\tnull\tnull\n";
        }
        const auto path = td.root / name;
        writeFileBytes(path, text);
        return path;
    }
};

TEST_F(SignalFile, AllOnesGiveMeanOneSignalTwentyAndAlleleSignalsTen) {
    const auto xba = writeSignalFile(kXba, [](int, int) { return 1.0f; });
    ASSERT_EQ(doc.ReadSignalFile(kXba, xba, 0, 1), 0);
    EXPECT_EQ(doc.poolRowMean[kXba][0], 1.0f);
    for (int k = 57244; k <= 116203; ++k) {
        ASSERT_EQ(doc.poolSignal[0][k], 20.0f) << k;
        ASSERT_EQ(doc.alleleASignal[0][k], 10.0f) << k;
        ASSERT_EQ(doc.alleleBSignal[0][k], 10.0f) << k;
    }
    // The Hind half of the row is not touched.
    EXPECT_EQ(doc.poolSignal[0][57243], 0.0f);

    const auto hind = writeSignalFile(kHind, [](int, int) { return 1.0f; }, 0, "hind.txt");
    ASSERT_EQ(doc.ReadSignalFile(kHind, hind, 1, 2), 0);
    EXPECT_EQ(doc.poolRowMean[kHind][1], 1.0f);
    EXPECT_EQ(doc.poolSignal[1][0], 20.0f);
    EXPECT_EQ(doc.alleleBSignal[1][57243], 10.0f);
    EXPECT_TRUE(td.ui.messages.empty());
}

TEST_F(SignalFile, DoublingEveryIntensityDoublesTheMeanAndKeepsTheSums) {
    auto value = [](int k, int i) { return 50.0f + static_cast<float>((k * 31 + i * 17) % 997) * 1.5f; };
    const auto once = writeSignalFile(kHind, value, 0, "once.txt");
    const auto twice = writeSignalFile(kHind, [&](int k, int i) { return 2.0f * value(k, i); }, 0, "twice.txt");
    ASSERT_EQ(doc.ReadSignalFile(kHind, once, 3, 1), 0);
    ASSERT_EQ(doc.ReadSignalFile(kHind, twice, 4, 2), 0);
    EXPECT_EQ(doc.poolRowMean[kHind][4], 2.0f * doc.poolRowMean[kHind][3]);
    EXPECT_GT(doc.poolRowMean[kHind][3], 50.0f);
    for (int k = 0; k <= 57243; ++k) {
        ASSERT_EQ(doc.poolSignal[3][k], doc.poolSignal[4][k]) << k;
        ASSERT_EQ(doc.alleleASignal[0][k], doc.alleleASignal[1][k]) << k;
        ASSERT_EQ(doc.alleleBSignal[0][k], doc.alleleBSignal[1][k]) << k;
    }
}

TEST_F(SignalFile, SumsFollowTheStatedOrderInSinglePrecision) {
    // Eighths print exactly with three decimals, so the floats read are the floats written.
    auto value = [](int k, int i) { return 0.125f + static_cast<float>((k * 7 + i * 13) % 101) * 0.375f; };
    const auto path = writeSignalFile(kXba, value);
    ASSERT_EQ(doc.ReadSignalFile(kXba, path, 0, 0), 0);
    std::vector<float> raw(static_cast<std::size_t>(kProbes) * 58960);
    for (int k = 0; k < 58960; ++k)
        for (int i = 0; i < kProbes; ++i) raw[static_cast<std::size_t>(i) * 58960 + static_cast<std::size_t>(k)] = value(k, i);
    float total = 0.0f;
    for (int j = 0; j < 10; ++j)
        for (int k = 0; k < 58960; ++k)
            total += raw[static_cast<std::size_t>(4 * j) * 58960 + static_cast<std::size_t>(k)] +
                     raw[static_cast<std::size_t>(4 * j + 1) * 58960 + static_cast<std::size_t>(k)];
    const float mean = total / 1179200.0f;
    EXPECT_EQ(doc.poolRowMean[kXba][0], mean);
    for (int k : {0, 1, 777, 58959}) {
        float sum = 0.0f;
        for (int j = 0; j < 10; ++j)
            sum += raw[static_cast<std::size_t>(4 * j) * 58960 + static_cast<std::size_t>(k)] / mean +
                   raw[static_cast<std::size_t>(4 * j + 1) * 58960 + static_cast<std::size_t>(k)] / mean;
        EXPECT_EQ(doc.poolSignal[0][57244 + k], sum) << k;
        EXPECT_EQ(doc.probeIntensity[3][57244 + k], raw[3 * 58960 + static_cast<std::size_t>(k)] / mean);
    }
}

TEST_F(SignalFile, TheThirdLineIsTheFirstRecordOfTheArray) {
    const auto path = writeSignalFile(kXba, [](int k, int i) { return k == 0 ? 3.0f + static_cast<float>(i) : 1.0f; });
    ASSERT_EQ(doc.ReadSignalFile(kXba, path, 0, 0), 0);
    const float mean = doc.poolRowMean[kXba][0];
    EXPECT_EQ(doc.probeIntensity[0][57244], 3.0f / mean);
    EXPECT_EQ(doc.probeIntensity[39][57244], 42.0f / mean);
    EXPECT_EQ(doc.probeIntensity[39][57245], 1.0f / mean);
}

TEST_F(SignalFile, MissingFileIsReportedAndChangesNothing) {
    doc.poolSignal[0][100] = 5.0f;
    EXPECT_EQ(doc.ReadSignalFile(kHind, td.root / "absent.txt", 0, 1), 1);
    EXPECT_EQ(td.ui.messages.at(0), "sample file cannot be loaded");
    EXPECT_EQ(doc.poolSignal[0][100], 5.0f);
    // A folder cannot be read as a file either.
    EXPECT_EQ(doc.ReadSignalFile(kHind, td.root.path(), 0, 1), 1);
    ASSERT_EQ(td.ui.messages.size(), 4u);
    EXPECT_EQ(td.ui.messages[2], "sample file cannot be loaded");
}

TEST_F(SignalFile, FilesWithoutAnyIntensityChangeNothing) {
    doc.poolSignal[0][100] = 5.0f;
    doc.poolRowMean[kHind][0] = 9.0f;
    std::string binary(5000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 131) % 256);
    for (const std::string& content : {std::string(), std::string("head\nhead\n"), binary}) {
        writeFileBytes(td.root / "bad.txt", content);
        EXPECT_EQ(doc.ReadSignalFile(kHind, td.root / "bad.txt", 0, 1), 1);
        EXPECT_EQ(doc.poolSignal[0][100], 5.0f);
        EXPECT_EQ(doc.poolRowMean[kHind][0], 9.0f);
    }
    EXPECT_EQ(td.ui.messages, (std::vector<std::string>{"bad.txt holds no SNP lines; a Hind 50K signal file was expected",
                                                        "bad.txt holds no SNP lines; a Hind 50K signal file was expected",
                                                        "bad.txt is a binary file, not a Hind 50K signal file"}));
}

TEST_F(SignalFile, ExtraLinesNeverReachTheNextArray) {
    doc.probeIntensity[0][57244] = 8.0f;
    doc.poolSignal[0][57244] = 8.0f;
    const auto path = writeSignalFile(kHind, [](int, int) { return 2.0f; }, 1000);
    ASSERT_EQ(doc.ReadSignalFile(kHind, path, 0, 0), 0);
    EXPECT_EQ(doc.poolRowMean[kHind][0], 2.0f);
    EXPECT_EQ(doc.probeIntensity[0][57244], 8.0f);
    EXPECT_EQ(doc.poolSignal[0][57244], 8.0f);
    // The last Xba line of an Xba file with extra lines stays inside the arrays.
    const auto xba = writeSignalFile(kXba, [](int, int) { return 2.0f; }, 1000, "x.txt");
    EXPECT_EQ(doc.ReadSignalFile(kXba, xba, 199, 2), 0);
    EXPECT_EQ(doc.poolSignal[199][116203], 20.0f);
}

TEST_F(SignalFile, TruncatedFilesKeepPreviousValuesPastTheLastLine) {
    // A line cut short keeps the values it does not supply; the SNPs after the last line keep
    // theirs, scaled with the new mean.
    doc.probeIntensity[5][2] = 4.0f;
    doc.probeIntensity[0][3] = 6.0f;
    writeFileBytes(td.root / "short.txt", "h\nh\n0 a 2 2 2 2 2 2 2 2\n1 b 2 2 2 2 2\n2 c 2 2 2 2");
    ASSERT_EQ(doc.ReadSignalFile(kHind, td.root / "short.txt", 0, 0), 0);
    const float mean = doc.poolRowMean[kHind][0];
    EXPECT_GT(mean, 0.0f);
    EXPECT_EQ(doc.probeIntensity[3][2], 2.0f / mean);
    EXPECT_EQ(doc.probeIntensity[4][2], 0.0f);
    EXPECT_EQ(doc.probeIntensity[5][2], 4.0f / mean);
    EXPECT_EQ(doc.probeIntensity[0][3], 6.0f / mean);
}

TEST_F(SignalFile, LongLinesAreReadInPiecesThatEachTakeARecord) {
    // 10,000 bytes: pieces of 4095, 4095 and 1811 characters take records 0, 1 and 2.
    std::string longLine = "0 id";
    while (longLine.size() < 10000) longLine += " 3";
    longLine.resize(10000);
    writeFileBytes(td.root / "long.txt", "h\nh\n" + longLine + "\n9 id 1 1 1 1\n");
    ASSERT_EQ(doc.ReadSignalFile(kHind, td.root / "long.txt", 0, 0), 0);
    const float mean = doc.poolRowMean[kHind][0];
    EXPECT_EQ(doc.probeIntensity[0][0], 3.0f / mean);
    EXPECT_EQ(doc.probeIntensity[3][3], 1.0f / mean);
    EXPECT_EQ(doc.probeIntensity[4][3], 0.0f);
}

TEST_F(SignalFile, OutOfRangeArgumentsAreRefused) {
    const auto path = td.root / "s.txt";
    writeFileBytes(path, "h\nh\n1 a 1 1 1 1\n");
    EXPECT_EQ(doc.ReadSignalFile(0, path, 0, 0), 1);
    EXPECT_EQ(doc.ReadSignalFile(3, path, 0, 0), 1);
    EXPECT_EQ(doc.ReadSignalFile(kHind, path, 200, 0), 1);
    EXPECT_EQ(doc.ReadSignalFile(kHind, path, -1, 0), 1);
    EXPECT_EQ(doc.ReadSignalFile(kHind, path, 0, 3), 1);
}

} // namespace
} // namespace varn::test

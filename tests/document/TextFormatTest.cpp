// The number formatting and scanning behind every text file must agree with printf and scanf
// digit for digit, since files are compared byte for byte and read back exactly.
#include "document/PrintFormat.h"
#include "document/ScanFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace varn {
namespace {

std::string viaPrintf(const char* format, double v) {
    char buf[400];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

TEST(PrintFormat, FixedSixMatchesPrintfOnEdgeValues) {
    const double cases[] = {0.0, -0.0, 1.0, -1.0, 0.5, 0.0000005, 0.0000015, 0.0000025, -0.0000004, 2.5e-7,
                            1e-300, 123456.7890125, 20.0000005, 1e30, -1e38, 3.4028234663852886e38,
                            std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
    for (double v : cases) {
        std::string out;
        appendFixed6(out, v);
        EXPECT_EQ(out, viaPrintf("%f", v)) << "value " << v;
    }
}

// Exact ties at the seventh decimal round to even, as printf does.
TEST(PrintFormat, FloatFixedSixMatchesPrintfOnTiesAndLimits) {
    const float cases[] = {0.0078125f, 0.0234375f, -0.0078125f, 0.0000005f, 0.00000049f, 1e-45f, -1e-45f, -0.0f,
                           0.0f, 1.17549435e-38f, 549755813888.0f, 549755813887.9f, 1099511627776.0f, 9.3e18f,
                           3.4028235e38f, -3.4028235e38f, 16777217.0f, 20.000001f, 1.0f / 3.0f,
                           std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::quiet_NaN()};
    for (float v : cases) {
        std::string out;
        appendFixed6(out, v);
        EXPECT_EQ(out, viaPrintf("%f", v)) << "value " << v;
    }
}

TEST(PrintFormat, FixedSixMatchesPrintfOnRandomFloatsOfEveryMagnitude) {
    std::mt19937 rng(3);
    std::string out;
    for (int i = 0; i < 400000; ++i) {
        // Random bit patterns cover every exponent; the ones of values near 1..100 dominate real
        // files, so half the draws are there.
        float v = i % 2 == 0 ? std::bit_cast<float>(static_cast<std::uint32_t>(rng()))
                             : std::uniform_real_distribution<float>(-100.0f, 100.0f)(rng);
        out.clear();
        appendFixed6(out, v);
        ASSERT_EQ(out, viaPrintf("%f", v)) << "bits " << std::bit_cast<std::uint32_t>(v);
        out.clear();
        appendFixed6(out, static_cast<double>(v));
        ASSERT_EQ(out, viaPrintf("%f", v)) << "bits " << std::bit_cast<std::uint32_t>(v);
    }
}

TEST(PrintFormat, IntMatchesPrintf) {
    for (int v : {0, 7, -7, 57244, INT_MAX, INT_MIN}) {
        std::string out;
        appendInt(out, v);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%d", v);
        EXPECT_EQ(out, buf);
    }
}

TEST(LineReader, SplitsOnLineEndsAndTreatsCrLfAndZeroBytesLikeATextReader) {
    const std::string text = std::string("a\r\nb\n\nlast-without-end\0tail", 28);
    LineReader in(text);
    std::string_view line;
    std::vector<std::string> lines;
    while (in.next(line)) lines.emplace_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "last-without-end"}));
    LineReader empty("");
    EXPECT_FALSE(empty.next(line));
}

// Each row: a line, then what sscanf(line, "%f %d") assigns.
TEST(FieldScanner, FloatThenIntAgreesWithSscanf) {
    const char* lines[] = {"20.123456\t3",  "  -1.5 2",   "+3.25\t1", "0x1p3 4",  "1e40 1",    "-1e40 1", "1e-50 2",
                           "nan 1",         "-inf 0",     "inf",      "abc 1",    "",          "\t",      "7",
                           "12abc 5",       ".5 -2",      "5. 6",     "1e5x 9",   "3.0 +8",    "3.0 --8", "3.0 - 8",
                           "3.0 4294967297", "2.0 1.9",   "1,5 2",    "INFINITY 3"};
    for (const char* line : lines) {
        float f1 = -99.0f, f2 = -99.0f;
        int d1 = -99, d2 = -99;
        const int n = std::sscanf(line, "%f %d", &f1, &d1);
        FieldScanner s(line);
        int m = 0;
        if (s.scanFloat(f2)) {
            ++m;
            if (s.scanInt(d2)) ++m;
        }
        EXPECT_EQ(m, std::max(n, 0)) << line;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(f1), std::bit_cast<std::uint32_t>(f2)) << line;
        if (std::string(line) != "3.0 4294967297") {
            EXPECT_EQ(d1, d2) << line; // scanf's overflowing %d is undefined; only the count is checked
        }
    }
}

TEST(FieldScanner, PrintedFloatsReadBackAsScanfReadsThem) {
    std::mt19937 rng(5);
    for (int i = 0; i < 100000; ++i) {
        const float v = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        if (std::isnan(v)) continue;
        std::string text;
        appendFixed6(text, v);
        float viaScanf = 0, viaScanner = 0;
        std::sscanf(text.c_str(), "%f", &viaScanf);
        ASSERT_TRUE(FieldScanner(text).scanFloat(viaScanner)) << text;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(viaScanf), std::bit_cast<std::uint32_t>(viaScanner)) << text;
    }
}

TEST(FieldScanner, WordIsCutToItsWidthAndTheRestStaysForTheNextField) {
    char word[17] = "unchanged";
    FieldScanner blank("   \t");
    EXPECT_FALSE(blank.scanWord(word, 16));
    EXPECT_STREQ(word, "unchanged");
    FieldScanner s("  ABCDEFGHIJKLMNOPQRST next");
    ASSERT_TRUE(s.scanWord(word, 16));
    EXPECT_STREQ(word, "ABCDEFGHIJKLMNOP");
    ASSERT_TRUE(s.scanWord(word, 16));
    EXPECT_STREQ(word, "QRST");
}

} // namespace
} // namespace varn

#include "document/profile/FinalReportReader.h"
#include "document/profile/ProfileFields.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varn::test {
namespace {

// A report of several megabytes is read in blocks, each in pieces read side by side. Whatever
// falls at a block's or a piece's edge (a change of sample, the first row of a left-out contig,
// many contig names, a long one, a bad row) must read as it would row by row.
struct BigReport {
    std::string bytes = "[Header]\nContent\t\tGSA.bpm\n[Data]\nSNP Name\tSample ID\tChr\tPosition\tLog R Ratio\n";
    std::size_t headLines = 4;
    std::vector<std::string> rowsOf{3}; // each sample's kept rows, as rowsOf writes them
    std::vector<ReadSummary> leftOf{3}; // each sample's left-out rows, counted one by one

    explicit BigReport(std::size_t badRow = 0) {
        constexpr std::size_t kRows = 210'000;
        const std::string longName(45, 'u');
        for (std::size_t i = 0; i < kRows; ++i) {
            const std::size_t s = i < 70'003 ? 0 : i < 139'999 ? 1 : 2;
            const std::string name = "rs" + std::to_string(i);
            std::string chromosome = std::to_string(1 + i * 22 / kRows);
            if (i % 97 == 0) chromosome = i / 97 % 500 == 7 ? longName : "ctg" + std::to_string(i / 97 % (i < 100'000 ? 41 : 5));
            const std::string position = i % 89 == 0 ? "" : std::to_string(1000 + i);
            const std::string logR = i == badRow && badRow > 0 ? "abc" : std::to_string(i % 10) + ".5";
            bytes += name + "\tS" + std::to_string(s + 1) + "\t" + chromosome + "\t" + position + "\t" + logR +
                     (i % 3 == 0 ? "\r\n" : "\n");
            if (i % 97 == 0)
                countLeftOut(leftOf[s], chromosome);
            else if (!position.empty())
                rowsOf[s] += chromosome + ":" + position + " " + name + " " + logR + "00\n";
        }
    }
};

TEST(RowBlocks, ABigReportReadsAsItsRowsOneByOne) {
    TempDir dir;
    const BigReport report;
    for (bool gzip : {false, true}) {
        const auto path = dir / (gzip ? "big.txt.gz" : "big.txt");
        writeProfileFile(path, report.bytes, gzip);
        for (std::size_t s = 0; s < 3; ++s) {
            ProfileOptions options;
            options.sample = "S" + std::to_string(s + 1);
            const ProfileReading reading = readFinalReport(path, options);
            const std::string rows = rowsOf(reading);
            const auto differ = std::mismatch(rows.begin(), rows.end(), report.rowsOf[s].begin(),
                                              report.rowsOf[s].end());
            ASSERT_EQ(rows.size(), report.rowsOf[s].size()) << gzip << s << rows.substr(0, 200);
            ASSERT_TRUE(differ.first == rows.end()) << gzip << s << " at " << (differ.first - rows.begin());
            EXPECT_EQ(reading.summary.samples, (std::vector<std::string>{"S1", "S2", "S3"}));
            ASSERT_EQ(reading.summary.leftOut.size(), report.leftOf[s].leftOut.size());
            for (std::size_t k = 0; k < reading.summary.leftOut.size(); ++k) {
                EXPECT_EQ(reading.summary.leftOut[k].chromosome, report.leftOf[s].leftOut[k].chromosome);
                EXPECT_EQ(reading.summary.leftOut[k].rows, report.leftOf[s].leftOut[k].rows);
            }
        }
        EXPECT_EQ(readFinalReport(path, {}).refusal,
                  path.string() + ": the report holds 3 samples (S1, S2, S3): name the one to read");
    }
    for (std::size_t bad : {150'001u, 204'999u}) {
        const BigReport broken(bad);
        writeProfileFile(dir / "bad.txt", broken.bytes);
        ProfileOptions options;
        options.sample = "S3";
        EXPECT_EQ(readFinalReport(dir / "bad.txt", options).refusal,
                  (dir / "bad.txt").string() + ", line " + std::to_string(broken.headLines + bad + 1) +
                      ": the Log R Ratio \"abc\" is not a number");
    }
}

} // namespace
} // namespace varn::test

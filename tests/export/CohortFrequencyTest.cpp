#include "export/CohortSummary.h"

#include "document/CollectingUserInterface.h"
#include "export/SegmentFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn {
namespace {

using test::TempDir;
using test::writeFileBytes;

struct WritingUi : CollectingUserInterface {
    std::vector<std::filesystem::path> written;
    void fileWritten(const std::string&, const std::filesystem::path& path) override {
        written.push_back(path);
    }
};

// A segment table line: chromosome, first and last base, copy number ("" on X), LOH.
std::string line(const std::string& id, int chrom, int start, int end, const std::string& copies, bool loh) {
    return id + "\t" + std::to_string(chrom) + "\t" + std::to_string(start) + "\t" + std::to_string(end) +
           "\t5\t0.100000\t0.144270\t" + copies + "\t" + (loh ? "yes" : "no") + "\t12.000\t40.000\n";
}

std::string table(const std::vector<std::string>& lines, const std::string& head = "") {
    std::string text = head + kSegmentTableHeader;
    for (const std::string& l : lines) text += l;
    return text;
}

// Three hand-made tumours. A's change on chromosome 1 lies somewhere between 200 and 300, so
// its segments meet at 250; C's two gains meet at 305 and count alike, so no row splits there.
struct ThreeSamples {
    TempDir dir;
    std::vector<std::filesystem::path> paths{dir / "A.segments.tsv", dir / "B.segments.tsv",
                                             dir / "C.segments.tsv"};
    ThreeSamples() {
        writeFileBytes(paths[0], table({line("A", 1, 100, 200, "3", false), line("A", 1, 300, 400, "2", true),
                                        line("A", 23, 100, 400, "", true)},
                                       "# tumour cells=60%\n"));
        writeFileBytes(paths[1], table({line("B", 1, 100, 400, "1", false)}));
        writeFileBytes(paths[2],
                       table({line("C", 1, 150, 250, "2", false), line("C", 1, 260, 300, "3", false),
                              line("C", 1, 310, 400, "4", false)}));
    }
};

TEST(CohortFrequency, SharesOfThreeSamplesFollowEveryBreakpointAndSkipXCopyNumbers) {
    ThreeSamples s;
    WritingUi ui;
    CohortSummary summary;
    ASSERT_TRUE(makeCohortSummary(ui, s.paths, summary)) << ui.messages;
    EXPECT_EQ(summary.samples, (std::vector<std::string>{"A", "B", "C"}));
    const std::vector<CohortFrequencyRow> expected = {
        {1, 100, 149, 2, 2, 1, 1, 0},                               // C starts at 150
        {1, 150, 250, 3, 3, 1, 1, 0}, {1, 251, 255, 3, 3, 0, 1, 1}, // A is diploid with LOH, C not yet gained
        {1, 256, 400, 3, 3, 1, 1, 1}, {23, 100, 400, 1, 0, 0, 0, 1},
    };
    EXPECT_EQ(summary.rows, expected);

    const std::filesystem::path out = s.dir / "segments" / "cohort-frequency.tsv";
    ASSERT_TRUE(writeCohortFrequencyTable(ui, out, summary));
    EXPECT_EQ(test::readFileBytes(out), "chrom\tstart\tend\tsamples\tgain\tloss\tloh\n"
                                        "1\t100\t149\t2\t0.500\t0.500\t0.000\n"
                                        "1\t150\t250\t3\t0.333\t0.333\t0.000\n"
                                        "1\t251\t255\t3\t0.000\t0.333\t0.333\n"
                                        "1\t256\t400\t3\t0.333\t0.333\t0.333\n"
                                        "23\t100\t400\t1\t\t\t1.000\n");
    EXPECT_EQ(ui.written, std::vector<std::filesystem::path>{out});

    const struct {
        int chrom;
        long long position;
        long long rowStart; // 0: no row
    } lookups[] = {{1, 99, 0},    {1, 100, 100}, {1, 250, 150}, {1, 251, 251},
                   {1, 400, 256}, {1, 401, 0},   {2, 200, 0},   {23, 300, 100}};
    for (const auto& l : lookups) {
        const CohortFrequencyRow* row = frequencyAt(summary.rows, l.chrom, l.position);
        EXPECT_EQ(row ? row->start : 0, l.rowStart) << l.chrom << ":" << l.position;
    }
}

TEST(CohortFrequency, DamagedTablesAndRepeatedSamplesAreRefusedNamingLineAndColumn) {
    const std::string ok = line("A", 1, 100, 200, "3", false);
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "line 1: not the segment table header"},
        {"ID\tchrom\n" + ok, "line 1: not the segment table header"},
        {table({ok, "A\t1\t300\t400\t5\n"}), "line 3: 5 fields, not 11"},
        {table({line("A", 25, 100, 200, "3", false)}), "line 2: column chrom does not read"},
        {table({line("A", 1, 200, 100, "3", false)}), "line 2: column loc.end does not read"},
        {table({line("A", 1, 100, 200, "7", false)}), "line 2: column copy.number does not read"},
        {table({line("A", 1, 100, 200, "x", false)}), "line 2: column copy.number does not read"},
        {table({ok, line("B", 1, 300, 400, "3", false)}), "line 3: column ID is B, not A"},
        {table({ok, line("A", 1, 150, 300, "3", false)}),
         "line 3: column loc.start: the segment is out of order"},
        {table({line("A", 2, 100, 200, "3", false), ok}),
         "line 3: column loc.start: the segment is out of order"},
        {"# tumour cells=\n" + table({ok}), "line 1: not the segment table header"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeFileBytes(dir / "A.segments.tsv", c.text);
        WritingUi ui;
        CohortSummary summary;
        EXPECT_FALSE(makeCohortSummary(ui, {dir / "A.segments.tsv"}, summary));
        EXPECT_NE(ui.messages.find(c.message), std::string::npos) << ui.messages;
    }
    TempDir dir;
    writeFileBytes(dir / "A.segments.tsv", table({ok}));
    writeFileBytes(dir / "A2.segments.tsv", table({ok}));
    WritingUi ui;
    CohortSummary summary;
    EXPECT_FALSE(makeCohortSummary(ui, {dir / "A.segments.tsv", dir / "A2.segments.tsv"}, summary));
    EXPECT_NE(ui.messages.find("the sample A is already in the cohort"), std::string::npos) << ui.messages;
    EXPECT_FALSE(makeCohortSummary(ui, {dir / "missing.segments.tsv"}, summary));
}

// The default cohort counts each tumour once: its merged table when there is one, else its
// single-array tables; other files of the folder are not tables of a sample.
TEST(CohortFrequency, DefaultTablesCountEachTumourOnce) {
    TempDir dir;
    for (const char* name : {"T1X", "T1H", "T1XandT1H", "T2X", "Sandy", "SX", "SXandSH"})
        writeFileBytes(dir / (std::string(name) + ".segments.tsv"), "");
    for (const char* other : {"cohort.seg", "cohort-frequency.tsv", "T1X.seg", ".segments.tsv"})
        writeFileBytes(dir / other, "");
    std::vector<std::string> names;
    for (const auto& p : defaultCohortTables(dir.path())) names.push_back(p.filename().string());
    // SXandSH has no Hind half here, so SX stays; "Sandy" is a name, not a merge.
    EXPECT_EQ(names,
              (std::vector<std::string>{"SX.segments.tsv", "SXandSH.segments.tsv", "Sandy.segments.tsv",
                                        "T1XandT1H.segments.tsv", "T2X.segments.tsv"}));
}

} // namespace
} // namespace varn

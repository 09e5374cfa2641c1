#include "cli/CliRunner.h"

#include <gtest/gtest.h>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

// The command over a root's own segments folder: nothing there, one tumour analysed on both
// arrays and merged (its merged table stands for the two single-array ones), then a damaged
// table given by name.
TEST(CliCohort, CountsEachTumourOnceDrawsThePageAndRefusesADamagedTable) {
    ScratchRoot root;
    const CliRun empty = runCli(on(root, {"cohort"}));
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("no sample's segment table"), std::string::npos) << empty.err;

    for (const char* a : {"X", "H"}) {
        const std::string pool = std::string(a) == "X" ? "XbaPool.ref" : "HindPool.ref";
        ASSERT_EQ(
            runCli(
                on(root,
                   {"analyze", "--pool", (root / pool).string(), "--signal",
                    (root / ("tumorsample" + std::string(a)) / ("Tumor1" + std::string(a) + ".txt")).string(),
                    "--calls",
                    (root / ("SNPtumorsample" + std::string(a)) / ("Tumor1" + std::string(a) + ".txt"))
                        .string(),
                    "--store", "--segments"}))
                .status,
            0);
    }
    ASSERT_EQ(runCli(on(root, {"merged", "--pool", (root / "XbaPool.ref").string(), "--pool",
                               (root / "HindPool.ref").string(), "--xba-temp",
                               (root / "temporary files/Tumor1X.temp").string(), "--hind-temp",
                               (root / "temporary files/Tumor1H.temp").string(), "--segments"}))
                  .status,
              0);
    const fs::path png = root / "cohort.png";
    const CliRun run = runCli(on(root, {"cohort", "--plot", png.string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = readLines(root / "segments/cohort-frequency.tsv");
    ASSERT_GT(lines.size(), 23u);
    EXPECT_EQ(lines[0], "chrom\tstart\tend\tsamples\tgain\tloss\tloh");
    for (std::size_t k = 1; k < lines.size(); ++k)
        EXPECT_NE(lines[k].find("\t1\t"), std::string::npos) << "one sample, not three: " << lines[k];
    EXPECT_GT(fs::file_size(png), 1000u);

    writeFileBytes(root / "segments/bad.segments.tsv", "ID\tchrom\n");
    const CliRun bad = runCli(on(root, {"cohort", (root / "segments/bad.segments.tsv").string()}));
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("bad.segments.tsv line 1: not the segment table header"), std::string::npos)
        << bad.err;
}

} // namespace
} // namespace varn::test

// Wrong files given to varn-cli: every one ends with exit status 1 and the reason on stderr,
// naming the file, never with only "did not complete".
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace varn::test {
namespace {

bool hasLine(const CliRun& run, const std::string& line) {
    const auto lines = run.errLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CliWrongFile, AnalyzeRefusesFilesThatAreNotTheSamplesOfThePoolsArray) {
    ScratchRoot root;
    const std::string xSignal = (root / "tumorsampleX/Tumor1X.txt").string();
    const std::string xCalls = (root / "SNPtumorsampleX/Tumor1X.txt").string();
    const std::string hSignal = (root / "tumorsampleH/Tumor1H.txt").string();
    const std::string hCalls = (root / "SNPtumorsampleH/Tumor1H.txt").string();
    const std::string xPool = (root / "XbaPool.ref").string();
    {
        std::ofstream notes(root / "notes.txt");
        notes << "just some notes\n";
    }
    // The demo's table of what was planted in Tumor1: a line per segment, none a SNP's.
    const std::filesystem::path truth = root / "truth/Tumor1.txt";
    std::ifstream truthLines(truth);
    const auto rows =
        std::count(std::istreambuf_iterator<char>(truthLines), std::istreambuf_iterator<char>(), '\n');
    struct Case {
        const char* what;
        std::string pool, signal, calls, message;
    };
    const std::vector<Case> cases = {
        {"the table of planted segments as the signal file", xPool, truth.string(), xCalls,
         "Tumor1.txt holds " + std::to_string(rows - 2) +
             " lines after its header, none with a SNP's 40 probe intensities; an Xba 50K signal file was "
             "expected"},
        {"Hind files for the Xba pool (the call file is looked at first)", xPool, hSignal, hCalls,
         "Tumor1H.txt holds 57244 SNP lines; an Xba 50K SNP call file holds 58960"},
        {"the Hind signal file for the Xba pool", xPool, hSignal, xCalls,
         "Tumor1H.txt holds 57244 SNP lines; an Xba 50K signal file holds 58960"},
        {"files swapped", xPool, xCalls, xSignal,
         "Tumor1X.txt holds probe intensities, not SNP calls; an Xba 50K SNP call file was expected"},
        {"signal file as calls", xPool, xSignal, xSignal,
         "Tumor1X.txt holds probe intensities, not SNP calls; an Xba 50K SNP call file was expected"},
        {"pool file as signal file", xPool, xPool, xCalls,
         "XbaPool.ref is a binary file, not an Xba 50K signal file"},
        {"a text file as the pool", (root / "notes.txt").string(), xSignal, xCalls,
         "Unexpected file format.\\nnotes.txt is not a reference pool file: it does not start with the pool "
         "file's marker; the reference pools in memory are unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = runCli(on(root, {"analyze", "--pool", c.pool, "--signal", c.signal, "--calls", c.calls}));
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(hasLine(run, c.message)) << run.err;
        EXPECT_EQ(run.err.find("did not complete"), std::string::npos) << run.err;
    }
}

TEST(CliWrongFile, PoolBuildingNamesTheSamplesLeftOutAndMergedRefusesOneArrayTwice) {
    ScratchRoot root;
    {
        std::ofstream list(root / "list.txt");
        list << "Normal01\nNormal99\nNormal02\n";
    }
    const CliRun made = runCli(on(root, {"make-pool", "--array", "xba", "--list", (root / "list.txt").string(),
                                         "--out", (root / "Two.ref").string()}));
    EXPECT_EQ(made.status, 1);
    EXPECT_TRUE(hasLine(made, "Normal99X.txt cannot be opened")) << made.err;
    EXPECT_TRUE(hasLine(made, "1 sample of the list could not be read and was left out of the pool: Normal99"))
        << made.err;

    const std::string xPool = (root / "XbaPool.ref").string();
    ASSERT_EQ(runCli(on(root, {"analyze", "--pool", xPool, "--signal", (root / "tumorsampleX/Tumor1X.txt").string(),
                               "--calls", (root / "SNPtumorsampleX/Tumor1X.txt").string(), "--store"}))
                  .status,
              0);
    const std::string xTemp = (root / "temporary files/Tumor1X.temp").string();
    const CliRun merged = runCli(on(root, {"merged", "--pool", xPool, "--pool", (root / "HindPool.ref").string(),
                                           "--xba-temp", xTemp, "--hind-temp", xTemp}));
    EXPECT_EQ(merged.status, 1);
    EXPECT_TRUE(hasLine(merged, "Tumor1X.temp is a stored Xba 50K analysis; the Hind 50K temporary file was expected"))
        << merged.err;
    const CliRun self = runCli(on(root, {"reload-self", xTemp}));
    EXPECT_EQ(self.status, 1);
    EXPECT_TRUE(hasLine(self, "Tumor1X.temp is an analysis against a reference pool; a paired analysis (self "
                              "temporary file) was expected"))
        << self.err;
}

} // namespace
} // namespace varn::test

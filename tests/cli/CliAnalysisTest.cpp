#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <fstream>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

// Options of a new Xba or Hind sample of the demo against its pool.
std::vector<std::string> analyzeArgs(const ScratchRoot& root, char array, const std::string& tumour,
                                     std::vector<std::string> more = {}) {
    const std::string a(1, array);
    std::vector<std::string> args = {"analyze",
                                     "--pool",
                                     (root / (array == 'X' ? "XbaPool.ref" : "HindPool.ref")).string(),
                                     "--signal",
                                     (root / ("tumorsample" + a) / (tumour + a + ".txt")).string(),
                                     "--calls",
                                     (root / ("SNPtumorsample" + a) / (tumour + a + ".txt")).string()};
    args.insert(args.end(), more.begin(), more.end());
    return on(root, args);
}

std::vector<std::string> pairedArgs(const ScratchRoot& root, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"paired",
                                     "--array",
                                     "hind",
                                     "--tumor-signal",
                                     (root / "tumorsampleH/Tumor2H.txt").string(),
                                     "--tumor-calls",
                                     (root / "SNPtumorsampleH/Tumor2H.txt").string(),
                                     "--normal-signal",
                                     (root / "sampledataH/Tumor2NH.txt").string(),
                                     "--normal-calls",
                                     (root / "sampledataH/Tumor2NH_snp.txt").string()};
    args.insert(args.end(), more.begin(), more.end());
    return on(root, args);
}

// The settings a stored pool analysis carries after its 58,960 or 57,244 signal lines.
struct StoredSettings {
    std::string region;             // "start \t end \t baseCopy "
    std::vector<std::string> means; // seven
    std::vector<std::string> ticks; // 200
    std::string usedAndPivot;       // "refUsedCount \t pivotRow"
};

StoredSettings storedSettings(const fs::path& temp, int signalLines) {
    const std::vector<std::string> lines = readLines(temp);
    StoredSettings s;
    const std::size_t at = 3 + static_cast<std::size_t>(signalLines);
    if (lines.size() != at + 1 + 7 + 200 + 1) return s;
    s.region = lines[at];
    s.means.assign(lines.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                   lines.begin() + static_cast<std::ptrdiff_t>(at) + 8);
    s.ticks.assign(lines.begin() + static_cast<std::ptrdiff_t>(at) + 8,
                   lines.begin() + static_cast<std::ptrdiff_t>(at) + 208);
    s.usedAndPivot = lines[at + 208];
    return s;
}

constexpr int kXbaLines = 58960;
constexpr int kHindLines = 57244;

TEST(CliAnalyze, WritesEveryOutputAndShowsTheFlowsNoticesOnly) {
    ScratchRoot root;
    const CliRun run = runCli(analyzeArgs(
        root, 'X', "Tumor1",
        {"--region", "chr2", "--refs", "best:2", "--store", "--tracks", "--raw-data", "--view-file"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto err = run.errLines();
    ASSERT_EQ(err.size(), 3u) << run.err;
    EXPECT_EQ(err[0], "Correct Xba reference data loaded!");
    EXPECT_EQ(err[1].rfind("From 61903(Ch 2 position ", 0), 0u) << err[1];
    EXPECT_NE(err[1].find(" \\n to 67180(Ch 2 position "), std::string::npos) << err[1];
    // The region is chosen in the compensation view, whose box asks no base line.
    EXPECT_NE(err[1].find(" \\n selected \\n Calculate StDev?"), std::string::npos) << err[1];
    EXPECT_EQ(err[2], "2 items selected \\n as references");
    // Each file written is confirmed on stdout, from the root, in the order written.
    EXPECT_EQ(run.out, "Stored temporary files/Tumor1X.temp\nWrote IGBfiles/Tumor1X.sgr\n"
                       "Wrote IGBfiles/Tumor1XLOH.sgr\nWrote RawData/Tumor1X.xls\nWrote ../VARN View/Tumor1X.cng\n");

    EXPECT_EQ(readLines(root / "temporary files/Tumor1X.temp").size(), 3u + kXbaLines + 1 + 7 + 200 + 1);
    EXPECT_EQ(readLines(root / "IGBfiles/Tumor1X.sgr").size(), static_cast<std::size_t>(kXbaLines));
    EXPECT_EQ(readLines(root / "IGBfiles/Tumor1XLOH.sgr").size(), static_cast<std::size_t>(kXbaLines));
    const auto table = readLines(root / "RawData/Tumor1X.xls");
    ASSERT_EQ(table.size(), 2u + kXbaLines + 1 + 7 + 1);
    EXPECT_EQ(table[0], "Tumor1X");
    EXPECT_EQ(table.back(), "FILE_END_VARN_RAW_DATA");
    const auto view = readLines(root.root().parent_path() / "VARN View/Tumor1X.cng");
    ASSERT_EQ(view.size(), 2u + kXbaLines + 1 + 7 + 1);
    EXPECT_EQ(view[1], "Tumor1X\t");
}

// The stored file carries every setting of the analysis; reloading it and storing again writes
// the same settings, and the batch export recomputes the very tracks the reload exports.
TEST(CliAnalyze, StoreThenReloadRestoresEverySettingAndBatchTracksMatchTheReload) {
    ScratchRoot root;
    const CliRun analyzed = runCli(analyzeArgs(root, 'H', "Tumor2",
                                               {"--region", "20000-30000", "--base-copy", "3", "--refs",
                                                "1,3", "--average", "5", "--all-data", "--store"}));
    ASSERT_EQ(analyzed.status, 0) << analyzed.err;
    const fs::path temp = root / "temporary files/Tumor2H.temp";
    const StoredSettings first = storedSettings(temp, kHindLines);
    EXPECT_EQ(first.region, "20000 \t 30000 \t 3 ");
    EXPECT_EQ(first.means, (std::vector<std::string>{"-1.240000", "-0.490000", "0.000000", "0.365000",
                                                     "0.657000", "0.899000", "1.100000"}));
    ASSERT_EQ(first.ticks.size(), 200u);
    for (int row = 0; row < 200; ++row) EXPECT_EQ(first.ticks[row], row == 1 || row == 3 ? "1" : "0") << row;
    ASSERT_FALSE(first.usedAndPivot.empty());
    const bool pivotTicked = first.usedAndPivot == "2 \t 1" || first.usedAndPivot == "2 \t 3";
    EXPECT_TRUE(pivotTicked) << first.usedAndPivot;

    fs::copy_file(temp, root / "first.temp");
    const CliRun reloaded = runCli(on(root, {"reload", (root / "first.temp").string(), "--pool",
                                             (root / "HindPool.ref").string(), "--store", "--tracks"}));
    ASSERT_EQ(reloaded.status, 0) << reloaded.err;
    EXPECT_EQ(reloaded.errLines(), std::vector<std::string>{"Correct Hind reference data loaded!"});
    const StoredSettings again = storedSettings(temp, kHindLines);
    EXPECT_EQ(again.region, first.region);
    EXPECT_EQ(again.means, first.means);
    EXPECT_EQ(again.ticks, first.ticks);
    EXPECT_EQ(again.usedAndPivot, first.usedAndPivot);
    EXPECT_EQ(readFileBytes(temp), readFileBytes(root / "first.temp"));

    const std::string ratio = readFileBytes(root / "IGBfiles/Tumor2H.sgr");
    const std::string loh = readFileBytes(root / "IGBfiles/Tumor2HLOH.sgr");
    ASSERT_FALSE(ratio.empty());
    fs::remove(root / "first.temp");
    fs::remove(root / "IGBfiles/Tumor2H.sgr");
    fs::remove(root / "IGBfiles/Tumor2HLOH.sgr");
    const CliRun batch = runCli(on(root, {"batch-tracks", "--pool", (root / "HindPool.ref").string()}));
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(readFileBytes(root / "IGBfiles/Tumor2H.sgr"), ratio);
    EXPECT_EQ(readFileBytes(root / "IGBfiles/Tumor2HLOH.sgr"), loh);
}

TEST(CliPaired, StoresTheFittedRangeAndReloadSelfWritesTheSameFile) {
    ScratchRoot root;
    const CliRun paired = runCli(pairedArgs(root, {"--store"}));
    ASSERT_EQ(paired.status, 0) << paired.err;
    EXPECT_TRUE(paired.err.empty()) << paired.err;
    const fs::path temp = root / "Self temporary files/Tumor2H.temp";
    const auto lines = readLines(temp);
    ASSERT_EQ(lines.size(), 3u + 2 * kHindLines + 1 + 7);
    EXPECT_EQ(lines[3 + 2 * kHindLines], "0 \t 57243 \t 2 ");
    fs::copy_file(temp, root / "paired.temp");
    const CliRun reloaded = runCli(on(root, {"reload-self", (root / "paired.temp").string(), "--store"}));
    ASSERT_EQ(reloaded.status, 0) << reloaded.err;
    EXPECT_EQ(readFileBytes(temp), readFileBytes(root / "paired.temp"));

    // On a region with a copy number the profile is recomputed and the stored region follows.
    const CliRun rebased = runCli(pairedArgs(root, {"--region", "chr3", "--base-copy", "3", "--store"}));
    ASSERT_EQ(rebased.status, 0) << rebased.err;
    ASSERT_EQ(rebased.errLines().size(), 1u);
    EXPECT_EQ(rebased.errLines()[0].rfind("From 9612(Ch 3 position ", 0), 0u) << rebased.err;
    EXPECT_EQ(readLines(temp)[3 + 2 * kHindLines], "9612 \t 13563 \t 3 ");
}

TEST(CliPaired, OutputsThePairedDisplayDoesNotOfferAreUsageErrors) {
    ScratchRoot root;
    for (const char* output : {"--raw-data", "--view-file", "--tracks"}) {
        const CliRun run = runCli(pairedArgs(root, {output}));
        EXPECT_EQ(run.status, 2) << output;
        EXPECT_NE(run.err.find(std::string(output) + " is not available: paired ends in a paired genome"),
                  std::string::npos)
            << run.err;
    }
    const CliRun merged =
        runCli(on(root, {"merged", "--pool", "p", "--xba-temp", "x", "--hind-temp", "h", "--store"}));
    EXPECT_EQ(merged.status, 2);
    EXPECT_NE(merged.err.find("--store is not available"), std::string::npos) << merged.err;
}

TEST(CliMerged, AveragesBothStoredAnalysesAndExportsTheMergedTracks) {
    ScratchRoot root;
    ASSERT_EQ(runCli(analyzeArgs(root, 'X', "Tumor1", {"--store"})).status, 0);
    ASSERT_EQ(runCli(analyzeArgs(root, 'H', "Tumor1", {"--store"})).status, 0);
    const std::vector<std::string> temps = {"--xba-temp", (root / "temporary files/Tumor1X.temp").string(),
                                            "--hind-temp", (root / "temporary files/Tumor1H.temp").string()};
    std::vector<std::string> args = {
        "merged",  "--pool", (root / "XbaPool.ref").string(), "--pool", (root / "HindPool.ref").string(),
        "--tracks"};
    args.insert(args.end(), temps.begin(), temps.end());
    const CliRun run = runCli(on(root, args));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.errLines(), (std::vector<std::string>{"Correct Xba reference data loaded!",
                                                        "Correct Hind reference data loaded!",
                                                        "Select Xba temp file", "Select Hind temp file"}));
    EXPECT_EQ(readLines(root / "IGBfiles/Tumor1XandTumor1H.sgr").size(), 116204u);
    EXPECT_EQ(readLines(root / "IGBfiles/Tumor1XandTumor1HLOH.sgr").size(), 116204u);

    // Without a Hind pool the flow stops with its own message.
    std::vector<std::string> xbaOnly = {"merged", "--pool", (root / "XbaPool.ref").string()};
    xbaOnly.insert(xbaOnly.end(), temps.begin(), temps.end());
    const CliRun missing = runCli(on(root, xbaOnly));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.errLines().back(), "Read the Hind reference sample");
}

TEST(CliFailures, TheProgramsMessagesAreOnStderrWithStatusOne) {
    ScratchRoot root;
    // A missing signal file: the reader's message.
    std::vector<std::string> args = analyzeArgs(root, 'X', "Tumor1");
    args[6] = (root / "tumorsampleX/NoSuchX.txt").string();
    const CliRun missing = runCli(args);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.errLines(), (std::vector<std::string>{"Correct Xba reference data loaded!", "sample file cannot be loaded",
                                                           "NoSuchX.txt cannot be opened"}));

    // A temporary file that cannot be read.
    const CliRun unreadable = runCli(on(root, {"reload", (root / "temporary files/none.temp").string(),
                                               "--pool", (root / "XbaPool.ref").string()}));
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.errLines().back(), "none.temp cannot be opened");
    EXPECT_EQ(unreadable.errLines().end()[-2], "temporary data cannot be loaded");
    const CliRun unreadableSelf = runCli(on(root, {"reload-self", (root / "none.temp").string()}));
    EXPECT_EQ(unreadableSelf.status, 1);
    EXPECT_EQ(unreadableSelf.errLines().back(), "none.temp cannot be opened");
    EXPECT_EQ(unreadableSelf.errLines().end()[-2], "temporary data cannot be loaded");

    // An Xba analysis reloaded with the Hind pool only: no pool of its type.
    ASSERT_EQ(runCli(analyzeArgs(root, 'X', "Tumor1", {"--store"})).status, 0);
    const CliRun wrongPool = runCli(on(root, {"reload", (root / "temporary files/Tumor1X.temp").string(),
                                              "--pool", (root / "HindPool.ref").string()}));
    EXPECT_EQ(wrongPool.status, 1);
    EXPECT_EQ(wrongPool.errLines().back(), "Reference is not loaded");
    // The batch export skips it with the same message and still fails the run.
    const CliRun batch = runCli(on(root, {"batch-tracks", "--pool", (root / "HindPool.ref").string()}));
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.errLines().back(), "Reference is not loaded");

    // More references than the test's pool holds is a usage mistake.
    const CliRun tooMany = runCli(analyzeArgs(root, 'X', "Tumor1", {"--refs", "best:4"}));
    EXPECT_EQ(tooMany.status, 2);
    EXPECT_NE(tooMany.err.find("the pool holds 3 references"), std::string::npos) << tooMany.err;

    // A pool file that is no pool file.
    std::ofstream(root / "junk.ref") << "not a pool\n";
    const CliRun junk = runCli(on(root, {"sample-list", "--pool", (root / "junk.ref").string()}));
    EXPECT_EQ(junk.status, 1);
    EXPECT_FALSE(junk.err.empty());
}

TEST(CliFailures, BatchOverAnEmptyFolderSaysError) {
    ScratchRoot root;
    const CliRun run = runCli(on(root, {"batch-tracks", "--pool", (root / "XbaPool.ref").string()}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errLines().back(), "error");
}

TEST(CliPools, MakeAddListAndTheTwoHundredRowRefusal) {
    ScratchRoot root;
    const fs::path made = root / "made.ref";
    const CliRun make =
        runCli(on(root, {"make-pool", "--array", "hind", "--list",
                         (root / "sampledataH/SampleList.txt").string(), "--out", made.string()}));
    ASSERT_EQ(make.status, 0) << make.err;
    EXPECT_TRUE(fs::is_regular_file(made));

    std::ofstream(root / "add.txt") << "Tumor1N\nTumor2N\n";
    const fs::path grown = root / "grown.ref";
    const CliRun add = runCli(on(root, {"add-to-pool", "--pool", made.string(), "--list",
                                        (root / "add.txt").string(), "--out", grown.string()}));
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(add.errLines(),
              (std::vector<std::string>{
                  "Correct Hind reference data loaded!",
                  "The reference pool file to which new references are added should be loaded"}));

    const CliRun list = runCli(on(root, {"sample-list", "--pool", grown.string()}));
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(
        readLines(root / "SampleList.xls"),
        (std::vector<std::string>{"1\tNormal01", "2\tNormal02", "3\tNormal03", "4\tTumor1N", "5\tTumor2N"}));

    // 200 names make a pool of 201 rows: refused before any signal file is read.
    {
        std::ofstream big(root / "big.txt");
        for (int i = 0; i < 200; ++i) big << "Normal01\n";
    }
    const fs::path refused = root / "refused.ref";
    const CliRun tooBig = runCli(on(root, {"make-pool", "--array", "xba", "--list",
                                           (root / "big.txt").string(), "--out", refused.string()}));
    EXPECT_EQ(tooBig.status, 1);
    EXPECT_EQ(tooBig.errLines().back(), "The maximum size of references is 200 at this point");
    EXPECT_FALSE(fs::exists(refused));

    const CliRun noList = runCli(on(root, {"make-pool", "--array", "xba", "--list",
                                           (root / "none.txt").string(), "--out", refused.string()}));
    EXPECT_EQ(noList.status, 1);
    EXPECT_EQ(noList.errLines().back(), "samplelist cannot be loaded");
}

// The allele model travels with the pool: make-pool writes it beside the pool, allele-model
// learns the same one again from the references' signal files, add-to-pool grows it (the paired
// normals added bring their SNP-call files), and a pool of two references gets none, with the
// reason.
TEST(CliPools, AlleleModelIsWrittenWithThePoolAndRelearnedAlike) {
    ScratchRoot root;
    const fs::path made = root / "made.ref";
    const CliRun make = runCli(on(root, {"make-pool", "--array", "xba", "--list",
                                         (root / "sampledataX/SampleList.txt").string(), "--out", made.string()}));
    ASSERT_EQ(make.status, 0) << make.err;
    EXPECT_EQ(make.out, "Saved made.ref\nSaved made.alleles\n");
    const std::string learned = readFileBytes(root / "made.alleles");
    EXPECT_EQ(readLines(root / "made.alleles").at(6), "learned\tclustering");

    fs::remove(root / "made.alleles");
    const CliRun again = runCli(on(root, {"allele-model", "--pool", made.string()}));
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "Saved made.alleles\n");
    EXPECT_TRUE(readFileBytes(root / "made.alleles") == learned); // (not EXPECT_EQ: no diff of 5 MB)

    std::ofstream(root / "add.txt") << "Tumor1N\nTumor2N\n";
    const CliRun add = runCli(on(root, {"add-to-pool", "--pool", made.string(), "--list",
                                        (root / "add.txt").string(), "--out", (root / "grown.ref").string()}));
    ASSERT_EQ(add.status, 0) << add.err;
    const auto grown = readLines(root / "grown.alleles");
    EXPECT_EQ(grown.at(4), "references\t5");
    EXPECT_EQ(grown.at(6), "learned\tclustering; 2 references added (2 with calls)");

    std::ofstream(root / "two.txt") << "Normal01\nNormal02\n";
    const CliRun two = runCli(on(root, {"make-pool", "--array", "hind", "--list", (root / "two.txt").string(),
                                        "--out", (root / "two.ref").string()}));
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_FALSE(fs::exists(root / "two.alleles"));
    const CliRun none = runCli(on(root, {"allele-model", "--pool", (root / "two.ref").string()}));
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.errLines().back(), "the allele model needs at least three references; two.ref has 2");
}

} // namespace
} // namespace varn::test

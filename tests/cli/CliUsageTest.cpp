#include "cli/CliHelp.h"
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varn::test {
namespace {

const std::vector<std::string> kCommands = {"demo-data",    "make-pool",  "add-to-pool", "analyze",
                                            "paired",       "reload",     "reload-self", "merged",
                                            "batch-tracks", "batch-segments", "sample-list", "purity",
                                            "cohort",       "allele-model", "demo-report", "profile"};

TEST(CliUsage, HelpListsEveryCommandAndVersionMatchesTheProject) {
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const std::string& c : kCommands) EXPECT_NE(help.out.find("\n" + c + " "), std::string::npos) << c;
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("varn-cli ") + VARN_VERSION + "\n");
    const CliRun nothing = runCli({});
    EXPECT_EQ(nothing.status, 2);
    EXPECT_NE(nothing.err.find("Usage: varn-cli"), std::string::npos);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
}

// Every option a command's parser accepts is explained in its help, and the manual (the README
// and docs/) shows each command's usage line as the help prints it.
TEST(CliUsage, EachCommandsHelpIsCompleteAndMatchesTheManual) {
    std::string manual = readFileBytes(std::string(VARN_SOURCE_DIR) + "/README.md");
    for (const auto& page : std::filesystem::directory_iterator(std::string(VARN_SOURCE_DIR) + "/docs"))
        if (page.path().extension() == ".md") manual += readFileBytes(page.path());
    ASSERT_FALSE(manual.empty());
    const std::vector<std::pair<std::string, std::vector<std::string>>> options = {
        {"demo-data", {"--seed", "--refs"}},
        {"demo-report", {"--out", "--snps", "--normal", "--truth", "--pfb", "--seed"}},
        {"make-pool", {"--array", "--list", "--out"}},
        {"add-to-pool", {"--pool", "--list", "--out"}},
        {"analyze",
         {"--pool", "--signal", "--calls", "--region", "--base-copy", "--refs", "--average", "--all-data",
          "--store", "--tracks", "--raw-data", "--view-file", "--segments", "--baf", "--plot",
          "--plot-chromosomes", "--plot-compensation", "--hmm-means", "--purity", "--ploidy", "--solution"}},
        {"paired",
         {"--array", "--tumor-signal", "--tumor-calls", "--normal-signal", "--normal-calls", "--region",
          "--base-copy", "--average", "--all-data", "--store", "--tracks", "--raw-data", "--view-file",
          "--plot", "--plot-chromosomes"}},
        {"reload",
         {"TEMPFILE", "--pool", "--average", "--all-data", "--store", "--raw-data", "--plot",
          "--plot-chromosomes", "--hmm-means", "--purity", "--ploidy", "--solution"}},
        {"reload-self", {"TEMPFILE", "--average", "--all-data", "--store", "--plot", "--plot-chromosomes"}},
        {"merged",
         {"--pool", "--xba-temp", "--hind-temp", "--average", "--all-data", "--tracks", "--segments", "--plot",
          "--plot-chromosomes", "--hmm-means", "--purity", "--ploidy", "--solution"}},
        {"purity", {"TEMPFILE", "--pool", "--self", "--plot", "--ploidy", "--profile"}},
        {"profile",
         {"--normal", "--format", "--sample", "--build", "--pfb", "--purity", "--ploidy", "--solution", "--sex",
          "--logr-file", "--baf-file", "--normal-baf-file", "--normal-logr-file", "--segments", "--baf", "--plot",
          "--plot-chromosomes", "--report", "--store", "--reload"}},
        {"batch-tracks", {"--pool"}},
        {"batch-segments", {"--pool"}},
        {"cohort-samples", {"--pool", "--ploidy"}},
        {"sample-list", {"--pool"}},
        {"cohort", {"--plot", "SEGMENTS.tsv"}},
    };
    for (const auto& [command, names] : options) {
        const CliRun run = runCli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out, cli::commandHelp(command));
        for (const std::string& name : names)
            EXPECT_NE(run.out.find(name), std::string::npos) << command << " " << name;
        const std::string usageLine = run.out.substr(0, run.out.find('\n'));
        EXPECT_NE(manual.find(usageLine), std::string::npos) << "the manual lacks: " << usageLine;
    }
}

TEST(CliUsage, MistakesInOptionsAreUsageErrorsNamingTheReason) {
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {{"analyze", "--pool", "p"}, "--pool, --signal and --calls are required"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--region", "9-3"},
         "--region takes FROM-TO"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--base-copy", "5"},
         "--base-copy takes 1, 2, 3 or 4"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--refs", "best:0"}, "--refs takes all"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--average", "11"}, "--average takes"},
        {{"analyze", "--pool", "p", "--pool", "q", "--signal", "s", "--calls", "c"}, "--pool is given twice"},
        {{"analyze", "--bogus"}, "unknown option --bogus"},
        {{"make-pool", "--array", "both", "--list", "l", "--out", "o"}, "--array takes xba or hind"},
        {{"paired", "--array", "xba", "--tumor-signal", "a", "--tumor-calls", "b", "--normal-signal", "c",
          "--normal-calls", "d", "--base-copy", "3"},
         "--base-copy needs --region"},
        {{"reload", "--pool", "p"}, "TEMPFILE and --pool are required"},
        {{"reload-self", "a.temp", "b.temp"}, "unexpected argument b.temp"},
        {{"demo-data", "--refs", "200"}, "--refs takes 1 to 199"},
        {{"demo-report", "--snps", "5000"}, "--out is required"},
        {{"demo-report", "--out", "r.txt", "--snps", "999"}, "--snps takes 1000 to 5000000"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--purity", "0.05"}, "--purity takes auto"},
        {{"reload", "t", "--pool", "p", "--purity", "half"}, "--purity takes auto"},
        {{"merged", "--pool", "p", "--xba-temp", "x", "--hind-temp", "h", "--hmm-means", "-1,-0.5,0,0.3,0.6,0.9"},
         "--hmm-means takes seven numbers"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--hmm-means", "-1.6,-0.5,0,0.3,0.6,0.9,1.1"},
         "--hmm-means takes seven numbers"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--hmm-means", "-1,-0.5,0,0.3,0.6,0.9,1.7",
          "--purity", "auto"},
         "--hmm-means and --purity exclude each other"},
        {{"purity", "t.temp"}, "give TEMPFILE --pool POOL"},
        {{"analyze", "--pool", "p", "--signal", "s", "--calls", "c", "--ploidy", "6"}, "--ploidy takes auto"},
        {{"reload", "t", "--pool", "p", "--ploidy", "1.4"}, "--ploidy takes auto"},
        {{"merged", "--pool", "p", "--xba-temp", "x", "--hind-temp", "h", "--ploidy", "triploid"}, "--ploidy takes auto"},
        {{"purity", "t.temp", "--pool", "p", "--ploidy", "nan"}, "--ploidy takes auto"},
        {{"reload", "t", "--pool", "p", "--solution", "0"}, "--solution takes"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0] << ": " << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace varn::test

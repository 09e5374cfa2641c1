// The segment exports of varn-cli, read back by the tools they are written for: CNVkit imports
// every SEG file and bedtools sorts and merges the BED file.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

bool toolPresent(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command with its output in log; true for status 0.
bool shell(const std::string& command, const fs::path& log) {
    return std::system((command + " >'" + log.string() + "' 2>&1").c_str()) == 0;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, '\t');) out.push_back(f);
    return out;
}

// The data lines of a file after its header (and the purity comment, if any).
std::vector<std::vector<std::string>> rows(const fs::path& path) {
    std::vector<std::vector<std::string>> out;
    bool header = false;
    for (const std::string& line : readLines(path)) {
        if (line.empty() || line[0] == '#') continue;
        if (!header) {
            header = true;
            continue;
        }
        out.push_back(fields(line));
    }
    return out;
}

std::string cnvkitChromosome(const std::string& segChrom) {
    return segChrom == "23" ? "X" : segChrom;
}

// CNVkit's import-seg writes one .cns per sample of the SEG file; its regions must be the rows
// of VARN's segment tables, in order: chromosome (23 read as X), 0-based start, end, number of
// SNPs, log2 mean.
void expectCnvkitReadsTheTables(const ScratchRoot& root, const std::string& seg,
                                const std::vector<std::string>& samples) {
    const fs::path out = root / ("cnvkit-" + seg);
    ASSERT_TRUE(shell("cnvkit import-seg -c human -d '" + out.string() + "' '" +
                          (root / "segments" / seg).string() + "'",
                      root / "cnvkit.log"))
        << readFileBytes(root / "cnvkit.log");
    for (const std::string& sample : samples) {
        const auto table = rows(root / "segments" / (sample + ".segments.tsv"));
        const auto cns = rows(out / (sample + ".cns"));
        ASSERT_FALSE(table.empty()) << sample;
        ASSERT_EQ(cns.size(), table.size()) << seg << " " << sample;
        for (std::size_t i = 0; i < table.size(); ++i) {
            const auto &t = table[i], &c = cns[i];
            ASSERT_EQ(c.size(), 6u) << seg << " line " << i;
            EXPECT_EQ(c[0], cnvkitChromosome(t[1])) << seg << " line " << i;
            EXPECT_EQ(std::stol(c[1]), std::stol(t[2]) - 1) << seg << " line " << i;
            EXPECT_EQ(c[2], t[3]) << seg << " line " << i;
            EXPECT_EQ(c[3], t[4]) << seg << " line " << i;
            // CNVkit prints six significant digits, the table six decimals.
            const double log2 = std::stod(t[6]);
            EXPECT_NEAR(std::stod(c[4]), log2, 5e-6 * std::max(1.0, std::fabs(log2))) << seg << " line " << i;
        }
    }
}

std::vector<std::string> poolArgs(const ScratchRoot& root) {
    return {"--pool", (root / "XbaPool.ref").string(), "--pool", (root / "HindPool.ref").string()};
}

TEST(CliSegments, CnvkitAndBedtoolsReadEverySegmentFileOfSingleMergedAndBatch) {
    ScratchRoot root;
    for (const char* a : {"X", "H"}) {
        const std::string array(a);
        const CliRun run = runCli(
            on(root, {"analyze", "--pool", (root / (array == "X" ? "XbaPool.ref" : "HindPool.ref")).string(),
                      "--signal", (root / ("tumorsample" + array) / ("Tumor1" + array + ".txt")).string(),
                      "--calls", (root / ("SNPtumorsample" + array) / ("Tumor1" + array + ".txt")).string(),
                      "--store", "--segments"}));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    std::vector<std::string> merged = {"merged"};
    for (const std::string& p : poolArgs(root)) merged.push_back(p);
    for (const char* s :
         {"--xba-temp", "temporary files/Tumor1X.temp", "--hind-temp", "temporary files/Tumor1H.temp"})
        merged.push_back(std::string(s).rfind("--", 0) == 0 ? std::string(s) : (root / s).string());
    merged.push_back("--segments");
    const CliRun mergedRun = runCli(on(root, merged));
    ASSERT_EQ(mergedRun.status, 0) << mergedRun.err;

    // The batch recomputes each stored analysis as reload does; the averaging, which it leaves out,
    // does not touch the segments.
    const CliRun reloaded =
        runCli(on(root, {"reload", (root / "temporary files/Tumor1X.temp").string(), "--pool",
                         (root / "XbaPool.ref").string(), "--average", "3", "--segments"}));
    ASSERT_EQ(reloaded.status, 0) << reloaded.err;
    const std::string single = readFileBytes(root / "segments/Tumor1X.seg");
    std::vector<std::string> batch = {"batch-segments"};
    for (const std::string& p : poolArgs(root)) batch.push_back(p);
    const CliRun batchRun = runCli(on(root, batch));
    ASSERT_EQ(batchRun.status, 0) << batchRun.err;
    EXPECT_EQ(readFileBytes(root / "segments/Tumor1X.seg"), single);
    const std::string hind = readFileBytes(root / "segments/Tumor1H.seg");
    const std::string header = single.substr(0, single.find('\n') + 1);
    EXPECT_EQ(header, "ID\tchrom\tloc.start\tloc.end\tnum.mark\tseg.mean\n");
    EXPECT_EQ(readFileBytes(root / "segments/cohort.seg"), hind + single.substr(header.size()))
        << "one header, then the samples in the name order of their stored analyses";

    if (!toolPresent("cnvkit"))
        GTEST_SKIP() << "cnvkit is not installed (scripts/install-deps.sh installs it)";
    expectCnvkitReadsTheTables(root, "Tumor1X.seg", {"Tumor1X"});
    expectCnvkitReadsTheTables(root, "Tumor1XandTumor1H.seg", {"Tumor1XandTumor1H"});
    expectCnvkitReadsTheTables(root, "cohort.seg", {"Tumor1H", "Tumor1X"});

    if (!toolPresent("bedtools"))
        GTEST_SKIP() << "bedtools is not installed (scripts/install-deps.sh installs it)";
    for (const char* name : {"Tumor1X", "Tumor1XandTumor1H"}) {
        const fs::path bed = root / "segments" / (std::string(name) + ".bed");
        ASSERT_GT(readLines(bed).size(), 1u) << name;
        EXPECT_TRUE(shell("bedtools sort -i '" + bed.string() + "'", root / "sort.log"))
            << readFileBytes(root / "sort.log");
        EXPECT_TRUE(shell("bedtools merge -i '" + bed.string() + "'", root / "merge.log"))
            << readFileBytes(root / "merge.log");
        EXPECT_EQ(readLines(root / "merge.log").size(), readLines(bed).size() - 1)
            << "segments never overlap, so merging joins none";
    }
}

TEST(CliSegments, PairedAnalysesHaveNoHmmSoSegmentsAreAUsageError) {
    ScratchRoot root;
    const std::vector<std::vector<std::string>> commands = {
        {"paired", "--array", "hind", "--tumor-signal", "a", "--tumor-calls", "b", "--normal-signal", "c",
         "--normal-calls", "d", "--segments"},
        {"reload-self", "x.temp", "--segments"},
    };
    for (const auto& args : commands) {
        const CliRun run = runCli(on(root, args));
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find("--segments is not available: " + args[0] + " ends in a paired genome"),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("paired analyses have no HMM"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace varn::test

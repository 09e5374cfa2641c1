// varn-cli profile on the final-report demo tumour: its outputs, the stored analysis read back,
// and the inputs it refuses or cannot fit, each with its reason.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace varn::test {
namespace {

bool hasLineStarting(const CliRun& run, const std::string& start) {
    const auto lines = run.errLines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

// A small final report of the demo tumour and its normal in the root.
void writeReports(const ScratchRoot& root, int snps) {
    const CliRun made = runCli({"demo-report", "--out", (root / "Tumor8.txt").string(), "--snps",
                                std::to_string(snps), "--normal", (root / "Tumor8N.txt").string()});
    ASSERT_EQ(made.status, 0) << made.err;
}

TEST(CliProfile, WritesAnalyzesOutputsAndReloadsThemFromTheStoredAnalysis) {
    ScratchRoot root;
    writeReports(root, 30000);
    const CliRun run = runCli(on(root, {"profile", (root / "Tumor8.txt").string(), "--normal",
                                        (root / "Tumor8N.txt").string(), "--segments", "--baf", "--store"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(hasLineStarting(run, "varn-cli profile: Tumour cells ")) << run.err;
    for (const char* written : {"Stored temporary files/Tumor8.profile.gz", "Wrote segments/Tumor8.seg",
                                "Wrote segments/Tumor8.segments.tsv", "Wrote segments/Tumor8.bed",
                                "Wrote alleles/Tumor8.LogR.txt", "Wrote alleles/Tumor8.BAF.txt"})
        EXPECT_NE(run.out.find(written), std::string::npos) << written << "\n" << run.out;
    const auto table = readLines(root / "segments/Tumor8.segments.tsv");
    ASSERT_GT(table.size(), 23u);
    EXPECT_NE(table[1].find("nMajor\tnMinor"), std::string::npos) << table[1];
    EXPECT_EQ(readLines(root / "alleles/Tumor8.BAF.txt").front(), "\tChr\tPosition\tTumor8");

    const std::vector<std::string> segments = {"segments/Tumor8.seg", "segments/Tumor8.segments.tsv",
                                               "segments/Tumor8.bed"};
    std::vector<std::vector<std::string>> first;
    for (const std::string& s : segments) first.push_back(readLines(root / s));
    for (const std::string& s : segments) std::filesystem::remove(root / s);
    const CliRun again = runCli(on(
        root, {"profile", "--reload", (root / "temporary files/Tumor8.profile.gz").string(), "--segments"}));
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.errLines(), std::vector<std::string>{run.errLines().back()});
    for (std::size_t k = 0; k < segments.size(); ++k)
        EXPECT_EQ(readLines(root / segments[k]), first[k]) << segments[k];
}

TEST(CliProfile, RefusesWhatItCannotReadOrFitSayingWhy) {
    ScratchRoot root;
    writeReports(root, 2000);
    {
        std::ofstream table(root / "odd.tsv");
        table << "chrom\tpos\tvalue\n1\t1000\t0.1\n";
        std::ofstream small(root / "small.tsv");
        small << "chromosome\tposition\tlogr\tbaf\n";
        for (int i = 0; i < 100; ++i) small << 1 + i % 22 << "\t" << 1000000 + 1000 * i << "\t0.0\t0.5\n";
    }
    const std::string report = (root / "Tumor8.txt").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    const std::vector<Case> cases = {
        {{(root / "odd.tsv").string(), "--format", "table"},
         1,
         "the columns needed are not all found (the header has "},
        {{(root / "tumorsampleX/Tumor1X.txt").string()}, 1, "a 50K signal file"},
        {{report, "--sample", "Nobody"}, 1, "no sample \"Nobody\" in the report; it holds Tumor8"},
        {{(root / "small.tsv").string(), "--segments"},
         0,
         "Tumour cells: cannot tell (the fit needs at least 500 autosomal SNPs with a log ratio; small has "
         "100)"},
        {{report, "--solution", "99"}, 1, "there is no solution 99"},
        {{}, 2, "give FILE, or ASCAT's files as --logr-file FILE --baf-file FILE"},
        {{report, "--format", "vcf"}, 2, "--format takes auto, illumina, penncnv, ascat or table"},
        {{report, "--sex", "unknown"}, 2, "--sex takes auto, female or male"},
        {{report, "--build", "hg17"}, 2, "--build takes hg18, hg19 or hg38"},
        {{(root / "small.tsv").string(), "--build", "hg18"}, 0, "Tumour cells: cannot tell"},
        {{report, "--baf-file", report}, 2, "--baf-file goes with --logr-file"},
        {{"--reload", report}, 1, "this is not a profile analysis VARN stored"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"profile"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = runCli(on(root, args));
        SCOPED_TRACE(c.says);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    // The profile the fit refuses still has its segments.
    EXPECT_FALSE(readLines(root / "segments/small.seg").empty());
}

} // namespace
} // namespace varn::test

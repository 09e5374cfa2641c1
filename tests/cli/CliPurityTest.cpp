// The tumour cell fraction through varn-cli: --purity auto on analyze, the means kept by Store
// and recognised on reload, the purity command on one array, both arrays and the paired form
// (which must agree with the pool estimate on every demo tumour).
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> analyzeTumor4(const ScratchRoot& root, char array, std::vector<std::string> more) {
    const std::string a(1, array);
    std::vector<std::string> args = {"analyze",
                                     "--pool",
                                     (root / (array == 'X' ? "XbaPool.ref" : "HindPool.ref")).string(),
                                     "--signal",
                                     (root / ("tumorsample" + a) / ("Tumor4" + a + ".txt")).string(),
                                     "--calls",
                                     (root / ("SNPtumorsample" + a) / ("Tumor4" + a + ".txt")).string(),
                                     "--region",
                                     "chr1:1-100000000"};
    args.insert(args.end(), more.begin(), more.end());
    return on(root, args);
}

// The estimate's first line, "Tumour cells 52 % (46–58 %)", as a fraction; -1 when it is not one.
// An interval narrower than a percent is left out ("Tumour cells 100 %").
const std::regex kEstimateLine("Tumour cells (\\d+) %(?: \\((\\d+)\xE2\x80\x93(\\d+) %\\))?");

double estimateIn(const std::string& text) {
    std::smatch m;
    if (!std::regex_search(text, m, kEstimateLine)) return -1;
    return std::atoi(m[1].str().c_str()) / 100.0;
}

// Whether the interval of that line holds p and is at most 0.10 wide.
bool intervalHolds(const std::string& text, double p) {
    std::smatch m;
    if (!std::regex_search(text, m, kEstimateLine)) return false;
    const int value = std::atoi(m[1].str().c_str()), planted = int(p * 100 + 0.5);
    const int low = m[2].matched ? std::atoi(m[2].str().c_str()) : value;
    const int high = m[3].matched ? std::atoi(m[3].str().c_str()) : value;
    return low <= planted && planted <= high && high - low <= 10;
}

// Chromosome, position and HMM state of every line of a raw data table.
std::vector<std::string> statesOf(const fs::path& table) {
    std::vector<std::string> out;
    for (const std::string& line : readLines(table)) {
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, tab - start));
        if (f.size() > 4) out.push_back(f[0] + f[1] + f[4]);
    }
    return out;
}

TEST(CliPurity, EstimateTravelsThroughStoreAndReloadAndAgreesOnBothArrays) {
    ScratchRoot root;
    const CliRun analyzed = runCli(analyzeTumor4(root, 'X', {"--purity", "auto", "--store", "--raw-data"}));
    ASSERT_EQ(analyzed.status, 0) << analyzed.err;
    const std::string line = analyzed.errLines().back();
    EXPECT_EQ(line.rfind("varn-cli analyze: Tumour cells ", 0), 0u) << line;
    const double pool = estimateIn(line);
    EXPECT_NEAR(pool, 0.5, 0.05) << line;
    const std::vector<std::string> analysedStates = statesOf(root / "RawData/Tumor4X.xls");
    ASSERT_GT(analysedStates.size(), 50000u);

    // The stored means are mixed; a reload decodes with them, and the purity command still reads
    // the fraction from a profile whose means already stand for it.
    const fs::path temp = root / "temporary files/Tumor4X.temp";
    const CliRun reloaded = runCli(on(root, {"reload", temp.string(), "--pool", (root / "XbaPool.ref").string(), "--raw-data"}));
    ASSERT_EQ(reloaded.status, 0) << reloaded.err;
    EXPECT_TRUE(statesOf(root / "RawData/Tumor4X.xls") == analysedStates);
    const CliRun again = runCli(on(root, {"purity", temp.string(), "--pool", (root / "XbaPool.ref").string()}));
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_NEAR(estimateIn(again.out), pool, 0.011) << again.out;
    EXPECT_NE(again.out.find("\npurity\tmisfit\n0.10\t"), std::string::npos);
    EXPECT_NE(again.out.find("\n1.00\t"), std::string::npos);

    ASSERT_EQ(runCli(analyzeTumor4(root, 'H', {"--store"})).status, 0);
    const fs::path curve = root / "curve.png";
    const CliRun both = runCli(on(root, {"purity", temp.string(), (root / "temporary files/Tumor4H.temp").string(),
                                         "--pool", (root / "XbaPool.ref").string(), "--pool",
                                         (root / "HindPool.ref").string(), "--plot", curve.string()}));
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_NEAR(estimateIn(both.out), 0.5, 0.05) << both.out;
    EXPECT_EQ(readFileBytes(curve).substr(1, 3), "PNG");
}

// The paired form reads the allele ratios at the normal's heterozygous SNPs as well; on every
// demo tumour and array it must agree with the pool estimate of the same tumour, 70 % normal
// cells included, where the total levels alone cannot tell the fraction from its neighbours, and
// the intervals of both must hold the planted fraction.
TEST(CliPurity, PairedEstimateAgreesWithThePoolEstimateOnEveryDemoTumourAndArray) {
    ScratchRoot root;
    const std::pair<std::string, double> tumours[] = {
        {"Tumor1", 1.0}, {"Tumor2", 1.0}, {"Tumor3", 0.7}, {"Tumor4", 0.5}, {"Tumor5", 0.3}};
    for (const auto& [tumour, planted] : tumours) {
        for (const char array : {'X', 'H'}) {
            const std::string a(1, array);
            const std::string where = tumour + a;
            const fs::path pool = root / (array == 'X' ? "XbaPool.ref" : "HindPool.ref");
            const CliRun analyzed = runCli(on(root, {"analyze", "--pool", pool.string(), "--signal",
                                                     (root / ("tumorsample" + a) / (where + ".txt")).string(),
                                                     "--calls",
                                                     (root / ("SNPtumorsample" + a) / (where + ".txt")).string(),
                                                     "--region", "chr1:1-100000000", "--purity", "auto"}));
            ASSERT_EQ(analyzed.status, 0) << where << analyzed.err;
            const CliRun paired = runCli(on(
                root, {"paired", "--array", array == 'X' ? "xba" : "hind", "--tumor-signal",
                       (root / ("tumorsample" + a) / (where + ".txt")).string(), "--tumor-calls",
                       (root / ("SNPtumorsample" + a) / (where + ".txt")).string(), "--normal-signal",
                       (root / ("sampledata" + a) / (tumour + "N" + a + ".txt")).string(), "--normal-calls",
                       (root / ("sampledata" + a) / (tumour + "N" + a + "_snp.txt")).string(), "--region",
                       "chr1:1-100000000", "--store"}));
            ASSERT_EQ(paired.status, 0) << where << paired.err;
            const CliRun self =
                runCli(on(root, {"purity", "--self", (root / "Self temporary files" / (where + ".temp")).string()}));
            ASSERT_EQ(self.status, 0) << where << self.err;
            const double poolEstimate = estimateIn(analyzed.errLines().back());
            ASSERT_GT(poolEstimate, 0) << where << analyzed.err;
            EXPECT_NEAR(estimateIn(self.out), poolEstimate, 0.05) << where << "\n" << self.out;
            // Both intervals hold the planted fraction and stay narrow where the fit is sharp.
            EXPECT_TRUE(intervalHolds(self.out, planted)) << where << "\n" << self.out;
            EXPECT_TRUE(intervalHolds(analyzed.errLines().back(), planted)) << where << analyzed.err;
        }
    }
}

// Fraction and ploidy together: without the pool's allele model the fit says why and the levels'
// estimate stands; with them every solution is a row (the doubled reading of Tumor4 among them),
// the map is drawn, and --solution applies the one asked for.
TEST(CliPurity, JointFitListsEverySolutionAndAppliesTheOneChosen) {
    ScratchRoot root;
    const fs::path temp = root / "temporary files/Tumor4X.temp", pool = root / "XbaPool.ref";
    fs::remove(root / "XbaPool.alleles"); // the demo's pools come with their models
    ASSERT_EQ(runCli(analyzeTumor4(root, 'X', {"--store"})).status, 0);
    const CliRun levels = runCli(on(root, {"purity", temp.string(), "--pool", pool.string(), "--ploidy", "auto"}));
    ASSERT_EQ(levels.status, 0) << levels.err;
    EXPECT_NE(levels.err.find("tumour cells and ploidy cannot be fitted together: XbaPool.ref has no allele model"),
              std::string::npos) << levels.err;
    EXPECT_NEAR(estimateIn(levels.out), 0.5, 0.05) << levels.out;
    EXPECT_EQ(levels.out.find("\nsolution\t"), std::string::npos);
    fs::create_symlink(sharedDemoRoot() / "XbaPool.alleles", root / "XbaPool.alleles");

    ASSERT_EQ(runCli(analyzeTumor4(root, 'X', {"--store", "--baf"})).status, 0);
    const fs::path map = root / "map.png";
    const CliRun joint =
        runCli(on(root, {"purity", temp.string(), "--pool", pool.string(), "--ploidy", "auto", "--plot", map.string()}));
    ASSERT_EQ(joint.status, 0) << joint.err;
    EXPECT_EQ(readFileBytes(map).substr(1, 3), "PNG");
    std::smatch row;
    ASSERT_TRUE(std::regex_search(joint.out, row, std::regex("\n1\t(0\\.\\d+)\t[^\n]*\tno\t"))) << joint.out;
    EXPECT_NEAR(std::atof(row[1].str().c_str()), 0.5, 0.05);
    ASSERT_TRUE(std::regex_search(joint.out, row, std::regex("\n2\t(0\\.\\d+)\t[^\n]*\tyes\t"))) << joint.out;
    const std::string second = row[1].str();
    // Listed in the order of their fit.
    double previous = 2;
    const std::regex fitColumn("\n\\d+\t(?:[^\t]*\t){6}([0-9.]+)\t");
    for (auto it = std::sregex_iterator(joint.out.begin(), joint.out.end(), fitColumn); it != std::sregex_iterator();
         ++it) {
        const double fit = std::atof((*it)[1].str().c_str());
        EXPECT_LE(fit, previous) << joint.out;
        previous = fit;
    }
    EXPECT_LT(previous, 2) << joint.out;

    std::vector<std::string> states[2];
    for (const char* n : {"1", "2"}) {
        const CliRun applied = runCli(on(root, {"reload", temp.string(), "--pool", pool.string(), "--ploidy", "auto",
                                                "--solution", n, "--raw-data"}));
        ASSERT_EQ(applied.status, 0) << applied.err;
        const std::string expected = std::string("varn-cli reload: solution ") + n + ": Tumour cells " +
                                     (n[0] == '1' ? "50" : std::to_string(std::lround(std::atof(second.c_str()) * 100)));
        EXPECT_NE(applied.err.find(expected), std::string::npos) << applied.err;
        states[n[0] - '1'] = statesOf(root / "RawData/Tumor4X.xls");
    }
    // The doubled reading decodes with its own means and baseline copy number.
    EXPECT_FALSE(states[0] == states[1]);
    // The allele-specific decoder, given no means, decodes at the best solution.
    const CliRun decoded = runCli(on(root, {"reload", temp.string(), "--pool", pool.string(), "--decoder", "alleles"}));
    ASSERT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_NE(decoded.err.find("varn-cli reload: Tumour cells 50 %"), std::string::npos) << decoded.err;
    EXPECT_NE(decoded.err.find("allele-specific decoding, tumour cells 50 %"), std::string::npos) << decoded.err;
}

// With the means of a pure tumour (p = 1, or the defaults typed out) every output is what it was.
TEST(CliPurity, PureMeansChangeNothing) {
    ScratchRoot root;
    ASSERT_EQ(runCli(analyzeTumor4(root, 'H', {"--raw-data"})).status, 0);
    const std::string plain = readFileBytes(root / "RawData/Tumor4H.xls");
    for (const std::vector<std::string>& option :
         {std::vector<std::string>{"--purity", "1.00"},
          std::vector<std::string>{"--hmm-means", "-1.24,-0.49,0,0.365,0.657,0.899,1.1"}}) {
        std::vector<std::string> more = option;
        more.push_back("--raw-data");
        ASSERT_EQ(runCli(analyzeTumor4(root, 'H', more)).status, 0);
        EXPECT_TRUE(readFileBytes(root / "RawData/Tumor4H.xls") == plain) << option[0];
    }
}

} // namespace
} // namespace varn::test

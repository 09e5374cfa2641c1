// --plot: the display an analysis ends in, drawn into a PNG that holds the whole page.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace varn::test {

namespace {

namespace fs = std::filesystem;

struct PngSize {
    bool png = false;
    unsigned width = 0, height = 0;
};

// The signature and the IHDR chunk's big-endian width and height.
PngSize pngSize(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    PngSize s;
    s.png =
        in.gcount() == 24 && header[0] == 0x89 && header[1] == 'P' && header[2] == 'N' && header[3] == 'G';
    auto be = [&](int at) {
        return (unsigned(header[at]) << 24) | (unsigned(header[at + 1]) << 16) |
               (unsigned(header[at + 2]) << 8) | unsigned(header[at + 3]);
    };
    s.width = be(16);
    s.height = be(20);
    return s;
}

} // namespace

// Xba genome under the monitor preset (10 units a pixel): the widest row of panels is about
// 11,500 units and the six rows with their LOH bars about 8,800.
TEST(CliPlot, AnalyzeDrawsTheWholeGenomePage) {
    ScratchRoot root;
    const fs::path plot = root / "analyze.png";
    const CliRun run = runCli(on(root, {"analyze", "--pool", (root / "XbaPool.ref").string(), "--signal",
                                        (root / "tumorsampleX/Tumor1X.txt").string(), "--calls",
                                        (root / "SNPtumorsampleX/Tumor1X.txt").string(), "--refs", "best:3",
                                        "--plot", plot.string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    const PngSize size = pngSize(plot);
    ASSERT_TRUE(size.png);
    EXPECT_GE(size.width, 1100u);
    EXPECT_LE(size.width, 1400u);
    EXPECT_GE(size.height, 880u);
    EXPECT_LE(size.height, 1000u);
}

// The compensation page at one unit a pixel, and one picture per chromosome at the chromosome
// preset (5 units across, 4 down).
TEST(CliPlot, AnalyzeDrawsTheCompensationPageAndEveryChromosome) {
    ScratchRoot root;
    const fs::path compensation = root / "mode7.png";
    const std::string prefix = (root / "Tumor1").string();
    const CliRun run =
        runCli(on(root, {"analyze", "--pool", (root / "XbaPool.ref").string(), "--signal",
                         (root / "tumorsampleX/Tumor1X.txt").string(), "--calls",
                         (root / "SNPtumorsampleX/Tumor1X.txt").string(), "--plot-compensation",
                         compensation.string(), "--plot-chromosomes", prefix, "--store"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const PngSize page = pngSize(compensation);
    ASSERT_TRUE(page.png);
    EXPECT_GE(page.width, 6000u);
    EXPECT_GE(page.height, 6800u);
    for (const char* c : {"1", "8", "22", "X"}) {
        const PngSize chromosome = pngSize(prefix + "-ch" + c + ".png");
        ASSERT_TRUE(chromosome.png) << c;
        EXPECT_GE(chromosome.height, 450u) << c;
    }
    // Chromosome 1 of Xba holds 4,659 SNPs: about 950 pixels at five units a pixel.
    EXPECT_GE(pngSize(prefix + "-ch1.png").width, 950u);
    EXPECT_FALSE(fs::exists(prefix + "-ch23.png"));
    EXPECT_TRUE(fs::exists(root / "temporary files/Tumor1X.temp"));
}

std::vector<std::string> pairedWithPlot(const ScratchRoot& root, const fs::path& plot) {
    return on(root,
              {"paired", "--array", "hind", "--tumor-signal", (root / "tumorsampleH/Tumor2H.txt").string(),
               "--tumor-calls", (root / "SNPtumorsampleH/Tumor2H.txt").string(), "--normal-signal",
               (root / "sampledataH/Tumor2NH.txt").string(), "--normal-calls",
               (root / "sampledataH/Tumor2NH_snp.txt").string(), "--plot", plot.string()});
}

TEST(CliPlot, PairedDrawsTheSelfReferencePage) {
    ScratchRoot root;
    const fs::path plot = root / "paired.png";
    const CliRun run = runCli(pairedWithPlot(root, plot));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(pngSize(plot).png);
}

// The analysis itself succeeds; the picture that cannot be written makes the run fail.
TEST(CliPlot, UnwritablePlotFailsWithItsReason) {
    ScratchRoot root;
    const fs::path plot = root / "no such folder" / "x.png";
    const CliRun run = runCli(pairedWithPlot(root, plot));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("could not be written"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(plot));
}

} // namespace varn::test

// Pictures and the report from the command line: --plot as SVG, PDF and PNG at a resolution, and
// report's PDF read back with pdftotext.
#include "cli/CliRunner.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>

namespace varn::test {

namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

unsigned pngWidth(const fs::path& path) {
    const std::string s = fileText(path);
    if (s.size() < 24 || s.compare(1, 3, "PNG") != 0) return 0;
    unsigned w = 0;
    for (int k = 16; k < 20; ++k) w = (w << 8) | static_cast<unsigned char>(s[static_cast<std::size_t>(k)]);
    return w;
}

// The text of a PDF as poppler's pdftotext reads it.
std::string pdfText(const fs::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> buffer{};
    while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get())) text += buffer.data();
    return text;
}

// FNV-1a of a file's bytes.
std::uint64_t fileDigest(const fs::path& path) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : fileText(path)) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// Tumor1 on Xba analysed and stored; the pictures are drawn by reloading it.
struct StoredTumor1 {
    ScratchRoot root;
    fs::path temp = root / "temporary files/Tumor1X.temp";
    StoredTumor1() {
        const CliRun run = runCli(on(root, {"analyze", "--pool", (root / "XbaPool.ref").string(), "--signal",
                                            (root / "tumorsampleX/Tumor1X.txt").string(), "--calls",
                                            (root / "SNPtumorsampleX/Tumor1X.txt").string(), "--refs", "best:3",
                                            "--store"}));
        EXPECT_EQ(run.status, 0) << run.err;
    }
    CliRun reload(std::vector<std::string> more) {
        std::vector<std::string> args{"reload", temp.string(), "--pool", (root / "XbaPool.ref").string()};
        args.insert(args.end(), more.begin(), more.end());
        return runCli(on(root, args));
    }
};

} // namespace

TEST(CliPicture, PlotTakesSvgPdfAndPngAtAResolution) {
    StoredTumor1 s;
    const CliRun svg = s.reload({"--plot", (s.root / "g.svg").string()});
    ASSERT_EQ(svg.status, 0) << svg.err;
    // Inside the root, the confirmation names it from there.
    EXPECT_EQ(svg.out, "Wrote g.svg\n");
    const std::string drawing = fileText(s.root / "g.svg");
    EXPECT_EQ(drawing.rfind("<?xml", 0), 0u);
    EXPECT_NE(drawing.find("</svg>"), std::string::npos);
    ASSERT_EQ(s.reload({"--plot", (s.root / "g.pdf").string()}).status, 0);
    EXPECT_EQ(fileText(s.root / "g.pdf").rfind("%PDF", 0), 0u);
    ASSERT_EQ(s.reload({"--plot", (s.root / "g.png").string()}).status, 0);
    ASSERT_EQ(s.reload({"--plot", (s.root / "g300.png").string(), "--dpi", "300"}).status, 0);
    const unsigned screen = pngWidth(s.root / "g.png");
    ASSERT_GT(screen, 0u);
    EXPECT_EQ(pngWidth(s.root / "g300.png"), static_cast<unsigned>(std::ceil(screen * 300.0 / 96)));
}

// Without the annotations every picture is byte for byte what --plot drew before they existed: the
// digests were taken from that program's pictures of the same analysis.
TEST(CliPicture, AnnotateNoDrawsThePicturesAsBefore) {
    ScratchRoot root;
    const CliRun run = runCli(
        on(root, {"analyze", "--pool", (root / "XbaPool.ref").string(), "--signal",
                  (root / "tumorsampleX/Tumor1X.txt").string(), "--calls",
                  (root / "SNPtumorsampleX/Tumor1X.txt").string(), "--refs", "best:3", "--plot-compensation",
                  (root / "mode7.png").string(), "--plot", (root / "mode4.png").string(),
                  "--plot-chromosomes", (root / "mode5").string(), "--annotate", "no"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const struct {
        const char* file;
        std::uint64_t today;
    } pictures[] = {{"mode7.png", 12461237546306460992ull},
                    {"mode4.png", 3242453240773152163ull},
                    {"mode5-ch8.png", 17922625624219048899ull}};
    for (const auto& p : pictures) EXPECT_EQ(fileDigest(root / p.file), p.today) << p.file;
}

TEST(CliPicture, UnknownPictureKindsAndResolutionsAreUsageErrors) {
    ScratchRoot root;
    const std::string temp = (root / "temporary files/Tumor1X.temp").string(), pool = (root / "XbaPool.ref").string();
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"reload", temp, "--pool", pool, "--plot", "g.jpg"},
             std::vector<std::string>{"reload", temp, "--pool", pool, "--plot", "g.png", "--dpi", "20"},
             std::vector<std::string>{"report", temp, "--pool", pool, "--out", "r.txt"},
         }) {
        const CliRun run = runCli(on(root, args));
        EXPECT_EQ(run.status, 2) << args[4] << " " << args[5];
    }
}

TEST(CliReport, PdfNamesTheSampleItsNoiseAndItsMaking) {
    StoredTumor1 s;
    const fs::path pdf = s.root / "Tumor1X.pdf";
    const CliRun run = runCli(on(s.root, {"report", s.temp.string(), "--pool", (s.root / "XbaPool.ref").string(),
                                          "--out", pdf.string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote Tumor1X.pdf\n");
    ASSERT_EQ(fileText(pdf).rfind("%PDF", 0), 0u);
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("VARN report: Tumor1X"), std::string::npos) << text;
    EXPECT_NE(text.find("Before compensation: SD= "), std::string::npos);
    EXPECT_NE(text.find("After compensation: SD= "), std::string::npos);
    EXPECT_NE(text.find("Xba 50K reference pool: " + (s.root / "XbaPool.ref").string()), std::string::npos);
    EXPECT_NE(text.find("tumour cell fraction of 100%"), std::string::npos);

    // Every segment of the segment table that is not two copies without LOH is in the report's
    // table: chromosome, start, end and SNP count, in the words pdftotext finds.
    ASSERT_EQ(s.reload({"--segments"}).status, 0);
    std::string words;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool blank = std::isspace(static_cast<unsigned char>(text[k])) != 0;
        if (!blank) words += text[k];
        else if (!words.empty() && words.back() != ' ') words += ' ';
    }
    int changed = 0;
    const auto table = readLines(s.root / "segments/Tumor1X.segments.tsv");
    for (std::size_t k = 1; k < table.size(); ++k) {
        std::vector<std::string> f;
        std::size_t from = 0;
        for (std::size_t tab; (tab = table[k].find('\t', from)) != std::string::npos; from = tab + 1)
            f.push_back(table[k].substr(from, tab - from));
        f.push_back(table[k].substr(from));
        ASSERT_EQ(f.size(), 11u) << table[k];
        const bool x = f[1] == "23";
        if ((f[7] == "2" || x) && f[8] == "no") continue;
        ++changed;
        const std::string row = " " + (x ? std::string("X") : f[1]) + " " + f[2] + " " + f[3] + " " + f[4] + " ";
        EXPECT_NE(words.find(row), std::string::npos) << row;
    }
    EXPECT_GT(changed, 3);

    // Without the pool it was made with, the stored analysis cannot be reloaded.
    const CliRun refused = runCli(on(s.root, {"report", s.temp.string(), "--pool", (s.root / "HindPool.ref").string(),
                                              "--out", (s.root / "none.pdf").string()}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Reference is not loaded"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(s.root / "none.pdf"));
}

// The merged report names both pools, prints the genome page's whole title (its last words are
// the tumour cell fraction) and says on every page what it shows and which program made it.
TEST(CliReport, MergedReportNamesBothPoolsTheWholeTitleAndOnEveryPageItsSample) {
    ScratchRoot root;
    for (const char* a : {"X", "H"}) {
        const std::string pool = std::string(a) == "X" ? "XbaPool.ref" : "HindPool.ref";
        const CliRun run = runCli(on(root, {"analyze", "--pool", (root / pool).string(), "--signal",
                                            (root / ("tumorsample" + std::string(a) + "/Tumor1" + a + ".txt")).string(),
                                            "--calls", (root / ("SNPtumorsample" + std::string(a) + "/Tumor1" + a + ".txt")).string(),
                                            "--purity", "0.6", "--store"}));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    const fs::path pdf = root / "merged.pdf";
    const CliRun run = runCli(on(root, {"report", (root / "temporary files/Tumor1X.temp").string(), "--pool",
                                        (root / "XbaPool.ref").string(), "--pool", (root / "HindPool.ref").string(),
                                        "--hind-temp", (root / "temporary files/Tumor1H.temp").string(), "--out",
                                        pdf.string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    // pdftotext gives a run of blanks as one.
    std::string text;
    for (char c : pdfText(pdf))
        if (!(c == ' ' && !text.empty() && text.back() == ' ')) text += c;
    EXPECT_NE(text.find("Xba 50K reference pool: " + (root / "XbaPool.ref").string()), std::string::npos) << text;
    EXPECT_NE(text.find("Hind 50K reference pool: " + (root / "HindPool.ref").string()), std::string::npos);
    EXPECT_NE(text.find("Xba Sample Tumor1X compared with 3 Samples and Hind Sample Tumor1H"), std::string::npos);
    const std::size_t title = text.find("Max and Min deleted ploidy=");
    ASSERT_NE(title, std::string::npos);
    std::string titleLine = text.substr(title, text.find('\n', title) - title);
    titleLine.erase(titleLine.find_last_not_of(' ') + 1);
    EXPECT_TRUE(titleLine.ends_with("tumour cells=60%")) << titleLine;

    std::vector<std::string> pages;
    for (std::size_t from = 0, end; (end = text.find('\f', from)) != std::string::npos; from = end + 1)
        pages.push_back(text.substr(from, end - from));
    ASSERT_GT(pages.size(), 2u);
    for (std::size_t k = 0; k < pages.size(); ++k) {
        const std::string foot = std::string("VARN ") + VARN_VERSION + " · Tumor1XandTumor1H · tumour cells 60 %";
        EXPECT_NE(pages[k].find(foot), std::string::npos) << "page " << k + 1 << ":\n" << pages[k];
        EXPECT_NE(pages[k].find("page " + std::to_string(k + 1) + " of " + std::to_string(pages.size())),
                  std::string::npos);
    }
}

// Tumor6 (a doubled genome) analysed, fitted with the data deciding the baseline and decoded by
// the allele-specific HMM, then stored: reload says the same solution line and the same decoder,
// and the report's first page prints that fraction and ploidy, in its summary, its title and its
// footer, and no other.
TEST(CliReport, AStoredFitTravelsToReloadAndToTheReportsFirstPage) {
    ScratchRoot root;
    const fs::path pool = root / "XbaPool.ref", temp = root / "temporary files/Tumor6X.temp";
    const CliRun analyzed = runCli(on(root, {"analyze", "--pool", pool.string(), "--signal",
                                             (root / "tumorsampleX/Tumor6X.txt").string(), "--calls",
                                             (root / "SNPtumorsampleX/Tumor6X.txt").string(), "--region",
                                             "chr1:1-100000000", "--baf", "--ploidy", "auto", "--decoder",
                                             "alleles", "--store"}));
    ASSERT_EQ(analyzed.status, 0) << analyzed.err;
    const std::string prefix = "varn-cli analyze: Tumour cells ";
    const std::size_t at = analyzed.err.find(prefix);
    ASSERT_NE(at, std::string::npos) << analyzed.err;
    const std::string line = analyzed.err.substr(at + 18, analyzed.err.find('\n', at) - at - 18);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(line, m, std::regex("^Tumour cells (\\d+) % .*ploidy (\\d\\.\\d\\d)"))) << line;
    const std::string fraction = m[1].str(), ploidy = m[2].str();

    const CliRun reloaded = runCli(on(root, {"reload", temp.string(), "--pool", pool.string()}));
    ASSERT_EQ(reloaded.status, 0) << reloaded.err;
    EXPECT_NE(reloaded.err.find("varn-cli reload: " + line + "\n"), std::string::npos) << reloaded.err;
    EXPECT_NE(reloaded.err.find("varn-cli reload: allele-specific decoding, tumour cells " + fraction + " %"),
              std::string::npos)
        << reloaded.err;

    const fs::path pdf = root / "Tumor6X.pdf";
    ASSERT_EQ(runCli(on(root, {"report", temp.string(), "--pool", pool.string(), "--out", pdf.string()})).status, 0);
    const std::string text = pdfText(pdf);
    const std::string page = text.substr(0, text.find('\f'));
    EXPECT_NE(page.find("Tumour cells " + fraction + " % ("), std::string::npos) << page;
    EXPECT_NE(page.find("tumour cells=" + fraction + "%, ploidy " + ploidy), std::string::npos) << page;
    EXPECT_TRUE(std::regex_search(page, std::regex("tumour cells " + fraction + " %\\s+·\\s+ploidy " + ploidy)))
        << page;
    const std::regex fractions("[Tt]umour cells=?\\s?(\\d+) ?%"), ploidies("ploidy (\\d\\.\\d\\d)\\b");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), fractions); it != std::sregex_iterator(); ++it)
        EXPECT_EQ((*it)[1].str(), fraction) << page;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), ploidies); it != std::sregex_iterator(); ++it)
        EXPECT_EQ((*it)[1].str(), ploidy) << page;
}

} // namespace varn::test

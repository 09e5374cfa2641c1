// --baf: the allele analysis's files on every road (analyze, reload, merged, paired, the batch),
// the stored analysis unchanged beside its side file, and ASCAT reading what VARN writes.
#include "cli/CliRunner.h"

#include "document/profile/ProfileReading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> analyze(const ScratchRoot& root, const std::string& tumour, const std::string& a,
                                 std::vector<std::string> outputs) {
    std::vector<std::string> args = {"analyze", "--pool", (root / (a == "X" ? "XbaPool.ref" : "HindPool.ref")).string(),
                                     "--signal", (root / ("tumorsample" + a) / (tumour + a + ".txt")).string(),
                                     "--calls", (root / ("SNPtumorsample" + a) / (tumour + a + ".txt")).string(),
                                     "--region", "chr1:1-100000000", "--purity", "auto"};
    args.insert(args.end(), outputs.begin(), outputs.end());
    return on(root, args);
}

// The SNP names of an ASCAT file, in order, after checking its header and that every line holds
// a name, a chromosome, a position and a value.
std::vector<std::string> snpsOf(const fs::path& path, const std::string& sample) {
    const std::vector<std::string> lines = readLines(path);
    EXPECT_FALSE(lines.empty()) << path;
    if (lines.empty()) return {};
    EXPECT_EQ(lines[0], "\tChr\tPosition\t" + sample) << path;
    std::vector<std::string> names;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::stringstream in(lines[i]);
        std::string name, chromosome, position, value;
        std::getline(in, name, '\t');
        std::getline(in, chromosome, '\t');
        std::getline(in, position, '\t');
        std::getline(in, value, '\t');
        EXPECT_FALSE(value.empty()) << path << " line " << i + 1;
        names.push_back(name);
    }
    return names;
}

// Each SNP's value in an ASCAT file.
std::map<std::string, double> valuesOf(const fs::path& path) {
    std::map<std::string, double> values;
    const std::vector<std::string> lines = readLines(path);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t name = lines[i].find('\t'), value = lines[i].rfind('\t');
        values[lines[i].substr(0, name)] = std::stod(lines[i].substr(value + 1));
    }
    return values;
}

TEST(CliAlleles, EveryRoadWritesTheAsCatFilesAndReloadGivesTheSameBaf) {
    ScratchRoot plain, alleles;
    ASSERT_EQ(runCli(analyze(plain, "Tumor3", "X", {"--store", "--segments"})).status, 0);
    EXPECT_FALSE(fs::exists(plain / "alleles"));
    EXPECT_FALSE(fs::exists(plain / "temporary files/Tumor3X.alleles"));

    for (const char* a : {"X", "H"}) {
        const CliRun run = runCli(analyze(alleles, "Tumor3", a, {"--store", "--segments", "--baf"}));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    // The stored analysis is the same file with or without the allele analysis.
    EXPECT_EQ(bytesOf(alleles / "temporary files/Tumor3X.temp"), bytesOf(plain / "temporary files/Tumor3X.temp"));
    EXPECT_TRUE(fs::exists(alleles / "temporary files/Tumor3X.alleles"));
    const std::vector<std::string> header = readLines(alleles / "segments/Tumor3X.segments.tsv");
    ASSERT_GE(header.size(), 2u);
    EXPECT_NE(header[1].find("\tloh.max\tnMajor\tnMinor\tbaf.mirrored\tloh.alleles\tcn.mismatch"), std::string::npos);

    const std::vector<std::string> xba = snpsOf(alleles / "alleles/Tumor3X.LogR.txt", "Tumor3X");
    const std::vector<std::string> hind = snpsOf(alleles / "alleles/Tumor3H.LogR.txt", "Tumor3H");
    EXPECT_GT(xba.size(), 50000u);
    EXPECT_EQ(snpsOf(alleles / "alleles/Tumor3X.BAF.txt", "Tumor3X"), xba);
    const std::string baf = bytesOf(alleles / "alleles/Tumor3X.BAF.txt");

    // A reload of the stored analysis, and the batch over every stored analysis, give the same
    // B-allele fractions to the last printed digit.
    CliRun run = runCli(on(alleles, {"reload", (alleles / "temporary files/Tumor3X.temp").string(), "--pool",
                                     (alleles / "XbaPool.ref").string(), "--baf"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(bytesOf(alleles / "alleles/Tumor3X.BAF.txt"), baf);
    fs::remove(alleles / "alleles/Tumor3X.BAF.txt");
    run = runCli(on(alleles, {"batch-segments", "--pool", (alleles / "XbaPool.ref").string(), "--pool",
                              (alleles / "HindPool.ref").string()}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(bytesOf(alleles / "alleles/Tumor3X.BAF.txt"), baf);

    // Merged: both arrays, each SNP once, named after the merged sample.
    run = runCli(on(alleles, {"merged", "--pool", (alleles / "XbaPool.ref").string(), "--pool",
                              (alleles / "HindPool.ref").string(), "--xba-temp",
                              (alleles / "temporary files/Tumor3X.temp").string(), "--hind-temp",
                              (alleles / "temporary files/Tumor3H.temp").string(), "--baf"}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> merged = snpsOf(alleles / "alleles/Tumor3XandTumor3H.LogR.txt", "Tumor3XandTumor3H");
    EXPECT_EQ(merged.size(), xba.size() + hind.size());
    std::sort(merged.begin(), merged.end());
    EXPECT_EQ(std::adjacent_find(merged.begin(), merged.end()), merged.end()) << "a SNP named twice";

    // Paired: the tumour against its own normal reads the same B-allele fractions as against the
    // pool, though its clusters come from the normal alone.
    run = runCli(analyze(alleles, "Tumor4", "H", {"--baf"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::map<std::string, double> pool = valuesOf(alleles / "alleles/Tumor4H.BAF.txt");
    run = runCli(on(alleles, {"paired", "--array", "hind", "--tumor-signal",
                              (alleles / "tumorsampleH/Tumor4H.txt").string(), "--tumor-calls",
                              (alleles / "SNPtumorsampleH/Tumor4H.txt").string(), "--normal-signal",
                              (alleles / "sampledataH/Tumor4NH.txt").string(), "--normal-calls",
                              (alleles / "sampledataH/Tumor4NH_snp.txt").string(), "--baf"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(snpsOf(alleles / "alleles/Tumor4H.BAF.txt", "Tumor4H"),
              snpsOf(alleles / "alleles/Tumor4H.LogR.txt", "Tumor4H"));
    std::vector<double> differences;
    for (const auto& [snp, baf] : valuesOf(alleles / "alleles/Tumor4H.BAF.txt"))
        if (pool.count(snp)) differences.push_back(std::fabs(baf - pool.at(snp)));
    ASSERT_GT(differences.size(), pool.size() * 95 / 100);
    std::nth_element(differences.begin(), differences.begin() + differences.size() / 2, differences.end());
    EXPECT_LT(differences[differences.size() / 2], 0.02);
}

// A copy of a signal file whose allele B probes read what its allele A probes read, as a file
// summarised per SNP would: the total signal stays a signal, the allele contrast is gone.
void writeSummarised(const fs::path& from, const fs::path& to) {
    std::ofstream out(to, std::ios::binary);
    for (const std::string& line : readLines(from)) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
        // Index, probe set, then 40 intensities with "null" fields among them: 10 groups of allele
        // A, allele B and two further probes, in the order of the fields that are not null.
        std::vector<std::size_t> probes;
        for (std::size_t i = 2; i < fields.size(); ++i)
            if (fields[i] != "null") probes.push_back(i);
        if (probes.size() == 40 && line[0] != '#')
            for (std::size_t g = 0; g < 10; ++g) fields[probes[4 * g + 1]] = fields[probes[4 * g]];
        for (std::size_t i = 0; i < fields.size(); ++i) out << (i > 0 ? "\t" : "") << fields[i];
        out << '\n';
    }
}

// Where the allele analysis cannot run it says why, writes none of its files, and the rest of the
// analysis runs as asked; the status says that an output asked for is missing.
TEST(CliAlleles, WithoutAllelesSaysWhyAndTheRestRuns) {
    ScratchRoot root;
    std::ofstream(root / "two.txt") << "Normal01\nNormal02\n";
    const CliRun two = runCli(on(root, {"make-pool", "--array", "hind", "--list", (root / "two.txt").string(),
                                        "--out", (root / "two.ref").string()}));
    ASSERT_EQ(two.status, 0) << two.err;
    writeSummarised(root / "tumorsampleH/Tumor3H.txt", root / "Flat3H.txt");
    const struct {
        std::string pool, signal, sample, why;
    } cases[] = {
        {"two.ref", "tumorsampleH/Tumor3H.txt", "Tumor3H",
         "The allele analysis cannot run: the allele model needs at least three references; two.ref has 2"},
        {"HindPool.ref", "Flat3H.txt", "Flat3H",
         "The allele analysis cannot run: Flat3H: its allele A and allele B probes read alike at every SNP"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(on(root, {"analyze", "--pool", (root / c.pool).string(), "--signal",
                                            (root / c.signal).string(), "--calls",
                                            (root / "SNPtumorsampleH/Tumor3H.txt").string(), "--region",
                                            "chr1:1-100000000", "--segments", "--baf"}));
        EXPECT_EQ(run.status, 1) << c.sample << ": " << run.err;
        EXPECT_NE((run.out + run.err).find(c.why), std::string::npos) << run.out << run.err;
        EXPECT_TRUE(fs::exists(root / ("segments/" + c.sample + ".segments.tsv"))) << c.sample;
        EXPECT_FALSE(fs::exists(root / ("alleles/" + c.sample + ".BAF.txt"))) << c.sample;
    }
}

// ASCAT itself (Debian's r-other-ascat) loads VARN's two files of a tumour with 30 % normal cells,
// segments them and fits purity and ploidy.
TEST(CliAlleles, AscatReadsEverySnpAndFindsASolution) {
    if (std::system("Rscript -e 'suppressMessages(library(ASCAT))' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ASCAT (r-other-ascat) is not installed; scripts/install-deps.sh installs it";
    ScratchRoot root;
    const CliRun run = runCli(analyze(root, "Tumor3", "H", {"--baf"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t snps = snpsOf(root / "alleles/Tumor3H.LogR.txt", "Tumor3H").size();
    const fs::path work = root / "ascat";
    fs::create_directories(work);
    const std::string command = "Rscript '" + std::string(VARN_SOURCE_DIR) + "/tests/cli/ascat_readback.R' '" +
                                (root / "alleles/Tumor3H.LogR.txt").string() + "' '" +
                                (root / "alleles/Tumor3H.BAF.txt").string() + "' '" + work.string() + "' >'" +
                                (work / "out.txt").string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << bytesOf(work / "out.txt");
    std::map<std::string, std::string> found;
    for (const std::string& line : readLines(work / "out.txt")) {
        std::stringstream in(line);
        std::string key, value;
        if (in >> key >> value) found[key] = value;
    }
    EXPECT_EQ(found["snps"], std::to_string(snps)) << bytesOf(work / "out.txt");
    EXPECT_EQ(found["baf.read"], std::to_string(snps));
    ASSERT_EQ(found["solution"], "yes") << bytesOf(work / "out.txt");
    const double purity = std::stod(found["purity"]), ploidy = std::stod(found["ploidy"]);
    std::printf("[ figures  ] ASCAT on Tumor3H (planted 70 %% tumour cells): purity %.2f, ploidy %.2f, %s segments\n",
                purity, ploidy, found["segments"].c_str());
    EXPECT_GT(purity, 0.1);
    EXPECT_GT(ploidy, 1.5);
}

TEST(CliAlleles, TheAsCatFilesReadBackAsAProfile) {
    ScratchRoot root;
    ASSERT_EQ(runCli(analyze(root, "Tumor3", "H", {"--baf"})).status, 0);
    const fs::path logR = root / "alleles/Tumor3H.LogR.txt";
    ProfileOptions options;
    options.build = GenomeBuild::Hg18; // the demo genome's assembly
    const ProfileReading reading = readProfile(logR, options);
    ASSERT_TRUE(reading.profile) << reading.refusal;
    const Profile& p = *reading.profile;
    EXPECT_EQ(p.sample, "Tumor3H");
    EXPECT_EQ(reading.summary.format, "an ASCAT LogR/BAF file");
    EXPECT_EQ(reading.warnings, std::vector<std::string>{});
    EXPECT_EQ(p.size() + reading.summary.duplicatePositions, snpsOf(logR, "Tumor3H").size());
    const std::map<std::string, double> logRs = valuesOf(logR),
                                        bafs = valuesOf(root / "alleles/Tumor3H.BAF.txt");
    for (std::size_t i = 0; i < p.size(); i += 997) {
        const std::string name(p.name[i]);
        EXPECT_NEAR(p.logRatio[i], logRs.at(name), 1e-6) << name;
        EXPECT_NEAR(p.baf[i], bafs.at(name), 1e-6) << name;
    }
}

} // namespace
} // namespace varn::test

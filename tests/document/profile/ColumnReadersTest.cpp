// The readers of one sample per column (PennCNV, ASCAT) and of the plain table.
#include "document/profile/AscatReader.h"
#include "document/profile/PennCnvReader.h"
#include "document/profile/ProfileTableReader.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace varn::test {
namespace {

TEST(PennCnvReader, ReadsTheChosenSampleAndTellsThePlatformFromTheNames) {
    TempDir dir;
    const std::string two =
        "Name\tChr\tPosition\tT.Log R Ratio\tT.B Allele Freq\tN.Log R Ratio\tN.B Allele Freq\tN.GType\n"
        "rs2\t1\t20\t0.2\t0.1\t-0.2\t0.5\tAB\nrs1\tchr1\t10\t0.1\tNA\t-0."
        "1\t0\tAA\nrs3\tY\t5\t0\t0\t0\t0\tAA\n";
    writeProfileFile(dir / "two.txt", two, true);
    ProfileOptions options;
    options.sample = "N";
    ProfileReading reading = readPennCnv(dir / "two.txt", options);
    EXPECT_EQ(rowsOf(reading), "1:10 rs1 -0.100 0.000 1\n1:20 rs2 -0.200 0.500 2\n");
    EXPECT_EQ(reading.profile->sample, "N");
    EXPECT_EQ(reading.profile->arrays[0].platform, Platform::Illumina);
    EXPECT_EQ(reading.summary.notes.at(1), "1 row on Y left out");
    EXPECT_EQ(readPennCnv(dir / "two.txt", {}).refusal,
              (dir / "two.txt").string() + ", line 1: the file holds 2 samples (T, N): name the one to read");

    writeProfileFile(dir / "affy.txt",
                     "Name\tChr\tPosition\tLog R Ratio\nSNP_A-1\t2\t5\t0.3\nCN_0001\t2\t9\t-1\n");
    reading = readPennCnv(dir / "affy.txt", {});
    EXPECT_EQ(rowsOf(reading), "2:5 SNP_A-1 0.300\n2:9 CN_0001 -1.000\n");
    EXPECT_EQ(reading.profile->sample, "affy");
    EXPECT_EQ(reading.profile->arrays[0].platform, Platform::AffymetrixSnp6);

    writeProfileFile(dir / "bad.txt", "Name\tChromosome\tPosition\tT.Log R Ratio\n");
    EXPECT_EQ(
        readPennCnv(dir / "bad.txt", {}).refusal,
        (dir / "bad.txt").string() +
            ", line 1: the columns needed are not all found (the header has Name, Chromosome, Position, "
            "T.Log R Ratio); a PennCNV signal file needs Name, Chr, Position and <sample>.Log R Ratio");
}

TEST(AscatReader, ReadsAPairOfFilesFoundByName) {
    TempDir dir;
    writeProfileFile(dir / "T.LogR.txt",
                     "\tChr\tPosition\tT\nSNP_2\tX\t7\t0.5\nSNP_1\t1\t3\t-0.25\nSNP_3\t1\t4\tNA\n");
    writeProfileFile(dir / "T.BAF.txt", "\tChr\tPosition\tT\nSNP_1\t1\t3\t0.1\nSNP_2\tX\t7\t0.9\n");
    for (const char* given : {"T.LogR.txt", "T.BAF.txt"}) {
        const ProfileReading reading = readAscat(dir / given, {});
        EXPECT_EQ(rowsOf(reading), "1:3 SNP_1 -0.250 0.100\n1:4 SNP_3 nan nan\n23:7 SNP_2 0.500 0.900\n")
            << given;
        EXPECT_EQ(reading.profile->sample, "T");
        EXPECT_EQ(reading.warnings, std::vector<std::string>{(dir / "T.BAF.txt").string() +
                                                             " holds 2 of the LogR file's 3 SNPs (66.6 %)"});
    }
    writeProfileFile(dir / "only.BAF.txt", "\tChr\tPosition\tT\nSNP_1\t1\t3\t0.1\n");
    EXPECT_EQ(readAscat(dir / "only.BAF.txt", {}).refusal,
              (dir / "only.BAF.txt").string() + ": an ASCAT BAF file without its LogR file beside it");
    writeProfileFile(dir / "lone.logR.txt", "\tChr\tPosition\tT\nSNP_1\t1\t3\t0.1\n");
    EXPECT_FALSE(readAscat(dir / "lone.logR.txt", {}).profile->hasBaf());
}

TEST(AscatReader, ReadsAscatsOwnExampleFiles) {
    const std::filesystem::path extdata = "/usr/lib/R/site-library/ASCAT/extdata";
    if (!std::filesystem::exists(extdata / "tumour.logR.txt")) GTEST_SKIP() << "ASCAT is not installed";
    ProfileOptions options;
    options.sample = "S2";
    const ProfileReading reading = readAscat(extdata / "tumour.logR.txt", options);
    ASSERT_TRUE(reading.profile) << reading.refusal;
    EXPECT_EQ(reading.summary.samples, (std::vector<std::string>{"S1", "S2"}));
    EXPECT_EQ(reading.profile->size(), 600u);
    EXPECT_TRUE(reading.profile->hasBaf());
    EXPECT_EQ(reading.profile->name[0], "SNP1");
    EXPECT_FLOAT_EQ(reading.profile->baf[1], 0.00255f);
    EXPECT_TRUE(reading.warnings.empty());
}

TEST(ProfileTableReader, TakesItsColumnsByNameInAnyOrder) {
    TempDir dir;
    writeProfileFile(dir / "cgh.csv", "\xEF\xBB\xBF" "Chromosome,LogR,Position,extra\r\n3,0.5,10,q\r\n3,-1,5,q\r\n");
    const ProfileReading reading = readProfileTable(dir / "cgh.csv", {});
    EXPECT_EQ(rowsOf(reading), "3:5  -1.000\n3:10  0.500\n");
    EXPECT_EQ(reading.profile->sample, "cgh");
    EXPECT_EQ(reading.profile->arrays[0].platform, Platform::Unknown);
    EXPECT_FALSE(reading.profile->hasNormal());

    writeProfileFile(dir / "paired.tsv",
                     "chromosome\tposition\tlogr\tbaf\tgenotype\tbaf_normal\tgenotype_normal\tname\n"
                     "1\t5\t0.1\t0.3\tAB\t0.5\tAB\trs5\n");
    const ProfileReading paired = readProfileTable(dir / "paired.tsv", {});
    EXPECT_EQ(rowsOf(paired), "1:5 rs5 0.100 0.300 2\n");
    EXPECT_FLOAT_EQ(paired.profile->normalBaf.at(0), 0.5f);
    EXPECT_EQ(paired.profile->normalGenotype.at(0), 2);

    writeProfileFile(dir / "bad.tsv", "chrom\tpos\tlogr\n");
    EXPECT_EQ(readProfileTable(dir / "bad.tsv", {}).refusal,
              (dir / "bad.tsv").string() +
                  ", line 1: the columns needed are not all found (the header has chrom, pos, "
                  "logr); a profile table needs chromosome, position and logr");
}

} // namespace
} // namespace varn::test

// The road through readProfile: format detection, the paired normal, the population frequencies.
#include "document/profile/ProfileReading.h"
#include "document/profile/ProfileFormatDetection.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varn::test {
namespace {

TEST(ProfileFormatDetection, NamesWhatEveryHeadLooksLike) {
    const struct {
        std::string head;
        bool gzipped;
        ProfileFormat format;
        const char* looksLike;
    } cases[] = {
        {"[Header]\r\nGSGT Version\t2\n", false, ProfileFormat::FinalReport, "an Illumina final report"},
        {"\xEF\xBB\xBF[Data],,\nSNP Name,Chr\n", true, ProfileFormat::FinalReport,
         "an Illumina final report"},
        {"Name\tChr\tPosition\tS.Log R Ratio\n", false, ProfileFormat::PennCnv, "a PennCNV signal file"},
        {"\tChr\tPosition\tS1\n", false, ProfileFormat::Ascat, "an ASCAT LogR/BAF file"},
        {"chromosome,position,logr\n", false, ProfileFormat::Table, "a profile table"},
        {"##fileformat=VCFv4.2\n", true, ProfileFormat::Auto, "a gzipped VCF"},
        {"Name\tChr\tPosition\tPFB\n", false, ProfileFormat::Auto, "a PennCNV PFB file"},
        {"ID\tchrom\tloc.start\tloc.end\tnum.mark\tseg.mean\n", false, ProfileFormat::Auto, "a SEG file"},
        {"chromosome\tposition\tvalue\n", false, ProfileFormat::Auto, "a table without a log ratio column"},
        {"# VARN demo probe intensities\nindex\tprobe_set\n1\tSNP_A-1" + std::string(40 * 4, '\0'), false,
         ProfileFormat::Auto, "a binary file"},
        {std::string("BAM\1\0\0", 6), true, ProfileFormat::Auto, "a BAM file"},
        {"", false, ProfileFormat::Auto, "an empty file"},
    };
    for (const auto& c : cases) {
        const DetectedFormat d = detectProfileText(c.head, c.gzipped);
        EXPECT_EQ(d.format, c.format) << c.head;
        EXPECT_EQ(d.looksLike, c.looksLike) << c.head;
    }
    std::string signal = "# VARN demo probe intensities\tsample T\tXba 50K\nindex\tprobe_set\tintensities\n";
    for (int line = 1; line <= 5; ++line) {
        signal += std::to_string(line) + "\tSNP_A-" + std::to_string(line);
        for (int i = 0; i < 40; ++i) signal += (i % 5 == 0 ? "\tnull\t1.5" : "\t1.5");
        signal += "\n";
    }
    EXPECT_EQ(detectProfileText(signal, false).looksLike, "a 50K signal file");
}

TEST(ProfileReading, RefusesAFileOfAnotherKindSayingWhatItIs) {
    TempDir dir;
    writeProfileFile(dir / "calls.vcf.gz", "##fileformat=VCFv4.2\n#CHROM\tPOS\n", true);
    EXPECT_EQ(readProfile(dir / "calls.vcf.gz", {}).refusal,
              (dir / "calls.vcf.gz").string() + ": this is a gzipped VCF, not an array profile");
    EXPECT_EQ(readProfile(dir / "missing.txt", {}).refusal,
              (dir / "missing.txt").string() + ": cannot be opened");
    EXPECT_EQ(readProfile(dir.path(), {}).refusal, dir.path().string() + ": is a folder");
}

const std::string kPair =
    "[Data]\nSNP Name\tSample ID\tChr\tPosition\tGType\tLog R Ratio\tB Allele Freq\n"
    "rs1\tT\t1\t10\tAA\t0.1\t0.1\nrs2\tT\t1\t20\tAB\t0.2\t0.3\nrs3\tT\t1\t30\tAB\t0.3\t0.4\n"
    "rs1\tN\t1\t10\tAA\t0\t0.01\nrs3\tN\t1\t30\tAB\t0\t0.52\n";

TEST(ProfileReading, JoinsTheNormalAndWarnsWithTheShareMatched) {
    TempDir dir;
    writeProfileFile(dir / "pair.txt", kPair);
    ProfileOptions options;
    options.sample = "T";
    options.normalSample = "N";
    ProfileReading reading = readProfile(dir / "pair.txt", options);
    ASSERT_TRUE(reading.profile) << reading.refusal;
    const Profile& p = *reading.profile;
    EXPECT_FLOAT_EQ(p.normalBaf[0], 0.01f);
    EXPECT_TRUE(std::isnan(p.normalBaf[1]));
    EXPECT_FLOAT_EQ(p.normalBaf[2], 0.52f);
    EXPECT_EQ(p.normalGenotype, (std::vector<std::int8_t>{1, 0, 2}));
    EXPECT_EQ(reading.warnings, std::vector<std::string>{"the normal " + (dir / "pair.txt").string() +
                                                         " matches 2 of the tumour's 3 SNPs (66.6 %)"});

    // Without names the rows meet by place; a normal of other places is refused.
    writeProfileFile(dir / "t.tsv",
                     "chromosome\tposition\tlogr\tbaf\n1\t10\t0.1\t0.1\n1\t20\t0\t0.2\n1\t30\t0\t0.3\n");
    writeProfileFile(dir / "n.tsv", "chromosome\tposition\tlogr\tbaf\n1\t10\t0\t0.5\n2\t20\t0\t0.5\n");
    options = {};
    options.normal = dir / "n.tsv";
    reading = readProfile(dir / "t.tsv", options);
    EXPECT_FALSE(reading.profile);
    EXPECT_EQ(reading.refusal,
              "the normal " + (dir / "n.tsv").string() +
                  " matches only 1 of the tumour's 3 SNPs (33.3 %): is it of another array or build?");
}

TEST(ProfileReading, JoinsPopulationFrequenciesAsHeterozygosityPriors) {
    TempDir dir;
    writeProfileFile(dir / "pair.txt", kPair);
    writeProfileFile(dir / "hh.pfb",
                     "Name\tChr\tPosition\tPFB\nrs1\t1\t10\t0.5\nrs2\t1\t20\t0.1\nrs3\t1\t30\t2\n");
    ProfileOptions options;
    options.sample = "T";
    options.pfb = dir / "hh.pfb";
    const ProfileReading reading = readProfile(dir / "pair.txt", options);
    ASSERT_TRUE(reading.profile) << reading.refusal;
    EXPECT_FLOAT_EQ(reading.profile->heterozygosity[0], 0.5f);
    EXPECT_FLOAT_EQ(reading.profile->heterozygosity[1], 0.18f);
    EXPECT_TRUE(std::isnan(reading.profile->heterozygosity[2])); // a copy-number probe's 2
}

TEST(ProfileReading, WarnsOnceOfPositionsPastTheEndsOfTheBuild) {
    TempDir dir;
    writeProfileFile(dir / "t.tsv", "chromosome\tposition\tlogr\n21\t47000000\t0\n21\t48000000\t0\n");
    ProfileOptions options;
    options.build = GenomeBuild::Hg18;
    const ProfileReading reading = readProfile(dir / "t.tsv", options);
    EXPECT_EQ(reading.warnings,
              std::vector<std::string>{"2 positions lie past the end of its chromosome in hg18: are "
                                       "the positions of another genome build?"});
    options.build = GenomeBuild::Hg19;
    EXPECT_TRUE(readProfile(dir / "t.tsv", options).warnings.empty());
}

} // namespace
} // namespace varn::test

#include "document/profile/FinalReportReader.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn::test {
namespace {

const std::string kHead = "[Header]\nGSGT Version\t2.0.4\nContent\t\tGSA-24v3-0_A1.bpm\n[Data]\n";
const std::string kColumns = "SNP Name\tSample ID\tChr\tPosition\tGType\tLog R Ratio\tB Allele Freq\n";

TEST(FinalReportReader, ReadsEveryRuleOfTheRows) {
    struct Case {
        const char* what;
        std::string bytes;
        bool gzip;
        std::string rows;
        std::vector<std::string> notes; // after the "N SNPs on M chromosomes" line
    };
    const std::string plain =
        kHead + kColumns + "rs1\tS1\t1\t100\tAA\t0.1\t0.01\nrs2\tS1\t2\t50\tAB\t-0.2\t0.5\n";
    const std::string plainRows = "1:100 rs1 0.100 0.010 1\n2:50 rs2 -0.200 0.500 2\n";
    const Case cases[] = {
        {"tabs", plain, false, plainRows, {}},
        {"gzipped", plain, true, plainRows, {}},
        {"commas, Windows line ends, chr names, X as 23",
         "[Header]\r\nContent,,GSA.bpm\r\n[Data],,,,,,\r\nSNP Name,Sample ID,Chr,Position,GType,Log R "
         "Ratio,B Allele "
         "Freq\r\nrs1,S1,chr1,100,AA,0.1,0.01\r\nrs3,S1,X,7,BB,0.3,0.99\r\nrs4,S1,23,8,NC,0.4,0.2\r\nrs5,S1,"
         "chrX,9,--,0,"
         "0.5\r\n",
         false,
         "1:100 rs1 0.100 0.010 1\n23:7 rs3 0.300 0.990 3\n23:8 rs4 0.400 0.200 0\n23:9 rs5 0.000 0.500 0\n",
         {}},
        {"left-out chromosomes and rows without a position",
         kHead + kColumns +
             "a\tS1\tY\t1\tAA\t0\t0\nb\tS1\tXY\t1\tAA\t0\t0\nc\tS1\tMT\t1\tAA\t0\t0\nd\tS1\t0\t0\tAA\t0\t0\n"
             "e\tS1\t24\t1\tAA\t0\t0\nf\tS1\t26\t1\tAA\t0\t0\ng\tS1\tM\t1\tAA\t0\t0\nrs1\tS1\t1\t100\tAA\t0."
             "1\t0.01\n"
             "h\tS1\t1\t\tAA\t0\t0\n",
         false,
         "1:100 rs1 0.100 0.010 1\n",
         {"7 rows on Y, XY, MT, 0 left out", "1 row without a position left out"}},
        {"missing values",
         kHead + kColumns +
             "rs1\tS1\t1\t1\tNC\tNaN\tNA\nrs2\tS1\t1\t2\t\t-\t\nrs3\tS1\t1\t3\tAB\t 0.5 \tinf\n",
         false,
         "1:1 rs1 nan nan 0\n1:2 rs2 nan nan 0\n1:3 rs3 0.500 nan 2\n",
         {}},
        {"any order, a position given twice keeps its first row",
         kHead + kColumns +
             "rs9\tS1\t2\t5\tAA\t0.9\t0\nrs1\tS1\t1\t10\tAA\t0.1\t0\nrs2\tS1\t1\t10\tBB\t0.2\t1\n"
             "rs0\tS1\t1\t3\tAB\t0\t0.5\n",
         false,
         "1:3 rs0 0.000 0.500 2\n1:10 rs1 0.100 0.000 1\n2:5 rs9 0.900 0.000 1\n",
         {"1 position given twice (the first row of each kept)"}},
        {"genotype from the allele pair, no sample column, no BAF",
         "[Data]\nSNP Name\tChr\tPosition\tAllele1 - AB\tAllele2 - AB\tLog R "
         "Ratio\nrs1\t1\t5\tA\tB\t0.1\nrs2\t1\t6\tB\tB\t0\n"
         "rs3\t1\t7\t-\t-\t0\n",
         false,
         "1:5 rs1 0.100 2\n1:6 rs2 0.000 3\n1:7 rs3 0.000 0\n",
         {}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const auto path = dir / (c.gzip ? "report.txt.gz" : "report.txt");
        writeProfileFile(path, c.bytes, c.gzip);
        const ProfileReading reading = readFinalReport(path, {});
        EXPECT_EQ(rowsOf(reading), c.rows) << c.what;
        if (!reading.profile) continue;
        EXPECT_EQ(std::vector<std::string>(reading.summary.notes.begin() + 1, reading.summary.notes.end()),
                  c.notes)
            << c.what;
        EXPECT_EQ(reading.profile->arrays[0].platform, Platform::Illumina);
    }
}

TEST(FinalReportReader, PicksOneSampleOfSeveralAndNamesTheProfile) {
    TempDir dir;
    writeProfileFile(dir / "r.txt", kHead + kColumns +
                                        "rs1\tT1\t1\t1\tAA\t0.1\t0\nrs2\tT1\t1\t2\tAA\t0.2\t0\n"
                                        "rs1\tN1\t1\t1\tAB\t-0.1\t0.5\nrs2\tN1\t1\t2\tAB\t-0.2\t0.5\n");
    ProfileOptions options;
    options.sample = "N1";
    const ProfileReading reading = readFinalReport(dir / "r.txt", options);
    EXPECT_EQ(rowsOf(reading), "1:1 rs1 -0.100 0.500 2\n1:2 rs2 -0.200 0.500 2\n");
    EXPECT_EQ(reading.profile->sample, "N1");
    EXPECT_EQ(reading.profile->arrays[0].name, "GSA-24v3-0_A1");
    EXPECT_EQ(reading.summary.samples, (std::vector<std::string>{"T1", "N1"}));
    EXPECT_EQ(reading.summary.notes[0], "2 SNPs on 1 chromosome");

    writeProfileFile(dir / "one.txt", kHead + kColumns + "rs1\tT1\t1\t1\tAA\t0.1\t0\n");
    EXPECT_EQ(readFinalReport(dir / "one.txt", {}).profile->sample, "T1");
}

TEST(FinalReportReader, RefusesSayingWhereAndWhy) {
    TempDir dir;
    const std::string two = kHead + kColumns + "rs1\tT1\t1\t1\tAA\t0.1\t0\nrs1\tN1\t1\t1\tAB\t-0.1\t0.5\n";
    struct Case {
        std::string bytes;
        std::string sample;
        std::string refusal; // after the file's name
    };
    const Case cases[] = {
        {two, "", ": the report holds 2 samples (T1, N1): name the one to read"},
        {two, "X9", ": no sample \"X9\" in the report; it holds T1, N1"},
        {kHead + "SNP Name\tSample ID\tLog R Ratio\n", "",
         ", line 5: the columns Chr, Position are not found (the header has SNP Name, Sample ID, Log R "
         "Ratio); a final "
         "report needs SNP Name, Chr, Position and Log R Ratio"},
        {kHead + kColumns + "rs1\tT1\t1\t1\tAA\tabc\t0\n", "",
         ", line 6: the Log R Ratio \"abc\" is not a number"},
        {kHead + kColumns + "rs1\tT1\t1\t1\tAX\t0\t0\n", "", ", line 6: the GType \"AX\" is not a genotype"},
        {kHead + kColumns + "rs1\tT1\t1\t1\n", "", ", line 6: the row has 4 fields where the header has 7"},
        {"[Header]\nContent\tx.bpm\n", "", ": no [Data] section: not a whole final report"},
        {kHead + kColumns + "rs1\tT1\tY\t1\tAA\t0\t0\n", "",
         ": no SNP on chromosomes 1 to 22 or X; 1 row on Y left out"},
    };
    for (const Case& c : cases) {
        writeProfileFile(dir / "r.txt", c.bytes);
        ProfileOptions options;
        options.sample = c.sample;
        const ProfileReading reading = readFinalReport(dir / "r.txt", options);
        EXPECT_FALSE(reading.profile);
        EXPECT_EQ(reading.refusal, (dir / "r.txt").string() + c.refusal);
    }
}

} // namespace
} // namespace varn::test

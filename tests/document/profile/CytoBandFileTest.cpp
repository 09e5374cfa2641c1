#include "document/profile/CytoBandFile.h"

#include "ProfileFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace varn::test {
namespace {

TEST(CytoBandFile, ReadsBandsInOrderAndTheCentromereFromAcen) {
    TempDir dir;
    writeProfileFile(dir / "cytoBand.txt.gz",
                     "chr1\t125000000\t128900000\tq11\tacen\r\nchr1\t0\t2300000\tp36.33\tgneg\r\n"
                     "chrY\t0\t2500000\tp11.32\tgneg\r\nchr1\t121500000\t125000000\tp11.1\tacen\r\n"
                     "chr6_ssto_hap7\t0\t10\t\tgneg\r\nchrX\t0\t4300000\tp22.33\tgneg\r\n",
                     true);
    const CytoBandReading reading = readCytoBandFile(dir / "cytoBand.txt.gz");
    ASSERT_EQ(reading.refusal, "");
    ASSERT_EQ(reading.bands.size(), 4u);
    EXPECT_EQ(reading.bands[0].name, "p36.33");
    EXPECT_EQ(reading.bands[3].chromosome, 23);
    const Centromere c = centromereOfBands(reading.bands, 1);
    EXPECT_EQ(c.start, 121500000);
    EXPECT_EQ(c.end, 128900000);
    EXPECT_EQ(centromereOfBands(reading.bands, 2).end, 0);

    writeProfileFile(dir / "bad.txt", "chr1\t0\t10\tp1\tgneg\nchr1\tten\t20\tp2\tgneg\n");
    EXPECT_EQ(readCytoBandFile(dir / "bad.txt").refusal,
              (dir / "bad.txt").string() +
                  ", line 2: not a band (a cytoBand line is chrom, chromStart, chromEnd, name, gieStain)");
}

TEST(CytoBandFile, TheBuildsOwnFileComesBeforeTheGeneralOne) {
    TempDir dir;
    EXPECT_FALSE(findCytoBandFile(dir.path(), GenomeBuild::Hg19));
    writeProfileFile(dir / "cytoBand.txt", "");
    EXPECT_EQ(findCytoBandFile(dir.path(), GenomeBuild::Hg19), dir / "cytoBand.txt");
    writeProfileFile(dir / "cytoBand.hg19.txt.gz", "", true);
    EXPECT_EQ(findCytoBandFile(dir.path(), GenomeBuild::Hg19), dir / "cytoBand.hg19.txt.gz");
    EXPECT_EQ(findCytoBandFile(dir.path(), GenomeBuild::Hg38), dir / "cytoBand.txt");
}

} // namespace
} // namespace varn::test
